// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas4.h"

#include "app/Accessibility.h"

TForm_sumas4::TForm_sumas4(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_sumas4"));
    PublishControlNames(this);
}

void TForm_sumas4::ResetKindCounters() {}
