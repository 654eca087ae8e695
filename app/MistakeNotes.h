// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/ExerciseKind.h"
#include "logic/Practice.h"

#include <QHash>
#include <QString>
#include <vector>

// Each child's sums, as the exercise windows tell them, so that a wrong digit
// can be explained from the child's own history (see MistakeLine). Holds the
// sums of this run, after any loaded from the practice history.
class MistakeNotes {
public:
    // Earlier sums of a player, oldest first, in front of this run's.
    void Load(const QString& player, std::vector<Practice::Sum> sums);
    void Dealt(const QString& player, ExerciseKind kind, const QString& rows);
    // A checked key of the last sum dealt; returns the line for it, if any.
    QString Key(Practice::Box box, int32_t col, int32_t expected, int32_t typed);
    void Clear();

private:
    QHash<QString, std::vector<Practice::Sum>> sums_;
    QString player_;
    bool open_ = false;
};

MistakeNotes& TheMistakeNotes();
