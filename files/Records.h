// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/PlayerRecords.h"

#include <array>

// A player as the results file stores it: 72 bytes, produced field by field
// (the in-memory struct has padding).
inline constexpr int kRecordBytes = 72;

std::array<char, kRecordBytes> RecordBytes(const PlayerRecord& record);
// Reads exactly kRecordBytes bytes; the name is always left zero-terminated
// and the bytes after its terminator are kept.
PlayerRecord RecordFromBytes(const char* bytes);
