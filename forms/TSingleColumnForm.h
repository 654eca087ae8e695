// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TExerciseForm.h"
#include "logic/SumDigits.h"

#include <QRect>

class QFrame;
class QLabel;
class QLineEdit;
class TColor95Button;

// The two single-column windows: one sum of two digits, typed whole into
// Memo_res and checked by Color95Button1.
class TSingleColumnForm : public TExerciseForm {
    Q_OBJECT
public:
    struct Design {
        ExerciseKind kind;
        QString caption;
        QSize clientSize;
        QColor background;
        int helpContext;
        PairRule rule;
        QRect image;
        QRect answerBox;
        int maxLength;
        QRect button;
        QString buttonCaption;
        QString buttonHint;  // empty: none
    };

    // The result of the sum on screen.
    int32_t ExpectedResult() const { return expected_; }

    void NewSum() override;
    void Memo_resChange();
    void Color95Button1Click();
    void AnswerCorrect();
    void AnswerWrong();

    QLabel* Label_u_f1 = nullptr;
    QLabel* Label_u_f2 = nullptr;
    QLabel* Label_signo_mas = nullptr;
    QFrame* Shape1 = nullptr;
    QLineEdit* Memo_res = nullptr;
    TColor95Button* Color95Button1 = nullptr;

protected:
    TSingleColumnForm(const Design& design, QWidget* parent);
    void BuildControls() override;

private:
    Design design_;
    int32_t expected_ = 0;
};
