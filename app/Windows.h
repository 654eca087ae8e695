// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

// The windows reach one another through the registry; only the start-up
// knows how to make them all.
#include "app/WindowAccess.h"
#include "forms/WindowRegistry.h"

// Creates every window, hidden, in the fixed order (the main window first,
// so that its creation sets up the game state before any other exists).
void CreateWindows();
// Deletes them in the reverse order.
void DestroyWindows();
