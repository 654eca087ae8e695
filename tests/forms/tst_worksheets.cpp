// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/Windows.h"
#include "forms/TForm_cmental1.h"
#include "forms/TForm_informe_2.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_paginas.h"
#include "forms/WorksheetPrinting.h"
#include "logic/MentalArithmetic.h"
#include "logic/Random.h"
#include "tests/support/TestGame.h"
#include "widgets/TBandReport.h"
#include "widgets/TxpButton.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPdfWriter>
#include <QPointer>
#include <QProcess>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kTitle = QStringLiteral("Cifrolo, imprimir cuentas");

// Answers the next page dialog: pages typed into Edit1, then Enter (the
// default button "&Ver - Imprimir").
void AnswerPages(const QString& pages, const QString& length = QString(), bool solutions = true)
{
    Fake().OnModal(QStringLiteral("TForm_paginas"), [=](QDialog*) {
        if (!length.isNull()) {
            Form_paginas->Edit_long->clear();
            QTest::keyClicks(Form_paginas->Edit_long, length);
        }
        (solutions ? Form_paginas->RadioButton_soluciones : Form_paginas->RadioButton_no_soluciones)
            ->setChecked(true);
        QTest::keyClicks(Form_paginas->Edit1, pages);
        QTest::keyClick(Form_paginas->Edit1, Qt::Key_Return);
    });
}

int PdfPages(const QString& path)
{
    const QString pdfinfo = QStandardPaths::findExecutable(QStringLiteral("pdfinfo"));
    if (!pdfinfo.isEmpty()) {
        QProcess p;
        p.start(pdfinfo, {path});
        p.waitForFinished();
        for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
            if (line.startsWith("Pages:"))
                return line.mid(6).trimmed().toInt();
        return -1;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return int(f.readAll().count("/Type /Page\n"));
}

// Whether any pixel in a rectangle of the image is darker than light grey.
bool HasInk(const QImage& image, const QRect& rect)
{
    const QRect r = rect.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                return true;
    return false;
}

// The report open in the preview.
TWorksheetForm* OpenReport() { return Form_menu->findChild<TWorksheetForm*>(); }

}  // namespace

class TestWorksheets : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        StartTestGame();
        ClearRandomScript();
        Mental::CurrentSettings() = Mental::Settings{};
    }
    void cleanup()
    {
        EndTestGame();
        Mental::CurrentSettings() = Mental::Settings{};
    }

    void pageDialogShowsItsDefaults()
    {
        Form_paginas->EnsureControls();
        Form_paginas->Edit1->setText(QStringLiteral("12"));
        Fake().OnModal(QStringLiteral("TForm_paginas"), [](QDialog*) {
            QCOMPARE(Form_paginas->windowTitle(), QStringLiteral("Número de páginas a imprimir"));
            QCOMPARE(Form_paginas->Label3->text(), QStringLiteral("Papel A4\n210 mm\nx\n297 mm"));
            QCOMPARE(Form_paginas->Edit_long->text(), QStringLiteral("297"));
            QCOMPARE(Form_paginas->Edit_ancho->text(), QStringLiteral("210"));
            QVERIFY(!Form_paginas->Edit_ancho->isEnabled());
            QVERIFY(Form_paginas->Edit1->text().isEmpty());
            QCOMPARE(Form_paginas->focusWidget(), Form_paginas->Edit1);
            QVERIFY(Form_paginas->RadioButton_soluciones->isChecked());
            QVERIFY(Form_paginas->xpButton1->isDefault());
        });
        ThePlatform().RunModal(Form_paginas);
    }

    void pageDialogValues_data()
    {
        QTest::addColumn<QString>("pages");
        QTest::addColumn<QString>("length");
        QTest::addColumn<bool>("printDialogOk");
        QTest::addColumn<int>("pagesToPrint");
        QTest::addColumn<int>("printLength");
        QTest::newRow("two pages") << "2"
                                   << "297" << true << 2 << 2970;
        QTest::newRow("99 pages, 200 mm") << "99"
                                          << "200" << true << 99 << 2000;
        QTest::newRow("no count") << ""
                                  << "297" << true << 0 << 2970;
        QTest::newRow("no length: A4") << "3"
                                       << "" << true << 3 << 2970;
        QTest::newRow("letters and signs are not taken") << "-x4"
                                                         << "1a5b0" << true << 4 << 1500;
        QTest::newRow("only two digits") << "123"
                                         << "297" << true << 12 << 2970;
        QTest::newRow("print dialog cancelled") << "5"
                                                << "150" << false << 0 << 2970;
    }
    void pageDialogValues()
    {
        QFETCH(QString, pages);
        QFETCH(QString, length);
        QFETCH(bool, printDialogOk);
        QFETCH(int, pagesToPrint);
        QFETCH(int, printLength);
        Fake().printDialogAccepts = printDialogOk;
        AnswerPages(pages, length);
        game.pagesToPrint = 0;
        const int result = ThePlatform().RunModal(Form_paginas);
        QCOMPARE(result, printDialogOk ? int(QDialog::Accepted) : int(QDialog::Rejected));
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("print-dialog")).size(), 1);
        QCOMPARE(game.pagesToPrint, pagesToPrint);
        QCOMPARE(Form_paginas->printLength, printLength);
        QCOMPARE(Form_paginas->printWidth, 2100);
        QVERIFY(!Form_paginas->isVisible());
    }

    void cancelLeavesNoPagesAndKeepsTheArea()
    {
        Form_paginas->printLength = 2000;
        Fake().OnModal(QStringLiteral("TForm_paginas"), [](QDialog*) {
            QCOMPARE(Form_paginas->Edit_long->text(), QStringLiteral("200"));
            QTest::keyClicks(Form_paginas->Edit1, QStringLiteral("7"));
            game.pagesToPrint = 7;
            Form_paginas->xpButton2->click();
        });
        ThePlatform().RunModal(Form_paginas);
        QCOMPARE(game.pagesToPrint, 0);
        QCOMPARE(Form_paginas->printLength, 2000);
        QVERIFY(Fake().CallsStartingWith(QStringLiteral("print-dialog")).isEmpty());
    }

    // Each entry: its sample, its codes (-1: left as they were), its report.
    void printEntries_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("sample");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("report");
        QTest::newRow("Sin llevadas, una columna") << "Conunacolumna1"
                                                   << "\n\n   5       \n+  3       \n¯¯¯¯       \n"
                                                   << 1 << -1 << "TForm_informe_1";
        QTest::newRow("Sin llevadas, dos columnas") << "Condoscolumnas1"
                                                    << "\n\n   4 3     \n+  2 5     \n¯¯¯¯¯¯     \n"
                                                    << 2 << -1 << "TForm_informe_1";
        QTest::newRow("Sin llevadas, tres columnas") << "Contrescolumnas1"
                                                     << "\n\n   7 3 4     \n+  1 2 5     \n¯¯¯¯¯¯¯¯     \n"
                                                     << 3 << -1 << "TForm_informe_1";
        QTest::newRow("Con llevadas, una columna") << "Conunacolumna2"
                                                   << "\n\n   9       \n+  6       \n¯¯¯¯       \n"
                                                   << 11 << -1 << "TForm_informe_1";
        QTest::newRow("Con llevadas, dos columnas") << "Condoscolumnas2"
                                                    << "\n\n   5 8     \n+  3 8     \n¯¯¯¯¯¯     \n"
                                                    << 12 << -1 << "TForm_informe_1";
        QTest::newRow("Con llevadas, tres columnas") << "Contrescolumnas2"
                                                     << "\n\n   5 8 4     \n+  6 7 9     \n¯¯¯¯¯¯¯¯     \n"
                                                     << 13 << -1 << "TForm_informe_1";
        QTest::newRow("tres filas") << "Contresfilas1"
                                    << "\n\n   5 8 4     \n   4 6 9     \n+  6 7 3     \n¯¯¯¯¯¯¯¯     \n"
                                    << 13 << 13 << "TForm_informe_2";
        QTest::newRow("cuatro filas")
            << "Concuatrofilas1"
            << "\n   5 8 4     \n   4 6 9     \n   3 2 1     \n+  6 7 3     \n¯¯¯¯¯¯¯¯     \n"
            << 13 << 14 << "TForm_informe_2";
        QTest::newRow("cinco filas")
            << "Concincofilas1"
            << "\n   5 8 4 2   \n   4 6 9 5   \n   1 0 5 2   \n   3 2 1 7   \n+  6 7 3 2   \n¯¯¯¯¯¯¯¯¯¯   \n"
            << 14 << 15 << "TForm_informe_2";
        QTest::newRow("Cálculo mental")
            << "Clculomental2"
            << "\n   5 + ... = 12  \n\n   ... + 7 = 12  \n\n   5 + 7 = ....  \n\n  ... + ... = 12  \n\n"
            << -1 << -1 << "TForm_informe_3";
        QTest::newRow("Hoja de repaso")
            << "Hojaderepaso1" << WorksheetPrinting::ReviewSample() << -1 << -1 << "TForm_informe_1";
    }
    void printEntries()
    {
        QFETCH(QString, entry);
        QFETCH(QString, sample);
        QFETCH(int, kind);
        QFETCH(int, rows);
        QFETCH(QString, report);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("hojas.pdf"));
        Fake().previewPdf = pdf;
        game.worksheetKind = 99;
        game.worksheetRows = 77;
        AnswerPages(QStringLiteral("2"));
        QString built;
        QPointer<TWorksheetForm> open;
        Fake().duringPreview = [&] {
            open = OpenReport();
            QVERIFY(open);
            built = open->objectName();
            QCOMPARE(Form_paginas->Label_ej->text(), sample);
        };
        Control<QAction>(Form_menu, entry)->trigger();
        QCOMPARE(Fake().calls,
                 (QStringList{QStringLiteral("modal:TForm_paginas"), QStringLiteral("print-dialog"),
                              QStringLiteral("print-preview:") + kTitle}));
        QCOMPARE(built, report);
        QCOMPARE(game.worksheetKind, kind < 0 ? 99 : kind);
        QCOMPARE(game.worksheetRows, rows < 0 ? 77 : rows);
        QCOMPARE(PdfPages(pdf), 2);
        // Freed once closed.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(open.isNull());
        QVERIFY(Form_menu->Impresin1->isEnabled());
    }

    void noPagesBuildsNoReport_data()
    {
        QTest::addColumn<QString>("pages");
        QTest::newRow("empty") << "";
        QTest::newRow("zero") << "0";
        QTest::newRow("00") << "00";
    }
    void noPagesBuildsNoReport()
    {
        QFETCH(QString, pages);
        game.worksheetKind = 99;
        AnswerPages(pages);
        Form_menu->Condoscolumnas1->trigger();
        QCOMPARE(game.worksheetKind, 99);
        QVERIFY(Fake().CallsStartingWith(QStringLiteral("print-preview")).isEmpty());
        QVERIFY(!OpenReport());
    }

    void failureIsToldAndTheMenuStaysUsable()
    {
        Fake().previewWorks = false;
        AnswerPages(QStringLiteral("1"));
        Form_menu->Contresfilas1->trigger();
        const QStringList messages = Fake().CallsStartingWith(QStringLiteral("message:"));
        QCOMPARE(messages.size(), 1);
        QVERIFY(!messages[0].contains(QStringLiteral("Windows")));
        QVERIFY(Form_menu->Impresin1->isEnabled());
        QVERIFY(Form_menu->Contresfilas1->isEnabled());

        // The next try works.
        Fake().calls.clear();
        Fake().previewWorks = true;
        AnswerPages(QStringLiteral("1"));
        Form_menu->Contresfilas1->trigger();
        QVERIFY(Fake().CallsStartingWith(QStringLiteral("message:")).isEmpty());
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("print-preview:")).size(), 1);
    }

    void aPdfThatCannotBeWrittenIsAFailure()
    {
        Fake().previewPdf = QStringLiteral("/nonexistent-folder/hojas.pdf");
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        AnswerPages(QStringLiteral("1"));
        Form_menu->Clculomental2->trigger();
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("message:")).size(), 1);
        QVERIFY(Form_menu->Impresin1->isEnabled());
    }

    // The window's menu sets what the worksheet prints: a fixed addend stays
    // fixed, the first addend stays below its bound.
    void mentalWorksheetPrintsWhatTheWindowDeals()
    {
        Form_cmental1->EnsureControls();
        Form_cmental1->fixedItems[2]->trigger();  // "Valor fijo a  +3"
        SeedRandom(7);
        AnswerPages(QStringLiteral("5"));
        int filled = 0;
        Fake().duringPreview = [&] {
            TWorksheetForm* report = OpenReport();
            QVERIFY(report);
            for (const TReportPage& page : report->QuickReport1.Pages())
                for (const TPrintedBand& band : page.bands) {
                    if (band.name != QLatin1String("QRBand2"))
                        continue;
                    ++filled;
                    QCOMPARE(band.Item(QStringLiteral("QRLabel_c1_p2"))->text, QStringLiteral("3"));
                    QCOMPARE(band.Item(QStringLiteral("QRLabel_c3_p2"))->text, QStringLiteral("......."));
                    const int a = band.Item(QStringLiteral("QRLabel_c2_p1"))->text.toInt();
                    QVERIFY(a >= 0 && a <= 10);
                    QCOMPARE(band.Item(QStringLiteral("QRLabel_c2_p2"))->text, QStringLiteral("3"));
                }
        };
        Form_menu->Clculomental2->trigger();
        QCOMPARE(filled, 30);
    }

    // Pages, bands and what each band shows, rendered to images.
    void reportPagesRendered_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("length");
        QTest::addColumn<bool>("solutions");
        QTest::addColumn<int>("pages");
        QTest::addColumn<int>("bandsPerPage");
        QTest::addColumn<int>("filledPerPage");
        QTest::newRow("columns, A4") << "Contrescolumnas2"
                                     << "297" << true << 2 << 6 << 6;
        QTest::newRow("columns, 200 mm") << "Condoscolumnas1"
                                         << "200" << true << 2 << 6 << 4;
        QTest::newRow("four rows") << "Concuatrofilas1"
                                   << "297" << true << 2 << 4 << 4;
        QTest::newRow("four rows, no solutions") << "Concuatrofilas1"
                                                 << "297" << false << 2 << 4 << 4;
        QTest::newRow("mental, 200 mm") << "Clculomental2"
                                        << "200" << true << 3 << 6 << 4;
    }
    void reportPagesRendered()
    {
        QFETCH(QString, entry);
        QFETCH(QString, length);
        QFETCH(bool, solutions);
        QFETCH(int, pages);
        QFETCH(int, bandsPerPage);
        QFETCH(int, filledPerPage);
        AnswerPages(QString::number(pages), length, solutions);
        Fake().duringPreview = [&] {
            TWorksheetForm* report = OpenReport();
            QVERIFY(report);
            const TBandReport& r = report->QuickReport1;
            QCOMPARE(int(r.Pages().size()), pages);
            const int header = r.PageHeader()->height();
            const int detail = r.Detail()->height();
            for (int p = 0; p < pages; ++p) {
                const TReportPage& page = r.Pages()[size_t(p)];
                QCOMPARE(int(page.bands.size()), 1 + bandsPerPage);
                QCOMPARE(page.bands[0].name, QStringLiteral("QRBand1"));
                const QImage image = r.RenderPage(p);
                QVERIFY(HasInk(image, QRect(0, 0, r.PageWidth(), header)));
                for (int b = 0; b < bandsPerPage; ++b) {
                    const TPrintedBand& band = page.bands[size_t(b + 1)];
                    QCOMPARE(band.top, header + b * detail);
                    const int memoTop = band.Item(QStringLiteral("QRMemo_soluciones"))->geometry.top();
                    const QRect sums(0, band.top, r.PageWidth(), memoTop);
                    const QRect memo(0, band.top + memoTop, r.PageWidth(), detail - memoTop);
                    QCOMPARE(HasInk(image, sums), b < filledPerPage);
                    QCOMPARE(HasInk(image, memo), solutions && b == bandsPerPage - 1);
                }
            }
        };
        Control<QAction>(Form_menu, entry)->trigger();
        QVERIFY(Fake().CallsStartingWith(QStringLiteral("message:")).isEmpty());
    }

    // The engine's order: a page starts, then data is asked for band after
    // band, and a band that does not fit starts the next page.
    void rendererCallsTheHandlersInOrder()
    {
        TBandReport r;
        r.SetPageHeader(QStringLiteral("head"), 50);
        TReportBand* detail = r.SetDetail(QStringLiteral("detail"), 300);
        TReportItem* label = detail->AddLabel(QStringLiteral("n"), QRect(0, 0, 200, 40), QFont());
        QString log;
        int n = 0;
        r.onStartPage = [&] { log += QLatin1Char('S'); };
        r.onNeedData = [&] {
            log += QLatin1Char('N');
            label->text = QString::number(++n);
            return n <= 7;
        };
        QVERIFY(r.Prepare());
        // 50 + 3 × 300 fits the 277 mm of an A4 page within its margins; 4 bands do not.
        QCOMPARE(log, QStringLiteral("SNNNNSNNNSN"));
        QCOMPARE(int(r.Pages().size()), 3);
        const int expected[3][3] = {{1, 2, 3}, {4, 5, 6}, {7, 0, 0}};
        for (int p = 0; p < 3; ++p) {
            const auto& bands = r.Pages()[size_t(p)].bands;
            QCOMPARE(int(bands.size()), p < 2 ? 4 : 2);
            for (size_t b = 1; b < bands.size(); ++b)
                QCOMPARE(bands[b].items[0].text, QString::number(expected[p][b - 1]));
        }
        // The recorded pages print the same on a PDF writer.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("r.pdf"));
        {
            QPdfWriter pdf(path);
            QVERIFY(r.Print(&pdf));
        }
        QCOMPARE(PdfPages(path), 3);
        QCOMPARE(log, QStringLiteral("SNNNNSNNNSN"));
    }

    void rendererStopsAHandlerThatNeverEnds()
    {
        TBandReport r;
        r.SetDetail(QStringLiteral("detail"), 2000);  // taller than a page: one a page
        r.maxPages = 5;
        r.onNeedData = [] { return true; };
        QVERIFY(!r.Prepare());
        QCOMPARE(int(r.Pages().size()), 5);
    }
};

QTEST_MAIN(TestWorksheets)
#include "tst_worksheets.moc"
