// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas5b.h"

#include "app/Accessibility.h"

TForm_sumas5b::TForm_sumas5b(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_sumas5b"));
    PublishControlNames(this);
}

void TForm_sumas5b::ResetKindCounters() {}
