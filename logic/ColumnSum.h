// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/SumDigits.h"

#include <cstdint>
#include <vector>

// The digit-by-digit entry of a sum written in columns, for every
// several-column window. The child types the result from the units
// leftwards, one digit at a time; a column that reaches 10 or more passes
// its carry to the next column (typed in the carry box, or added silently);
// a last column of 10 or more is typed as two digits. The machine holds the
// sum and the step and says what each typed digit means; the window shows it.
class ColumnSum {
public:
    enum class Outcome {
        Ignored,           // nothing is waiting for this box
        Wrong,             // a miss; the step does not change
        AwaitCarry,        // the result digit is right; the carry box takes over
        ColumnAccepted,    // a column (or its carry) is right: one hit, next column
        AcceptedUnscored,  // the last column's digit is right; its leading digit follows
        Completed,         // the sum is done: one hit and the celebration
    };

    // rows addends; one draw rule per column, units first. Pair rules only
    // make sense for two rows; with more rows every digit is drawn once.
    ColumnSum(int rows, std::vector<PairRule> columnRules);

    int Rows() const { return rows_; }
    int Columns() const { return int(rules_.size()); }

    // A new sum: column by column from the units, the digits of every row
    // (top row first) from the random source; the entry starts at the units.
    void Deal();
    // A given sum, digits by [column][row], units first; the entry starts at
    // the units. Sizes must match Columns() and Rows(), digits 0 to 9.
    void Load(const std::vector<std::vector<int32_t>>& digits);
    // Every digit by [column][row], units first.
    const std::vector<std::vector<int32_t>>& Digits() const { return digits_; }
    // Digit of a row (0 = top) and column (0 = units).
    int32_t Digit(int row, int column) const { return digits_[column][row]; }

    // 1 = units, 2 = tens ... Columns() + 1 = the leading digit of a last
    // column of 10 or more; 0 once the sum is completed.
    int Step() const { return step_; }
    bool AwaitingCarry() const { return awaitingCarry_; }
    // Sum of a column's digits plus the carry it has received so far.
    int32_t Target(int column) const { return targets_[column]; }
    // The digit written under a column and the carry it gives the next.
    int32_t ResultDigit(int column) const { return targets_[column] % 10; }
    int32_t CarryOut(int column) const { return targets_[column] / 10; }
    // The digit the answer box (the carry box) would accept now; -1 when it
    // waits for nothing.
    int32_t ExpectedResult() const;
    int32_t ExpectedCarry() const;

    // A digit typed in the answer box (-1 for a text that is no number).
    // showCarries is read only when a carrying column's digit is accepted.
    Outcome TypeResult(int32_t digit, bool showCarries);
    // A digit typed in the carry box.
    Outcome TypeCarry(int32_t digit);

private:
    // The targets from the digits, and the entry at the units.
    void Start();

    int rows_;
    std::vector<PairRule> rules_;
    std::vector<std::vector<int32_t>> digits_;  // [column][row]
    std::vector<int32_t> targets_;
    std::vector<bool> carryPassed_;  // the carry of a column was added to the next
    int step_ = 0;
    bool awaitingCarry_ = false;
};
