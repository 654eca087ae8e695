// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "files/Records.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <functional>

// The points file (puntos.psu): ten 24-byte records, best first, no header.
// A record is a 20-byte zero-terminated name in the OEM code page and the
// points as a signed little-endian int32. Empty records have an empty name
// and 0 points.
namespace PointsFile {

inline constexpr char kFileName[] = "puntos.psu";
inline constexpr int kRecords = 10;
inline constexpr int kRecordSize = 24;
inline constexpr int kFileSize = kRecords * kRecordSize;

using List = std::array<PointsEntry, kRecords>;

// The whole records at the start of `bytes`, names converted to ANSI; the
// rest of the list stays empty, and bytes beyond ten records are ignored.
// `records` (optional) receives how many were taken.
List Decode(const QByteArray& bytes, int* records = nullptr);
// Exactly kFileSize bytes, names converted to OEM.
QByteArray Encode(const List& list);

// The list in a file; a missing, unreadable or special file (a folder, a
// pipe) gives an empty list, a short one the records it holds.
List Read(const QString& path);

enum class Save {
    Ok,
    CannotCreate,  // nothing could be written where the file goes
    CannotWrite,   // writing or the final replacement failed; the old file stays
};
// Replaces the file atomically.
Save Write(const QString& path, const List& list);
// Reads the list, changes it and replaces the file, holding the file's lock
// throughout: a list another game saved meanwhile is changed, not lost.
Save Update(const QString& path, const std::function<List(const List&)>& change);

}  // namespace PointsFile
