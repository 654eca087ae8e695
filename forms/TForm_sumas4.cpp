// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas4.h"

#include "app/Windows.h"
#include "forms/TForm_sumas4b.h"

namespace {

TColumnSumForm::Design Sumas4Design()
{
    return {
        .kind = Kind::Sumas4,
        .caption = QStringLiteral("Sumas, CON llevadas"),
        .clientSize = {458, 323},
        .background = QColor(0x97, 0xCB, 0xFF),
        .helpContext = 510,
        .firstShowOffset = {150, 125},
        .hitsBox = {15, 30},
        .missesBox = {15, 130},
        .image = {150, 0, 311, 326},
        .columnLefts = {370, 310},
        .rowTops = {55, 110},
        .plusSign = {250, 115, 51, 46},
        .line = {245, 171, 171, 4},
        .results = {{370, 190}, {310, 190}, {270, 190}},
        .answerLefts = {370, 310, 265},
        .answerBox = {370, 185, 51, 61},
        .carryLabels = {{315, 30}},
        .carryCell = {41, 31},
        .carryBoxLefts = {315},
        .carryBox = {315, 25, 41, 36},
        .instruction = {195, 266, 226, 51},
        .instructionBackground = QColor(0x6A, 0xB5, 0xFF),
        .harderButton = {5, 235, 136, 62},
        .harderHint = QStringLiteral("Para hacer cuentas de tres columnas"),
        .harder = [] { return static_cast<TExerciseForm*>(Form_sumas4b); },
        .carryShownBeforeScore = true,
    };
}

}  // namespace

TForm_sumas4::TForm_sumas4(QWidget* parent) : TColumnSumForm(Sumas4Design(), parent)
{
    setObjectName(QStringLiteral("TForm_sumas4"));
}
