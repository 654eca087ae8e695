// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameFolder.h"
#include "app/GameState.h"
#include "app/Windows.h"
#include "files/ResultsFile.h"
#include "forms/ResultsPrintout.h"
#include "forms/TForm_Resultados.h"
#include "forms/TForm_menu.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

namespace {

const QString kNotResults =
    QStringLiteral("ask:E R R O R\n\nEl fichero no es de Resultados\no no pertenece a esta serie.");
const QString kCannotRead = QStringLiteral("ask:E R R O R\n\nProblemas al abrir o leer archivo.");
const QString kTooLong = QStringLiteral("ask:ATENCION\n\nEl fichero de Resultados ya es muy largo.\nDebe "
                                        "guardar en otro archivo, con otro nombre.");
const QString kCannotCreateNew =
    QStringLiteral("ask:E R R O R\n\nEl fichero no existe.\nProblemas para crear archivo nuevo.");
const QString kCannotCreateOrWrite =
    QStringLiteral("ask:E R R O R\n\nProblemas para crear o grabar en archivo.");
const QString kCannotSave =
    QStringLiteral("ask:Error.\n\nProblemas para guardar resultados.\n\nPrueba con otro archivo");
const QString kNoLastFile =
    QStringLiteral("ask:Opción no disponible.\n\nNo se ha leído ningún archivo\no\nla última operación de "
                   "lectura o grabación "
                   "de resultados\nno se completó o falló.\n\nUsa la opción 'Guardar como...'.");

// A results file made byte by byte, as another program would.
QByteArray ResultsBytes(const QList<QByteArray>& oemNames, int seed = 1)
{
    QByteArray f(72, '\0');
    std::memcpy(f.data(), "TOLV ZARPOLINA RES", 18);
    for (int i = 0; i < oemNames.size(); ++i) {
        QByteArray r(72, '\0');
        std::memcpy(r.data(), oemNames[i].constData(), size_t(oemNames[i].size()));
        const int32_t year = 2020 + i;
        std::memcpy(r.data() + 26, &year, 4);
        r[30] = char(10 + i);
        r[31] = char(1 + i);
        for (int s = 0; s < 10; ++s) {
            const int32_t v = seed * (i + 1) * (s + 1);
            std::memcpy(r.data() + 32 + 4 * s, &v, 4);
        }
        f += r;
    }
    return f;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Remembers what the printout draws, page by page.
class RecordingPrintout : public ResultsPrintout {
public:
    using ResultsPrintout::ResultsPrintout;
    struct Drawn {
        int page;
        int x;
        int y;
        QString text;
    };
    QList<Drawn> texts;
    int page = 1;
    int lines = 0;

protected:
    void Text(int x, int y, const QString& text, bool centred) override
    {
        texts.append({page, x, y, text});
        ResultsPrintout::Text(x, y, text, centred);
    }
    void Line(int y) override
    {
        ++lines;
        ResultsPrintout::Line(y);
    }
};

} // namespace

class TestResultados : public QObject {
    Q_OBJECT
    QTemporaryDir tmp_;
    QString resultad_;
    TForm_Resultados* w_ = nullptr;

    QString File(const QString& name) const { return resultad_ + QLatin1Char('/') + name; }

private slots:
    void init()
    {
        StartTestGame();
        QDir(tmp_.path()).mkpath(QStringLiteral("juego"));
        game.startDirectory = tmp_.path() + QStringLiteral("/juego");
        SetGameFolderPath(game.startDirectory);
        resultad_ = tmp_.path() + QStringLiteral("/resultad");
        QDir(resultad_).removeRecursively();
        w_ = Form_Resultados;
        w_->EnsureControls();
    }
    void cleanup()
    {
        SetGameFolderPath(QString());
        EndTestGame();
    }

    void readingThroughTheMenuReplacesThePlayers()
    {
        w_->MakeResultsPattern(); // creates the folder
        QVERIFY(QFileInfo(resultad_).isDir());
        QCOMPARE(game.resultsPath, resultad_ + QStringLiteral("/*.rsr"));
        WriteFile(File(QStringLiteral("tres.rsr")), ResultsBytes({"Pe\xA4"
                                                                  "a",
                                                                  "\xB5lvaro", "Ra\xA3l"}));
        game.pointsTable[1].points = 40;
        Fake().openFileNames.push_back(File(QStringLiteral("tres.rsr")));
        const QString workingFolder = QDir::currentPath();
        Form_menu->Leerjugadoresdearchivo1->trigger();

        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("open-dialog:")),
                 QStringList{QStringLiteral("open-dialog:") + resultad_ + QStringLiteral("/*.rsr")});
        QCOMPARE(game.playerCount, 3);
        QCOMPARE(game.currentPlayer, 1);
        QCOMPARE(game.players[1].Name(), QStringLiteral("Álvaro"));
        QCOMPARE(game.pointsTable[3].Name(), QStringLiteral("Raúl"));
        QCOMPARE(game.pointsTable[1].points, 0);
        QCOMPARE(game.players[2].hits[3], 3 * 4); // subtraction slots come in as stored
        QCOMPARE(w_->Label_archivo->text(), QStringLiteral("Del archivo : 'tres.rsr'"));
        QVERIFY(!w_->Label_archivo->isHidden());
        QVERIFY(game.resultsSaved);
        QVERIFY(game.resultsFileKnown);
        QCOMPARE(game.lastResultsFile, File(QStringLiteral("tres.rsr")));
        QCOMPARE(Form_menu->Label_nombrejugador->text(), QStringLiteral("Peña"));
        QVERIFY(Form_menu->Color95Button_jugadorsiguiente->isEnabled());
        QCOMPARE(QDir::currentPath(), workingFolder); // reading moves no folder
    }

    void aHeaderOnlyFileLeavesOnePlayerSinNombre()
    {
        w_->MakeResultsPattern();
        WriteFile(File(QStringLiteral("vacio.rsr")), ResultsBytes({}));
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
        Fake().openFileNames.push_back(File(QStringLiteral("vacio.rsr")));
        Form_menu->Leerjugadoresdearchivo1->trigger();
        QCOMPARE(game.playerCount, 1);
        QCOMPARE(game.players[0].Name(), QStringLiteral("Sin nombre"));
        QCOMPARE(game.pointsTable[1].Name(), QStringLiteral("Sin nombre"));
        QVERIFY(!Form_menu->Color95Button_jugadorsiguiente->isEnabled());
        QVERIFY(game.resultsFileKnown);
    }

    // A bad file brings the dialog back with its message; cancelling then
    // leaves every player as it was.
    void aFileThatCannotBeUsedChangesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("message");
        QTest::newRow("foreign") << QByteArray("hola, esto no es un archivo de resultados").repeated(2)
                                 << kNotResults;
        QTest::newRow("header cut short") << ResultsBytes({}).left(40) << kCannotRead;
        QTest::newRow("a folder") << QByteArray() << kCannotRead;
    }
    void aFileThatCannotBeUsedChangesNothing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, message);
        w_->MakeResultsPattern();
        const QString path = File(QStringLiteral("malo.rsr"));
        if (bytes.isEmpty())
            QDir().mkpath(path);
        else
            WriteFile(path, bytes);
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
        game.players[1].hits[0] = 7;
        game.resultsFileKnown = true;
        Fake().openFileNames.push_back(path);
        Form_menu->Leerjugadoresdearchivo1->trigger();
        QCOMPARE(Fake().calls.filter(QStringLiteral("-dialog:")).size(), 2);
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("ask:")), QStringList{message});
        QVERIFY(Fake().calls.contains(QStringLiteral("beep")));
        QCOMPARE(game.playerCount, 2);
        QCOMPARE(game.players[1].Name(), QStringLiteral("Luis"));
        QCOMPARE(game.players[1].hits[0], 7);
        QVERIFY(!game.resultsFileKnown);
    }

    void unsavedResultsAreAskedAboutFirst()
    {
        game.resultsSaved = false;
        Fake().answers.push_back(Platform::Answer::Yes);
        Form_menu->Leerjugadoresdearchivo1->trigger();
        QCOMPARE(
            Fake().CallsStartingWith(QStringLiteral("ask:")),
            QStringList{QStringLiteral("ask:¡¡ Atención !!\n\nEsta opción borra los valores de resultados "
                                       "actuales, que no han sido guardados en disco.\n\n¿Desea volver para "
                                       "guardarlos antes de abrir otro?")});
        QCOMPARE(Fake().askedButtons, QList<Platform::Buttons>{Platform::Buttons::YesNoKeep});
        QVERIFY(Fake().CallsStartingWith(QStringLiteral("open-dialog:")).isEmpty());
        QVERIFY(!game.resultsSaved);
    }

    void theWindowShowsEachPlayersRecord()
    {
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Íñigo")});
        game.players[1].day = 3;
        game.players[1].month = 3;
        game.players[1].year = 2025;
        const int32_t hits[5] = {1, 2, 3, 4, 2147483647};
        std::memcpy(game.players[1].hits, hits, sizeof hits);
        game.players[1].misses[2] = 9;
        Fake().OnModal(QStringLiteral("TForm_Resultados"), [this](QDialog*) {
            QCOMPARE(w_->ComboBox_nombres->count(), 2);
            QCOMPARE(w_->ComboBox_nombres->currentIndex(), 0);
            w_->ComboBox_nombres->setCurrentIndex(1);
            QCOMPARE(w_->Edit_dia->text(), QStringLiteral("03"));
            QCOMPARE(w_->ComboBox_meses->currentText(), QStringLiteral("Mar"));
            QCOMPARE(w_->Edit_agno->text(), QStringLiteral("2025"));
            QCOMPARE(w_->Label_aci_restas_con->text(), QStringLiteral("4"));
            QCOMPARE(w_->Label_fal_restas_sin->text(), QStringLiteral("9"));
            QCOMPARE(w_->Label_aci_total->text(), QStringLiteral("2147483657")); // no overflow
            QCOMPARE(w_->Label_fal_total->text(), QStringLiteral("9"));
            QTest::keyClick(w_, Qt::Key_C, Qt::AltModifier); // "&Cerrar"
        });
        Form_menu->Controlderesultados1->trigger();
        QVERIFY(!w_->isVisible());
        QCOMPARE(w_->windowTitle(), QStringLiteral("Control  de  resultados"));
    }

    void zeroingClearsOnlyTheSelectedPlayer()
    {
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis"), QStringLiteral("Eva")});
        for (int p = 0; p < 3; ++p)
            for (int s = 0; s < 5; ++s) {
                game.players[p].hits[s] = 10 + s;
                game.players[p].misses[s] = 20 + s;
            }
        game.pointsTable[2].points = 33;
        w_->FormShow();
        w_->ComboBox_nombres->setCurrentIndex(1);
        QTest::mouseClick(w_->Color95Button_acero, Qt::LeftButton);
        for (int s = 0; s < 5; ++s) {
            QCOMPARE(game.players[1].hits[s], 0);
            QCOMPARE(game.players[1].misses[s], 0);
            QCOMPARE(game.players[0].hits[s], 10 + s);
            QCOMPARE(game.players[2].misses[s], 20 + s);
        }
        QCOMPARE(game.players[1].Name(), QStringLiteral("Luis"));
        QCOMPARE(game.pointsTable[2].points, 33);
        QCOMPARE(w_->Label_aci_total->text(), QStringLiteral("0"));
        QCOMPARE(w_->Label_fal_total->text(), QStringLiteral("0"));
        QVERIFY(!game.resultsSaved);
    }

    void saveAsWritesTheTableAndRemembersTheFile()
    {
        SetPlayers({QStringLiteral("Begoña"), QStringLiteral("Íker")});
        game.players[0].hits[1] = 5;
        game.resultsSaved = false;
        Fake().saveFileNames.push_back(resultad_ + QStringLiteral("/clase")); // no extension typed
        w_->Guardarcomo1->trigger();
        const QString path = File(QStringLiteral("clase.rsr"));
        QCOMPARE(game.lastResultsFile, path);
        QCOMPARE(w_->Label_archivo->text(), QStringLiteral("Jugadores del archivo: 'clase.rsr'"));
        QVERIFY(game.resultsSaved && game.resultsFileKnown);
        const QByteArray bytes = ReadAll(path);
        QCOMPARE(bytes.size(), 72 * 3);
        QCOMPARE(bytes.mid(72, 7), QByteArray("Bego\xA4"
                                              "a\0",
                                              7));
        QCOMPARE(int(bytes[30]), 7); // the header carries the start date
        QCOMPARE(int(bytes[31]), 12);

        // "Guardar" then writes to the same file without a dialog.
        game.players[1].misses[0] = 4;
        w_->Guardar1->trigger();
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("save-dialog:")).size(), 1);
        QCOMPARE(ResultsFile::Read(path).records[1].misses[0], 4);
    }

    void appendingStampsTheDateOfTheWindow_data()
    {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("wantYear");
        QTest::addColumn<int>("wantDay");
        QTest::newRow("not numbers") << QStringLiteral("abcd") << QString() << 2 << 1999 << 15;
        QTest::newRow("numbers") << QStringLiteral("2031") << QStringLiteral("09") << 11 << 2031 << 9;
        QTest::newRow("no month") << QStringLiteral("2030") << QStringLiteral("1") << -1 << 2030 << 1;
    }
    void appendingStampsTheDateOfTheWindow()
    {
        QFETCH(QString, year);
        QFETCH(QString, day);
        QFETCH(int, month);
        QFETCH(int, wantYear);
        QFETCH(int, wantDay);
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
        w_->FormShow();
        w_->Edit_agno->setText(year);
        w_->Edit_dia->setText(day);
        w_->ComboBox_meses->setCurrentIndex(month);
        const QString path = File(QStringLiteral("anadido.rsr"));
        Fake().saveFileNames.push_back(path);
        w_->Aadiralarchivo1->trigger();
        const auto read = ResultsFile::Read(path);
        QCOMPARE(int(read.records.size()), 2);
        for (const PlayerRecord& r : read.records) {
            QCOMPARE(r.year, wantYear);
            QCOMPARE(int(r.day), wantDay);
            QCOMPARE(int(r.month), month + 1);
        }
        QCOMPARE(w_->Label_archivo->text(), QStringLiteral("Jugadores del archivo: 'anadido.rsr'"));
        QVERIFY(game.lastResultsFile.isEmpty()); // appending does not change it
        if (month == 2)
            QVERIFY(ResultsPrintout::RecordLine(1, read.records[0]).contains(QStringLiteral("/Mar/")));
    }

    // Every failure of the table: its message, its beep, and whether the
    // dialog comes back (the fake then cancels it).
    void failuresSayWhatWentWrong_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("recordsInFile"); // -1: foreign bytes, -2: no file
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("beep");
        QTest::addColumn<int>("dialogs");
        QTest::newRow("save without a file") << "guardar" << QString() << -2 << kNoLastFile << true << 0;
        QTest::newRow("save to a lost folder") << "guardar"
                                               << "perdida/x.rsr" << -2 << kCannotCreateOrWrite << true << 0;
        QTest::newRow("save as, lost folder") << "como"
                                              << "perdida/x.rsr" << -2 << kCannotCreateOrWrite << true << 2;
        QTest::newRow("save as, full disk") << "como"
                                            << "/dev/full" << -2 << kCannotSave << false << 2;
        QTest::newRow("append, foreign file") << "anadir"
                                              << "ajeno.rsr" << -1 << kNotResults << true << 2;
        QTest::newRow("append, 48 + 3") << "anadir"
                                        << "largo.rsr" << 48 << kTooLong << true << 2;
        QTest::newRow("append, lost folder") << "anadir"
                                             << "perdida/x.rsr" << -2 << kCannotCreateNew << true << 2;
    }
    void failuresSayWhatWentWrong()
    {
        QFETCH(QString, operation);
        QFETCH(QString, target);
        QFETCH(int, recordsInFile);
        QFETCH(QString, message);
        QFETCH(bool, beep);
        QFETCH(int, dialogs);
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis"), QStringLiteral("Eva")});
        game.resultsSaved = false;
        w_->MakeResultsPattern();
        const QString path = target.startsWith(QLatin1Char('/')) ? target : File(target);
        QByteArray before;
        if (recordsInFile == -1)
            before = QByteArray(300, 'x');
        else if (recordsInFile >= 0)
            before = ResultsBytes(QList<QByteArray>(recordsInFile, "Otro"));
        if (!before.isEmpty())
            WriteFile(path, before);
        if (operation == QLatin1String("guardar")) {
            if (!target.isEmpty()) {
                game.resultsFileKnown = true;
                game.lastResultsFile = path;
            }
            w_->Guardar1->trigger();
        } else {
            Fake().saveFileNames.push_back(path);
            (operation == QLatin1String("como") ? w_->Guardarcomo1 : w_->Aadiralarchivo1)->trigger();
        }
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("ask:")), QStringList{message});
        QCOMPARE(Fake().calls.contains(QStringLiteral("beep")), beep);
        if (beep)
            QCOMPARE(Fake().calls.indexOf(QStringLiteral("beep")) + 1, Fake().calls.indexOf(message));
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("save-dialog:")).size(), dialogs);
        QVERIFY(!game.resultsSaved);
        if (!before.isEmpty())
            QCOMPARE(ReadAll(path), before);
    }

    void appendingTwoToFortyEightFillsTheFile()
    {
        const QString path = File(QStringLiteral("casi.rsr"));
        w_->MakeResultsPattern();
        WriteFile(path, ResultsBytes(QList<QByteArray>(48, "Otro")));
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
        Fake().saveFileNames.push_back(path);
        w_->Aadiralarchivo1->trigger();
        QCOMPARE(ReadAll(path).size(), 72 * 51);
        QVERIFY(game.resultsSaved);
    }

    void thePrintoutBreaksPagesAndKeepsCounting()
    {
        QImage page(3300, 600, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        RecordingPrintout printout(painter, page.width(), page.height());
        int pages = 1;
        printout.newPage = [&] {
            printout.page = ++pages;
            return true;
        };
        std::vector<PlayerRecord> records(30);
        for (int i = 0; i < 30; ++i) {
            records[size_t(i)].SetName(QStringLiteral("Niño %1").arg(i + 1));
            records[size_t(i)].month = uint8_t(i == 0 ? 13 : i % 13); // 13 comes from a hostile file
            records[size_t(i)].hits[4] = i;
        }
        size_t next = 0;
        QVERIFY(
            printout.Print(ResultsPrintout::SourceLine(QStringLiteral("clase.rsr")), [&](PlayerRecord& r) {
                if (next >= records.size())
                    return false;
                r = records[next++];
                return true;
            }));
        painter.end();
        QVERIFY(pages > 2);
        int lastNumber = 0;
        QList<int> titlesPerPage(pages + 1, 0);
        for (const auto& d : printout.texts) {
            QVERIFY2(d.y < page.height(), qPrintable(d.text));
            if (d.text == QLatin1String("Juego con las Zarpolina, archivo de RESULTADOS")) {
                ++titlesPerPage[d.page];
                QCOMPARE(d.y, 20);
            }
            if (d.text.startsWith(QLatin1String(" ")) && d.text.contains(QStringLiteral("Niño"))) {
                QCOMPARE(d.text.mid(1, 2).trimmed().toInt(), lastNumber + 1);
                ++lastNumber;
            }
        }
        QCOMPARE(lastNumber, 30);
        for (int p = 1; p <= pages; ++p)
            QCOMPARE(titlesPerPage[p], 1);
        QVERIFY(printout.texts.first().text != QString());
        QCOMPARE(ResultsPrintout::RecordLine(1, records[0]),
                 QStringLiteral("  1 (0/   /0) Niño 1                  "));
        QVERIFY(std::any_of(printout.texts.begin(), printout.texts.end(),
                            [](const auto& d) { return d.text == QLatin1String("Archivo: clase.rsr"); }));
    }

    void aKeyDuringThePrintoutAsksToStop()
    {
        QImage page(3300, 2500, QImage::Format_RGB32);
        QPainter painter(&page);
        RecordingPrintout printout(painter, page.width(), page.height());
        int asked = 0;
        bool aborted = false;
        printout.inputPending = [&] { return true; };
        printout.askStop = [&] { return ++asked == 2; }; // No the first time, Yes the second
        printout.abortJob = [&] { aborted = true; };
        int n = 0;
        QVERIFY(!printout.Print(ResultsPrintout::SourceLine(QString()), [&](PlayerRecord& r) {
            r.SetName(QStringLiteral("x"));
            return ++n <= 10;
        }));
        QCOMPARE(asked, 2);
        QVERIFY(aborted);
        QCOMPARE(printout.texts.last().text, QStringLiteral("------ Impresión detenida -------"));
        QVERIFY(std::any_of(printout.texts.begin(), printout.texts.end(), [](const auto& d) {
            return d.text == QLatin1String("Resultados actuales en memoria.");
        }));
    }

    void printingGoesToAPdfFile_data()
    {
        QTest::addColumn<bool>("fromFile");
        QTest::newRow("players in memory") << false;
        QTest::newRow("a file") << true;
    }
    void printingGoesToAPdfFile()
    {
        QFETCH(bool, fromFile);
        const QString pdf = tmp_.filePath(QStringLiteral("resultados.pdf"));
        QFile::remove(pdf);
        w_->Printer().setOutputFileName(pdf);
        w_->MakeResultsPattern();
        QStringList names;
        for (int i = 0; i < 40; ++i)
            names << QStringLiteral("Jugador %1").arg(i + 1);
        if (fromFile) {
            SetPlayers({QStringLiteral("Ana")});
            QList<QByteArray> oem;
            for (int i = 0; i < 60; ++i) // a file may hold more than fit in the table
                oem << "Nombre " + QByteArray::number(i);
            WriteFile(File(QStringLiteral("largo.rsr")), ResultsBytes(oem));
            Fake().openFileNames.push_back(File(QStringLiteral("largo.rsr")));
            w_->Imprimirresultadosdeunarchivo1->trigger();
            QCOMPARE(game.playerCount, 1); // the players in memory stay
        } else {
            SetPlayers(names);
            w_->Imprimirresultadosactuales1->trigger();
        }
        QVERIFY(Fake().calls.contains(QStringLiteral("print-dialog")));
        const QByteArray bytes = ReadAll(pdf);
        QVERIFY(bytes.startsWith("%PDF"));
        const qsizetype pages =
            QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]")));
        QVERIFY2(pages >= 2, qPrintable(QString::number(pages)));
        QCOMPARE(w_->Printer().pageLayout().orientation(), QPageLayout::Portrait);
        QVERIFY(!QApplication::overrideCursor());
    }

    void cancellingThePrintDialogPrintsNothing()
    {
        const QString pdf = tmp_.filePath(QStringLiteral("nada.pdf"));
        w_->Printer().setOutputFileName(pdf);
        Fake().printDialogAccepts = false;
        w_->Imprimirresultadosactuales1->trigger();
        w_->Imprimirresultadosdeunarchivo1->trigger();
        QVERIFY(!QFile::exists(pdf));
        QVERIFY(Fake().CallsStartingWith(QStringLiteral("open-dialog:")).isEmpty());
    }

    void thePopUpMenusOpenLeftOfTheirButtons()
    {
        w_->show();
        QTest::mouseClick(w_->Color95Button_guardar, Qt::LeftButton);
        QVERIFY(w_->PopupMenu_guardar->isVisible());
        QVERIFY(w_->PopupMenu_guardar->geometry().right() <=
                w_->Color95Button_guardar->mapToGlobal(QPoint(0, 0)).x());
        w_->PopupMenu_guardar->hide();
        QTest::mouseClick(w_->Color95Button_imprimir, Qt::LeftButton);
        QVERIFY(w_->PopupMenu_imprimir->isVisible());
        w_->PopupMenu_imprimir->hide();
        w_->hide();
    }

    void clearingTheTableEmptiesTheFileLabel()
    {
        w_->Label_archivo->setText(QStringLiteral("Del archivo : 'x.rsr'"));
        ResetResultsForTest();
        QVERIFY(w_->Label_archivo->text().isEmpty());
    }

private:
    static void ResetResultsForTest();
};

#include "app/Services.h"
void TestResultados::ResetResultsForTest() { ResetResults(); }

QTEST_MAIN(TestResultados)
#include "tst_resultados.moc"
