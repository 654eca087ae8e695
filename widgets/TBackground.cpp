// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "widgets/TBackground.h"

#include <QEvent>
#include <QLinearGradient>
#include <QPainter>

TBackground::TBackground(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    followParent();
}

void TBackground::setColors(const QColor& from, const QColor& to)
{
    from_ = from;
    to_ = to;
    update();
}

void TBackground::followParent()
{
    QWidget* parent = parentWidget();
    if (parent != watched_) {
        if (watched_)
            watched_->removeEventFilter(this);
        watched_ = parent;
        if (watched_)
            watched_->installEventFilter(this);
    }
    if (watched_) {
        setGeometry(watched_->contentsRect());
        lower();
    }
}

bool TBackground::eventFilter(QObject* watched, QEvent* event)
{
    // A frame's border changes the contents rect without a resize.
    if (watched == watched_
        && (event->type() == QEvent::Resize || event->type() == QEvent::ContentsRectChange))
        setGeometry(watched_->contentsRect());
    return QWidget::eventFilter(watched, event);
}

bool TBackground::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        followParent();
    return QWidget::event(event);
}

void TBackground::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    QLinearGradient gradient(0, 0, width(), 0);
    gradient.setColorAt(0, from_);
    gradient.setColorAt(1, to_);
    painter.fillRect(rect(), gradient);
}
