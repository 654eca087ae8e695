// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Practice.h"

#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

// What a wrong digit means. For every step of a sum (a digit under a column,
// a carry, a whole answer) each systematic error predicts what a child who
// has it would type; a wrong first try is explained by the errors whose
// prediction it matches. The same predictions say where an error *could*
// show (its occasions), which the diagnosis and the review's dealing count.
namespace Mistakes {

enum class Error {
    ForgetsCarry,     // olvida-llevada: s % 10 where k > 0
    CarryFromNowhere, // llevada-sin-motivo: (s + 1) % 10 where k = 0, not the units
    WritesTens,       // escribe-decena: the tens under the column, the units carried
    CarryTwice,       // llevada-doble: (s + 2k) % 10 where k > 0
    CarriesOne,       // lleva-siempre-uno: 1 carried where the carry is 2 or more
    AddsForBlank,     // suma-en-vez-de-completar: a + c for a + ? = c
    Fact,             // hecho:A+B: one addition fact not known
};
inline constexpr Error kProcedureErrors[] = {Error::ForgetsCarry, Error::CarryFromNowhere,
                                             Error::WritesTens,   Error::CarryTwice,
                                             Error::CarriesOne,   Error::AddsForBlank};

// The stored identifiers: "olvida-llevada" ... ; facts "hecho:A+B" with A <= B.
QString ErrorId(Error error);
QString FactId(int32_t a, int32_t b);
// The fact "hecho:A+B" as A * 10 + B (A <= B), or nullopt for another text.
std::optional<int32_t> ParseFactId(const QString& id);
// A fact as its index 0..99 (A * 10 + B, A <= B).
inline int32_t FactIndex(int32_t a, int32_t b) { return a <= b ? a * 10 + b : b * 10 + a; }

// What a column adds up to: the digit total s and the carry received k.
struct ColumnTotal {
    int32_t s = 0;
    int32_t k = 0;
    int32_t Total() const { return s + k; }
};
// From the digits by [column][row], units first: the totals column by column,
// each carry passed on as the game passes it.
std::vector<ColumnTotal> ColumnTotals(const std::vector<std::vector<int32_t>>& digits);

// A sum read once, so that its keys can be classified one by one.
struct Shape {
    enum class Form { Unknown, Columns, Mental };
    Form form = Form::Unknown;
    std::vector<std::vector<int32_t>> digits; // Columns: [column][row], units first
    std::vector<ColumnTotal> totals;          // Columns
    Practice::MentalRows mental;              // Mental
    int32_t Columns() const { return int32_t(digits.size()); }
    int32_t Rows() const { return digits.empty() ? 0 : int32_t(digits.front().size()); }
};
Shape ReadShape(const QString& rows);

// What one error would type at a step. kAnyWrong: a fact not known shows as
// any wrong number.
inline constexpr int32_t kAnyWrong = -2;
struct Prediction {
    Error error = Error::Fact;
    int32_t fact = -1; // Fact: A * 10 + B
    int32_t typed = 0;
    QString Id() const { return error == Error::Fact ? FactId(fact / 10, fact % 10) : ErrorId(error); }
};

// The errors that could show at a step (box and col as recorded), each with
// what it would type there; only predictions that differ from the right
// answer. Column steps: a result digit, the leading digit of a last column of
// 10 or more (col = number of columns), a carry; whole answers (box Answer):
// single-column sums and mental sums.
std::vector<Prediction> Predictions(const Shape& shape, Practice::Box box, int32_t col);

// The errors that explain a wrong first try, most specific first (facts,
// which fit any wrong number, last). Empty: no pattern (a slip), or the key is
// right.
std::vector<Prediction> Candidates(const Shape& shape, const Practice::Key& key);

// The same for one column of a column sum, given directly: the column's
// digits, its total s and received carry k, whether it is the units and how
// many rows the sum has; box Result for the digit under it, Carry for the
// carry it gives (typed in the next column's box, or as a last column's
// leading digit).
std::vector<Prediction> ColumnPredictions(const std::vector<int32_t>& columnDigits, ColumnTotal total,
                                          bool units, Practice::Box box);

} // namespace Mistakes
