// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_cmental1.h"

#include "app/Accessibility.h"

TForm_cmental1::TForm_cmental1(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_cmental1"));
    PublishControlNames(this);
}

void TForm_cmental1::ResetKindCounters() {}
