// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Platform.h"

#include <cstdlib>

namespace {
Platform* current = nullptr;
}

Platform& ThePlatform()
{
    if (!current)
        std::abort();  // main() or the test harness installs one first
    return *current;
}

void SetPlatform(Platform* platform) { current = platform; }
