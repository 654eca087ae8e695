// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TExerciseForm.h"

class TForm_cmental1 : public TExerciseForm {
    Q_OBJECT
public:
    explicit TForm_cmental1(QWidget* parent = nullptr);

    void NewSum() override;
};
