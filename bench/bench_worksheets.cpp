// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// Worksheet benchmark: makes 1, 10, 50 and 99 pages of each report (with
// solutions) and writes them to a PDF file; prints the time to make the
// pages, the time to paint them into the file and the file's size. Median
// of a few runs each.
//
//   bench_worksheets [runs] [folder]   (default 3 runs; with a folder, the
//                                       99-page PDFs are kept there)

#include "forms/TForm_informe_1.h"
#include "forms/TForm_informe_2.h"
#include "forms/TForm_informe_3.h"
#include "forms/WorksheetPrinting.h"
#include "logic/Random.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct Case {
    const char* name;
    Worksheet::Form form;
    int32_t kind;
    int32_t rows;
};

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 3;
    const QString keep = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QTemporaryDir tmp;
    SeedRandom(2026);

    const Case cases[] = {
        {"columns, kind 13 (informe_1)", Worksheet::Form::Columns, 13, 13},
        {"three rows (informe_2)", Worksheet::Form::Rows, 13, 13},
        {"five rows (informe_2)", Worksheet::Form::Rows, 14, 15},
        {"mental (informe_3)", Worksheet::Form::Mental, 1, 13},
    };
    std::printf("%-30s %6s %6s %12s %12s %12s %10s\n", "report", "pages", "pdfpg", "prepare ms", "paint ms",
                "total ms", "size KB");
    for (const Case& c : cases) {
        for (int pages : {1, 10, 50, 99}) {
            std::vector<double> prepare, paint;
            qint64 size = 0;
            int pdfPages = 0;
            for (int r = 0; r < runs; ++r) {
                Worksheet::Job job;
                job.form = c.form;
                job.kind = c.kind;
                job.rows = c.rows;
                job.pages = pages;
                std::unique_ptr<TWorksheetForm> report(NewWorksheetForm(job, nullptr));
                QElapsedTimer t;
                t.start();
                report->QuickReport1.Prepare();
                prepare.push_back(double(t.nsecsElapsed()) / 1e6);
                const QString path = tmp.filePath(QStringLiteral("w.pdf"));
                t.restart();
                {
                    QPdfWriter pdf(path);
                    report->QuickReport1.Print(&pdf);
                }
                paint.push_back(double(t.nsecsElapsed()) / 1e6);
                size = QFileInfo(path).size();
                pdfPages = int(report->QuickReport1.Pages().size());
                if (!keep.isEmpty() && pages == 99 && r == 0) {
                    QDir().mkpath(keep);
                    const QString name = QString::fromLatin1(c.name)
                                             .section(QLatin1Char(' '), 0, 1)
                                             .remove(QLatin1Char(','))
                                             .replace(QLatin1Char(' '), QLatin1Char('_'));
                    QFile::remove(QDir(keep).filePath(name + QStringLiteral(".pdf")));
                    QFile::copy(path, QDir(keep).filePath(name + QStringLiteral(".pdf")));
                }
            }
            const double pm = Median(prepare), dm = Median(paint);
            std::printf("%-30s %6d %6d %12.1f %12.1f %12.1f %10.1f\n", c.name, pages, pdfPages, pm, dm,
                        pm + dm, double(size) / 1024.0);
        }
    }
    return 0;
}
