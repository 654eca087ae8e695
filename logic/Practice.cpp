// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Practice.h"

#include <QStringList>
#include <algorithm>

namespace Practice {

QString BoxName(Box box)
{
    switch (box) {
    case Box::Result: return QStringLiteral("result");
    case Box::Carry: return QStringLiteral("carry");
    case Box::Answer: return QStringLiteral("answer");
    }
    return {};
}

std::optional<Box> BoxFromName(const QString& name)
{
    for (Box b : {Box::Result, Box::Carry, Box::Answer})
        if (BoxName(b) == name)
            return b;
    return std::nullopt;
}

void AppendKey(Sum& sum, Box box, int32_t col, int32_t expected, int32_t typed, int64_t ms)
{
    sum.keys.push_back({int32_t(sum.keys.size()) + 1, col, box, expected, typed, ms});
}

QString ColumnRows(const std::vector<std::vector<int32_t>>& digits)
{
    if (digits.empty())
        return {};
    QStringList rows;
    for (size_t r = 0; r < digits.front().size(); ++r) {
        QString row;
        for (size_t c = digits.size(); c-- > 0;)
            row += QChar(u'0' + char16_t(digits[c][r] % 10));
        rows << row;
    }
    return rows.join(u'+');
}

std::vector<std::vector<int32_t>> ColumnDigits(const QString& rows)
{
    const QStringList parts = rows.split(u'+');
    if (parts.size() < 2)
        return {};
    qsizetype columns = 0;
    for (const QString& p : parts) {
        if (p.isEmpty() || p.size() > 9)
            return {};
        for (QChar ch : p)
            if (ch < u'0' || ch > u'9')
                return {};
        columns = std::max(columns, p.size());
    }
    std::vector<std::vector<int32_t>> digits(size_t(columns), std::vector<int32_t>(size_t(parts.size()), 0));
    for (qsizetype r = 0; r < parts.size(); ++r) {
        const QString& p = parts[r];
        for (qsizetype i = 0; i < p.size(); ++i)
            digits[size_t(p.size() - 1 - i)][size_t(r)] = p[i].unicode() - u'0';
    }
    return digits;
}

QString MentalRowsText(const MentalRows& m)
{
    auto part = [&](int index, int32_t value) {
        return m.blank == index ? QStringLiteral("?") : QString::number(value);
    };
    return part(0, m.first) + u'+' + part(1, m.second) + u'=' + part(2, m.result);
}

std::optional<MentalRows> ParseMentalRows(const QString& rows)
{
    const qsizetype plus = rows.indexOf(u'+');
    const qsizetype equals = rows.indexOf(u'=');
    if (plus <= 0 || equals <= plus + 1 || equals + 1 >= rows.size())
        return std::nullopt;
    const QString parts[3] = {rows.left(plus), rows.mid(plus + 1, equals - plus - 1), rows.mid(equals + 1)};
    MentalRows m;
    int blanks = 0;
    int32_t values[3] = {0, 0, 0};
    for (int i = 0; i < 3; ++i) {
        if (parts[i] == u'?') {
            m.blank = i;
            ++blanks;
            continue;
        }
        bool ok = false;
        values[i] = parts[i].toInt(&ok);
        if (!ok || values[i] < 0 || parts[i].startsWith(u'+'))
            return std::nullopt;
    }
    if (blanks != 1)
        return std::nullopt;
    m.first = values[0];
    m.second = values[1];
    m.result = values[2];
    switch (m.blank) {
    case 0: m.first = m.result - m.second; break;
    case 1: m.second = m.result - m.first; break;
    default: m.result = m.first + m.second; break;
    }
    return m;
}

}  // namespace Practice
