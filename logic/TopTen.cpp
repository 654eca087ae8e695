// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/TopTen.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr size_t kNameBytes = PointsEntry::kNameBytes;

bool SameName(const char* a, const char* b) { return std::strncmp(a, b, kNameBytes) == 0; }

// The whole field, bytes after the terminator included; cut at the last
// byte only when there is no terminator.
void CopyName(char* to, const char* from)
{
    std::memcpy(to, from, kNameBytes);
    if (!std::memchr(to, '\0', kNameBytes))
        to[kNameBytes - 1] = '\0';
}

bool AlreadySaved(const TopTenList& list, const PointsEntry& candidate, const SavedScore& s,
                  int32_t gameNumber)
{
    if (!s.valid || s.game != gameNumber || s.points != candidate.points || !SameName(s.name, candidate.name))
        return false;
    // Only while the file still has it: a list rewritten meanwhile by
    // another copy of the game may have lost it.
    for (int i = 0; i < kTopTen; ++i) {
        const TopTenEntry& e = list.entries[size_t(i)];
        if (!e.isNew && e.points == candidate.points && SameName(e.name, candidate.name))
            return true;
    }
    return false;
}

}  // namespace

void LoadList(TopTenList& list, const std::array<PointsEntry, kTopTen>& saved)
{
    list = TopTenList{};
    for (size_t i = 0; i < saved.size(); ++i) {
        CopyName(list.entries[i].name, saved[i].name);
        list.entries[i].points = saved[i].points;
    }
}

int Offer(TopTenList& list, const PointsEntry& candidate, int32_t source)
{
    TopTenEntry& c = list.entries[kTopTen];
    c = TopTenEntry{};
    CopyName(c.name, candidate.name);
    c.points = candidate.points;
    c.isNew = 1;
    c.source = source;
    for (int i = 0; i < kTopTen; ++i) {
        if (list.entries[size_t(i)].points < c.points) {
            std::move_backward(list.entries.begin() + i, list.entries.begin() + kTopTen - 1,
                               list.entries.begin() + kTopTen);
            list.entries[size_t(i)] = c;
            return i;
        }
    }
    return -1;
}

bool Merge(TopTenList& list, const PointsEntry* table, int32_t playerCount, const SavedScores& saved,
           int32_t gameNumber)
{
    const int32_t players = std::clamp(playerCount, 0, kPointsEntries - 1);
    bool entered = false;
    for (int32_t p = players >= 2 ? 0 : 1; p <= players; ++p) {
        if (AlreadySaved(list, table[p], saved[size_t(p)], gameNumber))
            continue;
        if (Offer(list, table[p], p) >= 0)
            entered = true;
    }
    return entered;
}

void RememberSaved(SavedScores& saved, const TopTenList& list, int32_t gameNumber)
{
    for (int i = 0; i < kTopTen; ++i) {
        const TopTenEntry& e = list.entries[size_t(i)];
        if (!e.isNew || e.source < 0 || e.source >= kPointsEntries)
            continue;
        SavedScore& s = saved[size_t(e.source)];
        s.valid = true;
        s.game = gameNumber;
        std::memcpy(s.name, e.name, kNameBytes);
        s.points = e.points;
    }
}

std::array<PointsEntry, kTopTen> ListEntries(const TopTenList& list)
{
    std::array<PointsEntry, kTopTen> out{};
    for (size_t i = 0; i < out.size(); ++i) {
        std::memcpy(out[i].name, list.entries[i].name, kNameBytes);
        out[i].points = list.entries[i].points;
    }
    return out;
}
