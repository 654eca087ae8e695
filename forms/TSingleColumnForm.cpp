// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TSingleColumnForm.h"

#include "app/Accessibility.h"
#include "app/Services.h"
#include "widgets/TColor95Button.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {
const QColor kSumLine(0x00, 0x00, 0xA0);
}  // namespace

TSingleColumnForm::TSingleColumnForm(const Design& design, QWidget* parent)
    : TExerciseForm(design.kind, design.caption, design.clientSize, design.background, parent),
      design_(design)
{
    SetHelpContext(design.helpContext);
}

void TSingleColumnForm::BuildControls()
{
    TExerciseForm::BuildControls();
    const Design& design = design_;
    Image1->setGeometry(design.image);
    SetHint(Image1, QStringLiteral("Pulsar botón 'Comprobar' para corregir la cuenta"));

    Label_u_f1 = MakeDigitLabel("Label_u_f1", {315, 15, 51, 56});
    Label_u_f2 = MakeDigitLabel("Label_u_f2", {315, 70, 51, 56});
    Label_signo_mas = MakeDigitLabel("Label_signo_mas", {250, 75, 51, 46});
    Label_signo_mas->setText(QStringLiteral("+"));
    Shape1 = MakeBar("Shape1", {245, 131, 121, 4}, kSumLine);

    Memo_res = MakeAnswerBox("Memo_res", design.answerBox, design.maxLength);
    Color95Button1 = MakeCheckButton("Color95Button1", design.buttonCaption, design.button,
                                     QColor(0xCC, 0xCC, 0xFF));
    if (!design.buttonHint.isEmpty())
        SetHint(Color95Button1, design.buttonHint);
    setTabOrder(Memo_res, Color95Button1);

    connect(Memo_res, &QLineEdit::textChanged, this, &TSingleColumnForm::Memo_resChange);
    connect(Color95Button1, &QPushButton::clicked, this, &TSingleColumnForm::Color95Button1Click);
}

void TSingleColumnForm::NewSum()
{
    EnsureControls();
    StartSum();
    const DigitPair pair = DrawPair(design_.rule);
    expected_ = pair.Sum();
    Label_u_f1->setText(QString::number(pair.top));
    Label_u_f2->setText(QString::number(pair.bottom));
    ReportDealt(Practice::ColumnRows({{pair.top, pair.bottom}}));
    Memo_res->clear();
    Memo_res->setFocus();
}

void TSingleColumnForm::Memo_resChange()
{
    if (!Memo_res->text().isEmpty())
        PlayKeySound();
}

void TSingleColumnForm::Color95Button1Click()
{
    if (Memo_res->text().isEmpty()) {
        Memo_res->setFocus();
        return;
    }
    const int32_t typed = ReadAnswer(Memo_res->text());
    ReportKey(Practice::Box::Answer, 0, expected_, typed);
    if (typed == expected_)
        AnswerCorrect();
    else
        AnswerWrong();
}

void TSingleColumnForm::AnswerCorrect()
{
    ReportFinished();
    CelebrateHit();
    DigitCorrect();
    // The points above went to the player who answered; the new sum is the
    // next player's.
    PassTurnIfAutomatic();
    NewSum();
}

void TSingleColumnForm::AnswerWrong() { ScoreWrongAnswer(Memo_res); }
