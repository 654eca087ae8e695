// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/ReviewFromHistory.h"

#include "app/GameFolder.h"
#include "app/History.h"
#include "logic/Diagnosis.h"

Review::Needs ReviewNeedsFromHistory(const QString& player)
{
    if (player.isEmpty())
        return {};
    const History::Read read = History::ReadSums(HistoryFile(), player);
    if (!read.ok)
        return {};
    return Review::NeedsFromDiagnosis(Diagnosis::Diagnose(read.sums));
}
