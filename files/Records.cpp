// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/Records.h"

#include <cstring>

namespace {

// CP1252 bytes 0x80..0x9F; 0 marks the five unassigned positions.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t DecodeByte(unsigned char b)
{
    if (b >= 0x80 && b <= 0x9F) {
        const char16_t u = kCp1252High[b - 0x80];
        return u ? u : char16_t('?');
    }
    return char16_t(b);  // the rest coincides with Latin-1
}

char EncodeChar(char16_t u)
{
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (int i = 0; i < 32; ++i)
        if (kCp1252High[i] == u)
            return char(0x80 + i);
    return '?';
}

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

QString AnsiToString(const char* bytes, int maxBytes)
{
    QString out;
    for (int i = 0; i < maxBytes && bytes[i] != '\0'; ++i)
        out.append(QChar(DecodeByte(static_cast<unsigned char>(bytes[i]))));
    return out;
}

QByteArray StringToAnsi(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text) {
        if (c.isSurrogate())
            continue;  // half of a character CP1252 cannot hold anyway
        out.append(EncodeChar(c.unicode()));
    }
    return out;
}

void CopyAnsiField(char* field, int fieldBytes, const QString& text)
{
    std::memset(field, 0, size_t(fieldBytes));
    const QByteArray ansi = StringToAnsi(text);
    std::memcpy(field, ansi.constData(), size_t(std::min<qsizetype>(ansi.size(), fieldBytes - 1)));
}

QString PlayerRecord::Name() const { return AnsiToString(name, kNameBytes); }
void PlayerRecord::SetName(const QString& text) { CopyAnsiField(name, kNameBytes, text); }
QString PointsEntry::Name() const { return AnsiToString(name, kNameBytes); }
void PointsEntry::SetName(const QString& text) { CopyAnsiField(name, kNameBytes, text); }

std::array<char, PlayerRecord::kSize> PlayerRecord::ToBytes() const
{
    std::array<char, kSize> out{};
    std::memcpy(out.data(), name, kNameBytes);
    PutInt32(out.data() + 26, year);
    out[30] = char(day);
    out[31] = char(month);
    for (int i = 0; i < kSlots; ++i) {
        PutInt32(out.data() + 32 + 4 * i, hits[i]);
        PutInt32(out.data() + 52 + 4 * i, misses[i]);
    }
    return out;
}

PlayerRecord PlayerRecord::FromBytes(const char* bytes)
{
    PlayerRecord r;
    std::memcpy(r.name, bytes, kNameBytes);
    // Bytes after the terminator are kept as read; a name with no terminator
    // at all is cut at the field's last byte.
    if (!std::memchr(r.name, '\0', kNameBytes))
        r.name[kNameBytes - 1] = '\0';
    r.year = GetInt32(bytes + 26);
    r.day = uint8_t(bytes[30]);
    r.month = uint8_t(bytes[31]);
    for (int i = 0; i < kSlots; ++i) {
        r.hits[i] = GetInt32(bytes + 32 + 4 * i);
        r.misses[i] = GetInt32(bytes + 52 + 4 * i);
    }
    return r;
}
