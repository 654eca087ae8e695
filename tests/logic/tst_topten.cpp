// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/TopTen.h"

#include <QTest>

namespace {

PointsEntry Entry(const QString& name, int32_t points)
{
    PointsEntry e;
    e.SetName(name);
    e.points = points;
    return e;
}

// Saved entries s0, s1, ... with the points given; the rest empty.
TopTenList Loaded(const QList<int>& points)
{
    std::array<PointsEntry, kTopTen> saved{};
    for (int i = 0; i < points.size(); ++i)
        saved[size_t(i)] = Entry(QStringLiteral("s%1").arg(i), points[i]);
    TopTenList list;
    LoadList(list, saved);
    return list;
}

// The group with `group` points and players p1, p2, ... with theirs.
std::array<PointsEntry, kPointsEntries> Table(int group, const QList<int>& players)
{
    std::array<PointsEntry, kPointsEntries> table{};
    table[0] = Entry(QStringLiteral("Grupo"), group);
    for (int i = 0; i < players.size(); ++i)
        table[size_t(i + 1)] = Entry(QStringLiteral("p%1").arg(i + 1), players[i]);
    return table;
}

// The ten rows as "name points", a new one marked with '*'.
QString Rows(const TopTenList& list)
{
    QStringList rows;
    for (int i = 0; i < kTopTen; ++i) {
        const TopTenEntry& e = list.entries[size_t(i)];
        rows << (e.isNew ? QStringLiteral("*") : QString()) + AnsiToString(e.name, PointsEntry::kNameBytes) +
                    QLatin1Char(' ') + QString::number(e.points);
    }
    return rows.join(QLatin1Char('|'));
}

QString Empty(int n) { return QStringList(n, QStringLiteral(" 0")).join(QLatin1Char('|')); }

}  // namespace

class TestTopTen : public QObject {
    Q_OBJECT
private slots:
    void merge_data()
    {
        QTest::addColumn<QList<int>>("saved");
        QTest::addColumn<int>("group");
        QTest::addColumn<QList<int>>("players");
        QTest::addColumn<QString>("rows");
        QTest::newRow("one player, no group") << QList<int>{} << 50 << QList<int>{12} << "*p1 12|" + Empty(9);
        QTest::newRow("25 after the existing 25") << QList<int>{40, 30, 25, 10} << 0 << QList<int>{25}
                                                  << "s0 40|s1 30|s2 25|*p1 25|s3 10|" + Empty(5);
        QTest::newRow("30 into a list of 30 or more")
            << QList<int>(10, 30) << 0 << QList<int>{30}
            << "s0 30|s1 30|s2 30|s3 30|s4 30|s5 30|s6 30|s7 30|s8 30|s9 30";
        QTest::newRow("the last row drops out")
            << QList<int>{9, 8, 7, 6, 5, 4, 3, 2, 1, 1} << 0 << QList<int>{5}
            << "s0 9|s1 8|s2 7|s3 6|s4 5|*p1 5|s5 4|s6 3|s7 2|s8 1";
        QTest::newRow("zero or negative, empty rows left")
            << QList<int>{5} << 0 << QList<int>{0, -3} << "s0 5|" + Empty(9);
        // Only a list written elsewhere holds negative points.
        QTest::newRow("negative above a worse negative")
            << QList<int>{5, -8} << 0 << QList<int>{-3} << "s0 5|*p1 -3|s1 -8|" + Empty(7);
        QTest::newRow("two players: the group first")
            << QList<int>{} << 30 << QList<int>{10, 30} << "*Grupo 30|*p2 30|*p1 10|" + Empty(7);
        QTest::newRow("eleven strong players") << QList<int>{90, 80, 70} << 0 << QList<int>(11, 100)
                                               << "*p1 100|*p2 100|*p3 100|*p4 100|*p5 100|*p6 100|*p7 100|"
                                                  "*p8 100|*p9 100|*p10 100";
        QTest::newRow("eleven strong players, mixed")
            << QList<int>{90} << 0 << QList<int>{95, 120, 95, 100, 95, 130, 95, 95, 110, 95, 95}
            << "*p6 130|*p2 120|*p9 110|*p4 100|*p1 95|*p3 95|*p5 95|*p7 95|*p8 95|*p10 95";
    }
    // Ties keep the older entry first; each candidate goes in at most once.
    void merge()
    {
        QFETCH(QList<int>, saved);
        QFETCH(int, group);
        QFETCH(QList<int>, players);
        QFETCH(QString, rows);
        TopTenList list = Loaded(saved);
        const auto table = Table(group, players);
        QCOMPARE(Merge(list, table.data(), int32_t(players.size()), SavedScores{}, 1), rows.contains('*'));
        QCOMPARE(Rows(list), rows);
    }

    void savedScoresAreNotOfferedAgain_data()
    {
        QTest::addColumn<int>("pointsNow");
        QTest::addColumn<int>("gameNow");
        QTest::addColumn<bool>("stillInFile");
        QTest::addColumn<QString>("rows");
        QTest::newRow("unchanged") << 12 << 1 << true << "p1 12|" + Empty(9);
        QTest::newRow("more points") << 14 << 1 << true << "*p1 14|p1 12|" + Empty(8);
        QTest::newRow("same points, a new game") << 12 << 2 << true << "p1 12|*p1 12|" + Empty(8);
        QTest::newRow("gone from the file") << 12 << 1 << false << "*p1 12|" + Empty(9);
    }
    // Saving and opening the list again must not copy the same score of the
    // same game into it a second time.
    void savedScoresAreNotOfferedAgain()
    {
        QFETCH(int, pointsNow);
        QFETCH(int, gameNow);
        QFETCH(bool, stillInFile);
        QFETCH(QString, rows);
        auto table = Table(0, {12});
        TopTenList list = Loaded({});
        QVERIFY(Merge(list, table.data(), 1, SavedScores{}, 1));
        SavedScores saved;
        RememberSaved(saved, list, 1);

        // The file as it was written, or emptied meanwhile.
        if (stillInFile)
            LoadList(list, ListEntries(list));
        else
            list = Loaded({});
        table[1].points = pointsNow;
        QCOMPARE(Merge(list, table.data(), 1, saved, gameNow), rows.contains('*'));
        QCOMPARE(Rows(list), rows);
    }
};

QTEST_APPLESS_MAIN(TestTopTen)
#include "tst_topten.moc"
