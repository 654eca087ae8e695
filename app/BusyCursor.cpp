// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/BusyCursor.h"

#include <QApplication>
#include <QCursor>

namespace {
void Show() { QApplication::setOverrideCursor(Qt::WaitCursor); }
void PutBack()
{
    if (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}
}  // namespace

BusyCursor::BusyCursor() { Show(); }
BusyCursor::~BusyCursor() { PutBack(); }
BusyCursor::Lifted::Lifted() { PutBack(); }
BusyCursor::Lifted::~Lifted() { Show(); }
