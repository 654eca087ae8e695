// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Review.h"

#include <QString>

// What the review aims at for a player: the diagnosis of the player's sums
// in the practice history. Nothing (the mix that gathers evidence) when the
// history cannot be read.
Review::Needs ReviewNeedsFromHistory(const QString& player);
