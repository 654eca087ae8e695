// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TExerciseForm.h"
#include "logic/ColumnShapes.h"
#include "logic/ColumnSum.h"

#include <QRect>
#include <vector>

class QFrame;
class QLabel;
class QLineEdit;
class THemisphereButton;

// The several-column windows: the sum written in columns, the result typed
// digit by digit from the units leftwards into Memo_res, which moves from
// column to column, and the carried digit typed into Memo_mellevo. Each
// window is a design table on this base; the rules are in ColumnSum.
class TColumnSumForm : public TExerciseForm {
    Q_OBJECT
public:
    struct Design {
        ExerciseKind kind;
        QString caption;
        QSize clientSize;
        QColor background;
        int helpContext;
        QPoint firstShowOffset;
        QPoint hitsBox;
        QPoint missesBox;
        QRect image;
        // The digit grid: column left edges (units first), row tops, the
        // size and font of a cell.
        std::vector<int> columnLefts;
        std::vector<int> rowTops;
        QSize cell{51, 56};
        int digitPixels = 48;
        QRect plusSign;
        QRect line;
        int lineColour = 0x0000A0;  // 0xRRGGBB
        // Result labels Label_res_u, _d, ... by column, with the cell size.
        std::vector<QPoint> results;
        QSize resultCell{51, 56};
        // Left edges of Memo_res by step (the last one: the leading digit),
        // and its size and top edge.
        std::vector<int> answerLefts;
        QRect answerBox;
        int answerPixels = 48;
        // Carry labels Label_mellevo_d, _c, ... above the columns that
        // receive a carry (tens first), and Memo_mellevo's left edges
        // above the same columns with its size and top edge. None for a
        // window without carries.
        std::vector<QPoint> carryLabels = {};
        QSize carryCell = {};
        int carryPixels = 24;
        int carryBoxPixels = 0;  // Memo_mellevo's digits; 0: carryPixels
        std::vector<int> carryBoxLefts = {};
        QRect carryBox = {};
        // The instruction in Label1; an empty rect: none.
        QRect instruction = {};
        QColor instructionText = Qt::black;
        QColor instructionBackground = {};
        int instructionPixels = 15;
        // "Más dificil..."; an empty rect: none.
        QRect harderButton = {};
        QString harderHint = {};
        QColor harderFace{0x00, 0x80, 0xFF};
        TExerciseForm* (*harder)() = nullptr;
        // The carry appears above its column before the hit is scored
        // (TForm_sumas4) rather than after it.
        bool carryShownBeforeScore = false;
    };

    const ColumnSum& Sum() const { return sum_; }

    void NewSum() override;
    // The sum of the digits now on screen, top row first: "47+38".
    QString RowsText() const;
    void Memo_resChange();
    void Memo_mellevoChange();
    void HemisphereButton1Click();
    void DigitWrong();
    void CarryWrong();

    // The grid by [column][row], units first and the top row first.
    std::vector<std::vector<QLabel*>> digitLabels;
    std::vector<QLabel*> resultLabels;  // units first
    std::vector<QLabel*> carryLabels;   // above the tens first
    QLabel* Label_signo_mas = nullptr;
    QFrame* Shape1 = nullptr;
    QLineEdit* Memo_res = nullptr;
    QLineEdit* Memo_mellevo = nullptr;
    QLabel* Label1 = nullptr;
    THemisphereButton* HemisphereButton1 = nullptr;

protected:
    // Rows and column rules come from the shape of design.kind.
    explicit TColumnSumForm(const Design& design, QWidget* parent);
    // Puts the next sum into the engine: a random one of the window's shape.
    virtual void DealNext(ColumnSum& sum) { sum.Deal(); }
    // The grid of digit labels, the result and carry labels, the answer
    // boxes and "Más dificil...", from the design.
    void BuildControls() override;

private:
    // A column's digit goes into its result label and the answer box moves
    // on to the step now waiting.
    void AcceptColumn(int column);
    void CompleteSum();
    void MoveAnswerBox();

    Design design_;
    ColumnSum sum_;
};
