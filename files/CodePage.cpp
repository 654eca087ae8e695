// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/CodePage.h"

#include <array>
#include <cstring>
#include <iconv.h>

namespace {

using Table = std::array<unsigned char, 256>;

// iconv converts each byte once; after that a name costs one look-up per
// character.
Table BuildTable(const char* to, const char* from)
{
    Table table{};
    for (int b = 0; b < 256; ++b)
        table[size_t(b)] = b < 0x80 ? (unsigned char)b : (unsigned char)'?';
    iconv_t cd = iconv_open(to, from);
    if (cd == iconv_t(-1))
        return table; // without iconv only ASCII survives, which is still safe
    for (int b = 1; b < 256; ++b) {
        char in = char(b);
        char out[8] = {};
        char* inPtr = &in;
        char* outPtr = out;
        size_t inLeft = 1;
        size_t outLeft = sizeof out;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) != size_t(-1) && inLeft == 0 &&
            sizeof out - outLeft == 1)
            table[size_t(b)] = (unsigned char)out[0];
    }
    iconv_close(cd);
    return table;
}

const Table& AnsiToOemTable()
{
    static const Table table = BuildTable("CP850", "CP1252");
    return table;
}

const Table& OemToAnsiTable()
{
    static const Table table = BuildTable("CP1252", "CP850");
    return table;
}

void Convert(const Table& table, char* text, std::size_t size)
{
    for (std::size_t i = 0; i < size && text[i] != '\0'; ++i)
        text[i] = char(table[(unsigned char)text[i]]);
}

} // namespace

void AnsiToOem(char* text, std::size_t size) { Convert(AnsiToOemTable(), text, size); }
void OemToAnsi(char* text, std::size_t size) { Convert(OemToAnsiTable(), text, size); }
unsigned char AnsiToOemByte(unsigned char b) { return AnsiToOemTable()[b]; }
unsigned char OemToAnsiByte(unsigned char b) { return OemToAnsiTable()[b]; }
