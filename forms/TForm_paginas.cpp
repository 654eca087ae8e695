// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_paginas.h"

#include "app/Accessibility.h"

TForm_paginas::TForm_paginas(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_paginas"));
    PublishControlNames(this);
}
