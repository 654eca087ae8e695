// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_directorio.h"

#include "app/Accessibility.h"

TForm_directorio::TForm_directorio(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_directorio"));
    PublishControlNames(this);
}
