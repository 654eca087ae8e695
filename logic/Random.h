// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The one random source of the run, shared by every exercise window and the
// worksheets. A draw from 0 to n-1 is the generator's next raw value modulo n.

// Restarts the generator from a fixed seed.
void SeedRandom(uint32_t seed);
// Restarts it from the calendar time in whole seconds (each exercise window
// does this when it is created).
void SeedRandomFromClock();

// A value from 0 to n-1; n <= 0 gives 0 and consumes nothing.
int32_t Random(int32_t n);

// For tests: the next raw values come from this list, in order, before the
// generator is asked again. Replaces any list still pending.
void ScriptRandom(std::vector<uint32_t> rawValues);
// Drops whatever is left of a scripted list.
void ClearRandomScript();
// How many scripted values have not been used yet.
size_t ScriptedRandomLeft();
