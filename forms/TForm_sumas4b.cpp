// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas4b.h"


namespace {

TColumnSumForm::Design Sumas4bDesign()
{
    return {
        .kind = Kind::Sumas4b,
        .caption = QStringLiteral("Sumas, CON llevadas, más fifícil"),
        .clientSize = {502, 318},
        .background = QColor(0x93, 0xC9, 0xFF),
        .helpContext = 510,
        .firstShowOffset = {122, 123},
        .hitsBox = {25, 45},
        .missesBox = {25, 195},
        .image = {170, -5, 331, 330},
        .columnLefts = {420, 370, 320},
        .rowTops = {55, 110},
        .plusSign = {250, 115, 51, 46},
        .line = {245, 171, 231, 5},
        .results = {{420, 185}, {370, 185}, {320, 185}, {270, 190}},
        .answerLefts = {420, 370, 320, 275},
        .answerBox = {420, 180, 51, 61},
        .carryLabels = {{375, 25}, {325, 25}},
        .carryCell = {41, 36},
        .carryPixels = 27,
        .carryBoxPixels = 24,
        .carryBoxLefts = {375, 325},
        .carryBox = {375, 20, 41, 36},
        .instruction = {240, 258, 226, 51},
        .instructionBackground = QColor(0x51, 0xA8, 0xFF),
    };
}

}  // namespace

TForm_sumas4b::TForm_sumas4b(QWidget* parent) : TColumnSumForm(Sumas4bDesign(), parent)
{
    setObjectName(QStringLiteral("TForm_sumas4b"));
}
