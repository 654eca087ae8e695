// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Review.h"

#include <QString>

// What the review aims at for a player: the diagnosis of the player's latest
// sums, as the mistake notes keep them (read from the practice history at the
// player's first sum of the run, then followed key by key). Without a
// readable history, this run's sums alone.
Review::Needs ReviewNeedsFromHistory(const QString& player);
