// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/ExerciseKind.h"

#include <functional>

class QDialog;

// What the services may reach of the windows, without knowing any window's
// class. The start-up (app/Windows.cpp) installs the answers when it creates
// the windows; before that, and after they are gone, there are none.
struct WindowAccess {
    std::function<QDialog*(ExerciseKind)> exercise;
    std::function<QDialog*()> hitNotice;
    std::function<void()> resetExerciseCounters;
    std::function<bool()> choosePlayersFile;
    std::function<int(ExerciseKind)> countingSlot;
};
void SetWindowAccess(WindowAccess access);

// The exercise window of a kind code, or nullptr for 0 and unknown codes.
QDialog* ExerciseDialog(ExerciseKind kind);
// The correct-answer notice, or nullptr.
QDialog* HitNoticeDialog();
// Every exercise window's own hit and miss counters back to zero.
void ResetEveryExerciseCounters();
// The results slot in which the open exercise window counts its hits and
// misses (the review window's sums count by what they are); without a
// window, the slot of the kind code.
int CountingSlot(ExerciseKind kind);
// The results window's open dialog: the players of the file chosen, if any.
bool ChoosePlayersFile();
