// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Texts.h"

QString SumTimeText(int32_t seconds)
{
    int minutes = 0;
    int secs = seconds;
    if (seconds >= 60) {
        minutes = seconds / 60;
        secs = seconds % 60;
    }
    if (minutes >= 1000)
        minutes = 999;
    return QString::asprintf("%3d : %02d", minutes, secs);
}

QString SpreadText(const QString& text, const QString& separator)
{
    QString out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (i > 0)
            out += separator;
        out += text.at(i);
    }
    return out;
}
