// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>

// A player's results and a points-table line as the game holds them. Names
// are kept as the files hold them, in ANSI (CP1252); files/Records.h lays
// them out on disk.

// One player: name, date of the results, and hits and misses by kind slot.
struct PlayerRecord {
    static constexpr int kNameBytes = 26;
    static constexpr int kSlots = 5;

    char name[kNameBytes] = {};  // ANSI (CP1252), zero-terminated
    int32_t year = 0;
    uint8_t day = 0;
    uint8_t month = 0;
    int32_t hits[kSlots] = {};
    int32_t misses[kSlots] = {};

    QString Name() const;
    void SetName(const QString& text);
};

// One line of the points table: entry 0 is the group, entry p is player p.
struct PointsEntry {
    static constexpr int kNameBytes = 20;

    char name[kNameBytes] = {};  // ANSI (CP1252), zero-terminated
    int32_t points = 0;

    QString Name() const;
    void SetName(const QString& text);
};

// CP1252 <-> Unicode. Characters CP1252 cannot hold become '?'.
QString AnsiToString(const char* bytes, int maxBytes);
QByteArray StringToAnsi(const QString& text);

// Copies text into a fixed zero-terminated field, truncating to fit.
void CopyAnsiField(char* field, int fieldBytes, const QString& text);
