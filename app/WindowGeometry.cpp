// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/WindowGeometry.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace {

// The geometry the window system last reported for a window: a new one asked
// for takes effect a moment later, once the window manager has had its say.
class ReportedGeometry : public QObject {
public:
    explicit ReportedGeometry(QWindow* window) : QObject(window), rect_(window->geometry())
    {
        window->installEventFilter(this);
    }
    static ReportedGeometry* Of(QWindow* window)
    {
        if (auto* r = window->findChild<ReportedGeometry*>(QString(), Qt::FindDirectChildrenOnly))
            return r;
        return new ReportedGeometry(window);
    }
    QRect Rect() const { return rect_; }
    // Reports since the last call: the window manager has answered (it may
    // have answered with another geometry than the one asked for).
    bool Answered()
    {
        const bool answered = reports_ != seen_;
        seen_ = reports_;
        return answered;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->spontaneous()) {
            if (event->type() == QEvent::Resize) {
                rect_.setSize(static_cast<QResizeEvent*>(event)->size());
                ++reports_;
            } else if (event->type() == QEvent::Move) {
                rect_.moveTopLeft(static_cast<QMoveEvent*>(event)->pos());
                ++reports_;
            }
        }
        return false;
    }

private:
    QRect rect_;
    int reports_ = 0;
    int seen_ = 0;
};

} // namespace

void AwaitGeometry(QWidget* window)
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QWindow* handle = window->windowHandle();
    if (!handle || !window->isVisible())
        return;
    ReportedGeometry* reported = ReportedGeometry::Of(handle);
    QElapsedTimer waited;
    waited.start();
    while (reported->Rect() != window->geometry() && !reported->Answered() && waited.elapsed() < 30) {
        QThread::msleep(1);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    reported->Answered();
}
