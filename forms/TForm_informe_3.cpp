// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_informe_3.h"

#include "app/Fonts.h"

TForm_informe_3::TForm_informe_3(const Worksheet::Job& job, QWidget* parent)
    : TWorksheetForm(job, "TForm_informe_3", parent)
{
    const QFont digits = DigitFont(21);
    const QStringList names = Worksheet::CellNames(Worksheet::Form::Mental);
    // Sums 1 and 2 on the upper line, 3 and 4 on the lower; each first
    // addend, "+", second addend, "=", result.
    const auto origin = [](int sum) { return QPoint(20 + (sum % 2) * 360, 18 + (sum / 2) * 58); };
    const int partX[] = {0, 108, 186};
    const Qt::Alignment partAlign[] = {Qt::AlignRight | Qt::AlignVCenter, Qt::AlignCenter,
                                       Qt::AlignLeft | Qt::AlignVCenter};
    for (int i = 0; i < names.size(); ++i) {
        const QPoint o = origin(i / 3);
        AddCell(names[i], QRect(o.x() + partX[i % 3], o.y(), i % 3 == 1 ? 50 : 80, 32), digits,
                partAlign[i % 3]);
    }
    const char* plus[] = {"QRLabel9", "QRLabel8", "QRLabel16", "QRLabel13"};
    const char* equals[] = {"QRLabel5", "QRLabel6", "QRLabel7", "QRLabel11"};
    for (int sum = 0; sum < 4; ++sum) {
        const QPoint o = origin(sum);
        AddSign(QLatin1String(plus[sum]), QStringLiteral("+"), QRect(o.x() + 84, o.y(), 22, 32), digits);
        AddSign(QLatin1String(equals[sum]), QStringLiteral("="), QRect(o.x() + 160, o.y(), 22, 32), digits);
    }
    AddMemo(134);
}
