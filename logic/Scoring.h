// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QString>
#include <cstdint>

// Which exercise window is open; plain integer codes, stored and compared as such.
using ExerciseKind = int32_t;

namespace Kind {
constexpr ExerciseKind None = 0;
constexpr ExerciseKind Sumas1 = 1;
constexpr ExerciseKind Sumas2 = 2;
constexpr ExerciseKind Sumas3 = 3;
constexpr ExerciseKind Sumas3b = 33;
constexpr ExerciseKind Sumas4 = 4;
constexpr ExerciseKind Sumas4b = 44;
constexpr ExerciseKind Sumas5 = 5;
constexpr ExerciseKind Sumas5b = 55;
constexpr ExerciseKind Sumas5c = 555;
constexpr ExerciseKind Cmental1 = 6;
}  // namespace Kind

// Player counters never pass this value.
constexpr int32_t kCounterCap = 32700;

// Counter slot of a player's hits/misses for an exercise kind, or -1 when
// the kind counts nowhere (no window open, or an unknown code).
int CounterSlotFor(ExerciseKind kind);

// +1 with the cap; a value already above the cap comes back to it.
int32_t BumpCounter(int32_t value);

// The clock of the sum on screen: "%3d : %02d", minutes capped at 999.
QString SumTimeText(int32_t seconds);

// The characters of text with separator between each two neighbours.
QString SpreadText(const QString& text, const QString& separator);
