// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas1.h"

#include "app/Accessibility.h"

TForm_sumas1::TForm_sumas1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_sumas1"));
    PublishControlNames(this);
}

void TForm_sumas1::ResetKindCounters() {}
