// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas5.h"

#include "app/Accessibility.h"

TForm_sumas5::TForm_sumas5(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_sumas5"));
    PublishControlNames(this);
}

void TForm_sumas5::ResetKindCounters() {}
