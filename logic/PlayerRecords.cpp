// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/PlayerRecords.h"

#include <algorithm>
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
