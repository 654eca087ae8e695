// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_aviso_error.h"

#include "app/Accessibility.h"

TForm_aviso_error::TForm_aviso_error(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_aviso_error"));
    PublishControlNames(this);
}
