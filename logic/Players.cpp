// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Players.h"

#include "logic/PlayerName.h"

namespace Players {

namespace {

// Blanks and control characters do not count as part of a name, whatever
// the user pasted.
bool IsFiller(QChar c) { return c.unicode() <= 0x20 || c.isSpace() || c.category() == QChar::Other_Control; }

QString Trimmed(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && IsFiller(text.at(first)))
        ++first;
    while (last > first && IsFiller(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

} // namespace

QString DefaultName() { return QStringLiteral("Sin nombre"); }

QString GroupName() { return QStringLiteral("Grupo sin nombre"); }

QString NameFromTyped(const QString& typed)
{
    // A name of characters that cannot be stored is no name at all.
    return Trimmed(PlayerName::Storable(typed)).left(PlayerName::kMaxChars);
}

Registration Register(int32_t registered, const QStringList& typed)
{
    Registration r;
    int32_t n = registered;
    for (const QString& text : typed) {
        const QString name = NameFromTyped(text);
        if (name.isEmpty())
            continue;
        if (n >= kMaxPlayers) {
            r.dropped << name;
            continue;
        }
        r.joined << name;
        ++n;
    }
    return r;
}

int32_t NextTurn(int32_t current, int32_t count)
{
    const int32_t next = current + 1;
    return next > count ? 1 : next;
}

int32_t PreviousTurn(int32_t current, int32_t count)
{
    const int32_t previous = current - 1;
    return previous <= 0 ? count : previous;
}

} // namespace Players
