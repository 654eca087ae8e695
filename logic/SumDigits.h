// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QString>
#include <cstdint>

// Draw rules for the two digits of one column of a sum.
enum class PairRule {
    NoCarry,  // the column adds up to at most 9
    Carry,    // the column adds up to at least 10
    Free,     // any two digits
};

struct DigitPair {
    int32_t top = 0;     // row 1, the upper addend
    int32_t bottom = 0;  // row 2
    int32_t Sum() const { return top + bottom; }
};

bool Admits(PairRule rule, int32_t top, int32_t bottom);

// Two digits, each a draw from 0 to 9, both drawn again until the rule holds,
// so every admissible ordered pair is equally likely.
DigitPair DrawPair(PairRule rule);

// The number typed in an answer box, or -1 for a text that is no number.
int32_t ReadAnswer(const QString& text);

// Whether a typed character may go into an answer box: Backspace and the
// digits 0 to 9.
bool IsAnswerCharacter(QChar c);
