// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_jugadores.h"

#include "app/Accessibility.h"

TForm_jugadores::TForm_jugadores(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_jugadores"));
    PublishControlNames(this);
}
