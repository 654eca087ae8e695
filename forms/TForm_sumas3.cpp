// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas3.h"

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
        .image = {180, 0, 281, 281},
        .columnLefts = {370, 310},
        .rowTops = {15, 70},
        .plusSign = {250, 75, 51, 46},
        .line = {245, 131, 171, 4},
        .results = {{370, 150}, {310, 150}},
        .answerLefts = {370, 310},
        .answerBox = {370, 145, 51, 61},
        .harderButton = {15, 205, 136, 60},
        .harderHint = QStringLiteral("Para hacer cuentas de tres columnas"),
        .harder = [] { return static_cast<TExerciseForm*>(Form_sumas3b); },
    };
}

}  // namespace

TForm_sumas3::TForm_sumas3(QWidget* parent) : TColumnSumForm(Sumas3Design(), parent)
{
    setObjectName(QStringLiteral("TForm_sumas3"));
}
