// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_Acierto.h"

#include "app/Accessibility.h"

TForm_Acierto::TForm_Acierto(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_Acierto"));
    PublishControlNames(this);
}
