// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QString>

// What a player's name may hold. Names live in memory in the ANSI code page
// (CP1252) and in files in the OEM one (CP850): only characters that both
// hold survive the trip, so only those are taken.
namespace PlayerName {

// Characters, not UTF-16 units: fits both name fields with their zero.
constexpr int kMaxChars = 19;

bool IsStorable(char32_t c);

// The text in composed form (an accent typed apart joins its letter), without
// the characters that cannot be stored. Nothing else changes: no trimming,
// no cutting to length.
QString Storable(const QString& text);

} // namespace PlayerName
