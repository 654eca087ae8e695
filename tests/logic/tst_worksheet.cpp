// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/Random.h"
#include "logic/Worksheet.h"

#include <QSet>
#include <QTest>
#include <vector>

using namespace Worksheet;

Q_DECLARE_METATYPE(Worksheet::Form)
Q_DECLARE_METATYPE(std::vector<uint32_t>)

namespace {

// Runs a report as the engine does: a page start, then bands until the
// data ends.
std::vector<Band> RunReport(Report& report)
{
    std::vector<Band> bands;
    report.StartPage();
    Band band;
    while (report.NeedData(band))
        bands.push_back(band);
    return bands;
}

Job MakeJob(Form form, int32_t kind, int32_t rows, int32_t pages, int32_t length, bool solutions)
{
    Job job;
    job.form = form;
    job.kind = kind;
    job.rows = rows;
    job.pages = pages;
    job.lengthTenths = length;
    job.solutions = solutions;
    return job;
}

QSet<int> PairsAdmitted(QChar rule)
{
    QSet<int> pairs;
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b)
            if (rule == u'F' || (rule == u'N' && a + b <= 9) || (rule == u'C' && a + b >= 10))
                pairs << a * 10 + b;
    return pairs;
}

}  // namespace

class TestWorksheet : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { ClearRandomScript(); }

    void fitFromPrintLength_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("fit");
        QTest::newRow("columns, A4") << Form::Columns << 2970 << 6;
        QTest::newRow("rows, A4") << Form::Rows << 2970 << 4;
        QTest::newRow("mental, A4") << Form::Mental << 2970 << 6;
        QTest::newRow("columns, 200 mm") << Form::Columns << 2000 << 4;
        QTest::newRow("rows, 200 mm") << Form::Rows << 2000 << 2;
        QTest::newRow("mental, 200 mm") << Form::Mental << 2000 << 4;
        QTest::newRow("columns, 50 mm: at least one") << Form::Columns << 500 << 1;
        QTest::newRow("rows, 0 mm: at least one") << Form::Rows << 0 << 1;
        QTest::newRow("longer than A4") << Form::Columns << 4000 << 9;
        QTest::newRow("longest the dialog takes") << Form::Rows << 99990 << 151;
    }
    void fitFromPrintLength()
    {
        QFETCH(Form, form);
        QFETCH(int, length);
        QFETCH(int, fit);
        QCOMPARE(FitBands(length, LayoutOf(form)), fit);
    }

    void bandSequence_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("solutions");
        QTest::addColumn<int>("group");
        QTest::addColumn<int>("fit");
        for (int kind : {1, 2, 3, 11, 12, 13})
            QTest::addRow("columns kind %d, 1 page", kind)
                << Form::Columns << kind << 0 << 1 << 2970 << true << 6 << 6;
        QTest::newRow("columns, 3 pages") << Form::Columns << 12 << 0 << 3 << 2970 << true << 6 << 6;
        QTest::newRow("columns, 200 mm") << Form::Columns << 2 << 0 << 2 << 2000 << true << 6 << 4;
        QTest::newRow("columns, no solutions") << Form::Columns << 3 << 0 << 2 << 2970 << false << 6 << 6;
        QTest::newRow("columns, 50 mm") << Form::Columns << 11 << 0 << 1 << 500 << true << 6 << 1;
        QTest::newRow("three rows, 2 pages") << Form::Rows << 13 << 13 << 2 << 2970 << true << 4 << 4;
        QTest::newRow("four rows, 2 pages") << Form::Rows << 13 << 14 << 2 << 2970 << true << 4 << 4;
        QTest::newRow("five rows, 99 pages") << Form::Rows << 14 << 15 << 99 << 2970 << true << 4 << 4;
        QTest::newRow("rows, 200 mm") << Form::Rows << 14 << 15 << 1 << 2000 << true << 4 << 2;
        QTest::newRow("rows, no solutions") << Form::Rows << 13 << 14 << 1 << 2970 << false << 4 << 4;
        QTest::newRow("mental, 1 page") << Form::Mental << 0 << 0 << 1 << 2970 << true << 6 << 6;
        QTest::newRow("mental, 200 mm") << Form::Mental << 0 << 0 << 2 << 2000 << true << 6 << 4;
        QTest::newRow("mental, no solutions") << Form::Mental << 0 << 0 << 1 << 2970 << false << 6 << 6;
    }
    void bandSequence()
    {
        QFETCH(Form, form);
        QFETCH(int, kind);
        QFETCH(int, rows);
        QFETCH(int, pages);
        QFETCH(int, length);
        QFETCH(bool, solutions);
        QFETCH(int, group);
        QFETCH(int, fit);
        SeedRandom(11);
        Report report(MakeJob(form, kind, rows, pages, length, solutions));
        const std::vector<Band> bands = RunReport(report);
        QCOMPARE(int(bands.size()), pages * group);
        // Every band position comes back to 0 for the next run.
        QCOMPARE(report.position(), 0);
        QCOMPARE(report.delivered(), 0);

        const int cells = int(CellNames(form).size());
        // Each filled band adds one "~[" group (two in the mental report).
        const int marks = form == Form::Mental ? 2 : 1;
        for (size_t i = 0; i < bands.size(); ++i) {
            const Band& b = bands[i];
            const int position = int(i) % group;
            QCOMPARE(b.cells.size(), cells);
            QCOMPARE(b.filled, position < fit);
            int written = 0;
            for (const QString& c : b.cells)
                written += c.isEmpty() ? 0 : 1;
            QVERIFY2((written > 0) == b.filled, qPrintable(QString::number(i)));
            const bool last = position == group - 1;
            QCOMPARE(!b.memo.isEmpty(), solutions && last);
            if (!b.memo.isEmpty())
                QCOMPARE(int(b.memo.count(QStringLiteral("~"))), fit < group ? fit * marks : group * marks);
        }
        // The same report runs again from the start.
        QCOMPARE(int(RunReport(report).size()), pages * group);
    }

    // Places: hundreds|tens|units, one letter per sum: N no carry, C carry,
    // F free, - blank.
    void columnDrawRules_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("rules");
        QTest::newRow("1") << 1 << "---|---|NNN";
        QTest::newRow("2") << 2 << "---|NNN|NNN";
        QTest::newRow("3") << 3 << "NNN|NNN|NNN";
        QTest::newRow("11") << 11 << "---|---|CFC";
        QTest::newRow("12") << 12 << "---|CCC|CFC";
        QTest::newRow("13") << 13 << "FFF|CCC|CFC";
    }
    void columnDrawRules()
    {
        QFETCH(int, kind);
        QFETCH(QString, rules);
        const QStringList places = rules.split(QLatin1Char('|'));
        SeedRandom(uint32_t(kind));
        QSet<int> seen[3][3];
        for (int n = 0; n < 3000; ++n) {
            const auto sums = DrawColumnBand(kind);
            for (int s = 0; s < 3; ++s)
                for (int p = 0; p < 3; ++p) {
                    QCOMPARE(sums[s].used[p], places[p][s] != u'-');
                    if (sums[s].used[p])
                        seen[s][p] << sums[s].places[p].top * 10 + sums[s].places[p].bottom;
                }
        }
        for (int s = 0; s < 3; ++s)
            for (int p = 0; p < 3; ++p)
                if (places[p][s] != u'-')
                    QVERIFY2(seen[s][p] == PairsAdmitted(places[p][s]),
                             qPrintable(QStringLiteral("sum %1 place %2").arg(s + 1).arg(p)));
    }

    void columnSolution_data()
    {
        QTest::addColumn<int>("columns");
        QTest::addColumn<QList<int>>("top");  // hundreds, tens, units
        QTest::addColumn<QList<int>>("bottom");
        QTest::addColumn<QString>("text");
        QTest::newRow("7 + 5") << 1 << QList<int>{0, 0, 7} << QList<int>{0, 0, 5} << "12";
        QTest::newRow("4 + 3") << 1 << QList<int>{0, 0, 4} << QList<int>{0, 0, 3} << "7";
        QTest::newRow("43 + 25") << 2 << QList<int>{0, 4, 3} << QList<int>{0, 2, 5} << "68";
        QTest::newRow("04 + 03") << 2 << QList<int>{0, 0, 4} << QList<int>{0, 0, 3} << "07";
        QTest::newRow("58 + 38") << 2 << QList<int>{0, 5, 8} << QList<int>{0, 3, 8} << "96";
        QTest::newRow("95 + 17") << 2 << QList<int>{0, 9, 5} << QList<int>{0, 1, 7} << "112";
        QTest::newRow("999 + 999") << 3 << QList<int>{9, 9, 9} << QList<int>{9, 9, 9} << "1998";
        QTest::newRow("012 + 013") << 3 << QList<int>{0, 1, 2} << QList<int>{0, 1, 3} << "025";
        QTest::newRow("584 + 679") << 3 << QList<int>{5, 8, 4} << QList<int>{6, 7, 9} << "1263";
    }
    void columnSolution()
    {
        QFETCH(int, columns);
        QFETCH(QList<int>, top);
        QFETCH(QList<int>, bottom);
        QFETCH(QString, text);
        BandSum sum;
        for (int p = 0; p < 3; ++p) {
            sum.places[p] = {top[p], bottom[p]};
            sum.used[p] = p >= 3 - columns;
        }
        QCOMPARE(ColumnSolution(sum, columns), text);
    }

    // Scripted draws give known bands: their cells and solutions.
    void bandTexts_data()
    {
        QTest::addColumn<Form>("form");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("rows");
        QTest::addColumn<std::vector<uint32_t>>("draws");
        QTest::addColumn<QStringList>("cells");  // "name=text" of the written cells
        QTest::addColumn<QString>("solutions");
        // Tens of sums 1, 2, 3, then units.
        QTest::newRow("kind 2") << Form::Columns << 2 << 0
                                << std::vector<uint32_t>{4, 2, 1, 3, 0, 0, 3, 5, 2, 2, 4, 3}
                                << QStringList{"QRLabel_c1_d_f1=4", "QRLabel_c1_u_f1=3", "QRLabel_c1_d_f2=2",
                                               "QRLabel_c1_u_f2=5", "QRLabel_c2_d_f1=1", "QRLabel_c2_u_f1=2",
                                               "QRLabel_c2_d_f2=3", "QRLabel_c2_u_f2=2", "QRLabel_c3_d_f1=0",
                                               "QRLabel_c3_u_f1=4", "QRLabel_c3_d_f2=0", "QRLabel_c3_u_f2=3"}
                                << "~[68][44][07] ";
        // 3 + 4 carries nothing and is drawn again.
        QTest::newRow("kind 11") << Form::Columns << 11 << 0 << std::vector<uint32_t>{3, 4, 7, 5, 0, 0, 9, 9}
                                 << QStringList{"QRLabel_c1_u_f1=7", "QRLabel_c1_u_f2=5", "QRLabel_c2_u_f1=0",
                                                "QRLabel_c2_u_f2=0", "QRLabel_c3_u_f1=9", "QRLabel_c3_u_f2=9"}
                                 << "~[12][0][18] ";
        QTest::newRow("kind 13") << Form::Columns << 13 << 0
                                 << std::vector<uint32_t>{9, 9, 0, 0, 1, 2, 9, 9, 5,
                                                          5, 1, 9, 9, 9, 0, 1, 5, 5}
                                 << QStringList{"QRLabel_c1_c_f1=9", "QRLabel_c1_d_f1=9", "QRLabel_c1_u_f1=9",
                                                "QRLabel_c1_c_f2=9", "QRLabel_c1_d_f2=9", "QRLabel_c1_u_f2=9",
                                                "QRLabel_c2_c_f1=0", "QRLabel_c2_d_f1=5", "QRLabel_c2_u_f1=0",
                                                "QRLabel_c2_c_f2=0", "QRLabel_c2_d_f2=5", "QRLabel_c2_u_f2=1",
                                                "QRLabel_c3_c_f1=1", "QRLabel_c3_d_f1=1", "QRLabel_c3_u_f1=5",
                                                "QRLabel_c3_c_f2=2", "QRLabel_c3_d_f2=9", "QRLabel_c3_u_f2=5"}
                                 << "~[1998][101][410] ";
        // Top row first; below 10 goes up by 10; the limit wraps.
        QTest::newRow("three rows") << Form::Rows << 13 << 13
                                    << std::vector<uint32_t>{584, 469, 673, 5, 1000, 999, 100, 200, 300}
                                    << QStringList{"QRLabel_c1_f3=5 8 4", "QRLabel_c1_f2=4 6 9",
                                                   "QRLabel_c1_f1=6 7 3", "QRLabel_c2_f3=1 5",
                                                   "QRLabel_c2_f2=1 0",   "QRLabel_c2_f1=9 9 9",
                                                   "QRLabel_c3_f3=1 0 0", "QRLabel_c3_f2=2 0 0",
                                                   "QRLabel_c3_f1=3 0 0"}
                                    << "~[1726][1024][600] ";
        QTest::newRow("five rows")
            << Form::Rows << 14 << 15
            << std::vector<uint32_t>{5842, 4695, 1052, 3217, 6732, 9999, 10000, 9, 10, 11, 1, 2, 3, 4, 5}
            << QStringList{"QRLabel_c1_f5=5 8 4 2", "QRLabel_c1_f4=4 6 9 5", "QRLabel_c1_f3=1 0 5 2",
                           "QRLabel_c1_f2=3 2 1 7", "QRLabel_c1_f1=6 7 3 2", "QRLabel_c2_f5=9 9 9 9",
                           "QRLabel_c2_f4=1 0",     "QRLabel_c2_f3=1 9",     "QRLabel_c2_f2=1 0",
                           "QRLabel_c2_f1=1 1",     "QRLabel_c3_f5=1 1",     "QRLabel_c3_f4=1 2",
                           "QRLabel_c3_f3=1 3",     "QRLabel_c3_f2=1 4",     "QRLabel_c3_f1=1 5"}
            << "~[21538][10049][65] ";
    }
    void bandTexts()
    {
        QFETCH(Form, form);
        QFETCH(int, kind);
        QFETCH(int, rows);
        QFETCH(std::vector<uint32_t>, draws);
        QFETCH(QStringList, cells);
        QFETCH(QString, solutions);
        Report report(MakeJob(form, kind, rows, 1, 500, true));  // one filled band per group
        report.StartPage();
        ScriptRandom(draws);
        Band band;
        QVERIFY(report.NeedData(band));
        QCOMPARE(ScriptedRandomLeft(), size_t(0));
        const QStringList names = CellNames(form);
        QStringList written;
        for (int i = 0; i < names.size(); ++i)
            if (!band.cells[i].isEmpty())
                written << names[i] + QLatin1Char('=') + band.cells[i];
        written.sort();
        cells.sort();
        QCOMPARE(written, cells);
        // The blank bands of the group add nothing; the last one shows it all.
        for (int i = 1; i < LayoutOf(form).groupSize; ++i)
            QVERIFY(report.NeedData(band));
        QCOMPARE(band.memo, solutions);
    }

    // The printed mental sums are dealt as the window deals them.
    void mentalBandFollowsTheWindowSettings_data()
    {
        QTest::addColumn<int>("firstBound");
        QTest::addColumn<int>("secondSetting");
        QTest::addColumn<std::vector<uint32_t>>("draws");
        QTest::addColumn<QStringList>("cells");
        QTest::addColumn<QString>("solutions");
        // A fixed second addend draws nothing and stays fixed.
        QTest::newRow("Hasta 10, fixed +3")
            << 11 << 3 << std::vector<uint32_t>{5, 10, 11, 7}
            << QStringList{".......", "3",       "8", "10",      "3",       ".......",
                           "0",       ".......", "3", ".......", ".......", "10"}
            << "~[5][13]~[3][7+3] ";
        QTest::newRow("Hasta 20, random to 30")
            << 21 << 31 << std::vector<uint32_t>{20, 30, 21, 31, 4, 6, 0, 0}
            << QStringList{".......", "30",      "50", "0",       "0",       ".......",
                           "4",       ".......", "10", ".......", ".......", "0"}
            << "~[20][0]~[6][0+0] ";
        QTest::newRow("Sin límite both")
            << 251 << 201 << std::vector<uint32_t>{250, 200, 1, 2, 3, 4, 5, 6}
            << QStringList{".......", "200",     "450", "1",       "2",       ".......",
                           "3",       ".......", "7",   ".......", ".......", "11"}
            << "~[250][3]~[4][5+6] ";
    }
    void mentalBandFollowsTheWindowSettings()
    {
        QFETCH(int, firstBound);
        QFETCH(int, secondSetting);
        QFETCH(std::vector<uint32_t>, draws);
        QFETCH(QStringList, cells);
        QFETCH(QString, solutions);
        Job job = MakeJob(Form::Mental, 0, 0, 1, 2970, true);
        job.mental.firstBound = firstBound;
        job.mental.secondSetting = secondSetting;
        Report report(job);
        report.StartPage();
        ScriptRandom(draws);
        Band band;
        QVERIFY(report.NeedData(band));
        QCOMPARE(ScriptedRandomLeft(), size_t(0));
        QCOMPARE(band.cells, cells);
        // With one filled band a group, the memo holds only this band's.
        Job fitOne = job;
        fitOne.lengthTenths = 0;
        Report one(fitOne);
        one.StartPage();
        ScriptRandom(draws);
        for (int i = 0; i < 6; ++i)
            QVERIFY(one.NeedData(band));
        QCOMPARE(band.memo, solutions);
    }

    void mentalRangesFollowTheWindow_data()
    {
        QTest::addColumn<int>("firstBound");
        QTest::addColumn<int>("secondSetting");
        QTest::addColumn<int>("firstMax");
        QTest::addColumn<int>("secondMin");
        QTest::addColumn<int>("secondMax");
        QTest::newRow("Hasta 10 / Hasta 10") << 11 << 11 << 10 << 0 << 10;
        QTest::newRow("Hasta 10 / fixed +3") << 11 << 3 << 10 << 3 << 3;
        QTest::newRow("Hasta 50 / fixed +10") << 51 << 10 << 50 << 10 << 10;
        QTest::newRow("Sin límite / Sin límite") << 251 << 201 << 250 << 0 << 200;
    }
    void mentalRangesFollowTheWindow()
    {
        QFETCH(int, firstBound);
        QFETCH(int, secondSetting);
        QFETCH(int, firstMax);
        QFETCH(int, secondMin);
        QFETCH(int, secondMax);
        SeedRandom(5);
        Mental::Settings settings;
        settings.firstBound = firstBound;
        settings.secondSetting = secondSetting;
        int lowA = 1000, highA = -1, lowB = 1000, highB = -1;
        for (int n = 0; n < 5000; ++n)
            for (const Mental::Sum& s : DrawMentalBand(settings)) {
                lowA = std::min(lowA, s.first);
                highA = std::max(highA, s.first);
                lowB = std::min(lowB, s.second);
                highB = std::max(highB, s.second);
                QCOMPARE(s.result, s.first + s.second);
            }
        QCOMPARE(lowA, 0);
        QCOMPARE(highA, firstMax);
        QCOMPARE(lowB, secondMin);
        QCOMPARE(highB, secondMax);
    }

    void rowNumbersNeverBelowTen_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("highest");
        QTest::newRow("three digits") << 13 << 999;
        QTest::newRow("four digits") << 14 << 9999;
    }
    void rowNumbersNeverBelowTen()
    {
        QFETCH(int, kind);
        QFETCH(int, highest);
        SeedRandom(3);
        int low = 100000, high = -1;
        for (int n = 0; n < 100000; ++n) {
            const int v = DrawRowNumber(RowLimitOf(kind));
            low = std::min(low, v);
            high = std::max(high, v);
        }
        QCOMPARE(low, 10);
        QCOMPARE(high, highest);
    }
};

QTEST_GUILESS_MAIN(TestWorksheet)
#include "tst_worksheet.moc"
