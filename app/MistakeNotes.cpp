// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/MistakeNotes.h"

#include "logic/MistakeLine.h"

#include <iterator>

namespace {
// Enough for the diagnosis to weigh recent sums; older ones hardly count.
constexpr size_t kKeptSums = 3000;
} // namespace

void MistakeNotes::Load(const QString& player, std::vector<Practice::Sum> sums)
{
    std::vector<Practice::Sum>& kept = sums_[player];
    sums.insert(sums.end(), std::make_move_iterator(kept.begin()), std::make_move_iterator(kept.end()));
    if (sums.size() > kKeptSums)
        sums.erase(sums.begin(), sums.end() - ptrdiff_t(kKeptSums));
    kept = std::move(sums);
}

const std::vector<Practice::Sum>& MistakeNotes::Sums(const QString& player)
{
    if (source_ && !player.isEmpty() && !asked_.contains(player)) {
        asked_.insert(player);
        Load(player, source_(player));
    }
    return sums_[player];
}

void MistakeNotes::Dealt(const QString& player, ExerciseKind kind, const QString& rows)
{
    Sums(player);
    std::vector<Practice::Sum>& kept = sums_[player];
    if (kept.size() >= kKeptSums)
        kept.erase(kept.begin());
    Practice::Sum sum;
    sum.player = player;
    sum.kind = kind;
    sum.rows = rows;
    kept.push_back(std::move(sum));
    player_ = player;
    open_ = true;
}

QString MistakeNotes::Key(Practice::Box box, int32_t col, int32_t expected, int32_t typed)
{
    if (!open_)
        return {};
    std::vector<Practice::Sum>& kept = sums_[player_];
    Practice::Sum& sum = kept.back();
    Practice::AppendKey(sum, box, col, expected, typed);
    return MistakeLine(kept);
}

void MistakeNotes::Clear()
{
    sums_.clear();
    asked_.clear();
    open_ = false;
}

MistakeNotes& TheMistakeNotes()
{
    static MistakeNotes notes;
    return notes;
}
