// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas3b.h"

#include "app/Accessibility.h"

TForm_sumas3b::TForm_sumas3b(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_sumas3b"));
    PublishControlNames(this);
}

void TForm_sumas3b::ResetKindCounters() {}
