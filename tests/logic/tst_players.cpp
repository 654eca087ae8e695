// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Players.h"

#include <QTest>

class TestPlayers : public QObject {
    Q_OBJECT
private slots:
    void registration_data()
    {
        QTest::addColumn<int>("registered");
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<QStringList>("joined");
        QTest::addColumn<QStringList>("dropped");
        QTest::newRow("empty boxes give no one")
            << 0 << QStringList{"", "   ", "\t\n"} << QStringList{} << QStringList{};
        QTest::newRow("blanks and controls round a name")
            << 0 << QStringList{"  Ana\t", "\x01Luis\x7F"} << QStringList{"Ana", "Luis"} << QStringList{};
        QTest::newRow("inner blanks stay")
            << 0 << QStringList{"Ana  María"} << QStringList{"Ana  María"} << QStringList{};
        QTest::newRow("only unstorable characters")
            << 0 << QStringList{"😀", "Eva"} << QStringList{"Eva"} << QStringList{};
        QTest::newRow("cut to the name's length") << 0 << QStringList{"Maximiliano Fernández"}
                                                  << QStringList{"Maximiliano Fernánd"} << QStringList{};
        QTest::newRow("the last places")
            << 48 << QStringList{"A", "", "B", "C", "D"} << QStringList{"A", "B"} << QStringList{"C", "D"};
        QTest::newRow("a full game") << 50 << QStringList{" Eva "} << QStringList{} << QStringList{"Eva"};
    }
    void registration()
    {
        QFETCH(int, registered);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, joined);
        QFETCH(QStringList, dropped);
        const Players::Registration r = Players::Register(registered, typed);
        QCOMPARE(r.joined, joined);
        QCOMPARE(r.dropped, dropped);
    }

    void turns_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("previous");
        QTest::newRow("one player keeps the turn") << 1 << 1 << 1 << 1;
        QTest::newRow("middle") << 2 << 3 << 3 << 1;
        QTest::newRow("last goes round") << 3 << 3 << 1 << 2;
        QTest::newRow("first goes back to the last") << 1 << 3 << 2 << 3;
    }
    void turns()
    {
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(int, next);
        QFETCH(int, previous);
        QCOMPARE(Players::NextTurn(current, count), next);
        QCOMPARE(Players::PreviousTurn(current, count), previous);
    }
};

QTEST_APPLESS_MAIN(TestPlayers)
#include "tst_players.moc"
