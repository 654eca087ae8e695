// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas5c.h"

#include "app/Accessibility.h"

TForm_sumas5c::TForm_sumas5c(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_sumas5c"));
    PublishControlNames(this);
}

void TForm_sumas5c::ResetKindCounters() {}
