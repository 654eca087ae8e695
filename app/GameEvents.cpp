// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameEvents.h"

GameEvents& Events()
{
    static GameEvents events;
    return events;
}
