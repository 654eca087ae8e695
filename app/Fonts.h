// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QFont>
#include <QString>

// A font of the design by its Windows face name and pixel size. The classic
// faces map onto their metric-compatible Liberation counterparts; the digit
// face "trazolin" is used when installed, otherwise bold Andika stands in.
QFont DesignFont(const QString& face, int pixelSize, bool bold = false, bool italic = false);

// The large digits of the sums and worksheets, always bold.
QFont DigitFont(int pixelSize);

class QColor;
class QLabel;
class QWidget;

// Colours of a control's text and of its background, through its palette.
void SetTextColour(QWidget* widget, const QColor& colour);
void SetBackgroundColour(QWidget* widget, const QColor& colour);

// A named label at its designed place, font and colour.
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int x, int y, int w, int h,
                  const QFont& font, const QColor& colour, Qt::Alignment align = Qt::AlignCenter);
