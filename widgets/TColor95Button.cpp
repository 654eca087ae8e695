// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "widgets/TColor95Button.h"

#include "widgets/ButtonContent.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kRadius = 4.0;

}  // namespace

TColor95Button::TColor95Button(QWidget* parent) : QPushButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

TColor95Button::TColor95Button(const QString& text, QWidget* parent) : TColor95Button(parent)
{
    setText(text);
}

void TColor95Button::setFaceColor(const QColor& color)
{
    faceColor_ = color;
    update();
}

void TColor95Button::setGradientStyle(GradientStyle style)
{
    gradientStyle_ = style;
    update();
}

void TColor95Button::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    updateGeometry();
    update();
}

void TColor95Button::setHotTrack(bool on)
{
    hotTrack_ = on;
    update();
}

QSize TColor95Button::sizeHint() const
{
    return ButtonContent::PushSizeHint(fontMetrics(), text(), glyph());
}

QSize TColor95Button::minimumSizeHint() const
{
    return ButtonContent::PushMinimumSizeHint(fontMetrics());
}

QPixmap TColor95Button::glyph() const
{
    if (!picture_.isNull() || icon().isNull())
        return picture_;
    return icon().pixmap(iconSize(), devicePixelRatio());
}

bool TColor95Button::hitButton(const QPoint& pos) const
{
    return rect().contains(pos);
}

void TColor95Button::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool enabled = isEnabled();
    const bool down = isDown() || isChecked();
    QColor face = enabled ? faceColor_ : ButtonContent::Greyed(faceColor_);
    if (hotTrack_ && enabled && !down && underMouse())
        face = face.lighter(115);
    if (down)
        face = face.darker(106);

    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath shape;
    shape.addRoundedRect(outer, kRadius, kRadius);

    // Light on top (or left), dark below; pressed, the light comes from below.
    QColor light = face.lighter(138);
    QColor dark = face.darker(118);
    if (down)
        std::swap(light, dark);
    if (gradientStyle_ == GradientStyle::None) {
        painter.fillPath(shape, face);
    } else {
        QLinearGradient gradient = gradientStyle_ == GradientStyle::Vertical
                                       ? QLinearGradient(outer.topLeft(), outer.bottomLeft())
                                       : QLinearGradient(outer.topLeft(), outer.topRight());
        gradient.setColorAt(0, light);
        gradient.setColorAt(1, dark);
        painter.fillPath(shape, gradient);
    }

    // A soft inner edge: a glint when raised, a shadow when sunk.
    const QRectF inner = outer.adjusted(1, 1, -1, -1);
    QLinearGradient edge(inner.topLeft(), inner.bottomLeft());
    if (down) {
        edge.setColorAt(0, QColor(0, 0, 0, 70));
        edge.setColorAt(0.5, QColor(0, 0, 0, 0));
    } else {
        edge.setColorAt(0, QColor(255, 255, 255, enabled ? 120 : 60));
        edge.setColorAt(1, QColor(255, 255, 255, 10));
    }
    painter.setPen(QPen(QBrush(edge), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner, kRadius - 1, kRadius - 1);

    painter.setPen(QPen(face.darker(isDefault() && enabled ? 230 : 165), 1));
    painter.drawPath(shape);

    const QColor textColor = palette().color(QPalette::ButtonText);
    if (hasFocus()) {
        QColor dots = textColor;
        dots.setAlpha(170);
        painter.setPen(QPen(dots, 1, Qt::DotLine));
        painter.drawRoundedRect(outer.adjusted(3, 3, -3, -3), 2, 2);
    }

    painter.setRenderHint(QPainter::Antialiasing, false);
    QRect area = rect().adjusted(4, 2, -4, -2);
    if (down)
        area.translate(1, 1);
    ButtonContent::Draw(painter, area, text(), glyph(), textColor, enabled);
}
