// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Diagnosis.h"
#include "logic/Practice.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>
#include <vector>

// The review exercise's rules: which column sum to deal a child next, given
// what the diagnosis says of that child, and when a diagnosed error counts as
// overcome. Sums are digits by [column][row], units first, as ColumnSum::Load
// takes them.
namespace Review {

using Digits = std::vector<std::vector<int32_t>>;

// Largest sums the review deals: three rows, five columns.
inline constexpr int kMaxRows = 3;
inline constexpr int kMaxColumns = 5;

// The largest sum a caller can take (a worksheet band takes two rows of
// three columns).
struct Limits {
    int rows = kMaxRows;
    int columns = kMaxColumns;
};

// The column errors the review can give occasions for, in catalogue order.
inline const QStringList& ColumnErrors()
{
    static const QStringList ids = {QStringLiteral("olvida-llevada"), QStringLiteral("llevada-sin-motivo"),
                                    QStringLiteral("escribe-decena"), QStringLiteral("llevada-doble"),
                                    QStringLiteral("lleva-siempre-uno")};
    return ids;
}

// What the review aims at for one child.
struct Needs {
    QStringList errors;         // column errors the diagnosis names, most certain first
    std::vector<int32_t> facts; // weak facts as A * 10 + B, A <= B
    // Not named yet, but wrong on most of their few occasions: dealt like
    // the needs, so that the diagnosis soon knows.
    QStringList suspectErrors;
    std::vector<int32_t> suspectFacts;
    // Facts met often enough and never missed: mixed review puts the
    // others in its columns first, to find the weak ones sooner.
    std::vector<int32_t> knownFacts;
    bool Empty() const { return errors.isEmpty() && facts.empty(); }
};

// From the diagnosis' ids ("olvida-llevada", "hecho:7+8", "ninguno" ...).
// Ids that no column sum can show (mental arithmetic, "descuido",
// "ninguno") are left out; an empty result means "gather evidence".
Needs NeedsFromIds(const QStringList& ids);
// From a whole diagnosis: its ids, the suspects and the known facts.
Needs NeedsFromDiagnosis(const Diagnosis::Result& diagnosis);

// The aim of a sum dealt to gather evidence of every column error.
inline const QString& ProbeAim()
{
    static const QString aim = QStringLiteral("sondeo");
    return aim;
}

struct Dealt {
    Digits digits;
    // The id this sum was built for, or ProbeAim(); empty for mixed review.
    QString aim;
};

// Deals review sums. About two thirds aim at the child's needs (one of the
// errors, or the weak facts as column digits), the rest are mixed review.
// A carry error gets four or five columns, so that most columns receive or
// pass a carry. With no needs, two thirds are probes in which every column
// error can show, so the diagnosis gets its evidence. Never the same digits
// twice in a row. Every choice comes from the game's random source.
class Dealer {
public:
    Dealt Next(const Needs& needs, Limits limits = {});
    const Digits& Last() const { return last_; }

private:
    Digits last_;
};

// Whether some column of the sum passes a carry.
bool Carries(const Digits& digits);
// The results slot the sum counts in: 1 with carrying, 0 without.
int ResultsSlot(const Digits& digits);

// The steps of a sum where an error (or a fact "hecho:A+B") could show: a
// digit under column col (box Result), or a carry (box Carry, col = the
// column that receives it; the number of columns for the leading digit of a
// last column of 10 or more).
struct Step {
    Practice::Box box = Practice::Box::Result;
    int32_t col = 0;
    bool operator==(const Step&) const = default;
};
std::vector<Step> OccasionSteps(const QString& id, const Digits& digits);
// Whether a column gives an occasion: one of the steps above is its digit or
// the carry it passes on.
bool ColumnGivesOccasion(const QString& id, const Digits& digits, int column);
// Whether any column of any sum could give the error an occasion; the units
// never receive a carry, so the carry errors cannot show there.
bool ColumnCanGiveOccasion(const QString& id, int column);

// An error counts as overcome once the child has met this many occasions in
// a row right at the first try, after having shown it.
inline constexpr int kOvercomeRun = 6;

// When the error "id" was overcome, from one child's sums (oldest first):
// the start of the sum that completed the run; nullopt when it never showed,
// the run is not complete, or it showed again after the run.
std::optional<QDateTime> OvercomeAt(const QString& id, const std::vector<Practice::Sum>& sums);

// The child's encouraging line for an error that has stopped showing.
QString Encouragement(const QString& id);

// Aimed sums in a row, right at the first try, after which the window
// shows the encouraging line.
inline constexpr int kEncourageRun = 3;

// Counts, per player and aim, the aimed sums finished in a row with every
// first try right.
class Encourager {
public:
    // The line to show when this sum completes a run (and every further
    // kEncourageRun sums), else empty. A sum with a miss starts the run again.
    QString SumEnded(const QString& player, const QString& aim, bool clean);

private:
    std::map<std::pair<QString, QString>, int> runs_;
};

} // namespace Review
