// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas3b.h"


namespace {

TColumnSumForm::Design Sumas3bDesign()
{
    return {
        .kind = Kind::Sumas3b,
        .caption = QStringLiteral("Sumas, SIN llevadas, más difícil"),
        .clientSize = {503, 256},
        .background = QColor(0x95, 0xCA, 0xFF),
        .helpContext = 509,
        .firstShowOffset = {122, 138},
        .hitsBox = {25, 30},
        .missesBox = {25, 160},
        .image = {185, 0, 321, 261},
        .columnLefts = {430, 370, 310},
        .rowTops = {15, 70},
        .plusSign = {250, 75, 51, 46},
        .line = {245, 131, 231, 5},
        .results = {{430, 150}, {370, 150}, {310, 150}},
        .answerLefts = {430, 370, 310},
        .answerBox = {430, 150, 51, 61},
    };
}

}  // namespace

TForm_sumas3b::TForm_sumas3b(QWidget* parent) : TColumnSumForm(Sumas3bDesign(), parent)
{
    setObjectName(QStringLiteral("TForm_sumas3b"));
}
