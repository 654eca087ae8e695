// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas2.h"


namespace {

TSingleColumnForm::Design Sumas2Design()
{
    return {
        .kind = Kind::Sumas2,
        .caption = QStringLiteral("Sumas, inicio CON llevadas"),
        .clientSize = {444, 306},
        .background = QColor(0x71, 0xB8, 0xFF),
        .helpContext = 508,
        .rule = PairRule::Carry,
        .image = {165, 5, 281, 231},
        .answerBox = {285, 150, 76, 61},
        .maxLength = 2,
        .button = {131, 245, 181, 50},
        .buttonCaption = QStringLiteral("Comprobar"),
        .buttonHint = QStringLiteral("Pulsar para comprobar la cuenta"),
    };
}

}  // namespace

TForm_sumas2::TForm_sumas2(QWidget* parent) : TSingleColumnForm(Sumas2Design(), parent)
{
    setObjectName(QStringLiteral("TForm_sumas2"));
}
