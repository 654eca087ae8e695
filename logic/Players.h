// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>

// Who plays: how many may, what an unnamed game calls its one player, which
// of the names typed go in, and whose turn follows.
namespace Players {

// Players in one game (and records in one results file).
inline constexpr int kMaxPlayers = 50;

// The one player of a game where nobody gave a name.
QString DefaultName();
// The group's entry in the points table.
QString GroupName();

// The name a typed text gives: storable characters only, without leading or
// trailing blanks and control characters, cut to the name's length. Empty
// when nothing is left.
QString NameFromTyped(const QString& typed);

// The names typed, in order, split into those that join `registered`
// players and those left out because the game is full. Texts that give no
// name are skipped.
struct Registration {
    QStringList joined;
    QStringList dropped;
};
Registration Register(int32_t registered, const QStringList& typed);

// Turns go round the players 1..count.
int32_t NextTurn(int32_t current, int32_t count);
int32_t PreviousTurn(int32_t current, int32_t count);

} // namespace Players
