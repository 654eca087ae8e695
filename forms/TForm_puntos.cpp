// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_puntos.h"

#include "app/Accessibility.h"

TForm_puntos::TForm_puntos(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_puntos"));
    PublishControlNames(this);
}
