// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_muchos_aciertos.h"

#include "app/Accessibility.h"

TForm_muchos_aciertos::TForm_muchos_aciertos(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_muchos_aciertos"));
    PublishControlNames(this);
}
