// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas2.h"

#include "app/Accessibility.h"

TForm_sumas2::TForm_sumas2(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_sumas2"));
    PublishControlNames(this);
}

void TForm_sumas2::ResetKindCounters() {}
