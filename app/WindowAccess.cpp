// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/WindowAccess.h"

#include "logic/Scoring.h"

namespace {
WindowAccess access;
}  // namespace

void SetWindowAccess(WindowAccess a) { access = std::move(a); }

QDialog* ExerciseDialog(ExerciseKind kind) { return access.exercise ? access.exercise(kind) : nullptr; }

QDialog* HitNoticeDialog() { return access.hitNotice ? access.hitNotice() : nullptr; }

int CountingSlot(ExerciseKind kind)
{
    return access.countingSlot ? access.countingSlot(kind) : CounterSlotFor(kind);
}

bool ChoosePlayersFile() { return access.choosePlayersFile && access.choosePlayersFile(); }

void ResetEveryExerciseCounters()
{
    if (access.resetExerciseCounters)
        access.resetExerciseCounters();
}
