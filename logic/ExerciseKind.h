// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

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
constexpr ExerciseKind Repaso = 7;

// Every code of an exercise window, in the order of the exercise menu.
constexpr ExerciseKind All[] = {Sumas1, Sumas2, Sumas3, Sumas3b, Sumas4,
                                Sumas4b, Sumas5, Sumas5b, Sumas5c, Cmental1, Repaso};
}  // namespace Kind
