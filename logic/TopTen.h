// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/PlayerRecords.h"

#include <array>
#include <cstdint>

// The ten best scores while the list is on screen.
inline constexpr int kTopTen = 10;
inline constexpr int kPointsEntries = 51;  // the group and fifty players

struct TopTenEntry {
    char name[PointsEntry::kNameBytes] = {};  // ANSI, zero-terminated
    int32_t points = 0;
    int32_t isNew = 0;    // 1: entered the list during this showing
    int32_t source = -1;  // the points-table entry it came from; -1: the file
};

// Slots 0..9 are the list, best first; slot 10 holds the candidate being offered.
struct TopTenList {
    std::array<TopTenEntry, kTopTen + 1> entries{};
};

// A score of this run already saved to the list: while the same entry of
// the same game keeps the same name and points, and the list still holds
// it, offering it again would only copy it.
struct SavedScore {
    bool valid = false;
    int32_t game = 0;  // which game (ResetPoints starts a new one)
    char name[PointsEntry::kNameBytes] = {};
    int32_t points = 0;
};
using SavedScores = std::array<SavedScore, kPointsEntries>;

// The saved entries into slots 0..9; every isNew flag and slot 10 cleared.
void LoadList(TopTenList& list, const std::array<PointsEntry, kTopTen>& saved);

// Puts the candidate before the first entry with strictly fewer points,
// moving the rest down (the last one drops out). Returns the position, or -1
// when every entry has as many points or more. So ties keep the older entry
// first, and 0 or fewer points never take an empty row.
int Offer(TopTenList& list, const PointsEntry& candidate, int32_t source);

// Offers the group (only when two or more play) and then the players
// 1..playerCount, in table order; `table` has kPointsEntries entries. A
// score found in `saved` for `gameNumber` is skipped. True when anyone entered.
bool Merge(TopTenList& list, const PointsEntry* table, int32_t playerCount, const SavedScores& saved,
           int32_t gameNumber);

// After a save: remembers the new entries of the list as saved scores.
void RememberSaved(SavedScores& saved, const TopTenList& list, int32_t gameNumber);

// Slots 0..9 as they go to the file.
std::array<PointsEntry, kTopTen> ListEntries(const TopTenList& list);
