// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/PlayerName.h"

#include <QList>
#include <QStringView>

namespace PlayerName {

bool IsStorable(char32_t c)
{
    // Printable ASCII and Latin-1 are in both code pages; of the rest of
    // CP1252 only the florin is in CP850 too.
    return (c >= 0x20 && c <= 0x7E) || (c >= 0xA0 && c <= 0xFF) || c == 0x0192;
}

QString Storable(const QString& text)
{
    const QString composed = text.normalized(QString::NormalizationForm_C);
    QString out;
    out.reserve(composed.size());
    for (char32_t c : QStringView(composed).toUcs4())
        if (IsStorable(c))
            out.append(QChar(char16_t(c)));
    return out;
}

} // namespace PlayerName
