// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/MentalArithmetic.h"

#include "logic/Random.h"

namespace Mental {

Settings& CurrentSettings()
{
    static Settings settings;
    return settings;
}

bool SecondIsFixed(int32_t secondSetting) { return secondSetting <= kLargestFixedAddend; }

Sum DrawSum(const Settings& settings)
{
    Sum s;
    s.first = Random(settings.firstBound);
    s.second = SecondIsFixed(settings.secondSetting) ? settings.secondSetting
                                                     : Random(settings.secondSetting);
    s.result = s.first + s.second;
    switch (settings.blank) {
    case Blank::FirstAddend: s.answer = s.first; break;
    case Blank::SecondAddend: s.answer = s.second; break;
    case Blank::Result: s.answer = s.result; break;
    }
    return s;
}

}  // namespace Mental
