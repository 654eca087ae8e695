// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/ReviewFromHistory.h"

#include "app/MistakeNotes.h"
#include "logic/Diagnosis.h"

Review::Needs ReviewNeedsFromHistory(const QString& player)
{
    if (player.isEmpty())
        return {};
    // Older sums weigh next to nothing in the diagnosis (its half-lives are
    // 30 occasions of an error and 40 sums).
    constexpr size_t kLatestSums = 600;
    return Review::NeedsFromDiagnosis(Diagnosis::DiagnoseLatest(TheMistakeNotes().Sums(player), kLatestSums));
}
