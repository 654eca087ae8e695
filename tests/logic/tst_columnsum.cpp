// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/ColumnShapes.h"
#include "logic/ColumnSum.h"
#include "logic/ExerciseKind.h"
#include "logic/Practice.h"
#include "logic/Random.h"
#include "tests/support/DigitGrid.h"

#include <QTest>

using Outcome = ColumnSum::Outcome;

namespace {

// The draw rules of the windows, by the window's name.
ColumnSum MachineOf(const QString& window)
{
    static const QMap<QString, ExerciseKind> kinds{
        {"sumas3", Kind::Sumas3}, {"sumas3b", Kind::Sumas3b}, {"sumas4", Kind::Sumas4}, {"sumas4b", Kind::Sumas4b},
        {"sumas5", Kind::Sumas5}, {"sumas5b", Kind::Sumas5b}, {"sumas5c", Kind::Sumas5c}};
    const ColumnShape& shape = ColumnShapeOf(kinds.value(window, Kind::Sumas5c));
    return ColumnSum(shape.rows, shape.rules);
}

QString Name(Outcome o)
{
    switch (o) {
    case Outcome::Ignored: return QStringLiteral("ignored");
    case Outcome::Wrong: return QStringLiteral("wrong");
    case Outcome::AwaitCarry: return QStringLiteral("await");
    case Outcome::ColumnAccepted: return QStringLiteral("col");
    case Outcome::AcceptedUnscored: return QStringLiteral("unscored");
    case Outcome::Completed: return QStringLiteral("done");
    }
    return {};
}

ColumnSum Dealt(const QString& window, const QStringList& grid)
{
    ColumnSum sum = MachineOf(window);
    ScriptGrid(grid);
    sum.Deal();
    return sum;
}

// Types the right digits until the sum is complete and returns them in the
// order typed (result digits from the units, then a leading digit), with
// the carries typed and the hits scored.
struct Solution {
    QString typed;
    int carries = 0;
    int hits = 0;
};

Solution Solve(ColumnSum& sum, bool showCarries)
{
    Solution s;
    for (int guard = 0; sum.Step() != 0 && guard < 20; ++guard) {
        Outcome o;
        if (sum.AwaitingCarry()) {
            o = sum.TypeCarry(sum.CarryOut(sum.Step() - 1));
            ++s.carries;
        } else {
            const int step = sum.Step();
            const int32_t digit = step > sum.Columns() ? sum.CarryOut(sum.Columns() - 1)
                                                       : sum.ResultDigit(step - 1);
            s.typed.prepend(QString::number(digit));
            o = sum.TypeResult(digit, showCarries);
        }
        if (o == Outcome::ColumnAccepted || o == Outcome::Completed)
            ++s.hits;
    }
    return s;
}

}  // namespace

class TestColumnSum : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ClearRandomScript(); }

    void dealFollowsTheColumnRules_data();
    void dealFollowsTheColumnRules();
    void typedDigitsGiveOutcomes_data();
    void typedDigitsGiveOutcomes();
    void everyCarrySumOfTwoColumnsIsReachableAndScoresTwoHits_data();
    void everyCarrySumOfTwoColumnsIsReachableAndScoresTwoHits();
    void solvedSumsSpellTheirTotal_data();
    void solvedSumsSpellTheirTotal();
    void loadedSumsAnswerWhatTheyExpect_data();
    void loadedSumsAnswerWhatTheyExpect();
};

void TestColumnSum::dealFollowsTheColumnRules_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QList<uint32_t>>("raw");
    QTest::addColumn<QStringList>("grid");
    QTest::newRow("sumas3 redraws a units pair of 10")
        << "sumas3" << QList<uint32_t>{9, 1, 4, 5, 0, 2} << QStringList{"04", "25"};
    QTest::newRow("sumas3 leading zeros") << "sumas3" << QList<uint32_t>{7, 2, 0, 0}
                                          << QStringList{"07", "02"};
    QTest::newRow("sumas4 redraws a units pair below 10, tens free")
        << "sumas4" << QList<uint32_t>{3, 4, 7, 8, 0, 0} << QStringList{"07", "08"};
    QTest::newRow("sumas4b redraws the tens below 10")
        << "sumas4b" << QList<uint32_t>{5, 5, 1, 1, 9, 9, 0, 0} << QStringList{"095", "095"};
    QTest::newRow("sumas5 every digit drawn once, rows top first")
        << "sumas5" << QList<uint32_t>{1, 2, 3, 4, 5, 6, 17, 8, 9}
        << QStringList{"741", "852", "963"};
    QTest::newRow("sumas5c five rows four columns")
        << "sumas5c" << QList<uint32_t>{4, 8, 2, 6, 0, 3, 7, 1, 5, 9, 2, 6, 0, 4, 8, 1, 5, 9, 3, 7}
        << QStringList{"1234", "5678", "9012", "3456", "7890"};
}

void TestColumnSum::dealFollowsTheColumnRules()
{
    QFETCH(QString, window);
    QFETCH(QList<uint32_t>, raw);
    QFETCH(QStringList, grid);
    ColumnSum sum = MachineOf(window);
    ScriptRandom({raw.begin(), raw.end()});
    sum.Deal();
    QCOMPARE(ScriptedRandomLeft(), size_t(0));
    QCOMPARE(sum.Rows(), grid.size());
    for (int r = 0; r < sum.Rows(); ++r) {
        QString row;
        for (int c = sum.Columns() - 1; c >= 0; --c)
            row += QString::number(sum.Digit(r, c));
        QCOMPARE(row, grid[r]);
    }
    QCOMPARE(sum.Step(), 1);
    QVERIFY(!sum.AwaitingCarry());
}

// Inputs: "r5" a result digit with the carry option on, "R5" with it off,
// "c1" a carry, "rx" a text that is no number. Each input is followed by
// the outcome expected.
void TestColumnSum::typedDigitsGiveOutcomes_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("grid");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("targets");  // afterwards, units first

    QTest::newRow("47 + 38 carries on")
        << "sumas4" << QStringList{"47", "38"} << "r5:await c1:col r8:done" << "15 8";
    QTest::newRow("47 + 38 carries off") << "sumas4" << QStringList{"47", "38"}
                                         << "R5:col R8:done" << "15 8";
    QTest::newRow("87 + 58 last column in two digits")
        << "sumas4" << QStringList{"87", "58"} << "r5:await c1:col r4:unscored r1:done" << "15 14";
    QTest::newRow("00 + 19 tens of 0 + 0 take the carry")
        << "sumas4" << QStringList{"01", "09"} << "R0:col R1:done" << "10 1";
    QTest::newRow("99 + 99 last column of 19")
        << "sumas4" << QStringList{"99", "99"} << "r8:await c1:col r9:unscored r1:done" << "18 19";
    QTest::newRow("column of 27 carries 2")
        << "sumas5" << QStringList{"009", "009", "009"} << "r7:await c1:wrong c2:col r2:col r0:done"
        << "27 2 0";
    QTest::newRow("sumas5c all nines")
        << "sumas5c" << QStringList{"9999", "9999", "9999", "9999", "9999"}
        << "r5:await c4:col r9:await c4:col r9:await c4:col r9:unscored r4:done" << "45 49 49 49";
    QTest::newRow("sumas5c all nines carries off")
        << "sumas5c" << QStringList{"9999", "9999", "9999", "9999", "9999"}
        << "R5:col R9:col R9:col R9:unscored R4:done" << "45 49 49 49";
    QTest::newRow("sumas5 without any carry")
        << "sumas5" << QStringList{"100", "200", "300"} << "r0:col r0:col r6:done" << "0 0 6";
    QTest::newRow("leading zeros typed as 0")
        << "sumas3" << QStringList{"07", "02"} << "r9:col r0:done" << "9 0";
    QTest::newRow("sumas3b all zeros")
        << "sumas3b" << QStringList{"000", "000"} << "r0:col r0:col r0:done" << "0 0 0";
    QTest::newRow("wrong digit keeps the step")
        << "sumas3" << QStringList{"12", "34"} << "r7:wrong r6:col r5:wrong r4:done" << "6 4";
    QTest::newRow("text that is no number") << "sumas3" << QStringList{"12", "34"}
                                            << "rx:wrong r6:col" << "6 4";
    QTest::newRow("wrong carries then the right one")
        << "sumas4" << QStringList{"47", "38"} << "r5:await c0:wrong c2:wrong c1:col r8:done" << "15 8";
    QTest::newRow("retyped digit does not carry twice")
        << "sumas4" << QStringList{"47", "38"} << "r5:await r5:await r5:await c1:col r9:wrong r8:done"
        << "15 8";
    QTest::newRow("wrong retype while the carry waits")
        << "sumas4" << QStringList{"47", "38"} << "r5:await r3:wrong c1:col r8:done" << "15 8";
    QTest::newRow("option off while the carry waits keeps the carry box")
        << "sumas4b" << QStringList{"155", "155"} << "r0:await R0:await c1:col R1:col R3:done"
        << "10 11 3";
    QTest::newRow("option on again for the next carrying column")
        << "sumas4b" << QStringList{"155", "155"} << "R0:col r1:await c1:col r3:done" << "10 11 3";
    QTest::newRow("carry box not waiting") << "sumas4" << QStringList{"47", "38"}
                                           << "c1:ignored r5:await c1:col c1:ignored" << "15 8";
    QTest::newRow("nothing after completion") << "sumas3" << QStringList{"12", "34"}
                                              << "r6:col r4:done r4:ignored c1:ignored" << "6 4";
    QTest::newRow("wrong leading digit") << "sumas4" << QStringList{"87", "58"}
                                         << "R5:col R4:unscored r2:wrong r1:done" << "15 14";
    QTest::newRow("leading digit 2 of a column of 27")
        << "sumas5" << QStringList{"900", "900", "900"} << "r0:col r0:col r7:unscored r1:wrong r2:done"
        << "0 0 27";
}

void TestColumnSum::typedDigitsGiveOutcomes()
{
    QFETCH(QString, window);
    QFETCH(QStringList, grid);
    QFETCH(QString, script);
    QFETCH(QString, targets);
    ColumnSum sum = Dealt(window, grid);
    QCOMPARE(ScriptedRandomLeft(), size_t(0));
    for (const QString& step : script.split(u' ')) {
        const QStringList parts = step.split(u':');
        const QChar box = parts[0].at(0);
        const int32_t digit = parts[0].at(1).isDigit() ? parts[0].at(1).digitValue() : -1;
        const Outcome o = box == u'c' ? sum.TypeCarry(digit) : sum.TypeResult(digit, box == u'r');
        QCOMPARE(Name(o) + QStringLiteral(" after ") + step, parts[1] + QStringLiteral(" after ") + step);
    }
    QStringList shown;
    for (int c = 0; c < sum.Columns(); ++c)
        shown << QString::number(sum.Target(c));
    QCOMPARE(shown.join(u' '), targets);
}

void TestColumnSum::everyCarrySumOfTwoColumnsIsReachableAndScoresTwoHits_data()
{
    QTest::addColumn<bool>("showCarries");
    QTest::newRow("carries on") << true;
    QTest::newRow("carries off") << false;
}

// Every units pair with a carry and every tens pair comes out of the draw
// as scripted, and no other units pair does; each sum scores two hits, its
// one carry typed only with the option on.
void TestColumnSum::everyCarrySumOfTwoColumnsIsReachableAndScoresTwoHits()
{
    QFETCH(bool, showCarries);
    int dealt = 0;
    for (int u1 = 0; u1 < 10; ++u1)
        for (int u2 = 0; u2 < 10; ++u2)
            for (int t1 = 0; t1 < 10; ++t1)
                for (int t2 = 0; t2 < 10; ++t2) {
                    ColumnSum sum = MachineOf(QStringLiteral("sumas4"));
                    const bool admissible = u1 + u2 >= 10;
                    // A refused units pair is drawn again: 9 + 9 follows it.
                    std::vector<uint32_t> raw{uint32_t(u1), uint32_t(u2)};
                    if (!admissible)
                        raw.insert(raw.end(), {9, 9});
                    raw.insert(raw.end(), {uint32_t(t1), uint32_t(t2)});
                    ScriptRandom(raw);
                    sum.Deal();
                    QCOMPARE(ScriptedRandomLeft(), size_t(0));
                    if (!admissible) {
                        QCOMPARE(sum.Digit(0, 0) + sum.Digit(1, 0), 18);
                        continue;
                    }
                    QCOMPARE(sum.Digit(0, 0), u1);
                    QCOMPARE(sum.Digit(1, 0), u2);
                    QCOMPARE(sum.Digit(0, 1), t1);
                    QCOMPARE(sum.Digit(1, 1), t2);
                    const Solution s = Solve(sum, showCarries);
                    QCOMPARE(s.typed, QString::number(10 * (t1 + t2) + u1 + u2));
                    QCOMPARE(s.hits, 2);
                    QCOMPARE(s.carries, showCarries ? 1 : 0);
                    ++dealt;
                }
    QCOMPARE(dealt, 45 * 100);
}

void TestColumnSum::solvedSumsSpellTheirTotal_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<int>("hits");
    QTest::newRow("sumas3") << "sumas3" << 2;
    QTest::newRow("sumas3b") << "sumas3b" << 3;
    QTest::newRow("sumas4b") << "sumas4b" << 3;
    QTest::newRow("sumas5") << "sumas5" << 3;
    QTest::newRow("sumas5b") << "sumas5b" << 3;
    QTest::newRow("sumas5c") << "sumas5c" << 4;
}

// Random sums of every window: the digits typed spell the total of the
// addends, and a sum solved without a miss scores one hit per column.
void TestColumnSum::solvedSumsSpellTheirTotal()
{
    QFETCH(QString, window);
    QFETCH(int, hits);
    SeedRandom(7);
    for (int i = 0; i < 500; ++i) {
        ColumnSum sum = MachineOf(window);
        sum.Deal();
        int total = 0;
        for (int r = 0; r < sum.Rows(); ++r) {
            int addend = 0;
            for (int c = sum.Columns() - 1; c >= 0; --c)
                addend = addend * 10 + sum.Digit(r, c);
            total += addend;
        }
        const Solution s = Solve(sum, i % 2 == 0);
        QCOMPARE(s.typed.toInt(), total);
        QCOMPARE(s.hits, hits);
    }
}

// A sum given by its rows text comes back as the same text, and typing
// what the machine expects at each step, carries included, spells the total.
void TestColumnSum::loadedSumsAnswerWhatTheyExpect_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("rows");
    QTest::addColumn<QString>("total");
    QTest::newRow("two rows") << "sumas4" << "47+38" << "85";
    QTest::newRow("leading digit") << "sumas4" << "95+87" << "182";
    QTest::newRow("leading zero") << "sumas3b" << "012+304" << "316";
    QTest::newRow("five rows") << "sumas5c" << "9999+9999+9999+9999+9999" << "49995";
}

void TestColumnSum::loadedSumsAnswerWhatTheyExpect()
{
    QFETCH(QString, window);
    QFETCH(QString, rows);
    QFETCH(QString, total);
    ColumnSum sum = MachineOf(window);
    sum.Load(Practice::ColumnDigits(rows));
    QCOMPARE(Practice::ColumnRows(sum.Digits()), rows);
    QString typed;
    for (int guard = 0; sum.Step() != 0 && guard < 20; ++guard) {
        const int32_t digit = sum.ExpectedResult();
        const Outcome o = sum.TypeResult(digit, true);
        typed.prepend(QString::number(digit));
        if (o == Outcome::AwaitCarry)
            QCOMPARE(sum.TypeCarry(sum.ExpectedCarry()), Outcome::ColumnAccepted);
        else
            QVERIFY(o != Outcome::Wrong && o != Outcome::Ignored);
    }
    QCOMPARE(typed, total);
    QCOMPARE(sum.ExpectedResult(), -1);
}

QTEST_APPLESS_MAIN(TestColumnSum)
#include "tst_columnsum.moc"
