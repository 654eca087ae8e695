// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/ExerciseKind.h"

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// What a child did, sum by sum and key by key, as the practice history keeps
// it. Plain data: the history reads and writes it, the diagnosis, the
// progress report and the review read it.
namespace Practice {

// Where a key was typed: a digit under a column, the carry box above the
// column that receives the carry, or a whole number (single-column and mental
// windows).
enum class Box { Result, Carry, Answer };

// The stored names: "result", "carry", "answer".
QString BoxName(Box box);
std::optional<Box> BoxFromName(const QString& name);

// One key the game checked.
struct Key {
    int32_t seq = 0;       // 1, 2, 3 ... in typing order
    int32_t col = 0;       // 0 = units; the leading digit of a last column of 10
                           // or more: the number of columns; whole answers: 0
    Box box = Box::Result;
    int32_t expected = 0;  // what the game would have accepted then
    int32_t typed = 0;     // -1 for a text that is no number
    int64_t ms = 0;        // since the previous key of the sum, or since it was dealt
};

// One sum and the keys that answered it.
struct Sum {
    int64_t id = 0;
    QString player;
    QDateTime startedAt;
    ExerciseKind kind = Kind::None;
    // Column sums: the addends top to bottom as written in the columns,
    // leading zeros kept ("47+38", "07+38"). Mental: "6+?=8", "?+5=9", "6+2=?".
    QString rows;
    bool finished = false;
    std::vector<Key> keys;
};

// Adds a key at the end of a sum's keys, numbered after the last.
void AppendKey(Sum& sum, Box box, int32_t col, int32_t expected, int32_t typed, int64_t ms = 0);

// The rows text of a column sum from its digits by [column][row], units first.
QString ColumnRows(const std::vector<std::vector<int32_t>>& digits);
// The digits by [column][row], units first, of a column sum's rows text;
// shorter rows count as led by zeros. Empty for a text of another form.
std::vector<std::vector<int32_t>> ColumnDigits(const QString& rows);

// A mental sum: first + second = result, one of the three blank.
struct MentalRows {
    int32_t first = 0;
    int32_t second = 0;
    int32_t result = 0;
    int blank = 2;  // 0 first addend, 1 second addend, 2 result
};
QString MentalRowsText(const MentalRows& m);
std::optional<MentalRows> ParseMentalRows(const QString& rows);

}  // namespace Practice
