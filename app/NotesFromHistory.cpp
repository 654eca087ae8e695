// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/NotesFromHistory.h"

#include "app/GameFolder.h"
#include "app/History.h"

std::vector<Practice::Sum> NotesFromHistory(const QString& player)
{
    if (player.isEmpty())
        return {};
    History::Read read = History::ReadSums(HistoryFile(), player);
    if (!read.ok)
        return {};
    return std::move(read.sums);
}
