// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "widgets/THemisphereButton.h"

#include "widgets/ButtonContent.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace {

constexpr int kTextFlags = Qt::AlignCenter | Qt::TextShowMnemonic | Qt::TextWordWrap;

// Width of the rim around the dome.
qreal RimWidth(const QRectF& r)
{
    return qBound(2.0, qMin(r.width(), r.height()) / 12.0, 6.0);
}

}  // namespace

THemisphereButton::THemisphereButton(QWidget* parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_Hover);
}

THemisphereButton::THemisphereButton(const QString& text, QWidget* parent)
    : THemisphereButton(parent)
{
    setText(text);
}

void THemisphereButton::setFaceColor(const QColor& color)
{
    faceColor_ = color;
    update();
}

void THemisphereButton::setShading(bool on)
{
    shading_ = on;
    update();
}

QSize THemisphereButton::sizeHint() const
{
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, this->text());
    // The caption has to fit inside the circle, hence the generous margin.
    const int side = qMax(40, qMax(text.width(), text.height()) + 24);
    return {side, side};
}

QSize THemisphereButton::minimumSizeHint() const
{
    return {16, 16};
}

bool THemisphereButton::hitButton(const QPoint& pos) const
{
    const QRectF r = rect();
    if (r.isEmpty())
        return false;
    const qreal dx = (pos.x() + 0.5 - r.center().x()) / (r.width() / 2);
    const qreal dy = (pos.y() + 0.5 - r.center().y()) / (r.height() / 2);
    return dx * dx + dy * dy <= 1.0;
}

void THemisphereButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const bool enabled = isEnabled();
    const bool down = isDown() || isChecked();
    QColor face = enabled ? faceColor_ : ButtonContent::Greyed(faceColor_);
    if (enabled && !down && underMouse())
        face = face.lighter(112);

    const QRectF outer = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const qreal rim = RimWidth(outer);
    const QRectF dome = outer.adjusted(rim, rim, -rim, -rim);

    // The rim catches the light on the top left when raised, on the bottom
    // right when the dome is pushed in.
    painter.setPen(Qt::NoPen);
    if (shading_) {
        QLinearGradient bevel(outer.topLeft(), outer.bottomRight());
        const QColor lit = face.lighter(165);
        const QColor shade = face.darker(210);
        bevel.setColorAt(0, down ? shade : lit);
        bevel.setColorAt(1, down ? lit : shade);
        painter.setBrush(bevel);
    } else {
        painter.setBrush(face.darker(down ? 170 : 140));
    }
    painter.drawEllipse(outer);

    const QColor body = down ? face.darker(112) : face;
    if (shading_) {
        // Lit from the top left: the highlight sits off centre.
        const QPointF focal(dome.left() + dome.width() * 0.34, dome.top() + dome.height() * 0.30);
        QRadialGradient light(focal, qMax(dome.width(), dome.height()) * 0.85, focal);
        light.setColorAt(0, down ? body.lighter(135) : body.lighter(175));
        light.setColorAt(0.45, body);
        light.setColorAt(1, body.darker(down ? 130 : 150));
        painter.setBrush(light);
    } else {
        painter.setBrush(body);
    }
    painter.drawEllipse(dome);

    if (shading_ && !down) {
        // A small soft gleam near the top of the dome.
        const QRectF gleam(dome.left() + dome.width() * 0.22, dome.top() + dome.height() * 0.08,
                           dome.width() * 0.42, dome.height() * 0.26);
        QRadialGradient shine(gleam.center(), gleam.width() / 2);
        shine.setColorAt(0, QColor(255, 255, 255, enabled ? 130 : 70));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        painter.setBrush(shine);
        painter.drawEllipse(gleam);
    }

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(face.darker(260), 1));
    painter.drawEllipse(outer);

    const QColor textColor = palette().color(QPalette::ButtonText);
    if (hasFocus()) {
        QColor dots = textColor;
        dots.setAlpha(170);
        painter.setPen(QPen(dots, 1, Qt::DotLine));
        painter.drawEllipse(dome.adjusted(3, 3, -3, -3));
    }

    if (text().isEmpty())
        return;
    // Middle band of the dome: the caption is one or two short lines.
    const qreal inset = dome.height() * 0.15;
    QRectF area = dome.adjusted(2, inset, -2, -inset);
    if (down)
        area.translate(1, 1);
    ButtonContent::DrawCaption(painter, area, kTextFlags, text(), textColor, enabled);
}
