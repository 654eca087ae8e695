// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDialog>

// A window created with the others at start-up whose controls are made only
// when it is first needed: shown, or asked to do something that reads or
// writes them. Most windows of a run are never opened, and making their
// controls is most of what building them costs.
class TFirstUseDialog : public QDialog {
    Q_OBJECT
public:
    // Makes the controls (and publishes their names) if not made yet.
    void EnsureControls();

    void setVisible(bool visible) override;

protected:
    using QDialog::QDialog;
    // Makes the window's controls, once.
    virtual void BuildControls() = 0;

private:
    bool controlsBuilt_ = false;
};
