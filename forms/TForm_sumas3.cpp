// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas3.h"

#include "app/Accessibility.h"

TForm_sumas3::TForm_sumas3(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_sumas3"));
    PublishControlNames(this);
}

void TForm_sumas3::ResetKindCounters() {}
