// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Scoring.h"

int CounterSlotFor(ExerciseKind kind)
{
    switch (kind) {
    case Kind::Sumas1:
    case Kind::Sumas3:
    case Kind::Sumas3b:
        return 0;
    case Kind::Sumas2:
    case Kind::Sumas4:
    case Kind::Sumas4b:
    case Kind::Sumas5:
    case Kind::Sumas5b:
    case Kind::Sumas5c:
        return 1;
    case Kind::Cmental1:
        return 4;
    default:
        return -1;
    }
}

int32_t BumpCounter(int32_t value)
{
    return value >= kCounterCap ? kCounterCap : value + 1;
}
