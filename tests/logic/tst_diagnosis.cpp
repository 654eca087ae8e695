// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Diagnosis.h"

#include <QTest>

using Practice::Box;

namespace {

// One sum as "rows:step=typed,...", every step right unless given; a step is
// a result column ("1"), a carry box ("c1") or, for whole answers, "a".
// Column sums are typed without carry boxes.
Practice::Sum MakeSum(const QString& text, int64_t id)
{
    const QStringList parts = text.split(u':');
    Practice::Sum sum;
    sum.id = id;
    sum.rows = parts[0];
    sum.startedAt = QDateTime(QDate(2026, 10, 1), QTime(9, 0)).addSecs(60 * id);
    sum.finished = true;
    QHash<QString, int32_t> wrong;
    for (const QString& w : parts.value(1).split(u',', Qt::SkipEmptyParts))
        wrong.insert(w.section(u'=', 0, 0), w.section(u'=', 1).toInt());
    auto type = [&](Box box, int32_t col, int32_t expected, const QString& step) {
        for (int32_t typed : {wrong.value(step, expected), expected}) {
            sum.keys.push_back({int32_t(sum.keys.size()) + 1, col, box, expected, typed, 900});
            if (typed == expected)
                break;
        }
    };
    const Mistakes::Shape shape = Mistakes::ReadShape(sum.rows);
    if (shape.form == Mistakes::Shape::Form::Mental) {
        const Practice::MentalRows& m = shape.mental;
        type(Box::Answer, 0,
             m.blank == 0   ? m.first
             : m.blank == 1 ? m.second
                            : m.result,
             QStringLiteral("a"));
    } else if (shape.Columns() == 1 && wrong.contains(QStringLiteral("a"))) {
        type(Box::Answer, 0, shape.totals[0].s, QStringLiteral("a"));
    } else {
        for (int32_t c = 0; c < shape.Columns(); ++c) {
            const int32_t total = shape.totals[size_t(c)].Total();
            type(Box::Result, c, total % 10, QString::number(c));
            if (c + 1 == shape.Columns() && total >= 10)
                type(Box::Result, c + 1, total / 10, QString::number(c + 1));
        }
    }
    return sum;
}

std::vector<Practice::Sum> History(const QStringList& sums, int times)
{
    std::vector<Practice::Sum> out;
    for (int t = 0; t < times; ++t)
        for (const QString& s : sums)
            out.push_back(MakeSum(s, int64_t(out.size()) + 1));
    return out;
}

const QStringList kRight{"12+34", "46+39", "23+45", "56+29", "99+99+99", "6+?=8"};
const QStringList kForgets{"46+38:1=7", "29+16:1=3", "56+29:1=7", "23+45"};
const QStringList kTwice{"46+38:1=9", "29+16:1=5", "56+29:1=9", "23+45"};

} // namespace

class TestDiagnosis : public QObject {
    Q_OBJECT
private slots:
    void diagnose_data()
    {
        QTest::addColumn<QStringList>("sums");
        QTest::addColumn<int>("times");
        QTest::addColumn<QStringList>("later"); // played after the first ones
        QTest::addColumn<QString>("ids");
        QTest::addColumn<QString>("facts");
        QTest::newRow("nothing played") << QStringList() << 0 << QStringList() << "ninguno"
                                        << "-";
        QTest::newRow("all right") << kRight << 3 << QStringList() << "ninguno"
                                   << "-";
        QTest::newRow("too few") << QStringList{"47+38:1=7", "29+16:1=3"} << 1 << QStringList() << "ninguno"
                                 << "-";
        QTest::newRow("slips") << kRight << 5 << QStringList{"23+45:0=2", "12+34:1=7", "58+27:0=3"}
                               << "descuido"
                               << "-";
        QTest::newRow("forgets the carry") << kForgets << 2 << QStringList() << "olvida-llevada"
                                           << "-";
        QTest::newRow("carries twice") << kTwice << 2 << QStringList() << "llevada-doble"
                                       << "-";
        QTest::newRow("writes the tens") << QStringList{"47+38:0=1", "29+16:0=1", "58+27:0=1", "23+45"} << 2
                                         << QStringList() << "escribe-decena"
                                         << "-";
        QTest::newRow("carry from nowhere") << QStringList{"23+45:1=7", "31+52:1=9", "12+34:1=5", "47+38"}
                                            << 2 << QStringList() << "llevada-sin-motivo"
                                            << "-";
        QTest::newRow("carries one") << QStringList{"99+99+99:1=8", "88+88+88:1=5", "77+77+77:1=2", "12+34"}
                                     << 2 << QStringList() << "lleva-siempre-uno"
                                     << "-";
        QTest::newRow("adds for the blank") << QStringList{"6+?=8:a=14", "?+5=9:a=14", "3+?=7:a=10", "12+34"}
                                            << 2 << QStringList() << "suma-en-vez-de-completar"
                                            << "-";
        QTest::newRow("one fact") << kRight << 4
                                  << QStringList{"17+28:0=4", "7+8:a=14", "7+8=?:a=16", "27+38:0=6"}
                                  << "hecho:7+8"
                                  << "7+8";
        QTest::newRow("fact and error") << kForgets << 3 << QStringList{"17+28:0=4", "7+8:a=14", "77+18:0=4"}
                                        << "olvida-llevada,hecho:7+8"
                                        << "7+8";
        // The child's error changes half-way: the new one is named, the old
        // one is over.
        QTest::newRow("forgets, then twice") << kForgets << 10 << kTwice + kTwice + kTwice << "llevada-doble"
                                             << "-";
        QTest::newRow("twice, then forgets")
            << kTwice << 10 << kForgets + kForgets + kForgets << "olvida-llevada"
            << "-";
        QTest::newRow("forgets, then learns") << kForgets << 10 << kRight + kRight << "ninguno"
                                              << "-";
    }
    void diagnose()
    {
        QFETCH(QStringList, sums);
        QFETCH(int, times);
        QFETCH(QStringList, later);
        QFETCH(QString, ids);
        QFETCH(QString, facts);
        std::vector<Practice::Sum> history = History(sums, times);
        for (const QString& s : later)
            history.push_back(MakeSum(s, int64_t(history.size()) + 1));
        const Diagnosis::Result r = Diagnosis::Diagnose(history);
        QCOMPARE(r.ids.join(u','), ids);
        QCOMPARE(r.WeakFactsText(), facts);
    }

    void evidenceOfAnError()
    {
        std::vector<Practice::Sum> history = History(kForgets, 10);
        history.push_back(MakeSum(QStringLiteral("46+38"), 41));
        history.push_back(MakeSum(QStringLiteral("29+16"), 42));
        const Diagnosis::Result r = Diagnosis::Diagnose(history);
        const Diagnosis::Finding* f = r.Find(QStringLiteral("olvida-llevada"));
        QVERIFY(f && f->named && !f->overcome);
        QCOMPARE(f->occasions, 32);
        QCOMPARE(f->seen, 30);
        QCOMPARE(f->recentOccasions, 5);
        QCOMPARE(f->recentSeen, 3);
        QVERIFY(f->confidence > 0.99);
        QVERIFY(f->example.has_value());
        QCOMPARE(f->example->sumId, 39); // the latest where it showed
        QCOMPARE(f->example->rows, QStringLiteral("56+29"));
        QCOMPARE(f->example->typed, 7);
        QCOMPARE(f->example->expected, 8);
        QCOMPARE(r.sums, 42);
    }

    // A digit that two errors explain is put down to the one the child has.
    void ambiguousDigit_data()
    {
        QTest::addColumn<QStringList>("sums");
        QTest::addColumn<QString>("likeliest");
        QTest::newRow("forgets") << kForgets << "olvida-llevada";
        QTest::newRow("writes the tens")
            << QStringList{"47+38:0=1", "29+16:0=1", "58+27:0=1"} << "escribe-decena";
        QTest::newRow("neither") << kRight << "";
    }
    void ambiguousDigit()
    {
        QFETCH(QStringList, sums);
        QFETCH(QString, likeliest);
        const Diagnosis::Result r = Diagnosis::Diagnose(History(sums, 3));
        const Practice::Key key{1, 1, Box::Result, 2, 1, 900};
        const Diagnosis::Finding* f =
            Diagnosis::Likeliest(r, Mistakes::Candidates(Mistakes::ReadShape(QStringLiteral("56+65")), key));
        QCOMPARE(f ? f->id : QString(), likeliest);
    }
};

QTEST_APPLESS_MAIN(TestDiagnosis)
#include "tst_diagnosis.moc"
