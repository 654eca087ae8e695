// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// Diagnosis benchmark: simulated children type into the column engine the
// windows use, their keys recorded as the game records them, and the
// diagnosis is asked what each child gets wrong. Prints, for each seed:
//  - children with one systematic error (consistency 70-100 %, slips on
//    5-15 % of the other steps): how often the top id is that error after 4
//    and after 8 finished sums of a window where it can show, for each error
//    and for all (carrying 1 for 2 needs three rows, and 8 three-row sums
//    give it no occasion at all for about 3 % of children);
//  - children with slips only (up to 15 %): how many are given a systematic
//    error after 30 sums;
//  - children with two or three weak facts (missed 70-100 % of the time,
//    slips up to 5 % elsewhere): how often every fact is named once it has
//    been met 5 times, and how many facts are named wrongly per child;
//  - the time to diagnose a child with 5,000 sums.
//
//   bench_diagnosis [-v] [seed ...]      (default: seeds 1 2 3)
// -v also prints each child whose top id is not its error, and the
// findings of the long history.

#include "logic/ColumnSum.h"
#include "logic/Diagnosis.h"
#include "logic/MentalArithmetic.h"
#include "logic/Mistakes.h"
#include "logic/Practice.h"
#include "logic/Random.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <random>
#include <set>

namespace {

bool verbose = false;

using Mistakes::Error;
using Practice::Box;

struct Window {
    ExerciseKind kind;
    int rows;
    std::vector<PairRule> rules;
};

const Window kSumas3{Kind::Sumas3, 2, {PairRule::NoCarry, PairRule::NoCarry}};
const Window kSumas3b{Kind::Sumas3b, 2, {PairRule::NoCarry, PairRule::NoCarry, PairRule::NoCarry}};
const Window kSumas4{Kind::Sumas4, 2, {PairRule::Carry, PairRule::Free}};
const Window kSumas4b{Kind::Sumas4b, 2, {PairRule::Carry, PairRule::Carry, PairRule::Free}};
const Window kSumas5{Kind::Sumas5, 3, {PairRule::Free, PairRule::Free, PairRule::Free}};
const Window kSumas5b{Kind::Sumas5b, 4, {PairRule::Free, PairRule::Free, PairRule::Free}};

struct Child {
    std::optional<Error> error;
    double consistency = 1; // how often the error shows on an occasion
    double slip = 0;        // how often another step goes wrong
    std::set<int32_t> weakFacts;
    double factMiss = 0;
    bool showCarries = true;
};

class Simulator {
public:
    explicit Simulator(uint32_t seed) : rng_(seed) {}

    double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(double p) { return Uniform(0, 1) < p; }

    // A digit other than `right`.
    int32_t WrongDigit(int32_t right)
    {
        const int32_t d = Pick(9);
        return d >= right ? d + 1 : d;
    }

    // Plays one column sum to the end; meetings counts, per fact, the
    // columns of two digits that asked for it.
    Practice::Sum PlayColumns(const Window& w, const Child& child, std::vector<int>* meetings = nullptr)
    {
        ColumnSum engine(w.rows, w.rules);
        engine.Deal();
        const int n = engine.Columns();
        std::vector<std::vector<int32_t>> digits(size_t(n), std::vector<int32_t>(size_t(w.rows)));
        std::vector<int32_t> columnTotal(size_t(n), 0);
        for (int c = 0; c < n; ++c)
            for (int r = 0; r < w.rows; ++r) {
                digits[size_t(c)][size_t(r)] = engine.Digit(r, c);
                columnTotal[size_t(c)] += engine.Digit(r, c);
            }
        Practice::Sum sum = NewSum(w.kind, Practice::ColumnRows(digits));
        while (engine.Step() != 0) {
            if (engine.AwaitingCarry()) {
                const int from = engine.Step() - 1;
                const int32_t right = engine.CarryOut(from);
                const int32_t first = CarryTry(child, engine.Target(from), right);
                Type(sum, Box::Carry, from + 1, right, first, [&](int32_t d) { return engine.TypeCarry(d); });
                continue;
            }
            const int step = engine.Step();
            if (step == n + 1) {
                const int32_t right = engine.CarryOut(n - 1);
                const int32_t first = CarryTry(child, engine.Target(n - 1), right);
                Type(sum, Box::Result, n, right, first,
                     [&](int32_t d) { return engine.TypeResult(d, child.showCarries); });
                continue;
            }
            const int c = step - 1;
            const int32_t total = engine.Target(c);
            const int32_t s = columnTotal[size_t(c)];
            const int32_t received = total - s;
            const int32_t right = total % 10;
            std::optional<int32_t> wrong;
            const int32_t fact =
                w.rows == 2 ? Mistakes::FactIndex(digits[size_t(c)][0], digits[size_t(c)][1]) : -1;
            if (fact >= 0 && meetings)
                ++(*meetings)[size_t(fact)];
            if (fact >= 0 && child.weakFacts.count(fact)) {
                if (Chance(child.factMiss)) {
                    // Gets the fact a little wrong, then adds the carry as usual.
                    static const int32_t offsets[] = {-2, -1, 1, 2};
                    const int32_t a = digits[size_t(c)][0], b = digits[size_t(c)][1];
                    int32_t v = a + b + offsets[Pick(4)];
                    if (v < 0)
                        v = a + b + 1;
                    wrong = (v + received) % 10;
                }
            } else {
                wrong = ErrorDigit(child, s, received, c, right);
            }
            const int32_t first = wrong ? *wrong : right;
            Type(sum, Box::Result, c, right, first,
                 [&](int32_t d) { return engine.TypeResult(d, child.showCarries); });
        }
        sum.finished = true;
        return sum;
    }

    // A mental sum with a blank addend, typed whole.
    Practice::Sum PlayMental(const Child& child)
    {
        Mental::Settings settings;
        settings.blank = Pick(2) ? Mental::Blank::FirstAddend : Mental::Blank::SecondAddend;
        const Mental::Sum m = Mental::DrawSum(settings);
        Practice::MentalRows rows{m.first, m.second, m.result,
                                  settings.blank == Mental::Blank::FirstAddend ? 0 : 1};
        Practice::Sum sum = NewSum(Kind::Cmental1, Practice::MentalRowsText(rows));
        const int32_t shown = rows.blank == 0 ? m.second : m.first;
        int32_t first = m.answer;
        if (child.error == Error::AddsForBlank && shown + m.result != m.answer && Chance(child.consistency))
            first = shown + m.result;
        else if (Chance(child.slip))
            first = SlipNumber(m.answer);
        int32_t typed = first;
        while (true) {
            AddKey(sum, Box::Answer, 0, m.answer, typed);
            if (typed == m.answer)
                break;
            typed = Chance(child.slip) ? SlipNumber(m.answer) : m.answer;
        }
        sum.finished = true;
        return sum;
    }

private:
    std::mt19937 rng_;
    int64_t nextId_ = 1;
    QDateTime clock_ = QDateTime(QDate(2026, 9, 14), QTime(10, 0));

    Practice::Sum NewSum(ExerciseKind kind, const QString& rows)
    {
        Practice::Sum sum;
        sum.id = nextId_++;
        sum.player = QStringLiteral("niño");
        sum.kind = kind;
        sum.rows = rows;
        clock_ = clock_.addSecs(40);
        sum.startedAt = clock_;
        return sum;
    }

    int32_t SlipNumber(int32_t right)
    {
        const int32_t v = right + (Pick(2) ? 1 : -1) * (1 + Pick(3));
        return v < 0 ? right + 1 : v;
    }

    void AddKey(Practice::Sum& sum, Box box, int32_t col, int32_t expected, int32_t typed)
    {
        Practice::AppendKey(sum, box, col, expected, typed, 700 + Pick(3000));
    }

    // Types the first try, then retries until the engine takes the digit.
    template <typename Engine>
    void Type(Practice::Sum& sum, Box box, int32_t col, int32_t right, int32_t first, Engine type)
    {
        int32_t digit = first;
        for (int tries = 0;; ++tries) {
            AddKey(sum, box, col, right, digit);
            const ColumnSum::Outcome o = type(digit);
            if (o != ColumnSum::Outcome::Wrong)
                break;
            if (tries > 50)
                std::abort(); // the engine and the simulator disagree
            digit = Chance(0.1) ? WrongDigit(right) : right;
        }
    }

    // The digit the child's error gives under a column, or nullopt where it
    // gives the right one or the child types this step as it should.
    std::optional<int32_t> ErrorDigit(const Child& child, int32_t s, int32_t received, int column,
                                      int32_t right)
    {
        if (!child.error)
            return std::nullopt;
        std::optional<int32_t> v;
        switch (*child.error) {
        case Error::ForgetsCarry:
            if (received > 0)
                v = s % 10;
            break;
        case Error::CarryFromNowhere:
            if (received == 0 && column > 0)
                v = (s + 1) % 10;
            break;
        case Error::WritesTens:
            if (s + received >= 10)
                v = (s + received) / 10;
            break;
        case Error::CarryTwice:
            if (received > 0)
                v = (s + 2 * received) % 10;
            break;
        case Error::CarriesOne:
            if (received >= 2)
                v = (s + 1) % 10;
            break;
        default: break;
        }
        if (!v || *v == right)
            return Chance(child.slip) ? std::optional<int32_t>(WrongDigit(right)) : std::nullopt;
        if (Chance(child.consistency))
            return v;
        return std::optional<int32_t>(right);
    }

    // The first try at a carry (carry box or a last column's leading digit).
    int32_t CarryTry(const Child& child, int32_t total, int32_t right)
    {
        std::optional<int32_t> v;
        if (child.error == Error::WritesTens)
            v = total % 10;
        else if (child.error == Error::CarriesOne && right >= 2)
            v = 1;
        if (v && *v != right)
            return Chance(child.consistency) ? *v : right;
        return Chance(child.slip) ? WrongDigit(right) : right;
    }
};

// The windows where an error can show, for children who practise it.
std::vector<const Window*> WindowsFor(Error e)
{
    switch (e) {
    case Error::CarryFromNowhere: return {&kSumas3, &kSumas3b};
    case Error::CarriesOne: return {&kSumas5};
    default: return {&kSumas4, &kSumas4b, &kSumas5};
    }
}

const std::vector<const Window*> kTwoOrThreeRows{&kSumas3, &kSumas3b, &kSumas4, &kSumas4b, &kSumas5};
const std::vector<const Window*> kTwoRows{&kSumas3, &kSumas3b, &kSumas4, &kSumas4b};

bool NamesAnError(const Diagnosis::Result& r)
{
    for (const Diagnosis::Finding& f : r.errors)
        if (f.named)
            return true;
    return false;
}

int NamedFactsOutside(const Diagnosis::Result& r, const std::set<int32_t>& weak)
{
    int n = 0;
    for (const Diagnosis::Finding& f : r.facts)
        if (f.named && !weak.count(f.fact))
            ++n;
    return n;
}

struct Figures {
    bool ok = true;
    void Check(bool good) { ok = ok && good; }
};

void RunSeed(uint32_t seed, Figures& figures)
{
    SeedRandom(seed);
    Simulator sim(seed * 7919u + 1);
    std::printf("seed %u\n", seed);

    // One systematic error.
    constexpr int kErrorChildren = 400;
    int right4All = 0, right8All = 0, childrenAll = 0;
    for (Error e : Mistakes::kProcedureErrors) {
        int right4 = 0, right8 = 0, unmet = 0;
        for (int i = 0; i < kErrorChildren; ++i) {
            Child child;
            child.error = e;
            child.consistency = sim.Uniform(0.7, 1.0);
            child.slip = sim.Uniform(0.05, 0.15);
            child.showCarries = sim.Pick(2) == 0;
            const std::vector<const Window*> windows = WindowsFor(e);
            const Window& w = *windows[size_t(sim.Pick(int(windows.size())))];
            std::vector<Practice::Sum> sums;
            for (int k = 0; k < 8; ++k) {
                sums.push_back(e == Error::AddsForBlank ? sim.PlayMental(child) : sim.PlayColumns(w, child));
                if (k == 3 && Diagnosis::Diagnose(sums).ids.front() == Mistakes::ErrorId(e))
                    ++right4;
            }
            const Diagnosis::Result r8 = Diagnosis::Diagnose(sums);
            if (!r8.Find(Mistakes::ErrorId(e)))
                ++unmet;
            if (r8.ids.front() == Mistakes::ErrorId(e))
                ++right8;
            else if (verbose) {
                const Diagnosis::Finding* f = r8.Find(Mistakes::ErrorId(e));
                std::printf("    miss: %s; %s o=%d s=%d share=%.2f score=%.1f slip=%.3f q=%.2f sl=%.2f\n",
                            qPrintable(r8.ids.join(u',')), qPrintable(Mistakes::ErrorId(e)),
                            f ? f->occasions : 0, f ? f->seen : 0, f ? f->share : 0, f ? f->score : 0,
                            r8.slipRate, child.consistency, child.slip);
            }
        }
        std::printf("  %-26s top id right: %5.1f %% after 4 sums, %5.1f %% after 8 "
                    "(no occasion in 8 sums: %4.1f %%)\n",
                    qPrintable(Mistakes::ErrorId(e)), 100.0 * right4 / kErrorChildren,
                    100.0 * right8 / kErrorChildren, 100.0 * unmet / kErrorChildren);
        right4All += right4;
        right8All += right8;
        childrenAll += kErrorChildren;
    }
    std::printf("  one systematic error, all: %5.1f %% after 4 sums, %5.1f %% after 8 (need >= 95)\n",
                100.0 * right4All / childrenAll, 100.0 * right8All / childrenAll);
    figures.Check(right8All >= 0.95 * childrenAll);

    // Slips only.
    constexpr int kSlipChildren = 1000;
    int withError = 0, withFact = 0;
    for (int i = 0; i < kSlipChildren; ++i) {
        Child child;
        child.slip = sim.Uniform(0.0, 0.15);
        child.showCarries = sim.Pick(2) == 0;
        const Window& w = *kTwoOrThreeRows[size_t(sim.Pick(int(kTwoOrThreeRows.size())))];
        std::vector<Practice::Sum> sums;
        for (int k = 0; k < 30; ++k)
            sums.push_back(sim.PlayColumns(w, child));
        const Diagnosis::Result r = Diagnosis::Diagnose(sums);
        withError += NamesAnError(r) ? 1 : 0;
        withFact += NamedFactsOutside(r, {}) > 0 ? 1 : 0;
    }
    std::printf(
        "  slips only, 30 sums: systematic error named for %4.1f %% (need <= 3), a fact for %4.1f %%\n",
        100.0 * withError / kSlipChildren, 100.0 * withFact / kSlipChildren);
    figures.Check(withError <= 0.03 * kSlipChildren);

    // Weak facts.
    constexpr int kFactChildren = 300;
    int allNamed = 0, factsNamed = 0, factsTotal = 0, wrongFacts = 0, errorsNamed = 0;
    long sumsPlayed = 0;
    for (int i = 0; i < kFactChildren; ++i) {
        Child child;
        const int count = 2 + sim.Pick(2);
        while (int(child.weakFacts.size()) < count) {
            const int a = sim.Pick(10), b = sim.Pick(10);
            child.weakFacts.insert(Mistakes::FactIndex(a, b));
        }
        child.factMiss = sim.Uniform(0.7, 1.0);
        child.slip = sim.Uniform(0.0, 0.05);
        child.showCarries = sim.Pick(2) == 0;
        std::vector<int> meetings(100, 0);
        std::set<int32_t> pending = child.weakFacts;
        bool all = true;
        std::vector<Practice::Sum> sums;
        while (!pending.empty() && sums.size() < 2000) {
            const Window& w = *kTwoRows[size_t(sim.Pick(int(kTwoRows.size())))];
            sums.push_back(sim.PlayColumns(w, child, &meetings));
            std::optional<Diagnosis::Result> r;
            for (auto it = pending.begin(); it != pending.end();) {
                if (meetings[size_t(*it)] < 5) {
                    ++it;
                    continue;
                }
                if (!r)
                    r = Diagnosis::Diagnose(sums);
                const Diagnosis::Finding* f = r->Find(Mistakes::FactId(*it / 10, *it % 10));
                const bool named = f && f->named;
                factsNamed += named ? 1 : 0;
                ++factsTotal;
                all = all && named;
                it = pending.erase(it);
            }
        }
        allNamed += all ? 1 : 0;
        sumsPlayed += long(sums.size());
        const Diagnosis::Result r = Diagnosis::Diagnose(sums);
        wrongFacts += NamedFactsOutside(r, child.weakFacts);
        errorsNamed += NamesAnError(r) ? 1 : 0;
    }
    std::printf(
        "  weak facts: all named at their 5th meeting for %5.1f %% of children (need >= 90), "
        "each fact %5.1f %%;\n"
        "              wrong facts named per child %.2f (need <= 1), a systematic error for %4.1f %%, "
        "%.0f sums per child\n",
        100.0 * allNamed / kFactChildren, 100.0 * factsNamed / std::max(1, factsTotal),
        double(wrongFacts) / kFactChildren, 100.0 * errorsNamed / kFactChildren,
        double(sumsPlayed) / kFactChildren);
    figures.Check(allNamed >= 0.9 * kFactChildren);
    figures.Check(wrongFacts <= kFactChildren);

    // A long history.
    Child child;
    child.error = Error::ForgetsCarry;
    child.consistency = 0.8;
    child.slip = 0.1;
    child.weakFacts = {Mistakes::FactIndex(7, 8)};
    child.factMiss = 0.8;
    std::vector<Practice::Sum> sums;
    const std::vector<const Window*> all{&kSumas3, &kSumas3b, &kSumas4, &kSumas4b, &kSumas5, &kSumas5b};
    while (sums.size() < 5000)
        sums.push_back(sums.size() % 10 == 9 ? sim.PlayMental(child)
                                             : sim.PlayColumns(*all[sums.size() % all.size()], child));
    std::vector<qint64> times;
    QStringList ids;
    for (int i = 0; i < 9; ++i) {
        QElapsedTimer timer;
        timer.start();
        const Diagnosis::Result r = Diagnosis::Diagnose(sums);
        times.push_back(timer.nsecsElapsed());
        ids = r.ids;
        if (i == 0 && verbose)
            for (const auto* list : {&r.errors, &r.facts})
                for (size_t j = 0; j < std::min<size_t>(4, list->size()); ++j) {
                    const Diagnosis::Finding& f = (*list)[j];
                    std::printf("    %s o=%d s=%d share=%.2f score=%.1f named=%d overcome=%d slip=%.3f\n",
                                qPrintable(f.id), f.occasions, f.seen, f.share, f.score, f.named, f.overcome,
                                r.slipRate);
                }
    }
    std::sort(times.begin(), times.end());
    const double ms = double(times[times.size() / 2]) / 1e6;
    std::printf("  5,000 sums: diagnosed in %.1f ms median (need < 50): %s\n", ms,
                qPrintable(ids.join(u',')));
    figures.Check(ms < 50);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<uint32_t> seeds;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-v") == 0)
            verbose = true;
        else
            seeds.push_back(uint32_t(std::strtoul(argv[i], nullptr, 10)));
    if (seeds.empty())
        seeds = {1, 2, 3};
    Figures figures;
    for (uint32_t seed : seeds)
        RunSeed(seed, figures);
    std::printf("%s\n", figures.ok ? "every figure met" : "SOME FIGURE NOT MET");
    return figures.ok ? 0 : 1;
}
