// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/Records.h"

#include <cstring>

namespace {

void PutInt32(char* out, int32_t v)
{
    const auto u = uint32_t(v);
    out[0] = char(u & 0xFF);
    out[1] = char((u >> 8) & 0xFF);
    out[2] = char((u >> 16) & 0xFF);
    out[3] = char((u >> 24) & 0xFF);
}

int32_t GetInt32(const char* in)
{
    const auto* p = reinterpret_cast<const unsigned char*>(in);
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 |
                   uint32_t(p[3]) << 24);
}

}  // namespace

std::array<char, kRecordBytes> RecordBytes(const PlayerRecord& r)
{
    std::array<char, kRecordBytes> out{};
    std::memcpy(out.data(), r.name, PlayerRecord::kNameBytes);
    PutInt32(out.data() + 26, r.year);
    out[30] = char(r.day);
    out[31] = char(r.month);
    for (int i = 0; i < PlayerRecord::kSlots; ++i) {
        PutInt32(out.data() + 32 + 4 * i, r.hits[i]);
        PutInt32(out.data() + 52 + 4 * i, r.misses[i]);
    }
    return out;
}

PlayerRecord RecordFromBytes(const char* bytes)
{
    PlayerRecord r;
    std::memcpy(r.name, bytes, PlayerRecord::kNameBytes);
    // Bytes after the terminator are kept as read; a name with no terminator
    // at all is cut at the field's last byte.
    if (!std::memchr(r.name, '\0', PlayerRecord::kNameBytes))
        r.name[PlayerRecord::kNameBytes - 1] = '\0';
    r.year = GetInt32(bytes + 26);
    r.day = uint8_t(bytes[30]);
    r.month = uint8_t(bytes[31]);
    for (int i = 0; i < PlayerRecord::kSlots; ++i) {
        r.hits[i] = GetInt32(bytes + 32 + 4 * i);
        r.misses[i] = GetInt32(bytes + 52 + 4 * i);
    }
    return r;
}
