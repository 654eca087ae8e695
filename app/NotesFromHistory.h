// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Practice.h"

#include <QString>
#include <vector>

// A player's sums in the practice history, oldest first, for the exercise
// windows' explanatory line; none when the history cannot be read.
std::vector<Practice::Sum> NotesFromHistory(const QString& player);
