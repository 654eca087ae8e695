// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/PracticeRecorder.h"

namespace {

class Forgetful final : public PracticeRecorder {
public:
    void SumDealt(const QString&, ExerciseKind, const QString&, const QDateTime&) override {}
    void KeyChecked(Practice::Box, int32_t, int32_t, int32_t, const QDateTime&) override {}
    void SumEnded(bool, const QDateTime&) override {}
};

Forgetful forgetful;
PracticeRecorder* current = &forgetful;

}  // namespace

PracticeRecorder& TheRecorder() { return *current; }

void SetRecorder(PracticeRecorder* recorder) { current = recorder ? recorder : &forgetful; }
