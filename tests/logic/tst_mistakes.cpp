// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Mistakes.h"

#include <QTest>

using Practice::Box;

class TestMistakes : public QObject {
    Q_OBJECT
private slots:
    void candidates_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<int>("box");
        QTest::addColumn<int>("col");
        QTest::addColumn<int>("expected");
        QTest::addColumn<int>("typed");
        QTest::addColumn<QString>("ids");
        const int r = int(Box::Result), c = int(Box::Carry), a = int(Box::Answer);
        // 47 + 38: units 15 (5, carry 1), tens 4 + 3 + 1 = 8.
        QTest::newRow("forgets the carry") << "47+38" << r << 1 << 8 << 7 << "olvida-llevada,hecho:3+4";
        QTest::newRow("carry twice") << "47+38" << r << 1 << 8 << 9 << "llevada-doble,hecho:3+4";
        QTest::newRow("tens written") << "47+38" << r << 0 << 5 << 1 << "escribe-decena,hecho:7+8";
        QTest::newRow("units carried") << "47+38" << c << 1 << 1 << 5 << "escribe-decena";
        QTest::newRow("other carry") << "47+38" << c << 1 << 1 << 3 << "";
        QTest::newRow("other digit") << "47+38" << r << 1 << 8 << 2 << "hecho:3+4";
        QTest::newRow("no number") << "47+38" << r << 1 << 8 << -1 << "";
        QTest::newRow("right") << "47+38" << r << 1 << 8 << 8 << "";
        QTest::newRow("carry from nowhere") << "23+45" << r << 1 << 6 << 7 << "llevada-sin-motivo,hecho:2+4";
        QTest::newRow("units never carry") << "23+45" << r << 0 << 8 << 9 << "hecho:3+5";
        // 56 + 65: tens 5 + 6 + 1 = 12; forgetting the carry and writing the
        // tens both give 1.
        QTest::newRow("ambiguous") << "56+65" << r << 1 << 2 << 1
                                   << "olvida-llevada,escribe-decena,hecho:5+6";
        // 99 + 99 + 99: units 27 (carry 2), tens 27 + 2 = 29, leading 2.
        QTest::newRow("carries one") << "99+99+99" << r << 1 << 9 << 8 << "lleva-siempre-uno";
        QTest::newRow("forgets two") << "99+99+99" << r << 1 << 9 << 7 << "olvida-llevada";
        QTest::newRow("twice two") << "99+99+99" << r << 1 << 9 << 1 << "llevada-doble";
        QTest::newRow("carry box one") << "99+99+99" << c << 1 << 2 << 1 << "lleva-siempre-uno";
        QTest::newRow("carry box units") << "99+99+99" << c << 1 << 2 << 7 << "escribe-decena";
        QTest::newRow("leading one") << "99+99+99" << r << 2 << 2 << 1 << "lleva-siempre-uno";
        QTest::newRow("leading units") << "99+99+99" << r << 2 << 2 << 9 << "escribe-decena";
        QTest::newRow("past the columns") << "99+99+99" << r << 3 << 0 << 1 << "";
        QTest::newRow("carry into units") << "99+99+99" << c << 0 << 0 << 1 << "";
        QTest::newRow("single column") << "7+8" << a << 0 << 15 << 14 << "hecho:7+8";
        QTest::newRow("second blank") << "6+?=8" << a << 0 << 2 << 14 << "suma-en-vez-de-completar,hecho:2+6";
        QTest::newRow("first blank") << "?+5=9" << a << 0 << 4 << 14 << "suma-en-vez-de-completar,hecho:4+5";
        QTest::newRow("blank, other") << "?+5=9" << a << 0 << 4 << 3 << "hecho:4+5";
        QTest::newRow("result blank") << "6+2=?" << a << 0 << 8 << 9 << "hecho:2+6";
        QTest::newRow("large addend") << "12+?=15" << a << 0 << 3 << 27 << "suma-en-vez-de-completar";
        QTest::newRow("unreadable") << "4x+38" << r << 0 << 5 << 1 << "";
    }
    void candidates()
    {
        QFETCH(QString, rows);
        QFETCH(int, box);
        QFETCH(int, col);
        QFETCH(int, expected);
        QFETCH(int, typed);
        QFETCH(QString, ids);
        Practice::Key key;
        key.box = Box(box);
        key.col = col;
        key.expected = expected;
        key.typed = typed;
        QStringList got;
        for (const Mistakes::Prediction& p : Mistakes::Candidates(Mistakes::ReadShape(rows), key))
            got << p.Id();
        QCOMPARE(got.join(u','), ids);
    }

    void columnTotals_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("totals"); // s/k, units first
        QTest::newRow("one carry") << "47+38"
                                   << "15/0 7/1";
        QTest::newRow("none") << "23+45"
                              << "8/0 6/0";
        QTest::newRow("carry of two") << "99+99+99"
                                      << "27/0 27/2";
        QTest::newRow("carry runs on") << "951+049"
                                       << "10/0 9/1 9/1";
        QTest::newRow("five rows") << "9+9+9+9+9"
                                   << "45/0";
    }
    void columnTotals()
    {
        QFETCH(QString, rows);
        QFETCH(QString, totals);
        QStringList got;
        for (const Mistakes::ColumnTotal& t : Mistakes::ColumnTotals(Practice::ColumnDigits(rows)))
            got << QStringLiteral("%1/%2").arg(t.s).arg(t.k);
        QCOMPARE(got.join(u' '), totals);
    }

    void factIds()
    {
        QCOMPARE(Mistakes::FactId(8, 7), QStringLiteral("hecho:7+8"));
        QCOMPARE(Mistakes::ParseFactId(QStringLiteral("hecho:7+8")), std::optional<int32_t>(78));
        QCOMPARE(Mistakes::ParseFactId(QStringLiteral("hecho:0+0")), std::optional<int32_t>(0));
        for (const char* bad : {"hecho:8+7", "hecho:7+10", "hecho:a+1", "olvida-llevada", "hecho:7-8"})
            QVERIFY2(!Mistakes::ParseFactId(QString::fromLatin1(bad)), bad);
    }
};

QTEST_APPLESS_MAIN(TestMistakes)
#include "tst_mistakes.moc"
