// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TSingleColumnForm.h"

class TForm_sumas2 : public TSingleColumnForm {
    Q_OBJECT
public:
    explicit TForm_sumas2(QWidget* parent = nullptr);
};
