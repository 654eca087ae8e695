// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Mistakes.h"

#include <utility>

namespace Mistakes {

QString ErrorId(Error error)
{
    switch (error) {
    case Error::ForgetsCarry: return QStringLiteral("olvida-llevada");
    case Error::CarryFromNowhere: return QStringLiteral("llevada-sin-motivo");
    case Error::WritesTens: return QStringLiteral("escribe-decena");
    case Error::CarryTwice: return QStringLiteral("llevada-doble");
    case Error::CarriesOne: return QStringLiteral("lleva-siempre-uno");
    case Error::AddsForBlank: return QStringLiteral("suma-en-vez-de-completar");
    case Error::Fact: return QStringLiteral("hecho");
    }
    return {};
}

QString FactId(int32_t a, int32_t b)
{
    if (a > b)
        std::swap(a, b);
    return QStringLiteral("hecho:%1+%2").arg(a).arg(b);
}

std::optional<int32_t> ParseFactId(const QString& id)
{
    // "hecho:A+B", one digit each
    if (id.size() != 9 || !id.startsWith(QLatin1String("hecho:")) || id[7] != u'+')
        return std::nullopt;
    const QChar a = id[6], b = id[8];
    if (a < u'0' || a > u'9' || b < u'0' || b > u'9' || a > b)
        return std::nullopt;
    return (a.unicode() - u'0') * 10 + (b.unicode() - u'0');
}

std::vector<ColumnTotal> ColumnTotals(const std::vector<std::vector<int32_t>>& digits)
{
    std::vector<ColumnTotal> totals(digits.size());
    int32_t carry = 0;
    for (size_t c = 0; c < digits.size(); ++c) {
        totals[c].k = carry;
        for (int32_t d : digits[c])
            totals[c].s += d;
        carry = totals[c].Total() / 10;
    }
    return totals;
}

Shape ReadShape(const QString& rows)
{
    Shape shape;
    if (rows.contains(u'=')) {
        if (const auto m = Practice::ParseMentalRows(rows)) {
            shape.form = Shape::Form::Mental;
            shape.mental = *m;
        }
        return shape;
    }
    shape.digits = Practice::ColumnDigits(rows);
    if (!shape.digits.empty()) {
        shape.form = Shape::Form::Columns;
        shape.totals = ColumnTotals(shape.digits);
    }
    return shape;
}

namespace {

void Add(std::vector<Prediction>& out, Error error, int32_t typed, int32_t right)
{
    if (typed != right)
        out.push_back({error, -1, typed});
}

// The fact a column or a whole sum asks for: its only two digits.
int32_t FactOf(int32_t a, int32_t b)
{
    if (a < 0 || b < 0 || a > 9 || b > 9)
        return -1;
    return FactIndex(a, b);
}

} // namespace

std::vector<Prediction> ColumnPredictions(const std::vector<int32_t>& columnDigits, ColumnTotal total,
                                          bool units, Practice::Box box)
{
    std::vector<Prediction> out;
    const int32_t s = total.s, k = total.k, t = total.Total();
    if (box == Practice::Box::Result) {
        const int32_t right = t % 10;
        if (k > 0)
            Add(out, Error::ForgetsCarry, s % 10, right);
        if (k == 0 && !units)
            Add(out, Error::CarryFromNowhere, (s + 1) % 10, right);
        if (t >= 10)
            Add(out, Error::WritesTens, t / 10, right);
        if (k > 0)
            Add(out, Error::CarryTwice, (s + 2 * k) % 10, right);
        if (k >= 2)
            Add(out, Error::CarriesOne, (s + 1) % 10, right);
        if (columnDigits.size() == 2) {
            const int32_t fact = FactOf(columnDigits[0], columnDigits[1]);
            if (fact >= 0)
                out.push_back({Error::Fact, fact, kAnyWrong});
        }
    } else if (t >= 10) {
        const int32_t right = t / 10;
        Add(out, Error::WritesTens, t % 10, right);
        if (right >= 2)
            Add(out, Error::CarriesOne, 1, right);
    }
    return out;
}

std::vector<Prediction> Predictions(const Shape& shape, Practice::Box box, int32_t col)
{
    using Practice::Box;
    if (shape.form == Shape::Form::Mental) {
        if (box != Box::Answer || col != 0)
            return {};
        const Practice::MentalRows& m = shape.mental;
        std::vector<Prediction> out;
        if (m.blank == 0)
            Add(out, Error::AddsForBlank, m.second + m.result, m.first);
        else if (m.blank == 1)
            Add(out, Error::AddsForBlank, m.first + m.result, m.second);
        const int32_t fact = FactOf(m.first, m.second);
        if (fact >= 0)
            out.push_back({Error::Fact, fact, kAnyWrong});
        return out;
    }
    if (shape.form != Shape::Form::Columns)
        return {};
    const int32_t n = shape.Columns();
    if (box == Box::Answer) {
        // A single-column sum typed whole.
        if (n != 1 || shape.Rows() != 2 || col != 0)
            return {};
        const int32_t fact = FactOf(shape.digits[0][0], shape.digits[0][1]);
        if (fact < 0)
            return {};
        return {{Error::Fact, fact, kAnyWrong}};
    }
    if (box == Box::Result && col >= 0 && col < n)
        return ColumnPredictions(shape.digits[size_t(col)], shape.totals[size_t(col)], col == 0, Box::Result);
    // The carry a column gives: in the box above the next column, or as the
    // leading digit of a last column of 10 or more.
    const bool carry = box == Box::Carry && col >= 1 && col < n;
    const bool leading = box == Box::Result && col == n;
    if (!carry && !leading)
        return {};
    const size_t from = size_t(col - 1);
    return ColumnPredictions(shape.digits[from], shape.totals[from], from == 0, Box::Carry);
}

std::vector<Prediction> Candidates(const Shape& shape, const Practice::Key& key)
{
    std::vector<Prediction> out;
    if (key.typed == key.expected)
        return out;
    for (const Prediction& p : Predictions(shape, key.box, key.col))
        if (p.typed == key.typed || (p.typed == kAnyWrong && key.typed >= 0))
            out.push_back(p);
    return out;
}

} // namespace Mistakes
