// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas1.h"


namespace {

TSingleColumnForm::Design Sumas1Design()
{
    return {
        .kind = Kind::Sumas1,
        .caption = QStringLiteral("Sumas, inicio SIN llevarse"),
        .clientSize = {442, 305},
        .background = QColor(0x8C, 0xC6, 0xFF),
        .helpContext = 507,
        .rule = PairRule::NoCarry,
        .image = {160, 0, 281, 236},
        .answerBox = {310, 150, 56, 61},
        .maxLength = 1,
        .button = {106, 245, 231, 51},
        .buttonCaption = QStringLiteral("&Comprobar"),
        .buttonHint = {},
    };
}

}  // namespace

TForm_sumas1::TForm_sumas1(QWidget* parent) : TSingleColumnForm(Sumas1Design(), parent)
{
    setObjectName(QStringLiteral("TForm_sumas1"));
}
