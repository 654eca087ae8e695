// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/ExerciseKind.h"

#include <cstdint>

// Player counters never pass this value.
constexpr int32_t kCounterCap = 32700;

// Points of the current player for a right and a wrong answer.
constexpr int32_t kHitPoints = 2;
constexpr int32_t kMissPoints = -1;
// Every few right answers in a row of the game bring the big notice, and
// with it these points to every player.
constexpr int32_t kHitsForBonus = 5;
constexpr int32_t kBonusPoints = 20;

// Counter slot of a player's hits/misses for an exercise kind, or -1 when
// the kind counts nowhere (no window open, or an unknown code).
int CounterSlotFor(ExerciseKind kind);

// +1 with the cap; a value already above the cap comes back to it.
int32_t BumpCounter(int32_t value);
