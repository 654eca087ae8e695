// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Random.h"
#include "logic/Review.h"

#include <QTest>

Q_DECLARE_METATYPE(Review::Digits)

class TestReview : public QObject {
    Q_OBJECT
private slots:
    // Many sums for one child: each in range, with no leading 0, and unlike
    // the one before, about two thirds aimed at the child's needs, each
    // aimed sum giving its aim an occasion.
    void dealing_data()
    {
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("aims"); // what an aimed sum may aim at
        QTest::addColumn<int>("rows");         // the largest sum asked for
        QTest::addColumn<int>("columns");
        const int rows = Review::kMaxRows, columns = Review::kMaxColumns;
        const QStringList errors = Review::ColumnErrors();
        for (const QString& id : errors)
            QTest::newRow(qPrintable(id)) << QStringList{id} << QStringList{id} << rows << columns;
        QTest::newRow("two errors") << QStringList{"olvida-llevada", "lleva-siempre-uno"}
                                    << QStringList{"olvida-llevada", "lleva-siempre-uno"} << rows << columns;
        QTest::newRow("weak facts") << QStringList{"hecho:7+8", "hecho:6+6", "descuido"}
                                    << QStringList{"hecho:7+8", "hecho:6+6"} << rows << columns;
        const QStringList probe{Review::ProbeAim()};
        QTest::newRow("ninguno: evidence") << QStringList{"ninguno"} << probe << rows << columns;
        QTest::newRow("mental only: evidence") << QStringList{"suma-en-vez-de-completar"} << probe << rows
                                               << columns;
        QTest::newRow("worksheet band: evidence") << QStringList{} << probe << 2 << 3;
        QTest::newRow("worksheet band: carries") << QStringList{"lleva-siempre-uno", "escribe-decena"}
                                                 << QStringList{"lleva-siempre-uno", "escribe-decena"} << 2 << 3;
    }
    void dealing()
    {
        QFETCH(QStringList, ids);
        QFETCH(QStringList, aims);
        QFETCH(int, rows);
        QFETCH(int, columns);
        const QStringList errors = Review::ColumnErrors();
        SeedRandom(17);
        const Review::Needs needs = Review::NeedsFromIds(ids);
        Review::Dealer dealer;
        Review::Digits previous;
        int aimed = 0;
        QSet<QString> seen;
        constexpr int kSums = 600;
        for (int i = 0; i < kSums; ++i) {
            const Review::Dealt d = dealer.Next(needs, {rows, columns});
            QVERIFY(d.digits != previous);
            previous = d.digits;
            QVERIFY(d.digits.size() >= 2 && int(d.digits.size()) <= columns);
            for (const std::vector<int32_t>& column : d.digits) {
                QVERIFY(column.size() == d.digits[0].size() && column.size() >= 2 && int(column.size()) <= rows);
                for (int32_t digit : column)
                    QVERIFY(digit >= 0 && digit <= 9);
            }
            for (int32_t leading : d.digits.back()) // no number starts with a 0
                QVERIFY(leading > 0);
            if (d.aim.isEmpty())
                continue;
            ++aimed;
            seen.insert(d.aim);
            QVERIFY2(aims.contains(d.aim), qPrintable(d.aim));
            // A probe gives every column error an occasion (a carry of two
            // needs three rows); lleva-siempre-uno in two rows, carries.
            QStringList shown{d.aim};
            if (d.aim == Review::ProbeAim())
                shown = d.digits[0].size() == 3 ? errors : errors.mid(0, 4);
            else if (d.aim == "lleva-siempre-uno" && rows == 2)
                shown = {"olvida-llevada"};
            for (const QString& id : shown)
                QVERIFY2(!Review::OccasionSteps(id, d.digits).empty(), qPrintable(id));
        }
        QVERIFY2(aimed > kSums * 58 / 100 && aimed < kSums * 75 / 100, qPrintable(QString::number(aimed)));
        QCOMPARE(seen.size(), aims.size());
    }

    // After two sums, too early for the diagnosis to name anything, what
    // showed twice is dealt as a suspect; a wrong digit that a suspected error
    // explains does not make its fact a suspect too.
    void suspectsInFirstSums_data()
    {
        QTest::addColumn<QString>("rows"); // two columns, the units 8 and right
        QTest::addColumn<int>("tens");
        QTest::addColumn<int>("tensTyped");
        QTest::addColumn<QStringList>("errors");
        QTest::addColumn<QList<int>>("facts");
        QTest::newRow("forgotten carry") << "19+19" << 3 << 2 << QStringList{"olvida-llevada"} << QList<int>{};
        QTest::newRow("unknown fact") << "14+14" << 2 << 5 << QStringList{} << QList<int>{11};
    }
    void suspectsInFirstSums()
    {
        QFETCH(QString, rows);
        QFETCH(int, tens);
        QFETCH(int, tensTyped);
        Practice::Sum sum;
        sum.rows = rows;
        sum.keys = {{1, 0, Practice::Box::Result, 8, 8, 0},
                    {2, 1, Practice::Box::Result, tens, tensTyped, 0},
                    {3, 1, Practice::Box::Result, tens, tens, 0}};
        const Review::Needs needs = Review::NeedsFromDiagnosis(Diagnosis::Diagnose({sum, sum}));
        QVERIFY(needs.Empty());
        QTEST(needs.suspectErrors, "errors");
        QTEST(QList<int>(needs.suspectFacts.begin(), needs.suspectFacts.end()), "facts");
    }

    void resultsSlot_data()
    {
        QTest::addColumn<Review::Digits>("digits");
        QTest::addColumn<int>("slot");
        QTest::newRow("no carry") << Review::Digits{{3, 4}, {1, 2}} << 0;
        QTest::newRow("units carry") << Review::Digits{{5, 5}, {0, 0}} << 1;
        QTest::newRow("only the last column") << Review::Digits{{1, 1}, {5, 5}} << 1;
        QTest::newRow("carry makes a column reach 10") << Review::Digits{{9, 1}, {4, 5}, {0, 0}} << 1;
        QTest::newRow("three rows, nine") << Review::Digits{{3, 3, 3}, {0, 2, 7}} << 0;
    }
    void resultsSlot()
    {
        QFETCH(Review::Digits, digits);
        QFETCH(int, slot);
        QCOMPARE(Review::ResultsSlot(digits), slot);
    }

    // "19+19": the tens receive a carry, one occasion to forget it per sum.
    void overcome_data()
    {
        QTest::addColumn<QString>("tensTyped"); // first try at the tens, sum by sum
        QTest::addColumn<int>("overcomeAt");    // index of the sum, -1: not overcome
        QTest::newRow("never shown") << "3333333" << -1;
        QTest::newRow("shown, then a full run") << "2333333" << 6;
        QTest::newRow("run one short") << "233333" << -1;
        QTest::newRow("shown again after the run") << "23333332" << -1;
        QTest::newRow("a new run after a relapse") << "2333233333333" << 10;
    }
    void overcome()
    {
        QFETCH(QString, tensTyped);
        QFETCH(int, overcomeAt);
        std::vector<Practice::Sum> sums;
        const QDateTime start(QDate(2026, 11, 2), QTime(10, 0));
        for (qsizetype i = 0; i < tensTyped.size(); ++i) {
            Practice::Sum s;
            s.rows = QStringLiteral("19+19");
            s.startedAt = start.addSecs(60 * i);
            s.keys = {{1, 0, Practice::Box::Result, 8, 8, 0},
                      {2, 1, Practice::Box::Result, 3, tensTyped[i].digitValue(), 0},
                      {3, 1, Practice::Box::Result, 3, 3, 0}};
            sums.push_back(s);
        }
        const auto at = Review::OvercomeAt(QStringLiteral("olvida-llevada"), sums);
        QCOMPARE(at.has_value(), overcomeAt >= 0);
        if (at)
            QCOMPARE(*at, start.addSecs(60 * overcomeAt));
    }
};

QTEST_APPLESS_MAIN(TestReview)
#include "tst_review.moc"
