// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TFirstUseDialog.h"

#include "app/Accessibility.h"

void TFirstUseDialog::EnsureControls()
{
    if (controlsBuilt_)
        return;
    controlsBuilt_ = true;
    BuildControls();
    PublishControlNames(this);
}

void TFirstUseDialog::setVisible(bool visible)
{
    if (visible)
        EnsureControls();
    QDialog::setVisible(visible);
}
