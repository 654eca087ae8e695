// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/ExerciseKind.h"
#include "logic/Practice.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <functional>
#include <vector>

// Each child's sums, as the exercise windows tell them, so that a wrong digit
// can be explained from the child's own history (see MistakeLine). Holds the
// sums of this run, after any loaded from the practice history.
class MistakeNotes {
public:
    // Where a player's earlier sums come from; asked once per player, at the
    // first sum dealt to them, before that sum is recorded.
    using HistorySource = std::function<std::vector<Practice::Sum>(const QString& player)>;
    void SetHistorySource(HistorySource source) { source_ = std::move(source); }
    // Earlier sums of a player, oldest first, in front of this run's.
    void Load(const QString& player, std::vector<Practice::Sum> sums);
    // A player's latest sums, oldest first, with every key checked so far:
    // the history asked for once, then followed sum by sum.
    const std::vector<Practice::Sum>& Sums(const QString& player);
    void Dealt(const QString& player, ExerciseKind kind, const QString& rows);
    // A checked key of the last sum dealt; returns the line for it, if any.
    QString Key(Practice::Box box, int32_t col, int32_t expected, int32_t typed);
    void Clear();

private:
    QHash<QString, std::vector<Practice::Sum>> sums_;
    QSet<QString> asked_; // players whose history was asked for
    HistorySource source_;
    QString player_;
    bool open_ = false;
};

MistakeNotes& TheMistakeNotes();
