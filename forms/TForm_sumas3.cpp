// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas3.h"

#include "app/Accessibility.h"
#include "app/Windows.h"
#include "forms/TForm_sumas3b.h"

namespace {

TColumnSumForm::Design Sumas3Design()
{
    return {
        .kind = Kind::Sumas3,
        .caption = QStringLiteral("Sumas, SIN llevarse"),
        .clientSize = {458, 280},
        .background = QColor(0x9B, 0xCD, 0xFF),
        .helpContext = 509,
        .firstShowOffset = {150, 138},
        .hitsBox = {25, 15},
        .missesBox = {25, 105},
        .rows = 2,
        .rules = {PairRule::NoCarry, PairRule::NoCarry},
        .image = {180, 0, 281, 281},
        .columnLefts = {370, 310},
        .rowTops = {15, 70},
        .cell = {51, 56},
        .digitPixels = 48,
        .plusSign = {250, 75, 51, 46},
        .line = {245, 131, 171, 4},
        .lineColour = 0x0000A0,
        .results = {{370, 150}, {310, 150}},
        .resultCell = {51, 56},
        .answerLefts = {370, 310},
        .answerBox = {370, 145, 51, 61},
        .answerPixels = 48,
        .carryLabels = {},
        .carryCell = {},
        .carryPixels = 24,
        .carryBoxLefts = {},
        .carryBox = {},
        .instruction = {},
        .instructionText = {},
        .instructionBackground = {},
        .instructionPixels = 15,
        .harderButton = {15, 205, 136, 60},
        .harderHint = QStringLiteral("Para hacer cuentas de tres columnas"),
        .harderFace = QColor(0x00, 0x80, 0xFF),
        .harder = [] { return static_cast<TExerciseForm*>(Form_sumas3b); },
        .carryShownBeforeScore = false,
    };
}

}  // namespace

TForm_sumas3::TForm_sumas3(QWidget* parent) : TColumnSumForm(Sumas3Design(), parent)
{
    setObjectName(QStringLiteral("TForm_sumas3"));
    PublishControlNames(this);
}
