// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/SumDigits.h"

#include "logic/Random.h"

bool Admits(PairRule rule, int32_t top, int32_t bottom)
{
    switch (rule) {
    case PairRule::NoCarry: return top + bottom <= 9;
    case PairRule::Carry: return top + bottom >= 10;
    case PairRule::Free: return true;
    }
    return true;
}

DigitPair DrawPair(PairRule rule)
{
    DigitPair p;
    do {
        p.top = Random(10);
        p.bottom = Random(10);
    } while (!Admits(rule, p.top, p.bottom));
    return p;
}

int32_t ReadAnswer(const QString& text)
{
    bool ok = false;
    const int32_t value = text.toInt(&ok, 10);
    return ok ? value : -1;
}

bool IsAnswerCharacter(QChar c) { return c == QChar(u'\b') || (c >= u'0' && c <= u'9'); }
