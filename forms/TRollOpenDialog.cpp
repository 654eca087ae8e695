// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TRollOpenDialog.h"

#include "app/Services.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <vector>

TRollOpenDialog::TRollOpenDialog(WhileRolling whileRolling, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, flags), whileRolling_(whileRolling)
{
}

void TRollOpenDialog::FitForRolling()
{
    designedSize_ = size();
    smallSize_ = ShrinkForRollOpen(this);
}

void TRollOpenDialog::NewShowing() { answered_ = false; }

void TRollOpenDialog::RollOpen(bool repaint)
{
    opening_ = true;
    rollOpenHeight(this, designedSize_.width(), designedSize_.height(), repaint);
    opening_ = false;
    if (pendingResult_) {
        const int r = *pendingResult_;
        pendingResult_.reset();
        done(r);
    }
}

void TRollOpenDialog::RollClosed()
{
    closing_ = true;
    rollClosedHeight(this, smallSize_.height(), true);
    closing_ = false;
}

void TRollOpenDialog::done(int r)
{
    if (opening_ || closing_) {
        // Dropped, not queued, while it rolls up: the closing is already
        // answering a request. Queued while it unrolls only when the window
        // waits: otherwise the opening would go on unrolling a hidden window.
        if (opening_ && whileRolling_ == WhileRolling::Wait && !pendingResult_)
            pendingResult_ = r;
        return;
    }
    if (whileRolling_ == WhileRolling::Wait) {
        // A close that arrives while the blind rolls up must not answer
        // again (a nested Cancel would undo what the first answer did).
        if (answered_)
            return;
        answered_ = true;
    }
    // The buttons stay quiet while the blind rolls up: a click still on its
    // way (a mnemonic key animates it a tenth of a second after the key)
    // would otherwise run its handler after this answer.
    const QList<QAbstractButton*> buttons = findChildren<QAbstractButton*>();
    std::vector<bool> wasBlocked;
    wasBlocked.reserve(size_t(buttons.size()));
    for (QAbstractButton* button : buttons)
        wasBlocked.push_back(button->blockSignals(true));
    FormClose();
    for (qsizetype i = 0; i < buttons.size(); ++i)
        buttons[i]->blockSignals(wasBlocked[size_t(i)]);
    QDialog::done(r);
}

void TRollOpenDialog::closeEvent(QCloseEvent* event)
{
    if (whileRolling_ == WhileRolling::Drop && (opening_ || closing_)) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
