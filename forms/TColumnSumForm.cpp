// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TColumnSumForm.h"

#include "app/Accessibility.h"
#include "app/Fonts.h"
#include "app/GameState.h"
#include "app/Services.h"
#include "widgets/THemisphereButton.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

namespace {

// Column letters of the control names, units first (the leading digit of a
// five-column sum is the sixth).
const char* const kColumnNames[] = {"u", "d", "c", "um", "dm", "cm"};

QByteArray ControlName(const char* prefix, int column, int row = 0)
{
    QByteArray name = QByteArray(prefix) + kColumnNames[column];
    if (row > 0)
        name += "_f" + QByteArray::number(row);
    return name;
}

}  // namespace

TColumnSumForm::TColumnSumForm(const Design& design, QWidget* parent)
    : TExerciseForm(design.kind, design.caption, design.clientSize, design.background, parent),
      design_(design), sum_(ColumnShapeOf(design.kind).rows, ColumnShapeOf(design.kind).rules)
{
    SetHelpContext(design.helpContext);
    SetFirstShowOffset(design.firstShowOffset);
}

void TColumnSumForm::BuildControls()
{
    TExerciseForm::BuildControls();
    const Design& design = design_;
    PlaceCounterBoxes(design.hitsBox, design.missesBox);
    Image1->setGeometry(design.image);
    SetHint(Image1, QStringLiteral("Comprobación  automática"));

    if (!design.instruction.isEmpty()) {
        Label1 = MakeLabel(this, "Label1",
                           QStringLiteral("Escribe los números en orden, empezando por las "
                                          "unidades, de derecha a izquierda."),
                           design.instruction.x(), design.instruction.y(),
                           design.instruction.width(), design.instruction.height(),
                           DesignFont(QStringLiteral("MS Sans Serif"), design.instructionPixels, true),
                           design.instructionText);
        Label1->setWordWrap(true);
        Label1->setAutoFillBackground(true);
        SetBackgroundColour(Label1, design.instructionBackground);
    }

    for (size_t c = 0; c < design.columnLefts.size(); ++c) {
        std::vector<QLabel*> column;
        for (size_t r = 0; r < design.rowTops.size(); ++r)
            column.push_back(MakeDigitLabel(ControlName("Label_", int(c), int(r) + 1).constData(),
                                            {QPoint(design.columnLefts[c], design.rowTops[r]), design.cell},
                                            design.digitPixels));
        digitLabels.push_back(column);
    }
    Label_signo_mas = MakeDigitLabel("Label_signo_mas", design.plusSign, design.digitPixels);
    Label_signo_mas->setText(QStringLiteral("+"));
    Shape1 = MakeBar("Shape1", design.line, QColor::fromRgb(QRgb(design.lineColour)));

    for (size_t c = 0; c < design.results.size(); ++c)
        resultLabels.push_back(MakeDigitLabel(ControlName("Label_res_", int(c)).constData(),
                                              {design.results[c], design.resultCell},
                                              design.digitPixels));
    for (size_t i = 0; i < design.carryLabels.size(); ++i)
        carryLabels.push_back(MakeDigitLabel(ControlName("Label_mellevo_", int(i) + 1).constData(),
                                             {design.carryLabels[i], design.carryCell},
                                             design.carryPixels, Qt::red));

    Memo_res = MakeAnswerBox("Memo_res", design.answerBox, 1, design.answerPixels);
    if (!design.carryBoxLefts.empty()) {
        Memo_mellevo = MakeAnswerBox("Memo_mellevo", design.carryBox, 1,
                                     design.carryBoxPixels > 0 ? design.carryBoxPixels : design.carryPixels);
        Memo_mellevo->hide();
        connect(Memo_mellevo, &QLineEdit::textChanged, this, &TColumnSumForm::Memo_mellevoChange);
    }
    connect(Memo_res, &QLineEdit::textChanged, this, &TColumnSumForm::Memo_resChange);

    if (!design.harderButton.isEmpty()) {
        HemisphereButton1 = new THemisphereButton(QStringLiteral("Más dificil..."), this);
        HemisphereButton1->setObjectName(QStringLiteral("HemisphereButton1"));
        HemisphereButton1->setGeometry(design.harderButton);
        HemisphereButton1->setFaceColor(design.harderFace);
        HemisphereButton1->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 13, true));
        // Reached with Tab from the keyboard; a click leaves the focus in the box.
        HemisphereButton1->setFocusPolicy(Qt::TabFocus);
        SetTextColour(HemisphereButton1, Qt::white);
        SetHint(HemisphereButton1, design.harderHint);
        connect(HemisphereButton1, &QAbstractButton::clicked, this,
                &TColumnSumForm::HemisphereButton1Click);
    }
}

void TColumnSumForm::NewSum()
{
    EnsureControls();
    StartSum();
    for (QLabel* l : resultLabels)
        l->hide();
    for (QLabel* l : carryLabels)
        l->hide();
    if (Memo_mellevo)
        Memo_mellevo->hide();
    DealNext(sum_);
    for (int c = 0; c < sum_.Columns(); ++c)
        for (int r = 0; r < sum_.Rows(); ++r)
            digitLabels[size_t(c)][size_t(r)]->setText(QString::number(sum_.Digit(r, c)));
    ReportDealt(RowsText());
    Memo_res->clear();
    MoveAnswerBox();
    Memo_res->setFocus();
}

QString TColumnSumForm::RowsText() const { return Practice::ColumnRows(sum_.Digits()); }

void TColumnSumForm::MoveAnswerBox()
{
    const int step = sum_.Step() > 0 ? sum_.Step() : 1;
    Memo_res->move(design_.answerLefts[size_t(step - 1)], design_.answerBox.y());
}

void TColumnSumForm::Memo_resChange()
{
    // The program empties the box itself; emptying is never an entry.
    if (Memo_res->text().isEmpty()) {
        Memo_res->setFocus();
        return;
    }
    PlayKeySound();
    const int column = sum_.Step() - 1;
    const int32_t expected = sum_.ExpectedResult();
    const int32_t typed = ReadAnswer(Memo_res->text());
    const ColumnSum::Outcome outcome = sum_.TypeResult(typed, game.showCarries);
    if (outcome != ColumnSum::Outcome::Ignored)
        ReportKey(Practice::Box::Result, column, expected, typed);
    switch (outcome) {
    case ColumnSum::Outcome::Wrong:
        DigitWrong();
        break;
    case ColumnSum::Outcome::AwaitCarry:
        // The typed digit stays in the answer box until the carry is right.
        Memo_mellevo->clear();
        Memo_mellevo->move(design_.carryBoxLefts[size_t(column)], design_.carryBox.y());
        Pause(300);
        Memo_mellevo->show();
        Memo_mellevo->setFocus();
        break;
    case ColumnSum::Outcome::ColumnAccepted:
        DigitCorrect();
        AcceptColumn(column);
        break;
    case ColumnSum::Outcome::AcceptedUnscored:
        AcceptColumn(column);
        break;
    case ColumnSum::Outcome::Completed:
        CompleteSum();
        break;
    case ColumnSum::Outcome::Ignored:
        break;
    }
}

void TColumnSumForm::Memo_mellevoChange()
{
    if (Memo_mellevo->text().isEmpty())
        return;
    PlayKeySound();
    const int column = sum_.Step() - 1;
    const int32_t expected = sum_.ExpectedCarry();
    const int32_t typed = ReadAnswer(Memo_mellevo->text());
    const ColumnSum::Outcome outcome = sum_.TypeCarry(typed);
    // The carry box stands above the column that receives the carry.
    if (outcome != ColumnSum::Outcome::Ignored)
        ReportKey(Practice::Box::Carry, column + 1, expected, typed);
    switch (outcome) {
    case ColumnSum::Outcome::Wrong:
        CarryWrong();
        Memo_mellevo->clear();
        Memo_mellevo->setFocus();
        break;
    case ColumnSum::Outcome::ColumnAccepted: {
        QLabel* carry = carryLabels[size_t(column)];
        carry->setText(QString::number(sum_.CarryOut(column)));
        if (design_.carryShownBeforeScore)
            carry->show();
        Memo_mellevo->hide();
        DigitCorrect();
        carry->show();
        AcceptColumn(column);
        break;
    }
    default:
        break;
    }
}

void TColumnSumForm::AcceptColumn(int column)
{
    // The accepted digit, not the box's text: the child may have emptied the
    // box while the carry box waited.
    QLabel* result = resultLabels[size_t(column)];
    result->setText(QString::number(sum_.ResultDigit(column)));
    result->show();
    Memo_res->clear();
    MoveAnswerBox();
    Memo_res->setFocus();
}

void TColumnSumForm::CompleteSum()
{
    // The completing digit stays in the box until the new sum empties it.
    ReportFinished();
    DigitCorrect();
    CelebrateHit();
    PassTurnIfAutomatic();
    NewSum();
}

void TColumnSumForm::DigitWrong() { ScoreWrongAnswer(Memo_res); }

void TColumnSumForm::CarryWrong() { ScoreWrongAnswer(nullptr); }

void TColumnSumForm::HemisphereButton1Click()
{
    if (design_.harder)
        SwitchToHarder(design_.harder());
}
