// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDialog>
#include <QSize>
#include <optional>

// A dialog whose frame unrolls downwards like a blind when shown and rolls
// up when it closes. The windows differ in what a request to close does
// while the blind moves.
class TRollOpenDialog : public QDialog {
    Q_OBJECT
public:
    enum class WhileRolling {
        // The first request made while the blind unrolls is carried out once
        // it is down; each showing is answered once, so a request made while
        // it rolls up is dropped.
        Wait,
        // Requests made while the blind moves either way are dropped, the
        // window manager's close too.
        Drop,
    };

    TRollOpenDialog(WhileRolling whileRolling, QWidget* parent, Qt::WindowFlags flags);

    virtual void FormClose() = 0;
    // Every way of closing (buttons, close box, Escape) ends here.
    void done(int r) override;

protected:
    void closeEvent(QCloseEvent* event) override;

    // At the end of FormCreate: keeps the designed size and shrinks the
    // window to the size it unrolls from.
    void FitForRolling();
    // A new showing, not answered yet.
    void NewShowing();
    // Unrolls to the designed size, drawn at every step when repaint.
    void RollOpen(bool repaint);
    // Rolls up to the small size, drawn at every step.
    void RollClosed();

private:
    WhileRolling whileRolling_;
    QSize designedSize_;
    QSize smallSize_;
    bool opening_ = false;
    bool closing_ = false;
    bool answered_ = false;             // this showing has its result
    std::optional<int> pendingResult_;  // asked for while opening_
};
