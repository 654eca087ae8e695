// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_sumas4b.h"

#include "app/Accessibility.h"

TForm_sumas4b::TForm_sumas4b(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TForm_sumas4b"));
    PublishControlNames(this);
}

void TForm_sumas4b::ResetKindCounters() {}
