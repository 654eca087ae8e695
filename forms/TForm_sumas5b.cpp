// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas5b.h"

#include "app/Windows.h"
#include "forms/TForm_sumas5c.h"

namespace {

TColumnSumForm::Design Sumas5bDesign()
{
    return {
        .kind = Kind::Sumas5b,
        .caption = QStringLiteral("Perfeccionamiento de sumas"),
        .clientSize = {502, 379},
        .background = QColor(0xA4, 0xFF, 0xA4),
        .helpContext = 511,
        .firstShowOffset = {122, 65},
        .hitsBox = {25, 30},
        .missesBox = {25, 130},
        .image = {200, 0, 302, 310},
        .columnLefts = {420, 370, 320},
        .rowTops = {55, 100, 145, 190},
        .cell = {51, 47},
        .digitPixels = 37,
        .plusSign = {265, 190, 51, 47},
        .line = {245, 241, 231, 5},
        .results = {{420, 255}, {370, 255}, {320, 255}, {270, 255}},
        .resultCell = {51, 47},
        .answerLefts = {420, 370, 320, 275},
        .answerBox = {420, 252, 51, 52},
        .answerPixels = 37,
        .carryLabels = {{375, 20}, {325, 20}},
        .carryCell = {41, 30},
        .carryBoxLefts = {375, 325},
        .carryBox = {375, 17, 41, 34},
        .instruction = {180, 318, 300, 51},
        .instructionText = Qt::blue,
        .instructionBackground = QColor(0x7C, 0xE0, 0x7C),
        .harderButton = {15, 240, 136, 60},
        .harderHint = QStringLiteral("Para hacer cuentas de tres filas"),
        .harder = [] { return static_cast<TExerciseForm*>(Form_sumas5c); },
    };
}

}  // namespace

TForm_sumas5b::TForm_sumas5b(QWidget* parent) : TColumnSumForm(Sumas5bDesign(), parent)
{
    setObjectName(QStringLiteral("TForm_sumas5b"));
}
