// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/ExerciseKind.h"
#include "logic/Practice.h"

#include <QDateTime>
#include <QString>

// Where the exercise windows report a sum's life: dealt, each key the game
// checks, ended. The game installs one that keeps the practice history; the
// default one forgets everything, and tests install one that records.
//
// Reports come in this order for each sum: SumDealt, any number of
// KeyChecked, then SumEnded (finished, or abandoned by a new sum, a closed
// window, a new game or the end of the program). A sum that got no key is
// ended like any other; the recorder decides not to keep it.
class PracticeRecorder {
public:
    virtual ~PracticeRecorder() = default;

    // player: the name as the game stores it; rows: as in Practice::Sum.
    virtual void SumDealt(const QString& player, ExerciseKind kind, const QString& rows,
                          const QDateTime& at) = 0;
    virtual void KeyChecked(Practice::Box box, int32_t col, int32_t expected, int32_t typed,
                            const QDateTime& at) = 0;
    virtual void SumEnded(bool finished, const QDateTime& at) = 0;
};

PracticeRecorder& TheRecorder();
// Installs the recorder in use (nullptr: the one that forgets); the caller
// keeps ownership.
void SetRecorder(PracticeRecorder* recorder);
