// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QString>

// Sends the hint of whatever the mouse is on (control or menu entry) to the
// main window's two information labels, as GameEvents::Hint, and shows hints
// as yellow tool tips at once, for five seconds. Installing it twice does nothing more.
void InstallHintHandler();

// Says something in those labels until the next hint replaces it.
void ShowInformation(const QString& text);
