// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_cmental1.h"

#include "app/Accessibility.h"

TForm_cmental1::TForm_cmental1(QWidget* parent)
    : TExerciseForm(Kind::Cmental1, QStringLiteral("Cálculo mental"), {505, 259},
                    QColor(0xCC, 0xCC, 0xFF), parent, QStringLiteral("mental.bmp"))
{
    setObjectName(QStringLiteral("TForm_cmental1"));
    SetHelpContext(520);
    PublishControlNames(this);
}

// The horizontal sums come with their own window; until then only the frame.
void TForm_cmental1::NewSum() { StartSum(); }
