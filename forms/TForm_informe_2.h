// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TWorksheetForm.h"

// Three to five rows of whole numbers, three sums a band.
class TForm_informe_2 : public TWorksheetForm {
    Q_OBJECT
public:
    explicit TForm_informe_2(const Worksheet::Job& job, QWidget* parent = nullptr);
};
