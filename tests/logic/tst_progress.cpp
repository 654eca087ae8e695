// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Progress.h"

#include <QRegularExpression>
#include <QTest>

using Practice::Box;

namespace {

// A sum from its keys written "r0:5/5 c1:1/1 r1:8/7 a0:15/14": box (result,
// carry, answer) and column, then what was expected / what was typed; each
// key took 2 s unless "@ms" follows.
Practice::Sum Sum(int64_t id, ExerciseKind kind, const QString& rows, const QDateTime& at, const QString& keys,
                  bool finished = true)
{
    Practice::Sum s;
    s.id = id;
    s.kind = kind;
    s.rows = rows;
    s.startedAt = at;
    s.finished = finished;
    for (const QString& k : keys.split(u' ', Qt::SkipEmptyParts)) {
        Practice::Key key;
        key.seq = int32_t(s.keys.size()) + 1;
        key.box = k[0] == u'r' ? Box::Result : k[0] == u'c' ? Box::Carry : Box::Answer;
        const QStringList parts = k.mid(1).split(QRegularExpression(QStringLiteral("[:/@]")));
        key.col = parts[0].toInt();
        key.expected = parts[1].toInt();
        key.typed = parts[2].toInt();
        key.ms = parts.size() > 3 ? parts[3].toLongLong() : 2000;
        s.keys.push_back(key);
    }
    return s;
}

QDateTime On(int day, int year = 2026) { return QDateTime(QDate(year, 12, day), QTime(17, 30)); }

// Two days of play: the facts as written come from two-digit columns that
// receive no carry, single-column answers and mental sums; three-row columns
// and columns with a carry tell nothing of a fact.
std::vector<Practice::Sum> SmallHistory()
{
    return {
        Sum(1, Kind::Sumas4, "47+38", On(5), "r0:5/5 c1:1/1 r1:8/7 r1:8/8"),
        Sum(2, Kind::Sumas1, "3+4", On(5), "a0:7/6@1000 a0:7/7@1000"),
        Sum(3, Kind::Cmental1, "6+?=8", On(6), "a0:2/14 a0:2/2"),
        Sum(4, Kind::Sumas3, "12+34", On(6), "r0:6/6", false),
        Sum(5, Kind::Sumas1, "7+8", On(6), "a0:15/15@3000"),
        Sum(6, Kind::Sumas5, "123+456+789", On(7), "r0:8/8"),
        Sum(7, Kind::Sumas1, "1+1", On(7), "", false),
    };
}

}  // namespace

class TestProgress : public QObject {
    Q_OBJECT
private slots:
    void factsGridCountsFirstTries_data()
    {
        QTest::addColumn<int>("a");
        QTest::addColumn<int>("b");
        QTest::addColumn<int>("tries");
        QTest::addColumn<int>("right");
        QTest::newRow("units column and single answer") << 7 << 8 << 2 << 2;
        QTest::newRow("wrong at first, right after") << 3 << 4 << 1 << 0;
        QTest::newRow("mental sum with a blank") << 6 << 2 << 1 << 0;
        QTest::newRow("unfinished sum still counts") << 2 << 4 << 1 << 1;
        QTest::newRow("the other order is its own fact") << 8 << 7 << 0 << 0;
        QTest::newRow("column with a carry received") << 4 << 3 << 0 << 0;
        QTest::newRow("three-row column") << 3 << 6 << 0 << 0;
    }
    void factsGridCountsFirstTries()
    {
        QFETCH(int, a);
        QFETCH(int, b);
        QFETCH(int, tries);
        QFETCH(int, right);
        const Progress::FactsGrid grid = Progress::Facts(SmallHistory());
        QCOMPARE(grid.At(a, b).tries, tries);
        QCOMPARE(grid.At(a, b).right, right);
        QCOMPARE(grid.Met(), 4);
    }

    void factText()
    {
        Progress::FactCell cell{12, 5};
        QCOMPARE(Progress::FactText(7, 8, cell), QStringLiteral("7 + 8: 12 veces, 5 bien a la primera"));
        QCOMPARE(Progress::FactText(0, 1, {1, 1}), QStringLiteral("0 + 1: 1 vez, 1 bien a la primera"));
        QCOMPARE(Progress::FactText(9, 9, {}), QStringLiteral("9 + 9: todavía no ha salido"));
    }

    void daySeries_data()
    {
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("finished");
        QTest::addColumn<int>("answered");
        QTest::addColumn<int>("rightFirst");
        QTest::newRow("two sums, both with a wrong key") << 5 << 2 << 2 << 0;
        QTest::newRow("one unfinished but right") << 6 << 2 << 3 << 2;
        QTest::newRow("a sum with no key is not answered") << 7 << 1 << 1 << 1;
    }
    void daySeries()
    {
        QFETCH(int, day);
        QFETCH(int, finished);
        QFETCH(int, answered);
        QFETCH(int, rightFirst);
        const std::vector<Progress::Day> days = Progress::Days(SmallHistory());
        QCOMPARE(days.size(), size_t(3));
        const auto it = std::find_if(days.begin(), days.end(), [&](const Progress::Day& d) { return d.date.day() == day; });
        QVERIFY(it != days.end());
        QCOMPARE(it->finished, finished);
        QCOMPARE(it->answered, answered);
        QCOMPARE(it->rightFirst, rightFirst);
        QVERIFY(std::is_sorted(days.begin(), days.end(), [](auto& x, auto& y) { return x.date < y.date; }));
    }

    void timesPerDigitByFamily()
    {
        const std::vector<Progress::Timing> times = Progress::Times(SmallHistory());
        const auto one = std::find_if(times.begin(), times.end(),
                                      [](auto& t) { return t.family == Progress::Family::OneColumn; });
        QVERIFY(one != times.end());
        // 1 s, 1 s and a two-digit answer in 3 s (1.5 s a digit).
        QCOMPARE(one->digits, 4);
        QCOMPARE(one->medianSeconds, 1.0);
    }

    void periodStartsAtMidnight_data()
    {
        QTest::addColumn<int>("period");
        QTest::addColumn<QDateTime>("start");
        QTest::newRow("week: today and six days before") << int(Progress::Period::Week) << On(1);
        QTest::newRow("month") << int(Progress::Period::Month) << QDateTime(QDate(2026, 11, 8), QTime(0, 0));
        QTest::newRow("everything") << int(Progress::Period::All) << QDateTime();
    }
    void periodStartsAtMidnight()
    {
        QFETCH(int, period);
        QFETCH(QDateTime, start);
        const QDateTime got = Progress::PeriodStart(Progress::Period(period), On(7));
        QCOMPARE(got, start.isValid() ? QDateTime(start.date(), QTime(0, 0)) : start);
    }

    // Each error told with its real example, as a parent reads it.
    void sentenceOfEachError_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("text");
        QTest::newRow("forgets the carry, whole number written")
            << "olvida-llevada" << "47+38" << "r0:5/5 c1:1/1 r1:8/7" << 2026
            << "El 3 de diciembre, en 47 + 38, escribió 75: se olvidó de la que se llevaba.";
        QTest::newRow("carry from nowhere")
            << "llevada-sin-motivo" << "23+45" << "r0:8/8 r1:6/7" << 2026
            << "El 3 de diciembre, en 23 + 45, escribió 78: sumó una llevada que no había.";
        QTest::newRow("writes the tens, in the carry box")
            << "escribe-decena" << "47+38" << "r0:5/5 c1:1/5" << 2026
            << "El 3 de diciembre, en 47 + 38, se llevó 5: escribió abajo la decena y se llevó las unidades.";
        QTest::newRow("carry added twice")
            << "llevada-doble" << "47+38" << "r0:5/5 c1:1/1 r1:8/9" << 2026
            << "El 3 de diciembre, en 47 + 38, escribió 95: sumó dos veces la que se llevaba.";
        QTest::newRow("always carries one")
            << "lleva-siempre-uno" << "99+99+99" << "r0:7/7 c1:2/1" << 2026
            << "El 3 de diciembre, en 99 + 99 + 99, se llevó 1: en esa columna se llevaban más.";
        QTest::newRow("adds for the blank")
            << "suma-en-vez-de-completar" << "6+?=8" << "a0:2/14" << 2026
            << "El 3 de diciembre, en 6 + ? = 8, escribió 14: sumó los dos números en vez de buscar el que faltaba.";
        QTest::newRow("a fact, another year")
            << "hecho:7+8" << "7+8" << "a0:15/14" << 2025
            << "El 3 de diciembre de 2025, en 7 + 8, escribió 14: 7 + 8 son 15.";
        QTest::newRow("sum left half done: the digit and its place")
            << "olvida-llevada" << "0347+0238" << "r0:5/5 c1:1/1 r1:8/7" << 2026
            << "El 3 de diciembre, en 347 + 238, escribió 7 en las decenas: se olvidó de la que se llevaba.";
    }
    void sentenceOfEachError()
    {
        QFETCH(QString, id);
        QFETCH(QString, rows);
        QFETCH(QString, keys);
        QFETCH(int, year);
        QFETCH(QString, text);
        const Practice::Sum sum = Sum(9, Kind::Sumas4, rows, On(3, year), keys);
        const Practice::Key& shown = sum.keys.back();
        Diagnosis::Finding f;
        f.id = id;
        f.seen = 3;
        f.named = true;
        f.example = Diagnosis::Example{9, rows, sum.startedAt, sum.kind, shown.box, shown.col, shown.expected, shown.typed};
        Diagnosis::Result result;
        result.ids = {id};
        result.sums = 20;
        (id.startsWith(QLatin1String("hecho")) ? result.facts : result.errors).push_back(f);

        const auto sentences = Progress::Sentences(result, {sum}, QDate(2026, 12, 8));
        QCOMPARE(sentences.size(), size_t(1));
        QCOMPARE(sentences[0].text, text);
        QVERIFY(!sentences[0].practice.isEmpty());
        QCOMPARE(sentences[0].seen, 3);
    }

    void kindWordsWhenNothingIsWrong_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("sums");
        QTest::addColumn<QString>("says");
        QTest::newRow("too few sums yet") << "ninguno" << 2 << "pocas sumas";
        QTest::newRow("nothing repeats") << "ninguno" << 50 << "muy bien";
        QTest::newRow("slips only") << "descuido" << 50 << "despistes";
    }
    void kindWordsWhenNothingIsWrong()
    {
        QFETCH(QString, id);
        QFETCH(int, sums);
        QFETCH(QString, says);
        Diagnosis::Result result;
        result.ids = {id};
        result.sums = sums;
        const auto sentences = Progress::Sentences(result, {}, QDate(2026, 12, 8));
        QCOMPARE(sentences.size(), size_t(1));
        QVERIFY2(sentences[0].text.contains(says), qPrintable(sentences[0].text));
    }

    // Forgot the carry on the 3rd, then carried right in six columns:
    // overcome on the day of the sixth; not with a miss at the sixth, and
    // never an error the child did not show (7 for 8 is no double carry).
    void overcomeErrorSaysSuperado_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("id");
        QTest::addColumn<QString>("says");
        QTest::newRow("run complete") << "r1:8/8"
                                      << "olvida-llevada"
                                      << "superado el 6 de diciembre";
        QTest::newRow("missed again") << "r1:8/7"
                                      << "olvida-llevada"
                                      << "";
        QTest::newRow("never shown") << "r1:8/8"
                                     << "llevada-doble"
                                     << "";
    }
    void overcomeErrorSaysSuperado()
    {
        QFETCH(QString, last);
        QFETCH(QString, id);
        QFETCH(QString, says);
        std::vector<Practice::Sum> sums = {
            Sum(1, Kind::Sumas4, "47+38", On(3), "r0:5/5 c1:1/1 r1:8/7 r1:8/8")};
        for (int i = 0; i < 6; ++i)
            sums.push_back(Sum(2 + i, Kind::Sumas4, "47+38", On(4 + i / 2),
                               "r0:5/5 c1:1/1 " + (i < 5 ? QStringLiteral("r1:8/8") : last)));
        QString text;
        for (const Progress::Sentence& s :
             Progress::Build(QStringLiteral("Ana"), Progress::Period::All, On(8), sums).sentences)
            text += s.id == id ? s.text : QString();
        QCOMPARE(text.contains(QStringLiteral("superado")), !says.isEmpty());
        QVERIFY2(text.contains(says), qPrintable(text));
    }

    // A forgotten carry where the column makes 12 also fits "writes the
    // tens": the bars count it once, for the error the child has.
    void errorBarsCountEachDigitOnce()
    {
        std::vector<Practice::Sum> sums;
        for (int i = 0; i < 8; ++i)
            sums.push_back(i % 2 ? Sum(1 + i, Kind::Sumas4, "47+38", On(3), "r0:5/5 r1:8/7 r1:8/8")
                                 : Sum(1 + i, Kind::Sumas4, "57+65", On(3), "r0:2/2 r1:2/1 r1:2/2 r2:1/1"));
        const Progress::Report r = Progress::Build(QStringLiteral("Ana"), Progress::Period::All, On(4), sums);
        QCOMPARE(r.errors.size(), size_t(1));
        QCOMPARE(r.errors[0].id, QStringLiteral("olvida-llevada"));
        QCOMPARE(r.errors[0].seen, 8);
    }

    void emptyPeriod()
    {
        const Progress::Report r = Progress::Build(QStringLiteral("Ana"), Progress::Period::Week, On(7), {});
        QCOMPARE(Progress::Summary(r), QStringLiteral("En este periodo no hizo ninguna suma."));
        QCOMPARE(r.facts.Met(), 0);
        QVERIFY(r.days.empty());
        QCOMPARE(r.sentences.size(), size_t(1));
        QCOMPARE(r.sentences[0].id, QStringLiteral("ninguno"));
    }
};

QTEST_APPLESS_MAIN(TestProgress)
#include "tst_progress.moc"
