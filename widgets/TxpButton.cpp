// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "widgets/TxpButton.h"

#include "widgets/ButtonContent.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kRadius = 4.0;

const QColor kBorder(0x5A, 0x72, 0x96);
const QColor kBorderDisabled(0xB8, 0xC0, 0xCC);
const QColor kHotOuter(0xF8, 0xB3, 0x3C);
const QColor kHotInner(0xFC, 0xD8, 0x8A);
const QColor kFocus(0x8C, 0xB2, 0xE6);

}  // namespace

TxpButton::TxpButton(QWidget* parent) : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

TxpButton::TxpButton(const QString& text, QWidget* parent) : TxpButton(parent)
{
    setText(text);
}

QSize TxpButton::sizeHint() const
{
    const QPixmap glyph = icon().isNull() ? QPixmap() : icon().pixmap(iconSize(), devicePixelRatio());
    return ButtonContent::PushSizeHint(fontMetrics(), text(), glyph);
}

QSize TxpButton::minimumSizeHint() const
{
    return ButtonContent::PushMinimumSizeHint(fontMetrics());
}

bool TxpButton::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void TxpButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool enabled = isEnabled();
    const bool down = isDown() || isChecked();
    const bool hot = enabled && !down && underMouse();

    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(outer, kRadius, kRadius);

    QLinearGradient face(outer.topLeft(), outer.bottomLeft());
    if (!enabled) {
        face.setColorAt(0, QColor(0xF5, 0xF5, 0xF4));
        face.setColorAt(1, QColor(0xF5, 0xF5, 0xF4));
    } else if (down) {
        face.setColorAt(0, QColor(0xD4, 0xD8, 0xDD));
        face.setColorAt(1, QColor(0xEC, 0xEE, 0xF0));
    } else {
        face.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
        face.setColorAt(0.6, QColor(0xF3, 0xF3, 0xEF));
        face.setColorAt(1, QColor(0xE2, 0xE2, 0xDC));
    }
    painter.fillPath(shape, face);

    // The orange glow under the mouse, else the blue ring of the focus or
    // of the default button.
    const QRectF ring = outer.adjusted(1.5, 1.5, -1.5, -1.5);
    if (hot) {
        painter.setPen(QPen(kHotOuter, 2));
        painter.drawRoundedRect(ring, kRadius - 1, kRadius - 1);
        painter.setPen(QPen(kHotInner, 1));
        painter.drawRoundedRect(ring.adjusted(1.5, 1.5, -1.5, -1.5), kRadius - 2, kRadius - 2);
    } else if (enabled && !down && (hasFocus() || isDefault())) {
        painter.setPen(QPen(kFocus, 2));
        painter.drawRoundedRect(ring, kRadius - 1, kRadius - 1);
    }

    painter.setPen(QPen(enabled ? kBorder : kBorderDisabled, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(shape);

    const QColor textColor = palette().color(QPalette::ButtonText);
    if (hasFocus()) {
        QColor dots = textColor;
        dots.setAlpha(130);
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(QPen(dots, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(4, 4, -5, -5));
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    QRect area = rect().adjusted(4, 2, -4, -2);
    if (down)
        area.translate(1, 1);
    const QPixmap glyph = icon().isNull() ? QPixmap() : icon().pixmap(iconSize(), devicePixelRatio());
    ButtonContent::Draw(painter, area, text(), glyph, textColor, enabled);
}
