// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDialog>

class QLabel;
class TColor95Button;

// The wrong-answer notice, shown modally by every exercise window. Only its
// button (or the button's accelerator) closes it.
class TForm_aviso_error : public QDialog {
    Q_OBJECT
public:
    explicit TForm_aviso_error(QWidget* parent = nullptr);

    void Color95Button1Click();

    // Escape and close requests leave the notice open.
    void reject() override {}

    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    TColor95Button* Color95Button1 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
};
