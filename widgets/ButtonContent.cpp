// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "widgets/ButtonContent.h"

#include <QFontMetrics>
#include <QIcon>
#include <QPainter>

namespace ButtonContent {

namespace {

constexpr int kTextFlags = Qt::TextShowMnemonic | Qt::AlignVCenter | Qt::AlignLeft;
constexpr int kPadX = 10;
constexpr int kPadY = 5;

QSize PictureSize(const QPixmap& picture)
{
    return picture.isNull() ? QSize() : picture.deviceIndependentSize().toSize();
}

}  // namespace

QSize Size(const QFontMetrics& metrics, const QString& text, const QPixmap& picture)
{
    const QSize textSize = text.isEmpty() ? QSize() : metrics.size(Qt::TextShowMnemonic, text);
    const QSize pictureSize = PictureSize(picture);
    const int gap = !text.isEmpty() && !picture.isNull() ? kSpacing : 0;
    return {textSize.width() + gap + pictureSize.width(),
            qMax(textSize.height(), pictureSize.height())};
}

QSize PushSizeHint(const QFontMetrics& metrics, const QString& text, const QPixmap& picture)
{
    const QSize content = Size(metrics, text, picture);
    return {qMax(75, content.width() + 2 * kPadX), qMax(25, content.height() + 2 * kPadY)};
}

QSize PushMinimumSizeHint(const QFontMetrics& metrics)
{
    return {2 * kPadX, qMax(16, metrics.height() + 4)};
}

void Draw(QPainter& painter, const QRect& area, const QString& text, const QPixmap& picture,
          const QColor& textColor, bool enabled)
{
    const QSize total = Size(painter.fontMetrics(), text, picture);
    // Centred, but never starting left of the area when the caption is too long.
    int x = area.left() + qMax(0, (area.width() - total.width()) / 2);

    if (!picture.isNull()) {
        const QSize size = PictureSize(picture);
        const QPoint at(x, area.top() + (area.height() - size.height()) / 2);
        if (enabled)
            painter.drawPixmap(at, picture);
        else
            painter.drawPixmap(at, QIcon(picture).pixmap(size, QIcon::Disabled));
        x += size.width() + (text.isEmpty() ? 0 : kSpacing);
    }
    if (text.isEmpty())
        return;

    const QRect textRect(x, area.top(), area.right() - x + 1, area.height());
    DrawCaption(painter, textRect, kTextFlags, text, textColor, enabled);
}

void DrawCaption(QPainter& painter, const QRectF& area, int flags, const QString& text,
                 const QColor& textColor, bool enabled)
{
    if (enabled) {
        // A light caption gets a dark edge, so it still reads on the light
        // top of a gradient face.
        if (textColor.lightness() > 180) {
            painter.setPen(QColor(0, 0, 0, 90));
            for (const QPointF d : {QPointF(-1, 0), QPointF(1, 0), QPointF(0, -1), QPointF(0, 1)})
                painter.drawText(area.translated(d), flags, text);
            painter.setPen(QColor(0, 0, 0, 160));
            painter.drawText(area.translated(1, 1), flags, text);
        }
        painter.setPen(textColor);
        painter.drawText(area, flags, text);
    } else {
        painter.setPen(QColor(255, 255, 255, 170));
        painter.drawText(area.translated(1, 1), flags, text);
        painter.setPen(QColor(128, 128, 128));
        painter.drawText(area, flags, text);
    }
}

QColor Greyed(const QColor& face)
{
    const int grey = qGray(face.rgb());
    const int washed = (grey + 2 * 215) / 3;
    return {washed, washed, washed};
}

}  // namespace ButtonContent
