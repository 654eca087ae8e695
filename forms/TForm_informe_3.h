// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TWorksheetForm.h"

// Mental arithmetic: four horizontal sums with a blank, two lines a band.
class TForm_informe_3 : public TWorksheetForm {
    Q_OBJECT
public:
    explicit TForm_informe_3(const Worksheet::Job& job, QWidget* parent = nullptr);
};
