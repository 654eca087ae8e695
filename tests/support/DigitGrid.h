// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Random.h"

#include <QStringList>
#include <vector>

// Scripts the random source so that the next column sum dealt shows these
// addends, written as on paper, one string per row, top row first
// ({"47", "38"}). Columns are drawn from the units leftwards, each column
// top row first; the digits must satisfy the window's draw rules, or the
// draw asks for more values than are scripted.
inline std::vector<uint32_t> GridDraws(const QStringList& rows)
{
    std::vector<uint32_t> raw;
    const qsizetype width = rows.isEmpty() ? 0 : rows.first().size();
    for (qsizetype c = width - 1; c >= 0; --c)
        for (const QString& row : rows)
            raw.push_back(uint32_t(row.at(c).digitValue()));
    return raw;
}

inline void ScriptGrid(const QStringList& rows) { ScriptRandom(GridDraws(rows)); }
