// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_informe_1.h"

#include "app/Fonts.h"

TForm_informe_1::TForm_informe_1(const Worksheet::Job& job, QWidget* parent)
    : TWorksheetForm(job, "TForm_informe_1", parent)
{
    const QFont digits = DigitFont(29);
    const QStringList names = Worksheet::CellNames(Worksheet::Form::Columns);
    // Per sum: top row f1 and second row f2, each hundreds, tens, units.
    for (int i = 0; i < names.size(); ++i) {
        const int sum = i / 6;
        const int row = (i / 3) % 2;
        const int place = i % 3;
        const int x0 = 70 + sum * 220;
        AddCell(names[i], QRect(x0 + 40 + place * 34, 10 + row * 40, 32, 38), digits);
    }
    const char* plus[] = {"QRLabel9", "QRLabel8", "QRLabel16"};
    const char* rule[] = {"QRShape1", "QRShape2", "QRShape3"};
    for (int sum = 0; sum < 3; ++sum) {
        const int x0 = 70 + sum * 220;
        AddSign(QLatin1String(plus[sum]), QStringLiteral("+"), QRect(x0, 50, 32, 38), digits);
        AddRule(QLatin1String(rule[sum]), QRect(x0, 92, 146, 3));
    }
    AddMemo(138);
}
