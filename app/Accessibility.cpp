// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Accessibility.h"

#include <QWidget>

void PublishControlNames(QWidget* window)
{
    if (!window->objectName().isEmpty())
        window->setAccessibleDescription(window->objectName());
    const auto children = window->findChildren<QWidget*>();
    for (QWidget* w : children) {
        // Controls of other top-level windows (owned dialogs) publish their own.
        if (w->window() != window)
            continue;
        if (!w->objectName().isEmpty())
            w->setAccessibleDescription(w->objectName());
    }
}

void SetHint(QWidget* control, const QString& hint)
{
    control->setToolTip(hint);
    control->setStatusTip(hint);
}
