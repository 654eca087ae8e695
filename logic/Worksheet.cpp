// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Worksheet.h"

#include "logic/Random.h"
#include "logic/Texts.h"

#include <algorithm>

namespace Worksheet {

const Layout& LayoutOf(Form form)
{
    static const Layout columns{41, 160, 6};
    static const Layout rows{41, 250, 4};
    static const Layout mental{60, 159, 6};
    switch (form) {
    case Form::Columns: return columns;
    case Form::Rows: return rows;
    case Form::Mental: return mental;
    }
    return columns;
}

int32_t FitBands(int32_t lengthTenths, const Layout& layout)
{
    // Tenths of a millimetre against report pixels: 38/100 turns the one
    // into the other closely enough.
    int64_t fit = (int64_t(lengthTenths) - layout.headerHeight) / std::max(layout.detailHeight, 1);
    fit = fit * 38 / 100;
    return int32_t(std::clamp<int64_t>(fit, 1, INT32_MAX));
}

// --- Columns ---------------------------------------------------------------

int32_t ColumnsOf(int32_t kind)
{
    switch (kind) {
    case 2:
    case 12: return 2;
    case 3:
    case 13: return 3;
    default: return 1;
    }
}

PlaceRule RuleFor(int32_t kind, int sum, Place place)
{
    const int32_t columns = ColumnsOf(kind);
    const bool used =
        place == Units || (place == Tens && columns >= 2) || (place == Hundreds && columns == 3);
    if (!used)
        return {};
    if (kind < 10)
        return {true, PairRule::NoCarry};
    switch (place) {
    case Units: return {true, sum == 1 ? PairRule::Free : PairRule::Carry};
    case Tens: return {true, PairRule::Carry};
    case Hundreds: return {true, PairRule::Free};
    }
    return {};
}

std::array<BandSum, 3> DrawColumnBand(int32_t kind)
{
    std::array<BandSum, 3> sums;
    for (Place place : {Hundreds, Tens, Units}) {
        for (int s = 0; s < 3; ++s) {
            const PlaceRule r = RuleFor(kind, s, place);
            sums[s].used[place] = r.used;
            if (r.used)
                sums[s].places[place] = DrawPair(r.rule);
        }
    }
    return sums;
}

QString ColumnSolution(const BandSum& sum, int32_t columns)
{
    int32_t u = sum.places[Units].Sum();
    int32_t t = sum.places[Tens].Sum();
    int32_t h = sum.places[Hundreds].Sum();
    if (u > 9) {
        t += 1;
        u -= 10;
    }
    if (t > 9) {
        h += 1;
        t -= 10;
    }
    const QString units = QString::number(u);
    const QString tens = QString::number(t);
    switch (columns) {
    case 1: return (t > 0 ? tens : QString()) + units;
    case 2: return (h > 0 ? QString::number(h) : QString()) + tens + units;
    default: return QString::number(h) + tens + units;
    }
}

std::array<BandSum, 3> DealReviewBand(Review::Dealer& dealer, const Review::Needs& needs)
{
    std::array<BandSum, 3> sums;
    for (BandSum& sum : sums) {
        const Review::Digits digits = dealer.Next(needs, {.rows = 2, .columns = 3}).digits;
        for (size_t c = 0; c < digits.size() && c < 3; ++c) {
            if (digits[c].size() < 2)
                continue;
            const size_t place = size_t(Units) - c;
            sum.used[place] = true;
            sum.places[place] = {digits[c][0], digits[c][1]};
        }
    }
    return sums;
}

int32_t ColumnsOf(const BandSum& sum) { return sum.used[Hundreds] ? 3 : sum.used[Tens] ? 2 : 1; }

// --- Rows ------------------------------------------------------------------

int32_t RowLimitOf(int32_t kind) { return kind == 13 ? 1000 : 10000; }

int32_t RowCountOf(int32_t rows)
{
    switch (rows) {
    case 15: return 5;
    case 14: return 4;
    default: return 3;
    }
}

int32_t RowSum::Total() const
{
    int32_t total = 0;
    for (int32_t i = 0; i < count; ++i)
        total += rows[i];
    return total;
}

int32_t DrawRowNumber(int32_t limit)
{
    int32_t n = Random(limit);
    if (n < 10)
        n += 10;
    return n;
}

std::array<RowSum, 3> DrawRowBand(int32_t kind, int32_t rows)
{
    const int32_t limit = RowLimitOf(kind);
    const int32_t count = RowCountOf(rows);
    std::array<RowSum, 3> sums;
    for (RowSum& sum : sums) {
        sum.count = count;
        for (int32_t row = count - 1; row >= 0; --row)
            sum.rows[row] = DrawRowNumber(limit);
    }
    return sums;
}

// --- Mental ----------------------------------------------------------------

std::array<Mental::Sum, 4> DrawMentalBand(const Mental::Settings& settings)
{
    std::array<Mental::Sum, 4> sums;
    for (Mental::Sum& s : sums)
        s = Mental::DrawSum(settings);
    return sums;
}

// --- Bands -----------------------------------------------------------------

QStringList CellNames(Form form)
{
    QStringList names;
    switch (form) {
    case Form::Columns:
        for (int s = 1; s <= 3; ++s)
            for (int row = 1; row <= 2; ++row)
                for (const char* place : {"c", "d", "u"})
                    names << QStringLiteral("QRLabel_c%1_%2_f%3").arg(s).arg(QLatin1String(place)).arg(row);
        break;
    case Form::Rows:
        for (int s = 1; s <= 3; ++s)
            for (int row = 1; row <= 5; ++row)
                names << QStringLiteral("QRLabel_c%1_f%2").arg(s).arg(row);
        break;
    case Form::Mental:
        for (int s = 1; s <= 4; ++s)
            for (const char* part : {"p1", "p2", "s"})
                names << QStringLiteral("QRLabel_c%1_%2").arg(s).arg(QLatin1String(part));
        break;
    }
    return names;
}

namespace {

QString Bracketed(const QString& text) { return QLatin1Char('[') + text + QLatin1Char(']'); }

}  // namespace

Report::Report(const Job& job)
    : job_(job), layout_(LayoutOf(job.form)), cellCount_(CellNames(job.form).size())
{
}

void Report::StartPage()
{
    fit_ = FitBands(job_.lengthTenths, layout_);
    total_ = int32_t(std::clamp<int64_t>(int64_t(job_.pages) * layout_.groupSize, 0, INT32_MAX));
}

bool Report::NeedData(Band& band)
{
    band.cells = QStringList(cellCount_, QString());
    if (position_ == 0) {
        memo_.clear();
        solutions_.clear();
    }
    band.filled = position_ < fit_;
    if (band.filled)
        solutions_ += FillBand(band.cells);
    position_ += 1;
    if (position_ >= layout_.groupSize) {
        position_ = 0;
        if (job_.solutions)
            memo_ = solutions_;
    }
    band.memo = memo_;
    delivered_ += 1;
    if (delivered_ > total_) {
        position_ = 0;
        delivered_ = 0;
        return false;
    }
    return true;
}

QString Report::FillBand(QStringList& cells)
{
    QString text = QStringLiteral("~");
    switch (job_.form) {
    case Form::Columns: {
        const auto sums = job_.review ? DealReviewBand(dealer_, job_.needs) : DrawColumnBand(job_.kind);
        for (int s = 0; s < 3; ++s) {
            for (int place = 0; place < 3; ++place) {
                if (!sums[s].used[place])
                    continue;
                cells[s * 6 + place] = QString::number(sums[s].places[place].top);
                cells[s * 6 + 3 + place] = QString::number(sums[s].places[place].bottom);
            }
            text +=
                Bracketed(ColumnSolution(sums[s], job_.review ? ColumnsOf(sums[s]) : ColumnsOf(job_.kind)));
        }
        break;
    }
    case Form::Rows: {
        const auto sums = DrawRowBand(job_.kind, job_.rows);
        for (int s = 0; s < 3; ++s) {
            for (int32_t row = 0; row < sums[s].count; ++row)
                cells[s * 5 + row] = SpreadText(QString::number(sums[s].rows[row]), QStringLiteral(" "));
            text += Bracketed(QString::number(sums[s].Total()));
        }
        break;
    }
    case Form::Mental: {
        const auto sums = DrawMentalBand(job_.mental);
        const auto put = [&cells](int s, const QString& p1, const QString& p2, const QString& result) {
            cells[s * 3] = p1;
            cells[s * 3 + 1] = p2;
            cells[s * 3 + 2] = result;
        };
        const auto n = [](int32_t v) { return QString::number(v); };
        put(0, kBlank, n(sums[0].second), n(sums[0].result));
        put(1, n(sums[1].first), n(sums[1].second), kBlank);
        put(2, n(sums[2].first), kBlank, n(sums[2].result));
        put(3, kBlank, kBlank, n(sums[3].result));
        text += Bracketed(n(sums[0].first)) + Bracketed(n(sums[1].result)) + QStringLiteral("~") +
                Bracketed(n(sums[2].second)) +
                Bracketed(n(sums[3].first) + QStringLiteral("+") + n(sums[3].second));
        break;
    }
    }
    return text + QStringLiteral(" ");
}

}  // namespace Worksheet
