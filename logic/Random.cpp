// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Random.h"

#include <ctime>
#include <deque>
#include <random>

namespace {

std::mt19937& Generator()
{
    static std::mt19937 generator(uint32_t(std::time(nullptr)));
    return generator;
}

std::deque<uint32_t>& Script()
{
    static std::deque<uint32_t> script;
    return script;
}

uint32_t NextRaw()
{
    std::deque<uint32_t>& script = Script();
    if (!script.empty()) {
        const uint32_t v = script.front();
        script.pop_front();
        return v;
    }
    return uint32_t(Generator()());
}

}  // namespace

void SeedRandom(uint32_t seed) { Generator().seed(seed); }

void SeedRandomFromClock() { SeedRandom(uint32_t(std::time(nullptr))); }

int32_t Random(int32_t n)
{
    if (n <= 0)
        return 0;
    return int32_t(NextRaw() % uint32_t(n));
}

void ScriptRandom(std::vector<uint32_t> rawValues)
{
    Script().assign(rawValues.begin(), rawValues.end());
}

void ClearRandomScript() { Script().clear(); }

size_t ScriptedRandomLeft() { return Script().size(); }
