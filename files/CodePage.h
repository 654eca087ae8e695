// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <cstddef>

// Names live in memory in the ANSI code page (CP1252) and in files in the
// OEM code page (CP850). Both are single-byte, so a name keeps its length;
// a character the other page lacks becomes '?'.

// Converts in place the bytes before the first zero byte (or all `size`
// bytes when there is none). Bytes after the zero are left as they are:
// other programs that share the files may rely on them.
void AnsiToOem(char* text, std::size_t size);
void OemToAnsi(char* text, std::size_t size);

// One byte at a time, for callers that convert single characters.
unsigned char AnsiToOemByte(unsigned char b);
unsigned char OemToAnsiByte(unsigned char b);
