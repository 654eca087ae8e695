// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas5.h"

#include "app/Windows.h"
#include "forms/TForm_sumas5b.h"

namespace {

TColumnSumForm::Design Sumas5Design()
{
    return {
        .kind = Kind::Sumas5,
        .caption = QStringLiteral("Perfeccionamiento de sumas"),
        .clientSize = {502, 342},
        .background = QColor(0xA4, 0xFF, 0xA4),
        .helpContext = 511,
        .firstShowOffset = {122, 100},
        .hitsBox = {25, 20},
        .missesBox = {25, 110},
        .image = {200, 0, 302, 275},
        .columnLefts = {420, 370, 320},
        .rowTops = {55, 100, 145},
        .cell = {51, 47},
        .digitPixels = 37,
        .plusSign = {265, 145, 51, 47},
        .line = {245, 201, 231, 5},
        .results = {{420, 215}, {370, 215}, {320, 215}, {270, 215}},
        .resultCell = {51, 47},
        .answerLefts = {420, 370, 320, 275},
        .answerBox = {420, 212, 51, 52},
        .answerPixels = 37,
        .carryLabels = {{375, 25}, {325, 25}},
        .carryCell = {41, 30},
        .carryBoxLefts = {375, 325},
        .carryBox = {375, 20, 41, 34},
        .instruction = {180, 280, 300, 51},
        .instructionText = Qt::blue,
        .instructionBackground = QColor(0x7C, 0xE0, 0x7C),
        .harderButton = {15, 215, 136, 60},
        .harderHint = QStringLiteral("Para hacer cuentas de tres filas"),
        .harder = [] { return static_cast<TExerciseForm*>(Form_sumas5b); },
    };
}

}  // namespace

TForm_sumas5::TForm_sumas5(QWidget* parent) : TColumnSumForm(Sumas5Design(), parent)
{
    setObjectName(QStringLiteral("TForm_sumas5"));
}
