// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/HintHandler.h"

#include "app/GameEvents.h"

#include <QApplication>
#include <QHelpEvent>
#include <QPointer>
#include <QProxyStyle>
#include <QStatusTipEvent>
#include <QToolTip>
#include <QWidget>

namespace {

constexpr int kHintHidePauseMs = 5000;

// The text the labels show, so that the same hint is not copied again.
QString lastTip;

class HintStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override
    {
        if (hint == SH_ToolTip_WakeUpDelay)
            return 0;
        if (hint == SH_ToolTip_FallAsleepDelay)
            return 0;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
};

class HintFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::StatusTip) {
            // The event climbs the parent chain; copying the same text again is harmless.
            QString tip = static_cast<QStatusTipEvent*>(event)->tip();
            // Between hints the labels go back to their own caption.
            if (tip.isEmpty())
                tip = QStringLiteral("Información :");
            if (watched->isWidgetType())
                tipWindow_ = static_cast<QWidget*>(watched)->window();
            ShowTip(tip);
        } else if (event->type() == QEvent::Hide && watched == tipWindow_) {
            // A window that closes takes its hint with it.
            tipWindow_ = nullptr;
            ShowTip(QStringLiteral("Información :"));
        } else if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
            auto* w = static_cast<QWidget*>(watched);
            if (!w->toolTip().isEmpty()) {
                auto* help = static_cast<QHelpEvent*>(event);
                QToolTip::showText(help->globalPos(), w->toolTip(), w, {}, kHintHidePauseMs);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static void ShowTip(const QString& tip)
    {
        if (tip == lastTip)
            return;
        lastTip = tip;
        emit Events().Hint(tip);
    }

    QPointer<QWidget> tipWindow_;
};

}  // namespace

void InstallHintHandler()
{
    static HintFilter* filter = nullptr;
    if (filter)
        return;
    filter = new HintFilter(qApp);
    qApp->installEventFilter(filter);
    qApp->setStyle(new HintStyle(QApplication::style()->name()));
    QPalette tips = QToolTip::palette();
    tips.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0x00));
    tips.setColor(QPalette::ToolTipText, Qt::black);
    QToolTip::setPalette(tips);
}

void ShowInformation(const QString& text)
{
    lastTip = text;
    emit Events().Hint(text);
}
