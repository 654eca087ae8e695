// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_repaso.h"

#include "app/Fonts.h"
#include "app/GameState.h"

#include <QEvent>
#include <QLabel>

namespace {

const std::vector<int> kRowTops = {55, 100, 145};

TColumnSumForm::Design RepasoDesign()
{
    return {
        .kind = Kind::Repaso,
        .caption = QStringLiteral("Repaso"),
        .clientSize = {602, 342},
        .background = QColor(0xFF, 0xD8, 0x9C),
        .helpContext = 521,
        .firstShowOffset = {122, 100},
        .hitsBox = {25, 20},
        .missesBox = {25, 110},
        .image = {200, 0, 402, 275},
        .columnLefts = {520, 470, 420, 370, 320},
        .rowTops = kRowTops,
        .cell = {51, 47},
        .digitPixels = 37,
        .plusSign = {265, 145, 51, 47},
        .line = {245, 201, 331, 5},
        .lineColour = 0xA05000,
        .results = {{520, 215}, {470, 215}, {420, 215}, {370, 215}, {320, 215}, {270, 215}},
        .resultCell = {51, 47},
        .answerLefts = {520, 470, 420, 370, 320, 275},
        .answerBox = {520, 212, 51, 52},
        .answerPixels = 37,
        .carryLabels = {{475, 25}, {425, 25}, {375, 25}, {325, 25}},
        .carryCell = {41, 30},
        .carryBoxLefts = {475, 425, 375, 325},
        .carryBox = {475, 20, 41, 34},
        .instruction = {230, 280, 340, 51},
        .instructionText = QColor(0x60, 0x30, 0x00),
        .instructionBackground = QColor(0xF5, 0xB8, 0x60),
    };
}

TForm_repaso::NeedsSource& Source()
{
    static TForm_repaso::NeedsSource source;
    return source;
}

QString PlayerName()
{
    if (game.currentPlayer < 1 || game.currentPlayer > kMaxPlayers)
        return {};
    return game.CurrentRecord().Name();
}

} // namespace

TForm_repaso::TForm_repaso(QWidget* parent) : TColumnSumForm(RepasoDesign(), parent)
{
    setObjectName(QStringLiteral("TForm_repaso"));
}

void TForm_repaso::BuildControls()
{
    TColumnSumForm::BuildControls();
    Label_animo = new QLabel(this);
    Label_animo->setObjectName(QStringLiteral("Label_animo"));
    Label_animo->setGeometry(10, 200, 180, 70);
    Label_animo->setWordWrap(true);
    Label_animo->setAlignment(Qt::AlignCenter);
    Label_animo->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 15, true));
    SetTextColour(Label_animo, QColor(0x00, 0x80, 0x00));
    Label_animo->hide();
}

void TForm_repaso::SetNeedsSource(NeedsSource source) { Source() = std::move(source); }

Review::Needs TForm_repaso::NeedsOf(const QString& player)
{
    return Source() && !player.isEmpty() ? Source()(player) : Review::Needs{};
}

void TForm_repaso::NewSum()
{
    // The sum on screen was completed (not abandoned: the engine is at step
    // 0 only then): its run goes on or starts again, and a completed run
    // earns the line for the next sum.
    QString line;
    if (dealt_ && Sum().Step() == 0 && aimDiagnosed_)
        line = encourager_.SumEnded(sumPlayer_, aim_, KindMisses() == missesAtDeal_);
    TColumnSumForm::NewSum();
    missesAtDeal_ = KindMisses();
    dealt_ = true;
    Label_animo->setText(line);
    Label_animo->setVisible(!line.isEmpty());
    PlaceRows();
    ShowCaption();
}

void TForm_repaso::DealNext(ColumnSum& sum)
{
    sumPlayer_ = PlayerName();
    const Review::Needs needs = Source() ? Source()(sumPlayer_) : Review::Needs{};
    const Review::Dealt dealt = dealer_.Next(needs);
    aim_ = dealt.aim;
    aimDiagnosed_ = !needs.Empty() && !aim_.isEmpty();
    const int rows = int(dealt.digits.front().size());
    sum = ColumnSum(rows, std::vector<PairRule>(dealt.digits.size(), PairRule::Free));
    sum.Load(dealt.digits);
}

int TForm_repaso::CountingSlot() const { return Review::ResultsSlot(Sum().Digits()); }

void TForm_repaso::PlaceRows()
{
    const int rows = Sum().Rows();
    const int skip = int(kRowTops.size()) - rows;
    for (size_t c = 0; c < digitLabels.size(); ++c)
        for (size_t r = 0; r < digitLabels[c].size(); ++r) {
            QLabel* l = digitLabels[c][r];
            const bool used = int(c) < Sum().Columns() && int(r) < rows;
            l->setVisible(used);
            if (used)
                l->move(l->x(), kRowTops[r + size_t(skip)]);
        }
}

void TForm_repaso::ShowCaption()
{
    const QString name = PlayerName();
    setWindowTitle(name.isEmpty() ? QStringLiteral("Repaso") : QStringLiteral("Repaso de ") + name);
}

void TForm_repaso::changeEvent(QEvent* event)
{
    // The turn buttons give the window back: the caption follows the player.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        ShowCaption();
    TColumnSumForm::changeEvent(event);
}
