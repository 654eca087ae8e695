// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TWorksheetForm.h"

// Two numbers written digit by digit in columns, three sums a band.
class TForm_informe_1 : public TWorksheetForm {
    Q_OBJECT
public:
    explicit TForm_informe_1(const Worksheet::Job& job, QWidget* parent = nullptr);
};
