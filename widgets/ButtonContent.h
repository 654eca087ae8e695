// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QColor>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QFontMetrics;
class QPainter;

// What the push buttons draw on their faces: an optional picture, then the
// caption, the two centred together, the '&' mnemonic underlined.
namespace ButtonContent {

inline constexpr int kSpacing = 5;

QSize Size(const QFontMetrics& metrics, const QString& text, const QPixmap& picture);

// Size hints of a rectangular push button around that content.
QSize PushSizeHint(const QFontMetrics& metrics, const QString& text, const QPixmap& picture);
QSize PushMinimumSizeHint(const QFontMetrics& metrics);

// A disabled button draws its caption etched in grey instead of textColor.
void Draw(QPainter& painter, const QRect& area, const QString& text, const QPixmap& picture,
          const QColor& textColor, bool enabled);

// The caption alone, in area with the given alignment flags.
void DrawCaption(QPainter& painter, const QRectF& area, int flags, const QString& text,
                 const QColor& textColor, bool enabled);

// Grey of about the same lightness, washed out: the face of a disabled button.
QColor Greyed(const QColor& face);

}  // namespace ButtonContent
