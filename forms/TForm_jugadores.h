// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TRollOpenDialog.h"

#include <array>

class QLabel;
class QLineEdit;
class QTimer;
class TxpButton;

// "¿ Quién va a jugar ?": up to ten names at a time, for a new game (with
// playerCount set to 0 by the caller) or appended to the registered players.
// The frame unrolls downwards when shown and rolls up when it closes.
class TForm_jugadores : public TRollOpenDialog {
    Q_OBJECT
public:
    explicit TForm_jugadores(QWidget* parent = nullptr);

    // Controls, by their design names.
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QLabel* Label10 = nullptr;
    QLabel* Label11 = nullptr;
    QLineEdit* Edit_jugador1 = nullptr;
    QLineEdit* Edit_jugador2 = nullptr;
    QLineEdit* Edit_jugador3 = nullptr;
    QLineEdit* Edit_jugador4 = nullptr;
    QLineEdit* Edit_jugador5 = nullptr;
    QLineEdit* Edit_jugador6 = nullptr;
    QLineEdit* Edit_jugador7 = nullptr;
    QLineEdit* Edit_jugador8 = nullptr;
    QLineEdit* Edit_jugador9 = nullptr;
    QLineEdit* Edit_jugador10 = nullptr;
    TxpButton* xpButton1 = nullptr;
    TxpButton* xpButton2 = nullptr;
    QTimer* Timer_persiana = nullptr;

    // Handlers, by their design names.
    void FormCreate();
    void FormShow();
    void FormClose() override;
    void Timer_persianaTimer();
    void xpButton2Click();
    void xpButton1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Edit_jugador1 to Edit_jugador10, in entry order.
    std::array<QLineEdit*, 10> boxes_{};
};
