// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TExerciseForm.h"
#include "logic/MentalArithmetic.h"

#include <QList>
#include <initializer_list>

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class TColor95Button;

// "Cálculo mental": one horizontal sum with a blank, typed whole into
// Memo_res (no key sound) and checked by Color95Button1. The window's own
// menu sets the addends and the blank for the rest of the run.
class TForm_cmental1 : public TExerciseForm {
    Q_OBJECT
public:
    explicit TForm_cmental1(QWidget* parent = nullptr);

    // The number under the blank.
    int32_t ExpectedAnswer() const { return sum_.answer; }
    // The sum on screen with its blank: "6+?=8".
    QString RowsText() const;

    void NewSum() override;
    void Color95Button1Click();
    void AnswerCorrect();
    void AnswerWrong();

    QMenuBar* MainMenu1 = nullptr;
    QMenu* M_Sumando1 = nullptr;
    QMenu* M_Sumando2 = nullptr;
    QMenu* Elegidoalazarhasta1 = nullptr;
    QMenu* M_Incognita = nullptr;
    QAction* Hasta101 = nullptr;
    QAction* Hasta201 = nullptr;
    QAction* Hasta301 = nullptr;
    QAction* Hasta401 = nullptr;
    QAction* Hasta501 = nullptr;
    QAction* Hasta701 = nullptr;
    QAction* sinlimite1 = nullptr;
    QAction* Hasta102 = nullptr;
    QAction* Hasta202 = nullptr;
    QAction* Hasta302 = nullptr;
    QAction* Hasta402 = nullptr;
    QAction* Hasta502 = nullptr;
    QAction* Hasta1001 = nullptr;
    QAction* sinlimite2 = nullptr;
    QList<QAction*> fixedItems;  // Fijo11 ... Fijo101: +1 ... +10
    QAction* Enelsumando1 = nullptr;
    QAction* Enelsumando2 = nullptr;
    QAction* Enelresultado = nullptr;

    QLabel* Label_sumando1 = nullptr;
    QLabel* Label4 = nullptr;  // "+"
    QLabel* Label_sumando2 = nullptr;
    QLabel* Label3 = nullptr;  // "="
    QLabel* Label_resultado = nullptr;
    QLineEdit* Memo_res = nullptr;
    TColor95Button* Color95Button1 = nullptr;

protected:
    // The menus, the sum's labels, the answer box and the check button.
    void BuildControls() override;

private:
    struct BoundItem {
        const char* name;
        const char* separatorBefore;  // object name of a separator above it, or nullptr
        int32_t bound;
    };

    void BuildMenus();
    QList<QAction*> AddBoundItems(QMenu* menu, std::initializer_list<BoundItem> items,
                                  const QString& unlimitedHint,
                                  void (TForm_cmental1::*choose)(QAction*, int32_t));
    // The menu handlers: each sets its setting, moves the check marks and
    // deals a new sum in place of the one on screen, unscored.
    void ChooseFirstBound(QAction* item, int32_t bound);
    void ChooseSecondBound(QAction* item, int32_t bound);
    void ChooseFixedSecond(QAction* item, int32_t addend);
    void ChooseBlank(QAction* item, Mental::Blank blank);

    int top_ = 0;  // height of the menu bar above the client area
    QList<QAction*> firstBoundItems_;
    QList<QAction*> secondBoundItems_;
    QList<QAction*> blankItems_;
    Mental::Sum sum_;
    bool celebrate_ = false;  // every second correct answer celebrates
};
