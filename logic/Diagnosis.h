// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Mistakes.h"
#include "logic/Practice.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// A child's systematic errors and weak addition facts, from every first try
// the child typed. Each error is weighed by its occasions (steps where it
// could show) against the times it showed, and set against plain slips at the
// child's own slip rate; recent sums weigh more than old ones.
namespace Diagnosis {

// One key where an error showed, with its sum.
struct Example {
    int64_t sumId = 0;
    QString rows;
    QDateTime startedAt;
    ExerciseKind kind = Kind::None;
    Practice::Box box = Practice::Box::Result;
    int32_t col = 0;
    int32_t expected = 0;
    int32_t typed = 0;
};

// The evidence for one error or fact.
struct Finding {
    QString id; // catalogue id: "olvida-llevada", "hecho:7+8" ...
    Mistakes::Error error = Mistakes::Error::Fact;
    int32_t fact = -1;           // facts: A * 10 + B, A <= B
    int32_t occasions = 0;       // first tries where it could show
    int32_t seen = 0;            // of them, where it showed
    double share = 0;            // seen / occasions, recent sums weighing more
    double score = 0;            // evidence against chance slips (log-likelihood ratio, recent weighing more)
    double confidence = 0;       // 0..1; 0.5 and above with enough seen: named
    bool named = false;          // the child has it now
    bool overcome = false;       // it showed before, but not on its last occasions
    int32_t recentOccasions = 0; // the last occasions (at most kRecentOccasions)
    int32_t recentSeen = 0;      // of them, where it showed
    std::optional<Example> example; // the latest key where it showed
};

inline constexpr int32_t kRecentOccasions = 5;
// Fewer sums than this with a key: nothing is said.
inline constexpr int32_t kMinSums = 3;
// An occasion of an error followed by this many more of the same error weighs
// half as much as the latest; for the slip rate, a sum followed by this many
// sums.
inline constexpr double kHalfLifeOccasions = 30.0;
inline constexpr double kHalfLifeSums = 40.0;

struct Result {
    // Named errors and facts, most certain first; or just "ninguno" (too few
    // sums, or none wrong) or "descuido" (wrong first tries with no pattern).
    QStringList ids;
    // Every error of the catalogue that had an occasion: named first, then by score.
    std::vector<Finding> errors;
    // Every fact that had an occasion: named (the weak facts) first, then by score.
    std::vector<Finding> facts;
    int32_t sums = 0; // sums with at least one key
    int32_t firstTries = 0;
    int32_t wrongFirstTries = 0;
    double slipRate = 0; // wrong first tries that no named error or fact explains

    const Finding* Find(const QString& id) const;
    // The weak facts as "A+B", most certain first.
    QStringList WeakFacts() const;
    // "7+8 6+9", or "-" for none.
    QString WeakFactsText() const;
};

// sums: one child's, oldest first (finished or not).
Result Diagnose(const std::vector<Practice::Sum>& sums);
// The same, of the latest sums only.
Result DiagnoseLatest(const std::vector<Practice::Sum>& sums, size_t latest);

// Of the errors that explain a wrong key (Mistakes::Candidates), the one the
// child's history names with the highest confidence; nullopt when it names
// none of them.
const Finding* Likeliest(const Result& result, const std::vector<Mistakes::Prediction>& candidates);

// The first try at each step of a sum: the first key typed in each box and
// column, in typing order.
std::vector<const Practice::Key*> FirstTries(const Practice::Sum& sum);

} // namespace Diagnosis
