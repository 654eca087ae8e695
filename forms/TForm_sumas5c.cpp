// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas5c.h"


namespace {

TColumnSumForm::Design Sumas5cDesign()
{
    return {
        .kind = Kind::Sumas5c,
        .caption = QStringLiteral("Perfeccionamiento de sumas"),
        .clientSize = {502, 379},
        .background = QColor(0x97, 0xD6, 0x8F),
        .helpContext = 511,
        .firstShowOffset = {122, 65},
        .hitsBox = {25, 30},
        .missesBox = {25, 130},
        .image = {190, 0, 312, 310},
        .columnLefts = {420, 370, 320, 270},
        .rowTops = {55, 90, 125, 160, 200},
        .cell = {51, 35},
        .digitPixels = 29,
        .plusSign = {215, 200, 51, 35},
        .line = {220, 246, 256, 5},
        .results = {{420, 260}, {370, 260}, {320, 260}, {270, 260}, {220, 260}},
        .resultCell = {51, 35},
        .answerLefts = {420, 370, 320, 270, 230},
        .answerBox = {420, 257, 51, 42},
        .answerPixels = 29,
        .carryLabels = {{375, 28}, {325, 28}, {275, 28}},
        .carryCell = {41, 26},
        .carryPixels = 22,
        .carryBoxLefts = {375, 325, 275},
        .carryBox = {375, 23, 41, 31},
        .instruction = {180, 318, 300, 51},
        .instructionText = Qt::blue,
        .instructionBackground = QColor(0x6C, 0xC0, 0x64),
    };
}

}  // namespace

TForm_sumas5c::TForm_sumas5c(QWidget* parent) : TColumnSumForm(Sumas5cDesign(), parent)
{
    setObjectName(QStringLiteral("TForm_sumas5c"));
}
