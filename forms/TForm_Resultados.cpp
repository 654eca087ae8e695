// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_Resultados.h"

#include "app/Accessibility.h"

TForm_Resultados::TForm_Resultados(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_Resultados"));
    PublishControlNames(this);
}
