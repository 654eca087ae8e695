// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Diagnosis.h"
#include "logic/Practice.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// What the progress window and its printed page show of one child: which
// addition facts are known, how much was done day by day, how long a digit
// takes, and the diagnosis told in plain Spanish. Everything here is computed
// from the child's sums alone.
namespace Progress {

enum class Period { Week, Month, All };
inline constexpr Period kPeriods[] = {Period::Week, Period::Month, Period::All};
// "Última semana", "Último mes", "Todo".
QString PeriodName(Period period);
// The first moment the period covers; invalid for Todo.
QDateTime PeriodStart(Period period, const QDateTime& now);
// The sums started at or after since (all of them when since is invalid).
std::vector<Practice::Sum> Since(const std::vector<Practice::Sum>& sums, const QDateTime& since);

// The addition facts as written: the top digit plus the one below it (a
// two-row column that receives no carry), a single-column sum, or the two
// numbers of a mental sum. Only the first try at each step counts.
struct FactCell {
    int32_t tries = 0;
    int32_t right = 0;  // right at the first try
    double Share() const { return tries > 0 ? double(right) / tries : 0.0; }
};
struct FactsGrid {
    std::array<FactCell, 100> cells{};  // [a * 10 + b]
    const FactCell& At(int a, int b) const { return cells[size_t(a * 10 + b)]; }
    FactCell& At(int a, int b) { return cells[size_t(a * 10 + b)]; }
    int32_t Met() const;  // facts tried at least once
};
FactsGrid Facts(const std::vector<Practice::Sum>& sums);
// "7 + 8: 12 veces, 5 bien a la primera"; "7 + 8: todavía no ha salido".
QString FactText(int a, int b, const FactCell& cell);

// One day with practice.
struct Day {
    QDate date;
    int32_t finished = 0;    // sums finished
    int32_t answered = 0;    // sums with at least one key
    int32_t rightFirst = 0;  // of those, with no wrong key at all
    double Share() const { return answered > 0 ? double(rightFirst) / answered : 0.0; }
};
// The days with any sum, oldest first.
std::vector<Day> Days(const std::vector<Practice::Sum>& sums);

// The exercise windows grouped as the game's menu groups them.
enum class Family { OneColumn, OneColumnCarry, NoCarry, Carry, Rows, Mental };
inline constexpr Family kFamilies[] = {Family::OneColumn, Family::OneColumnCarry, Family::NoCarry,
                                       Family::Carry,     Family::Rows,           Family::Mental};
QString FamilyName(Family family);
// False for a code of no exercise window.
bool FamilyOf(ExerciseKind kind, Family* family);

struct Timing {
    Family family = Family::OneColumn;
    int32_t digits = 0;         // digits typed
    double medianSeconds = 0;   // per digit
};
// The families with any key, in menu order. A whole answer of several digits
// counts as that many digits; pauses over two minutes (the child left) are
// not counted.
std::vector<Timing> Times(const std::vector<Practice::Sum>& sums);

// One line of the diagnosis, told to a parent.
struct Sentence {
    QString id;        // catalogue id, "descuido" or "ninguno"
    QString text;      // what happens, with a real example when there is one
    QString practice;  // what to practise; may be empty
    int32_t seen = 0;  // times it showed in the period
};
// The sentences of the ids the diagnosis names, most certain first; the
// examples are looked up among sums for the whole sum the child wrote, and
// dated without the year when it is today's.
std::vector<Sentence> Sentences(const Diagnosis::Result& result, const std::vector<Practice::Sum>& sums,
                                const QDate& today);

// How the error catalogue reads in a chart: "Se olvida de la llevada" ...
QString ErrorLabel(const QString& id);
// The count of each error of the catalogue that showed, named ones first.
struct ErrorCount {
    QString id;
    int32_t seen = 0;
};
// Each wrong first try counted once, for the error the child's diagnosis
// makes likeliest among those it fits (a forgotten carry in a column of 12
// also fits "writes the tens"); facts only when named.
std::vector<ErrorCount> ErrorCounts(const Diagnosis::Result& result, const std::vector<Practice::Sum>& sums);

// An error the child showed and then stopped showing (the review's rule).
struct Overcome {
    QString id;
    QDate date;
};
// The column errors and facts the diagnosis saw, overcome within the sums.
std::vector<Overcome> Overcomes(const Diagnosis::Result& result, const std::vector<Practice::Sum>& sums);
// Marks each sentence of an overcome error, and adds one for an error the
// diagnosis no longer names: "Ya no le pasa: superado el 3 de diciembre."
void TellOvercome(std::vector<Sentence>& sentences, const std::vector<Overcome>& overcome,
                  const QDate& today);

// "3 de diciembre"; with the year when it is not the year of `today`.
QString DayText(const QDate& date, const QDate& today);
// "47 + 38", "584 + 469 + 673", "6 + ? = 8".
QString SumText(const QString& rows);

// Everything about one child over one period.
struct Report {
    QString player;
    Period period = Period::All;
    QDate today;
    int32_t sums = 0;      // sums with a key
    int32_t finished = 0;  // of all sums, finished
    FactsGrid facts;
    std::vector<Day> days;
    std::vector<Timing> times;
    Diagnosis::Result diagnosis;
    std::vector<Sentence> sentences;
    std::vector<ErrorCount> errors;
    std::vector<Overcome> overcome;
};
// sums: the child's, oldest first, already cut to the period.
Report Build(const QString& player, Period period, const QDateTime& now, const std::vector<Practice::Sum>& sums);
// One line that sums the report up: "120 sumas en 9 días; 80 % bien a la primera."
QString Summary(const Report& report);

}  // namespace Progress
