// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/ColumnSum.h"

#include "logic/Random.h"

#include <algorithm>
#include <utility>

ColumnSum::ColumnSum(int rows, std::vector<PairRule> columnRules)
    : rows_(rows), rules_(std::move(columnRules))
{
    digits_.assign(rules_.size(), std::vector<int32_t>(size_t(rows_), 0));
    targets_.assign(rules_.size(), 0);
    carryPassed_.assign(rules_.size(), false);
}

void ColumnSum::Deal()
{
    for (size_t c = 0; c < rules_.size(); ++c) {
        std::vector<int32_t>& column = digits_[c];
        if (rows_ == 2) {
            const DigitPair pair = DrawPair(rules_[c]);
            column = {pair.top, pair.bottom};
        } else {
            for (int32_t& d : column)
                d = Random(10);
        }
    }
    Start();
}

void ColumnSum::Load(const std::vector<std::vector<int32_t>>& digits)
{
    for (size_t c = 0; c < digits_.size(); ++c)
        for (size_t r = 0; r < digits_[c].size(); ++r)
            digits_[c][r] = c < digits.size() && r < digits[c].size() ? std::clamp(digits[c][r], 0, 9) : 0;
    Start();
}

int32_t ColumnSum::ExpectedResult() const
{
    const int n = Columns();
    if (step_ < 1 || step_ > n + 1)
        return -1;
    return step_ == n + 1 ? CarryOut(n - 1) : ResultDigit(step_ - 1);
}

int32_t ColumnSum::ExpectedCarry() const { return awaitingCarry_ ? CarryOut(step_ - 1) : -1; }

void ColumnSum::Start()
{
    for (size_t c = 0; c < rules_.size(); ++c) {
        const std::vector<int32_t>& column = digits_[c];
        targets_[c] = 0;
        for (int32_t d : column)
            targets_[c] += d;
        carryPassed_[c] = false;
    }
    step_ = 1;
    awaitingCarry_ = false;
}

ColumnSum::Outcome ColumnSum::TypeResult(int32_t digit, bool showCarries)
{
    const int n = Columns();
    if (step_ < 1 || step_ > n + 1)
        return Outcome::Ignored;
    if (step_ == n + 1) {
        if (digit != CarryOut(n - 1))
            return Outcome::Wrong;
        step_ = 0;
        return Outcome::Completed;
    }

    const int column = step_ - 1;
    const int32_t target = targets_[column];
    if (target <= 9) {
        if (digit != target)
            return Outcome::Wrong;
        ++step_;
        if (step_ > n) {
            step_ = 0;
            return Outcome::Completed;
        }
        return Outcome::ColumnAccepted;
    }
    if (digit != ResultDigit(column))
        return Outcome::Wrong;
    if (step_ == n) {
        ++step_;
        return Outcome::AcceptedUnscored;
    }
    // Retyping the digit while the carry box waits must not carry twice.
    if (!carryPassed_[column]) {
        carryPassed_[column] = true;
        targets_[column + 1] += CarryOut(column);
    }
    // A carry box already in use stays in use for this column, whatever the
    // option says now.
    if (showCarries || awaitingCarry_) {
        awaitingCarry_ = true;
        return Outcome::AwaitCarry;
    }
    ++step_;
    return Outcome::ColumnAccepted;
}

ColumnSum::Outcome ColumnSum::TypeCarry(int32_t digit)
{
    if (!awaitingCarry_)
        return Outcome::Ignored;
    if (digit != CarryOut(step_ - 1))
        return Outcome::Wrong;
    awaitingCarry_ = false;
    ++step_;
    return Outcome::ColumnAccepted;
}
