// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// Review benchmark: simulated children play the review's sums in the column
// engine the windows use, diagnosed as they go (the review only knows what
// the diagnosis says), and the same children play random sums of the
// several-column windows of two and three rows. Prints, per seed:
//  - for children with one column error of the catalogue and children with
//    two or three weak facts: the share of dealt columns that give an
//    occasion for the child's errors, in review and in random sums, once
//    over every column and once over the columns where the error can show
//    at all (a carry error never shows in the units), and over the review
//    sums dealt once the diagnosis names something;
//  - children who stop erring after kLearnAfter occasions: the sums until
//    the error counts as overcome, in review and in random sums;
//  - the time to deal one review sum, and to find the needs it is dealt for
//    from the 3000 sums the game keeps of a player.
//
//   bench_review [seed ...]      (default: seeds 1 2 3)
// CIFROLO_LEARN_AFTER=N in the environment: learners need N occasions
// (default 10) before they get the step right.

#include "logic/ColumnShapes.h"
#include "logic/ColumnSum.h"
#include "logic/Diagnosis.h"
#include "logic/Mistakes.h"
#include "logic/Practice.h"
#include "logic/Random.h"
#include "logic/Review.h"

#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <set>

namespace {

using Practice::Box;

constexpr int kChildren = 60;
constexpr int kSteadySums = 150; // sums a steady child plays
constexpr int kMaxSums = 1000;   // and a learner at most
int kLearnAfter = 10; // occasions after which the child gets it right (CIFROLO_LEARN_AFTER)
constexpr int kDiagnoseEvery = 1; // the window reads the needs at every sum

struct Child {
    QString error;           // a column error id, or empty
    std::set<int32_t> facts; // weak facts, A * 10 + B
    double consistency = 1;
    double slip = 0.05;
    bool learns = false;
    std::map<QString, int> met; // occasions met, by id
};

QStringList Ids(const Child& child)
{
    QStringList ids;
    if (!child.error.isEmpty())
        ids << child.error;
    for (int32_t f : child.facts)
        ids << Mistakes::FactId(f / 10, f % 10);
    return ids;
}

class Player {
public:
    explicit Player(uint32_t seed) : rng_(seed) {}
    double Uniform(double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(rng_); }
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(double p) { return Uniform(0, 1) < p; }

    // Plays the sum to the end, retrying every wrong digit; counts the
    // occasions the child meets.
    Practice::Sum Play(const Review::Digits& digits, Child& child)
    {
        const int rows = int(digits.front().size());
        ColumnSum engine(rows, std::vector<PairRule>(digits.size(), PairRule::Free));
        engine.Load(digits);
        Practice::Sum sum;
        sum.id = ++lastId_;
        sum.player = QStringLiteral("niño");
        sum.kind = Kind::Repaso;
        sum.rows = Practice::ColumnRows(digits);
        clock_ = clock_.addSecs(40);
        sum.startedAt = clock_;
        const Mistakes::Shape shape = Mistakes::ReadShape(sum.rows);
        const int n = engine.Columns();
        while (engine.Step() != 0) {
            const bool carry = engine.AwaitingCarry();
            const int step = engine.Step();
            const Box box = carry ? Box::Carry : Box::Result;
            const int32_t col = carry ? step : (step == n + 1 ? n : step - 1);
            const int32_t right = carry ? engine.ExpectedCarry() : engine.ExpectedResult();
            int32_t typed = FirstTry(shape, box, col, right, child);
            for (int tries = 0;; ++tries) {
                AddKey(sum, box, col, right, typed);
                const ColumnSum::Outcome o = carry ? engine.TypeCarry(typed) : engine.TypeResult(typed, true);
                if (o != ColumnSum::Outcome::Wrong)
                    break;
                if (tries > 50)
                    std::abort();
                typed = right;
            }
        }
        sum.finished = true;
        return sum;
    }

private:
    std::mt19937 rng_;
    int64_t lastId_ = 0;
    QDateTime clock_ = QDateTime(QDate(2026, 10, 5), QTime(9, 0));

    int32_t WrongDigit(int32_t right)
    {
        const int32_t d = Pick(9);
        return d >= right ? d + 1 : d;
    }

    int32_t FirstTry(const Mistakes::Shape& shape, Box box, int32_t col, int32_t right, Child& child)
    {
        for (const Mistakes::Prediction& p : Mistakes::Predictions(shape, box, col)) {
            const QString id = p.Id();
            const bool mine =
                id == child.error || (p.error == Mistakes::Error::Fact && child.facts.count(p.fact));
            if (!mine)
                continue;
            const int met = child.met[id]++;
            if (child.learns && met >= kLearnAfter)
                break;
            if (Chance(child.consistency))
                return p.typed == Mistakes::kAnyWrong ? WrongDigit(right) : p.typed;
            return right;
        }
        return Chance(child.slip) ? WrongDigit(right) : right;
    }

    void AddKey(Practice::Sum& sum, Box box, int32_t col, int32_t expected, int32_t typed)
    {
        Practice::AppendKey(sum, box, col, expected, typed, 900);
    }
};

// The random sums the child would meet otherwise: a several-column window
// of two or three rows, chosen at random.
Review::Digits RandomSum(Player& player)
{
    static const ExerciseKind kinds[] = {Kind::Sumas3, Kind::Sumas3b, Kind::Sumas4, Kind::Sumas4b,
                                         Kind::Sumas5};
    const ColumnShape& shape = ColumnShapeOf(kinds[player.Pick(5)]);
    ColumnSum engine(shape.rows, shape.rules);
    engine.Deal();
    return engine.Digits();
}

struct Tally {
    long columns = 0, eligible = 0, occasions = 0, eligibleOccasions = 0;
    void Add(const QStringList& ids, const Review::Digits& digits)
    {
        for (int c = 0; c < int(digits.size()); ++c) {
            bool any = false, can = false;
            for (const QString& id : ids) {
                any = any || Review::ColumnGivesOccasion(id, digits, c);
                can = can || Review::ColumnCanGiveOccasion(id, c);
            }
            ++columns;
            occasions += any;
            eligible += can;
            eligibleOccasions += any && can;
        }
    }
    double Share() const { return columns ? 100.0 * double(occasions) / double(columns) : 0; }
    double EligibleShare() const
    {
        return eligible ? 100.0 * double(eligibleOccasions) / double(eligible) : 0;
    }
};

struct Run {
    Tally tally;
    Tally named; // review: the sums dealt once the diagnosis names something
    long sumsToOvercome = 0;
    int overcome = 0;
};

bool AllOvercome(const Child& child, const std::vector<Practice::Sum>& history)
{
    for (const QString& id : Ids(child))
        if (!Review::OvercomeAt(id, history))
            return false;
    return true;
}

// One child plays review (or random) sums: kMaxSums for the share, and
// until overcome when it learns.
void Play(Child child, bool review, Player& player, Run& run)
{
    std::vector<Practice::Sum> history;
    Review::Dealer dealer;
    Review::Needs needs;
    const QStringList ids = Ids(child);
    const int sums = child.learns ? kMaxSums : kSteadySums;
    for (int s = 1; s <= sums; ++s) {
        if (review && (s - 1) % kDiagnoseEvery == 0)
            needs = Review::NeedsFromDiagnosis(Diagnosis::Diagnose(history));
        const Review::Digits digits = review ? dealer.Next(needs).digits : RandomSum(player);
        if (!child.learns)
            run.tally.Add(ids, digits);
        if (!child.learns && review && !needs.Empty())
            run.named.Add(ids, digits);
        history.push_back(player.Play(digits, child));
        if (child.learns && AllOvercome(child, history)) {
            run.sumsToOvercome += s;
            ++run.overcome;
            return;
        }
    }
    if (child.learns)
        run.sumsToOvercome += kMaxSums;
}

Child MakeChild(const QString& error, int facts, Player& player, bool learns)
{
    Child c;
    c.error = error;
    c.consistency = error.isEmpty() ? player.Uniform(0.7, 1.0) : player.Uniform(0.7, 1.0);
    c.slip = player.Uniform(0.0, 0.05);
    c.learns = learns;
    while (int(c.facts.size()) < facts) {
        const int a = player.Pick(10), b = player.Pick(10);
        if (a + b >= 5) // facts a child could miss
            c.facts.insert(Mistakes::FactIndex(a, b));
    }
    return c;
}

void Bench(uint32_t seed)
{
    std::printf("seed %u\n", seed);
    std::printf("  %-22s %32s %21s %20s\n", "child", "occasions review", "occasions random",
                "sums to overcome");
    std::printf("  %-22s %10s %10s %10s %10s %10s %10s %9s\n", "", "all", "eligible", "named", "all",
                "eligible", "review", "random");
    SeedRandom(seed);
    Player player(seed * 7919u + 1);
    struct Kind {
        QString error;
        int facts;
    };
    const std::vector<Kind> kinds = {{QStringLiteral("olvida-llevada"), 0},
                                     {QStringLiteral("llevada-sin-motivo"), 0},
                                     {QStringLiteral("escribe-decena"), 0},
                                     {QStringLiteral("llevada-doble"), 0},
                                     {QStringLiteral("lleva-siempre-uno"), 0},
                                     {QString(), 2},
                                     {QString(), 3}};
    for (const Kind& k : kinds) {
        Run review, random;
        for (int i = 0; i < kChildren; ++i) {
            const Child steady = MakeChild(k.error, k.facts, player, false);
            Play(steady, true, player, review);
            Play(steady, false, player, random);
            const Child learner = MakeChild(k.error, k.facts, player, true);
            Play(learner, true, player, review);
            Play(learner, false, player, random);
        }
        const QString name = k.error.isEmpty() ? QStringLiteral("%1 weak facts").arg(k.facts) : k.error;
        std::printf("  %-22s %9.1f%% %9.1f%% %9.1f%% %9.1f%% %9.1f%% %10.1f %9.1f   (%.1fx; overcome %d/%d "
                    "and %d/%d)\n",
                    name.toUtf8().constData(), review.tally.Share(), review.tally.EligibleShare(),
                    review.named.EligibleShare(), random.tally.Share(), random.tally.EligibleShare(),
                    double(review.sumsToOvercome) / kChildren, double(random.sumsToOvercome) / kChildren,
                    double(random.sumsToOvercome) / double(std::max<long>(1, review.sumsToOvercome)),
                    review.overcome, kChildren, random.overcome, kChildren);
    }

    Review::Dealer dealer;
    const Review::Needs needs = Review::NeedsFromIds(
        {QStringLiteral("olvida-llevada"), QStringLiteral("lleva-siempre-uno"), QStringLiteral("hecho:7+8")});
    constexpr int kDeals = 100000;
    QElapsedTimer timer;
    timer.start();
    long digits = 0;
    for (int i = 0; i < kDeals; ++i)
        digits += long(dealer.Next(needs).digits.size());
    const double us = double(timer.nsecsElapsed()) / 1000.0 / kDeals;
    std::printf("  dealing a sum: %.2f us (%ld columns dealt)\n", us, digits);

    // In the game the needs come first: the diagnosis of the latest 600 of
    // the player's sums the mistake notes keep (at most 3000).
    Child child = MakeChild(QStringLiteral("olvida-llevada"), 2, player, false);
    std::vector<Practice::Sum> kept;
    for (int i = 0; i < 3000; ++i)
        kept.push_back(player.Play(RandomSum(player), child));
    constexpr int kReads = 20;
    timer.restart();
    long named = 0;
    for (int i = 0; i < kReads; ++i)
        named += Review::NeedsFromDiagnosis(Diagnosis::DiagnoseLatest(kept, 600)).errors.size();
    std::printf("  needs from the latest 600 of 3000 kept sums: %.2f ms (%ld named)\n\n",
                double(timer.nsecsElapsed()) / 1e6 / kReads, named / kReads);
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<uint32_t> seeds;
    for (int i = 1; i < argc; ++i)
        seeds.push_back(uint32_t(std::strtoul(argv[i], nullptr, 10)));
    if (seeds.empty())
        seeds = {1, 2, 3};
    if (const char* n = std::getenv("CIFROLO_LEARN_AFTER"))
        kLearnAfter = std::max(1, std::atoi(n));
    for (uint32_t s : seeds)
        Bench(s);
    return 0;
}
