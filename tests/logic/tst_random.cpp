// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Random.h"
#include "logic/SumDigits.h"

#include <QSet>
#include <QTest>

Q_DECLARE_METATYPE(PairRule)

class TestRandom : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ClearRandomScript(); }

    void drawIsRawValueModuloN_data();
    void drawIsRawValueModuloN();
    void emptyRangeGivesZeroAndConsumesNothing_data();
    void emptyRangeGivesZeroAndConsumesNothing();
    void sameSeedRepeatsTheSequence();
    void scriptRunsOutIntoTheGenerator();

    void everyAdmissiblePairIsReachableAndNoOther_data();
    void everyAdmissiblePairIsReachableAndNoOther();

    void readAnswer_data();
    void readAnswer();
    void answerCharacters_data();
    void answerCharacters();
};

void TestRandom::drawIsRawValueModuloN_data()
{
    QTest::addColumn<uint32_t>("raw");
    QTest::addColumn<int32_t>("n");
    QTest::addColumn<int32_t>("expected");
    QTest::newRow("below n") << 7u << 10 << 7;
    QTest::newRow("wraps") << 23u << 10 << 3;
    QTest::newRow("n is 1") << 12345u << 1 << 0;
    QTest::newRow("largest raw value") << 0xFFFFFFFFu << 10 << 5;
    QTest::newRow("bound 251") << 251u << 251 << 0;
}

void TestRandom::drawIsRawValueModuloN()
{
    QFETCH(uint32_t, raw);
    QFETCH(int32_t, n);
    QFETCH(int32_t, expected);
    ScriptRandom({raw});
    QCOMPARE(Random(n), expected);
    QCOMPARE(ScriptedRandomLeft(), size_t(0));
}

void TestRandom::emptyRangeGivesZeroAndConsumesNothing_data()
{
    QTest::addColumn<int32_t>("n");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -5;
}

void TestRandom::emptyRangeGivesZeroAndConsumesNothing()
{
    QFETCH(int32_t, n);
    ScriptRandom({9});
    QCOMPARE(Random(n), 0);
    QCOMPARE(ScriptedRandomLeft(), size_t(1));
}

void TestRandom::sameSeedRepeatsTheSequence()
{
    auto draws = [] {
        QList<int32_t> out;
        for (int i = 0; i < 50; ++i)
            out << Random(1000);
        return out;
    };
    SeedRandom(2026);
    const QList<int32_t> first = draws();
    SeedRandom(2026);
    QCOMPARE(draws(), first);
    SeedRandom(2027);
    QVERIFY(draws() != first);
}

void TestRandom::scriptRunsOutIntoTheGenerator()
{
    SeedRandom(5);
    const int32_t unscripted = Random(1000000);
    SeedRandom(5);
    ScriptRandom({42});
    QCOMPARE(Random(1000000), 42);
    QCOMPARE(Random(1000000), unscripted);
}

void TestRandom::everyAdmissiblePairIsReachableAndNoOther_data()
{
    QTest::addColumn<PairRule>("rule");
    QTest::addColumn<int>("admissible");
    QTest::addColumn<int>("smallestSum");
    QTest::addColumn<int>("largestSum");
    QTest::newRow("no carry") << PairRule::NoCarry << 55 << 0 << 9;
    QTest::newRow("carry") << PairRule::Carry << 45 << 10 << 18;
    QTest::newRow("free") << PairRule::Free << 100 << 0 << 18;
}

// Each of the 100 raw pairs is offered once, followed by a pair the rule
// always admits: the draw returns the offered pair exactly when it is
// admissible, and otherwise draws again and takes the fallback.
void TestRandom::everyAdmissiblePairIsReachableAndNoOther()
{
    QFETCH(PairRule, rule);
    QFETCH(int, admissible);
    QFETCH(int, smallestSum);
    QFETCH(int, largestSum);
    const uint32_t fallback = rule == PairRule::Carry ? 9 : 0;
    QSet<int> reached;
    for (uint32_t a = 0; a < 10; ++a) {
        for (uint32_t b = 0; b < 10; ++b) {
            // Raw values above 9 check that the digit is taken modulo 10.
            ScriptRandom({a + 10 * b, b + 30, fallback, fallback});
            const DigitPair p = DrawPair(rule);
            QVERIFY(Admits(rule, p.top, p.bottom));
            QVERIFY(p.Sum() >= smallestSum && p.Sum() <= largestSum);
            if (int(a) == p.top && int(b) == p.bottom) {
                QCOMPARE(ScriptedRandomLeft(), size_t(2));
                reached.insert(p.top * 10 + p.bottom);
            } else {
                QCOMPARE(p.top, int(fallback));
                QCOMPARE(p.bottom, int(fallback));
                QCOMPARE(ScriptedRandomLeft(), size_t(0));
            }
        }
    }
    QCOMPARE(reached.size(), admissible);
}

void TestRandom::readAnswer_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int32_t>("expected");
    QTest::newRow("digit") << "7" << 7;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("two digits") << "18" << 18;
    QTest::newRow("leading zero") << "09" << 9;
    QTest::newRow("letter") << "x" << -1;
    QTest::newRow("digit and letter") << "1x" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestRandom::readAnswer()
{
    QFETCH(QString, text);
    QFETCH(int32_t, expected);
    QCOMPARE(ReadAnswer(text), expected);
}

void TestRandom::answerCharacters_data()
{
    QTest::addColumn<QChar>("c");
    QTest::addColumn<bool>("admitted");
    QTest::newRow("0") << QChar(u'0') << true;
    QTest::newRow("backspace") << QChar(u'\b') << true;
    QTest::newRow("enter") << QChar(u'\r') << false;
    QTest::newRow("letter") << QChar(u'a') << false;
    QTest::newRow("arabic-indic five") << QChar(0x0665) << false;
}

void TestRandom::answerCharacters()
{
    QFETCH(QChar, c);
    QFETCH(bool, admitted);
    QCOMPARE(IsAnswerCharacter(c), admitted);
}

QTEST_GUILESS_MAIN(TestRandom)
#include "tst_random.moc"
