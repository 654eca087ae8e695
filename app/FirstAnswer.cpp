// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/FirstAnswer.h"

#include <QAbstractButton>
#include <QDialog>
#include <QEvent>
#include <QVariant>

namespace {

void SilenceButtons(QDialog* dialog, bool silent)
{
    for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
        button->blockSignals(silent);
}

class FirstAnswerGuard : public QObject {
public:
    explicit FirstAnswerGuard(QDialog* dialog) : QObject(dialog), dialog_(dialog)
    {
        dialog->installEventFilter(this);
        connect(dialog, &QDialog::finished, this, [this] { SilenceButtons(dialog_, true); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == dialog_ && event->type() == QEvent::Show)
            SilenceButtons(dialog_, false);
        return false;
    }

private:
    QDialog* dialog_;
};

}  // namespace

void KeepFirstAnswer(QDialog* dialog)
{
    if (!dialog || dialog->property("keepsFirstAnswer").toBool())
        return;
    dialog->setProperty("keepsFirstAnswer", true);
    new FirstAnswerGuard(dialog);
}
