// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Scoring.h"
#include "logic/Texts.h"

#include <QTest>

class TestScoring : public QObject {
    Q_OBJECT
private slots:
    void clockText_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("start") << 0 << "  0 : 00";
        QTest::newRow("59 s") << 59 << "  0 : 59";
        QTest::newRow("one minute") << 60 << "  1 : 00";
        QTest::newRow("65 s") << 65 << "  1 : 05";
        QTest::newRow("ten minutes") << 600 << " 10 : 00";
        QTest::newRow("999 minutes") << 59999 << "999 : 59";
        QTest::newRow("capped at 999") << 60000 << "999 : 00";
        QTest::newRow("far beyond") << 2000000 << "999 : 20";
    }
    void clockText()
    {
        QFETCH(int, seconds);
        QFETCH(QString, text);
        QCOMPARE(SumTimeText(seconds), text);
    }

    void counterSlots_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("slot");
        for (int k : {1, 3, 33})
            QTest::addRow("kind %d without carrying", k) << k << 0;
        for (int k : {2, 4, 44, 5, 55, 555})
            QTest::addRow("kind %d with carrying", k) << k << 1;
        QTest::newRow("mental") << 6 << 4;
        for (int k : {0, 7, 333, -1})
            QTest::addRow("kind %d counts nowhere", k) << k << -1;
    }
    void counterSlots()
    {
        QFETCH(int, kind);
        QFETCH(int, slot);
        QCOMPARE(CounterSlotFor(kind), slot);
    }

    void countersSaturate()
    {
        QCOMPARE(BumpCounter(0), 1);
        QCOMPARE(BumpCounter(32699), 32700);
        QCOMPARE(BumpCounter(32700), 32700);
        // A value from a foreign file above the cap is brought back to it.
        QCOMPARE(BumpCounter(2000000000), 32700);
    }

    void spreadText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("spread");
        QTest::newRow("empty") << "" << " " << "";
        QTest::newRow("one character") << "7" << "  " << "7";
        QTest::newRow("two characters") << "12" << "  " << "1  2";
        QTest::newRow("several") << "584" << " " << "5 8 4";
    }
    void spreadText()
    {
        QFETCH(QString, text);
        QFETCH(QString, separator);
        QFETCH(QString, spread);
        QCOMPARE(SpreadText(text, separator), spread);
    }
};

QTEST_APPLESS_MAIN(TestScoring)
#include "tst_scoring.moc"
