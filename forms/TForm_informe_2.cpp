// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_informe_2.h"

#include "app/Fonts.h"

TForm_informe_2::TForm_informe_2(const Worksheet::Job& job, QWidget* parent)
    : TWorksheetForm(job, "TForm_informe_2", parent)
{
    const QFont digits = DigitFont(29);
    const QStringList names = Worksheet::CellNames(Worksheet::Form::Rows);
    // Per sum: rows 1 (bottom, beside the "+") to 5 (top), right-aligned.
    for (int i = 0; i < names.size(); ++i) {
        const int sum = i / 5;
        const int row = i % 5 + 1;
        const int x0 = 50 + sum * 230;
        AddCell(names[i], QRect(x0 + 30, 8 + (5 - row) * 34, 150, 34), digits,
                Qt::AlignRight | Qt::AlignVCenter);
    }
    const char* plus[] = {"QRLabel9", "QRLabel8", "QRLabel16"};
    const char* rule[] = {"QRShape1", "QRShape2", "QRShape3"};
    for (int sum = 0; sum < 3; ++sum) {
        const int x0 = 50 + sum * 230;
        AddSign(QLatin1String(plus[sum]), QStringLiteral("+"), QRect(x0, 8 + 4 * 34, 30, 34), digits);
        AddRule(QLatin1String(rule[sum]), QRect(x0, 182, 186, 3));
    }
    AddMemo(226);
}
