// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/ExerciseKind.h"
#include "logic/SumDigits.h"

#include <vector>

// What a several-column window deals: how many rows, and the draw rule of
// each column, units first.
struct ColumnShape {
    int rows = 2;
    std::vector<PairRule> rules;
};

// The shape of each several-column window's sums, by its exercise code;
// an empty shape (no columns) for any other code.
const ColumnShape& ColumnShapeOf(ExerciseKind kind);
