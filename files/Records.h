// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

// One player as the results file stores it. The in-memory struct has
// padding; the 72-byte disk layout is produced field by field.
struct PlayerRecord {
    static constexpr int kSize = 72;
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

    std::array<char, kSize> ToBytes() const;
    // Reads exactly kSize bytes; the name is always left zero-terminated and
    // the bytes after its terminator are kept.
    static PlayerRecord FromBytes(const char* bytes);
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
