// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Diagnosis.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace Diagnosis {

using Mistakes::Error;
using Mistakes::Prediction;

namespace {

// How often a child with an error shows it on an occasion; children are
// rarely fully consistent, and a lower figure lets few occasions speak.
constexpr double kShowsError = 0.65;
constexpr double kMissesFact = 0.75;
// A slip is any wrong digit: one given wrong digit is one of nine.
constexpr double kWrongDigits = 9.0;
// The slip rate is never taken below this, so that a child with no slips
// does not turn one odd digit into an error.
constexpr double kLeastSlipRate = 0.01;
// Naming: at least this many times seen, this share of the occasions, and
// this much evidence against slips.
constexpr int32_t kLeastErrorSeen = 2;
constexpr int32_t kLeastFactSeen = 2;
constexpr double kLeastErrorShare = 0.3;
constexpr double kLeastFactShare = 0.35;
constexpr double kErrorEvidence = 2.0;
constexpr double kFactEvidence = 2.0;

constexpr size_t kErrors = std::size(Mistakes::kProcedureErrors);
constexpr size_t kFacts = 100;

struct Step {
    const Practice::Sum* sum = nullptr;
    const Practice::Key* key = nullptr;
    double weight = 1;
    std::vector<Prediction> predictions;
    bool wrong = false;
    bool explained = false; // by a named error
    bool Shows(const Prediction& p) const
    {
        return wrong && (p.typed == key->typed || (p.typed == Mistakes::kAnyWrong && key->typed >= 0));
    }
};

struct Tally {
    int32_t occasions = 0, seen = 0;
    double weightedOccasions = 0, weightedSeen = 0;
    const Step* latest = nullptr;
    // Fed newest first: each occasion weighs less the more occasions of the
    // same error came after it.
    void Count(const Step& step, bool shows)
    {
        const double weight = std::exp2(-double(occasions) / kHalfLifeOccasions);
        ++occasions;
        weightedOccasions += weight;
        if (shows) {
            ++seen;
            weightedSeen += weight;
            if (!latest)
                latest = &step;
        }
    }
};

double SlipRate(double wrong, double tries)
{
    return std::max(kLeastSlipRate, (wrong + 0.5) / (tries + 10.0));
}

// Evidence that a child shows something with probability `shows` on its
// occasions rather than by chance with probability `chance`.
double Evidence(const Tally& t, double shows, double chance)
{
    chance = std::clamp(chance, 1e-6, 0.5);
    return t.weightedSeen * std::log(shows / chance) +
           (t.weightedOccasions - t.weightedSeen) * std::log((1.0 - shows) / (1.0 - chance));
}

Finding MakeFinding(const Tally& t, double score, double threshold, double leastShare, int32_t leastSeen)
{
    Finding f;
    f.occasions = t.occasions;
    f.seen = t.seen;
    f.share = t.weightedOccasions > 0 ? t.weightedSeen / t.weightedOccasions : 0;
    f.score = score;
    f.confidence = 1.0 / (1.0 + std::exp(threshold - score));
    f.named = t.seen >= leastSeen && f.share >= leastShare && score >= threshold;
    if (t.latest) {
        const Step& s = *t.latest;
        f.example = Example{s.sum->id,  s.sum->rows, s.sum->startedAt, s.sum->kind,
                            s.key->box, s.key->col,  s.key->expected,  s.key->typed};
    }
    return f;
}

// The last occasions, newest first, decide whether an error is overcome.
template <typename IsOccasion, typename Shows>
void CountRecent(Finding& f, double leastShare, const std::vector<Step>& steps, IsOccasion isOccasion,
                 Shows shows)
{
    for (auto it = steps.rbegin(); it != steps.rend() && f.recentOccasions < kRecentOccasions; ++it) {
        for (const Prediction& p : it->predictions) {
            if (!isOccasion(*it, p))
                continue;
            ++f.recentOccasions;
            if (shows(*it, p))
                ++f.recentSeen;
            break;
        }
    }
    // Overcome: it was plain before its last occasions, and absent on them.
    const int32_t olderOccasions = f.occasions - f.recentOccasions;
    f.overcome = f.recentOccasions == kRecentOccasions && f.recentSeen == 0 && f.seen >= 2 &&
                 f.seen >= leastShare * olderOccasions;
    if (f.overcome)
        f.named = false;
}

void Order(std::vector<Finding>& findings)
{
    std::stable_sort(findings.begin(), findings.end(), [](const Finding& a, const Finding& b) {
        if (a.named != b.named)
            return a.named;
        return a.score > b.score;
    });
}

size_t ErrorIndex(Error e) { return size_t(e); }

// Whether some wrong first try is put down to no error or fact the child has
// or had.
bool HasSlips(const Result& result, const std::vector<Step>& steps)
{
    std::array<bool, kErrors> errorKnown{};
    std::array<bool, kFacts> factKnown{};
    for (const Finding& f : result.errors)
        errorKnown[ErrorIndex(f.error)] = f.named || f.overcome;
    for (const Finding& f : result.facts)
        factKnown[size_t(f.fact)] = f.named || f.overcome;
    for (const Step& s : steps) {
        if (!s.wrong)
            continue;
        const bool known = std::any_of(s.predictions.begin(), s.predictions.end(), [&](const Prediction& p) {
            return p.error == Error::Fact ? factKnown[size_t(p.fact)] && s.key->typed >= 0
                                          : errorKnown[ErrorIndex(p.error)] && s.Shows(p);
        });
        if (!known)
            return true;
    }
    return false;
}

} // namespace

std::vector<const Practice::Key*> FirstTries(const Practice::Sum& sum)
{
    std::vector<const Practice::Key*> out;
    std::vector<std::pair<Practice::Box, int32_t>> done;
    for (const Practice::Key& key : sum.keys) {
        const std::pair<Practice::Box, int32_t> step{key.box, key.col};
        if (std::find(done.begin(), done.end(), step) != done.end())
            continue;
        done.push_back(step);
        out.push_back(&key);
    }
    return out;
}

namespace {

Result DiagnoseSums(std::span<const Practice::Sum> sums)
{
    Result result;
    std::vector<Step> steps;
    int32_t order = 0;
    const int32_t answered = int32_t(
        std::count_if(sums.begin(), sums.end(), [](const Practice::Sum& s) { return !s.keys.empty(); }));
    for (const Practice::Sum& sum : sums) {
        if (sum.keys.empty())
            continue;
        const double weight = std::exp2(-double(answered - 1 - order++) / kHalfLifeSums);
        const Mistakes::Shape shape = Mistakes::ReadShape(sum.rows);
        for (const Practice::Key* key : FirstTries(sum)) {
            Step step;
            step.sum = &sum;
            step.key = key;
            step.weight = weight;
            step.wrong = key->typed != key->expected;
            step.predictions = Mistakes::Predictions(shape, key->box, key->col);
            steps.push_back(std::move(step));
        }
    }
    result.sums = answered;
    result.firstTries = int32_t(steps.size());
    double triesWeight = 0, wrongWeight = 0;
    for (const Step& s : steps) {
        triesWeight += s.weight;
        if (s.wrong) {
            ++result.wrongFirstTries;
            wrongWeight += s.weight;
        }
    }

    // Errors: the counts do not depend on the slip rate, the naming does. The
    // rate is first taken from every wrong first try, then from those the
    // named errors leave unexplained.
    std::array<Tally, kErrors> errorTally;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it)
        for (const Step& s = *it; const Prediction& p : s.predictions)
            if (p.error != Error::Fact)
                errorTally[ErrorIndex(p.error)].Count(s, s.Shows(p));
    std::array<bool, kErrors> errorNamed{};
    auto nameErrors = [&](double slipRate) {
        for (size_t e = 0; e < kErrors; ++e) {
            const double score = Evidence(errorTally[e], kShowsError, slipRate / kWrongDigits);
            errorNamed[e] =
                MakeFinding(errorTally[e], score, kErrorEvidence, kLeastErrorShare, kLeastErrorSeen).named;
        }
    };
    auto unexplainedRate = [&](auto excluded) {
        double wrong = 0, tries = 0;
        for (Step& s : steps) {
            if (excluded(s))
                continue;
            tries += s.weight;
            if (s.wrong)
                wrong += s.weight;
        }
        return SlipRate(wrong, tries);
    };
    auto explainedByNamed = [&](const Step& s) {
        for (const Prediction& p : s.predictions)
            if (p.error != Error::Fact && errorNamed[ErrorIndex(p.error)] && s.Shows(p))
                return true;
        return false;
    };
    nameErrors(SlipRate(wrongWeight, triesWeight));
    // A wrong key that a named error explains is no slip.
    double errorSlipRate = unexplainedRate([&](const Step& s) { return s.wrong && explainedByNamed(s); });
    nameErrors(errorSlipRate);
    for (Step& s : steps)
        s.explained = explainedByNamed(s);
    errorSlipRate = unexplainedRate([](const Step& s) { return s.explained; });

    for (size_t e = 0; e < kErrors; ++e) {
        const Tally& t = errorTally[e];
        if (t.occasions == 0)
            continue;
        const double score = Evidence(t, kShowsError, errorSlipRate / kWrongDigits);
        Finding f = MakeFinding(t, score, kErrorEvidence, kLeastErrorShare, kLeastErrorSeen);
        f.error = Error(e);
        f.id = Mistakes::ErrorId(f.error);
        CountRecent(
            f, kLeastErrorShare, steps, [&](const Step&, const Prediction& p) { return p.error == f.error; },
            [](const Step& s, const Prediction& p) { return s.Shows(p); });
        result.errors.push_back(std::move(f));
    }
    Order(result.errors);

    // Facts: a wrong digit a named error explains says nothing of the facts;
    // a text that is no number neither.
    auto factOccasion = [](const Step& s, const Prediction& p) {
        return p.error == Error::Fact && !s.explained && s.key->typed >= 0;
    };
    std::array<Tally, kFacts> factTally;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it)
        for (const Step& s = *it; const Prediction& p : s.predictions)
            if (factOccasion(s, p))
                factTally[size_t(p.fact)].Count(s, s.wrong);
    std::array<bool, kFacts> factNamed{};
    auto nameFacts = [&](double slipRate) {
        for (size_t i = 0; i < kFacts; ++i)
            factNamed[i] = factTally[i].occasions > 0 &&
                           MakeFinding(factTally[i], Evidence(factTally[i], kMissesFact, slipRate),
                                       kFactEvidence, kLeastFactShare, kLeastFactSeen)
                               .named;
    };
    auto atNamedFact = [&](const Step& s) {
        if (s.explained)
            return true;
        for (const Prediction& p : s.predictions)
            if (p.error == Error::Fact && factNamed[size_t(p.fact)])
                return true;
        return false;
    };
    nameFacts(errorSlipRate);
    double factSlipRate = unexplainedRate(atNamedFact);
    nameFacts(factSlipRate);
    factSlipRate = unexplainedRate(atNamedFact);
    result.slipRate = factSlipRate;

    for (size_t i = 0; i < kFacts; ++i) {
        const Tally& t = factTally[i];
        if (t.occasions == 0)
            continue;
        // Each fact is set against the slips made everywhere but at it.
        const double score = Evidence(t, kMissesFact, factSlipRate);
        Finding f = MakeFinding(t, score, kFactEvidence, kLeastFactShare, kLeastFactSeen);
        f.fact = int32_t(i);
        f.id = Mistakes::FactId(f.fact / 10, f.fact % 10);
        CountRecent(
            f, kLeastFactShare, steps,
            [&](const Step& s, const Prediction& p) { return factOccasion(s, p) && p.fact == f.fact; },
            [](const Step& s, const Prediction&) { return s.wrong; });
        result.facts.push_back(std::move(f));
    }
    Order(result.facts);

    std::vector<const Finding*> named;
    for (const auto* list : {&result.errors, &result.facts})
        for (const Finding& f : *list)
            if (f.named)
                named.push_back(&f);
    std::stable_sort(named.begin(), named.end(),
                     [](const Finding* a, const Finding* b) { return a->score > b->score; });
    for (const Finding* f : named)
        result.ids << f->id;
    if (result.sums < kMinSums)
        result.ids.clear();
    if (result.ids.isEmpty())
        result.ids << (result.sums >= kMinSums && HasSlips(result, steps) ? QStringLiteral("descuido")
                                                                          : QStringLiteral("ninguno"));
    return result;
}

} // namespace

Result Diagnose(const std::vector<Practice::Sum>& sums) { return DiagnoseSums(sums); }

Result DiagnoseLatest(const std::vector<Practice::Sum>& sums, size_t latest)
{
    return DiagnoseSums(std::span(sums).last(std::min(latest, sums.size())));
}

const Finding* Result::Find(const QString& id) const
{
    for (const auto* list : {&errors, &facts})
        for (const Finding& f : *list)
            if (f.id == id)
                return &f;
    return nullptr;
}

QStringList Result::WeakFacts() const
{
    QStringList out;
    for (const Finding& f : facts)
        if (f.named)
            out << QStringLiteral("%1+%2").arg(f.fact / 10).arg(f.fact % 10);
    return out;
}

QString Result::WeakFactsText() const
{
    const QStringList weak = WeakFacts();
    return weak.isEmpty() ? QStringLiteral("-") : weak.join(u' ');
}

const Finding* Likeliest(const Result& result, const std::vector<Mistakes::Prediction>& candidates)
{
    const Finding* best = nullptr;
    for (const Prediction& p : candidates) {
        const Finding* f = result.Find(p.Id());
        if (f && f->named && (!best || f->confidence > best->confidence))
            best = f;
    }
    return best;
}

} // namespace Diagnosis
