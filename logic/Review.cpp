// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Review.h"

#include "logic/Mistakes.h"
#include "logic/Random.h"

#include <algorithm>
#include <map>
#include <utility>

namespace Review {

namespace {

const QString kForgets = QStringLiteral("olvida-llevada");
const QString kFromNowhere = QStringLiteral("llevada-sin-motivo");
const QString kWritesTens = QStringLiteral("escribe-decena");
const QString kTwice = QStringLiteral("llevada-doble");
const QString kAlwaysOne = QStringLiteral("lleva-siempre-uno");
// The aim of a sum whose columns are the weak facts.
const QString kFactPrefix = QStringLiteral("hecho:");

// A column of `rows` digits, each at least `least`, whose total with the
// carry k lies in [lo, hi]. Digits are drawn again until it does; after many
// misses (an awkward range) the column is built by hand.
std::vector<int32_t> DrawColumn(int rows, int32_t k, int32_t lo, int32_t hi, int32_t least = 0)
{
    std::vector<int32_t> column(size_t(rows), least);
    for (int attempt = 0; attempt < 200; ++attempt) {
        int32_t t = k;
        for (int32_t& d : column) {
            d = least + Random(10 - least);
            t += d;
        }
        if (t >= lo && t <= hi)
            return column;
    }
    int32_t want = std::clamp(lo, k + least * rows, k + 9 * rows) - k - least * rows;
    for (int32_t& d : column) {
        d = least + std::min<int32_t>(9 - least, want);
        want -= d - least;
    }
    return column;
}

int32_t CarryInto(const Digits& digits)
{
    const std::vector<Mistakes::ColumnTotal> totals = Mistakes::ColumnTotals(digits);
    return totals.empty() ? 0 : totals.back().Total() / 10;
}

// A fact of the pool as a column, either way round; for the leading column,
// one without a 0 where the pool has one.
std::vector<int32_t> FactColumn(const std::vector<int32_t>& pool, bool leading)
{
    std::vector<int32_t> nonZero;
    if (leading)
        for (int32_t fact : pool)
            if (fact / 10 > 0) // the smaller digit first
                nonZero.push_back(fact);
    const std::vector<int32_t>& from = nonZero.empty() ? pool : nonZero;
    const int32_t fact = from[size_t(Random(int32_t(from.size())))];
    if (Random(2) == 0)
        return {fact / 10, fact % 10};
    return {fact % 10, fact / 10};
}

// Columns units first, each with a total range given the carry the columns
// before it pass; in two rows, one of the facts given where one fits. No
// number starts with a 0.
template <typename Range>
Digits Build(int rows, int columns, Range range, const std::vector<int32_t>& facts = {})
{
    Digits digits;
    for (int c = 0; c < columns; ++c) {
        const int32_t k = CarryInto(digits);
        const auto [lo, hi] = range(c, k);
        const bool leading = c == columns - 1;
        std::vector<int32_t> fitting;
        if (rows == 2)
            for (int32_t fact : facts)
                if (const int32_t t = fact / 10 + fact % 10 + k; t >= lo && t <= hi)
                    fitting.push_back(fact);
        digits.push_back(fitting.empty() ? DrawColumn(rows, k, lo, hi, leading ? 1 : 0)
                                         : FactColumn(fitting, leading));
    }
    return digits;
}

// A number of columns in [lo, hi], within the limit.
int ColumnsIn(int lo, int hi, const Limits& limits)
{
    const int top = std::max(1, std::min(hi, limits.columns));
    const int bottom = std::min(lo, top);
    return bottom + Random(top - bottom + 1);
}

// Two or three rows, within the limit.
int RowsIn(const Limits& limits) { return limits.rows >= 3 ? 2 + Random(2) : 2; }

bool Contains(const std::vector<int32_t>& facts, int32_t fact)
{
    return std::find(facts.begin(), facts.end(), fact) != facts.end();
}

Digits FactColumns(const std::vector<int32_t>& pool, int columns)
{
    Digits digits;
    for (int c = 0; c < columns; ++c)
        digits.push_back(FactColumn(pool, c == columns - 1));
    return digits;
}

// The facts mixed review and probes draw from: not weak, those not yet
// known first (they are the evidence the diagnosis lacks).
std::vector<int32_t> ReviewFacts(const Needs& needs)
{
    std::vector<int32_t> unknown, fine;
    for (int32_t a = 0; a <= 9; ++a)
        for (int32_t b = a; b <= 9; ++b) {
            const int32_t fact = a * 10 + b;
            if (Contains(needs.facts, fact))
                continue;
            (Contains(needs.knownFacts, fact) ? fine : unknown).push_back(fact);
        }
    return unknown.empty() ? fine : unknown;
}

// Mixed review: mostly two rows, each column one of the facts above.
Digits Mixed(const Needs& needs, const Limits& limits)
{
    const int columns = ColumnsIn(3, 4, limits);
    if (limits.rows >= 3 && Random(3) == 0)
        return Build(3, columns, [](int, int32_t) { return std::pair{0, 99}; });
    return FactColumns(ReviewFacts(needs), columns);
}

// Evidence for every column error in one sum: its columns but the last pass
// a carry of 1 (totals 12-19), of 2 (20-29, three rows) or none (0-9) in
// turn, so that the columns after them receive one, two or nothing. Two in
// three have two rows, whose columns are facts not yet known where one fits
// (evidence of the weak facts too).
Digits Probe(const Needs& needs, const Limits& limits)
{
    const int columns = ColumnsIn(4, 5, limits);
    const int last = columns - 1;
    const int rows = limits.rows >= 3 && Random(3) == 0 ? 3 : 2;
    using Range = std::pair<int32_t, int32_t>;
    const std::vector<Range> passes =
        rows == 3 ? std::vector<Range>{{12, 19}, {20, 29}, {0, 9}} : std::vector<Range>{{12, 19}, {0, 9}};
    const int first = Random(int32_t(passes.size()));
    return Build(
        rows, columns,
        [&](int c, int32_t) { return c < last ? passes[size_t(first + c) % passes.size()] : Range{0, 99}; },
        ReviewFacts(needs));
}

Digits Aimed(const QString& id, const Needs& needs, const Limits& limits)
{
    if (id.startsWith(kFactPrefix))
        return FactColumns(needs.facts, ColumnsIn(3, 5, limits));
    // Carry errors: five columns, so that nearly every column passes or
    // receives a carry (the units never receive one).
    const int columns = ColumnsIn(5, 5, limits);
    const int last = columns - 1;
    if (id == kForgets || id == kTwice)
        return Build(RowsIn(limits), columns, [last](int c, int32_t) {
            return c < last ? std::pair{10, 99} : std::pair{0, 99};
        });
    if (id == kWritesTens)
        // Every column of 12 to 21, the last one too (its leading digit is
        // the same occasion as a carry); 11 would read the same either way.
        return Build(RowsIn(limits), columns, [](int, int32_t) { return std::pair{12, 21}; });
    if (id == kFromNowhere)
        // Nothing carries: every column after the units receives none.
        return Build(2, columns, [last](int c, int32_t) {
            return c < last ? std::pair{0, 9} : std::pair{0, 99};
        });
    // lleva-siempre-uno: carries of two need three rows; with two, carries
    // of one are the nearest occasion.
    const int rows = limits.rows >= 3 ? 3 : 2;
    return Build(rows, columns, [last, rows](int c, int32_t) {
        return c < last ? std::pair{rows == 3 ? 20 : 10, 99} : std::pair{0, 99};
    });
}

} // namespace

Needs NeedsFromIds(const QStringList& ids)
{
    Needs needs;
    for (const QString& id : ids) {
        const QString trimmed = id.trimmed();
        if (ColumnErrors().contains(trimmed) && !needs.errors.contains(trimmed))
            needs.errors.push_back(trimmed);
        const int32_t fact = Mistakes::ParseFactId(trimmed).value_or(-1);
        if (fact >= 0 && std::find(needs.facts.begin(), needs.facts.end(), fact) == needs.facts.end())
            needs.facts.push_back(fact);
    }
    return needs;
}

namespace {

// Whether the key where a fact last showed is as well explained by one of
// the errors: then the error, not the fact, is what the child has shown.
bool ExplainedByError(const Diagnosis::Finding& fact, const QStringList& errors)
{
    if (!fact.example)
        return false;
    const Diagnosis::Example& e = *fact.example;
    const Practice::Key key{0, e.col, e.box, e.expected, e.typed, 0};
    for (const Mistakes::Prediction& p : Mistakes::Candidates(Mistakes::ReadShape(e.rows), key))
        if (p.error != Mistakes::Error::Fact && errors.contains(p.Id()))
            return true;
    return false;
}

} // namespace

Needs NeedsFromDiagnosis(const Diagnosis::Result& diagnosis)
{
    Needs needs = NeedsFromIds(diagnosis.ids);
    // A suspect: shown on at least half of its occasions, not named yet
    // (the diagnosis names nothing in a child's first sums).
    constexpr double kSuspectShare = 0.5;
    constexpr size_t kMostSuspects = 3;
    const auto suspect = [&](const Diagnosis::Finding& f) {
        return !diagnosis.ids.contains(f.id) && !f.overcome && f.seen > 0 && f.share >= kSuspectShare;
    };
    for (const Diagnosis::Finding& f : diagnosis.errors)
        if (suspect(f) && ColumnErrors().contains(f.id) && size_t(needs.suspectErrors.size()) < kMostSuspects)
            needs.suspectErrors.push_back(f.id);
    const QStringList errors = needs.errors + needs.suspectErrors;
    for (const Diagnosis::Finding& f : diagnosis.facts)
        if (suspect(f) && !ExplainedByError(f, errors) && needs.suspectFacts.size() < kMostSuspects)
            needs.suspectFacts.push_back(f.fact);
    constexpr int32_t kKnownAfter = 3;
    for (const Diagnosis::Finding& f : diagnosis.facts)
        if (f.seen == 0 && f.occasions >= kKnownAfter)
            needs.knownFacts.push_back(f.fact);
    return needs;
}

Dealt Dealer::Next(const Needs& given, Limits limits)
{
    limits.rows = std::clamp(limits.rows, 2, kMaxRows);
    limits.columns = std::clamp(limits.columns, 1, kMaxColumns);
    // Suspects are dealt like needs; what the child already does well is
    // reviewed with the named needs only.
    Needs needs = given;
    for (const QString& id : given.suspectErrors)
        if (!needs.errors.contains(id))
            needs.errors.push_back(id);
    needs.facts.insert(needs.facts.end(), given.suspectFacts.begin(), given.suspectFacts.end());
    // Aims: each error, and the weak facts together as one. Without needs,
    // probes gather the evidence.
    QStringList aims = needs.errors;
    if (!needs.facts.empty())
        aims.push_back(kFactPrefix);
    if (aims.isEmpty())
        aims.push_back(ProbeAim());
    Dealt dealt;
    for (int attempt = 0; attempt < 50; ++attempt) {
        if (Random(3) < 2) {
            dealt.aim = aims[Random(int32_t(aims.size()))];
            dealt.digits = dealt.aim == ProbeAim() ? Probe(given, limits) : Aimed(dealt.aim, needs, limits);
            if (dealt.aim == kFactPrefix)
                dealt.aim = Mistakes::FactId(dealt.digits[0][0], dealt.digits[0][1]);
        } else {
            dealt.aim.clear();
            dealt.digits = Mixed(given, limits);
        }
        if (dealt.digits != last_)
            break;
    }
    last_ = dealt.digits;
    return dealt;
}

bool Carries(const Digits& digits)
{
    const std::vector<Mistakes::ColumnTotal> totals = Mistakes::ColumnTotals(digits);
    return std::any_of(totals.begin(), totals.end(), [](const auto& t) { return t.Total() >= 10; });
}

int ResultsSlot(const Digits& digits) { return Carries(digits) ? 1 : 0; }

std::vector<Step> OccasionSteps(const QString& id, const Digits& digits)
{
    using Practice::Box;
    Mistakes::Shape shape;
    shape.form = Mistakes::Shape::Form::Columns;
    shape.digits = digits;
    shape.totals = Mistakes::ColumnTotals(digits);
    const int32_t n = shape.Columns();
    // Every step the sum can ask for, in typing order.
    std::vector<Step> all;
    for (int32_t c = 0; c < n; ++c) {
        all.push_back({Box::Result, c});
        if (c + 1 < n)
            all.push_back({Box::Carry, c + 1});
    }
    if (n > 0 && shape.totals.back().Total() >= 10)
        all.push_back({Box::Result, n});
    std::vector<Step> steps;
    for (const Step& step : all)
        for (const Mistakes::Prediction& p : Mistakes::Predictions(shape, step.box, step.col))
            if (p.Id() == id) {
                steps.push_back(step);
                break;
            }
    return steps;
}

bool ColumnGivesOccasion(const QString& id, const Digits& digits, int column)
{
    using Practice::Box;
    const int32_t n = int32_t(digits.size());
    for (const Step& s : OccasionSteps(id, digits)) {
        const bool own = s.box == Box::Result && (s.col == column || (s.col == n && column == n - 1));
        if (own || (s.box == Box::Carry && s.col == column + 1))
            return true;
    }
    return false;
}

bool ColumnCanGiveOccasion(const QString& id, int column)
{
    if (id == kForgets || id == kTwice || id == kFromNowhere)
        return column > 0;
    return true;
}

std::optional<QDateTime> OvercomeAt(const QString& id, const std::vector<Practice::Sum>& sums)
{
    bool shown = false;
    int run = 0;
    std::optional<QDateTime> at;
    for (const Practice::Sum& sum : sums) {
        const Digits digits = Practice::ColumnDigits(sum.rows);
        if (digits.empty())
            continue;
        const std::vector<Step> steps = OccasionSteps(id, digits);
        std::vector<Step> tried;
        for (const Practice::Key& key : sum.keys) {
            const Step step{key.box, key.col};
            if (std::find(tried.begin(), tried.end(), step) != tried.end())
                continue;
            tried.push_back(step);
            if (std::find(steps.begin(), steps.end(), step) == steps.end())
                continue;
            if (key.typed != key.expected) {
                shown = true;
                run = 0;
                at.reset();
            } else if (++run >= kOvercomeRun && shown && !at) {
                at = sum.startedAt;
            }
        }
    }
    return at;
}

QString Encouragement(const QString& id)
{
    static const std::map<QString, QString> lines = {
        {kForgets, QStringLiteral("¡Ya no se te olvidan las llevadas!")},
        {kFromNowhere, QStringLiteral("¡Ya solo te llevas cuando hace falta!")},
        {kWritesTens, QStringLiteral("¡Ya escribes las unidades y te llevas las decenas!")},
        {kTwice, QStringLiteral("¡Ya sumas la llevada una sola vez!")},
        {kAlwaysOne, QStringLiteral("¡Ya te llevas lo que toca, aunque sean 2!")},
    };
    const auto it = lines.find(id);
    if (it != lines.end())
        return it->second;
    if (const auto fact = Mistakes::ParseFactId(id))
        return QStringLiteral("¡Ya te sabes %1 + %2!").arg(*fact / 10).arg(*fact % 10);
    return {};
}

QString Encourager::SumEnded(const QString& player, const QString& aim, bool clean)
{
    if (aim.isEmpty())
        return {};
    int& run = runs_[{player, aim}];
    run = clean ? run + 1 : 0;
    return run > 0 && run % kEncourageRun == 0 ? Encouragement(aim) : QString();
}

} // namespace Review
