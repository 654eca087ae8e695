// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TColumnSumForm.h"

class TForm_sumas5c : public TColumnSumForm {
    Q_OBJECT
public:
    explicit TForm_sumas5c(QWidget* parent = nullptr);
};
