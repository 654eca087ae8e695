// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/HelpKey.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {

class HelpKeyFilter : public QObject {
public:
    HelpKeyFilter(QObject* owner, std::function<void(QWidget*)> open)
        : QObject(owner), open_(std::move(open))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Taken where it arrives first, before a box's own key filter drops it.
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1 || key->modifiers() != Qt::NoModifier)
            return false;
        if (!key->isAutoRepeat()) {
            QWidget* front = QApplication::activeModalWidget();
            open_(front ? front : QApplication::activeWindow());
        }
        return true;
    }

private:
    std::function<void(QWidget*)> open_;
};

}  // namespace

void InstallHelpKey(QObject* owner, std::function<void(QWidget*)> open)
{
    qApp->installEventFilter(new HelpKeyFilter(owner, std::move(open)));
}
