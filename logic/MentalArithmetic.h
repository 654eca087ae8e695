// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <cstdint>

// Horizontal sums with one blank: addend 1 + addend 2 = result.
namespace Mental {

enum class Blank { FirstAddend, SecondAddend, Result };

// The largest second-addend setting that is the addend itself (an addition
// table); larger settings are bounds.
inline constexpr int32_t kLargestFixedAddend = 10;

// How the sums are dealt. They last for the run and are shared by the
// mental-arithmetic window (which sets them from its menu) and the printed
// worksheet (which reads them).
struct Settings {
    int32_t firstBound = 11;   // first addend from 0 to firstBound - 1
    int32_t secondSetting = 11;  // <= 10: the addend itself; larger: a bound
    Blank blank = Blank::Result;
};

// The settings of the run.
Settings& CurrentSettings();

bool SecondIsFixed(int32_t secondSetting);

struct Sum {
    int32_t first = 0;
    int32_t second = 0;
    int32_t result = 0;
    int32_t answer = 0;  // the number under the blank
};

// Draws the first addend and then the second one from the random source.
Sum DrawSum(const Settings& settings);

}  // namespace Mental
