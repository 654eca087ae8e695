// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/Services.h"
#include "app/Windows.h"
#include "forms/TFirstUseDialog.h"
#include "forms/TForm_aviso_error.h"
#include "forms/TForm_ayuda.h"
#include "forms/TForm_menu.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"
#include "widgets/TGIFImage.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QUrl>
#include <QTest>
#include <QTimer>

namespace {

QColor TextColour(QLabel* l) { return l->palette().color(QPalette::WindowText); }

}  // namespace

class TestMenu : public QObject {
    Q_OBJECT
private slots:
    void init() { StartTestGame(); }
    void cleanup() { EndTestGame(); }

    void startsWithOnePlayerNamedSinNombre()
    {
        QCOMPARE(game.playerCount, 1);
        QCOMPARE(game.currentPlayer, 1);
        QCOMPARE(game.players[0].Name(), QStringLiteral("Sin nombre"));
        QCOMPARE(game.pointsTable[1].Name(), QStringLiteral("Sin nombre"));
        QVERIFY(game.resultsSaved);
        QVERIFY(!Form_menu->isVisible());
        QVERIFY(Form_menu->Color95Button_jugadorsiguiente->isEnabled());
        // Named and dated from the start, so a player added after a cancelled
        // first dialog never goes into a results file dated 0/0/0.
        QCOMPARE(game.pointsTable[0].Name(), QStringLiteral("Grupo sin nombre"));
        for (const PlayerRecord& r : game.players)
            QVERIFY(r.year == 2026 && r.month == 12 && r.day == 7);
    }

    void scoringByKind_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("hit");
        QTest::addColumn<int>("slot");
        QTest::addColumn<int>("points");
        QTest::newRow("hit, single column") << 1 << true << 0 << 2;
        QTest::newRow("miss, carrying") << 44 << false << 1 << -1;
        QTest::newRow("hit, perfecting") << 555 << true << 1 << 2;
        QTest::newRow("miss, mental") << 6 << false << 4 << -1;
        QTest::newRow("hit, no window") << 0 << true << -1 << 2;
    }
    void scoringByKind()
    {
        QFETCH(int, kind);
        QFETCH(bool, hit);
        QFETCH(int, slot);
        QFETCH(int, points);
        game.exerciseKind = kind;
        hit ? ScoreHit() : ScoreMiss();
        QCOMPARE(game.pointsTable[1].points, points);
        QCOMPARE(Form_menu->Label_puntos->text(), QString::number(points));
        for (int s = 0; s < 5; ++s) {
            QCOMPARE(game.players[0].hits[s], hit && s == slot ? 1 : 0);
            QCOMPARE(game.players[0].misses[s], !hit && s == slot ? 1 : 0);
        }
        QVERIFY(!game.resultsSaved);
    }

    void countersStopAtTheCapButPointsGrow()
    {
        game.exerciseKind = 3;
        game.players[0].hits[0] = 32700;
        game.pointsTable[1].points = 100;
        ScoreHit();
        QCOMPARE(game.players[0].hits[0], 32700);
        QCOMPARE(game.pointsTable[1].points, 102);
    }

    void pointsColour()
    {
        game.exerciseKind = 1;
        ScoreMiss();
        QCOMPARE(Form_menu->Label_puntos->text(), QStringLiteral("-1"));
        QCOMPARE(TextColour(Form_menu->Label_puntos), QColor(0xFF, 0, 0));
        ScoreHit();
        QCOMPARE(Form_menu->Label_puntos->text(), QStringLiteral("1"));
        QCOMPARE(TextColour(Form_menu->Label_puntos), QColor(0, 0, 0xFF));
    }

    void pointsColourFollowsTheTurn()
    {
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
        game.pointsTable[1].points = -3;
        game.pointsTable[2].points = 5;
        ShowCurrentPlayer();
        QCOMPARE(TextColour(Form_menu->Label_puntos), QColor(0xFF, 0, 0));
        Form_menu->Color95Button_jugadorsiguienteClick();
        QCOMPARE(Form_menu->Label_puntos->text(), QStringLiteral("5"));
        QCOMPARE(TextColour(Form_menu->Label_puntos), QColor(0, 0, 0xFF));
    }

    void panelTotalsLeaveOutSubtraction()
    {
        PlayerRecord& r = game.players[0];
        r.hits[0] = 1; r.hits[1] = 2; r.hits[2] = 40; r.hits[3] = 50; r.hits[4] = 4;
        r.misses[0] = 3; r.misses[2] = 9; r.misses[3] = 9; r.misses[4] = 1;
        ShowCurrentPlayer();
        QCOMPARE(Form_menu->Label_pacertadas->text(), QStringLiteral("7"));
        QCOMPARE(Form_menu->Label_pfalladas->text(), QStringLiteral("4"));
        QCOMPARE(Form_menu->Label_nombrejugador->text(), QStringLiteral("Sin nombre"));
    }

    void everyFifthCelebrationBringsTheNotice()
    {
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
        game.tuneReady = true;
        const int kinds[] = {1, 2, 1, 2};
        for (int i = 0; i < 4; ++i) {
            game.exerciseKind = kinds[i];
            Form_menu->Color95Button_jugadorsiguienteClick();
            ScoreMiss();  // misses in between change nothing
            CelebrateHit();
        }
        QCOMPARE(game.hitsSinceNotice, 4);
        QVERIFY(Fake().CallsStartingWith(QStringLiteral("modal:")).isEmpty());
        QVERIFY(Form_menu->GIFImage1->isVisibleTo(Form_menu));
        Fake().calls.clear();
        CelebrateHit();
        QCOMPARE(Fake().calls, QStringList({"sound:hit", "tune:play", "modal:TForm_Acierto", "tune:stop"}));
        QCOMPARE(game.hitsSinceNotice, 0);
        Fake().calls.clear();
        for (int i = 0; i < 4; ++i)
            CelebrateHit();
        QCOMPARE(Fake().calls, QStringList(4, QStringLiteral("sound:hit")));
    }

    void noTuneWithoutTheFile()
    {
        for (int i = 0; i < 5; ++i)
            CelebrateHit();
        QVERIFY(Fake().CallsStartingWith(QStringLiteral("tune:")).isEmpty());
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("modal:")).size(), 1);
    }

    void turnButtons_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("next");
        QTest::addColumn<int>("previous");
        QTest::newRow("one player") << 1 << 1 << 1 << 1;
        QTest::newRow("three, last") << 3 << 3 << 1 << 2;
        QTest::newRow("three, first") << 3 << 1 << 2 << 3;
    }
    void turnButtons()
    {
        QFETCH(int, players);
        QFETCH(int, from);
        QFETCH(int, next);
        QFETCH(int, previous);
        QStringList names;
        for (int i = 1; i <= players; ++i)
            names << QStringLiteral("J%1").arg(i);
        SetPlayers(names);
        game.currentPlayer = from;
        QTest::mouseClick(Form_menu->Color95Button_jugadorsiguiente, Qt::LeftButton);
        QCOMPARE(game.currentPlayer, next);
        QCOMPARE(Form_menu->Label_nombrejugador->text(), names[next - 1]);
        game.currentPlayer = from;
        QTest::mouseClick(Form_menu->Color95Button_jugadoranterior, Qt::LeftButton);
        QCOMPARE(game.currentPlayer, previous);
    }

    void disabledNextButtonStillServesTheExerciseWindows()
    {
        SetPlayers({QStringLiteral("A"), QStringLiteral("B")});
        Form_menu->Color95Button_jugadorsiguiente->setEnabled(false);
        Form_menu->Color95Button_jugadorsiguienteClick();
        QCOMPARE(game.currentPlayer, 2);
    }

    void newGame_data()
    {
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<int>("answer");
        QTest::addColumn<bool>("dialogShown");
        QTest::newRow("saved results: straight to the dialog") << false << -1 << true;
        QTest::newRow("unsaved, go back to save") << true << int(Platform::Answer::Yes) << false;
        QTest::newRow("unsaved, go on") << true << int(Platform::Answer::No) << true;
    }
    void newGame()
    {
        QFETCH(bool, unsaved);
        QFETCH(int, answer);
        QFETCH(bool, dialogShown);
        SetPlayers({QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
        game.pointsTable[2].points = 9;
        game.resultsSaved = !unsaved;
        if (answer >= 0)
            Fake().answers.push_back(Platform::Answer(answer));
        Form_menu->Iniciarnuevojuego1Click();
        QCOMPARE(Fake().calls.contains(QStringLiteral("modal:TForm_jugadores")), dialogShown);
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("ask:")).size(), unsaved ? 1 : 0);
        if (unsaved)
            QCOMPARE(Fake().askedButtons, QList<Platform::Buttons>{Platform::Buttons::YesNoKeep});
        // Cancelled or never shown: everything stays.
        QCOMPARE(game.playerCount, 3);
        QCOMPARE(game.pointsTable[2].points, 9);
        QCOMPARE(game.players[2].Name(), QStringLiteral("C"));
    }

    void newGameConfirmedKeepsWhatTheDialogRegistered()
    {
        Fake().OnModal(QStringLiteral("TForm_jugadores"), [](QDialog* d) {
            QCOMPARE(game.playerCount, 0);  // a new game for the dialog
            game.playerCount = 2;
            d->done(QDialog::Accepted);
        });
        Form_menu->Iniciarnuevojuego1Click();
        QCOMPARE(game.playerCount, 2);
    }

    void exitQuestion_data()
    {
        QTest::addColumn<bool>("unsaved");
        QTest::addColumn<QList<int>>("answers");
        QTest::addColumn<bool>("ends");
        QTest::addColumn<int>("questions");
        const int yes = int(Platform::Answer::Yes), no = int(Platform::Answer::No);
        QTest::newRow("not sure") << false << QList<int>{no} << false << 1;
        QTest::newRow("sure, saved") << false << QList<int>{yes} << true << 1;
        QTest::newRow("sure, unsaved, go back") << true << QList<int>{yes, yes} << false << 2;
        QTest::newRow("sure, unsaved, leave") << true << QList<int>{yes, no} << true << 2;
    }
    void exitQuestion()
    {
        QFETCH(bool, unsaved);
        QFETCH(QList<int>, answers);
        QFETCH(bool, ends);
        QFETCH(int, questions);
        game.resultsSaved = !unsaved;
        game.tuneReady = true;
        for (int a : answers)
            Fake().answers.push_back(Platform::Answer(a));
        Form_menu->show();
        Form_menu->Terminar1->trigger();
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("ask:")).size(), questions);
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("ask:")).first(),
                 QStringLiteral("ask:\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este juego?\n"));
        QCOMPARE(game.exitConfirmed, ends);
        QCOMPARE(Form_menu->isVisible(), !ends);
        QCOMPARE(Fake().calls.contains(QStringLiteral("tune:close")), ends);
        // Escape and the close box may say "go back" to a question about
        // unsaved results, never "end the game".
        QList<Platform::Buttons> kinds{Platform::Buttons::YesNo};
        if (questions == 2)
            kinds << Platform::Buttons::YesNoKeep;
        QCOMPARE(Fake().askedButtons, kinds);
    }

    void closeIsRefusedWithoutTerminar()
    {
        Form_menu->show();
        QVERIFY(!Form_menu->close());
        QVERIFY(Form_menu->isVisible());
    }

    void firstTickOpensTheTuneAndTheDialog()
    {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        WriteFile(QStringLiteral("acierto.mid"), "MThd");
        Form_menu->Timer_iconoTimer();
        QCOMPARE(Fake().calls, QStringList({"tune:open:acierto.mid", "modal:TForm_jugadores"}));
        QVERIFY(game.tuneReady);
        QCOMPARE(game.playerCount, 1);  // cancelled: put back
        QCOMPARE(Form_menu->Timer_icono->interval(), 1000);
        QVERIFY(Form_menu->Timer_icono->isActive());
        QVERIFY(Form_menu->GIFImage2->isVisibleTo(Form_menu));
        // Later ticks only drive the clock.
        Fake().calls.clear();
        Form_menu->Timer_iconoTimer();
        QVERIFY(Fake().calls.isEmpty());
    }

    void tuneFailures_data()
    {
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("message");
        QTest::newRow("no audio device: silent") << int(Platform::TuneOpen::NoOutput) << false;
        QTest::newRow("broken file") << int(Platform::TuneOpen::Failed) << true;
    }
    void tuneFailures()
    {
        QFETCH(int, result);
        QFETCH(bool, message);
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        WriteFile(QStringLiteral("acierto.mid"), "junk");
        Fake().tuneOpenResult = Platform::TuneOpen(result);
        OpenTune();
        QVERIFY(!game.tuneReady);
        QCOMPARE(Fake().calls.contains(
                     QStringLiteral("message:Error al abrir archivo de sonido para MediaPlayer.")),
                 message);
    }

    void clockTicksOnlyWhileRunningAndNotMinimized()
    {
        Form_menu->Timer_iconoTimer();  // the first tick
        Form_menu->show();
        game.clockRunning = true;
        game.sumSeconds = 64;
        Form_menu->Timer_iconoTimer();
        QCOMPARE(game.sumSeconds, 65);
        QCOMPARE(Form_menu->Label_tiempo->text(), QStringLiteral("  1 : 05"));
        Form_menu->setWindowState(Qt::WindowMinimized);
        Fake().calls.clear();
        Form_menu->Timer_iconoTimer();
        QCOMPARE(game.sumSeconds, 65);
        QCOMPARE(Fake().calls, QStringList{"alert"});
    }

    void clockStandsStillWhileAModalWindowIsOpen()
    {
        Form_menu->Timer_iconoTimer();  // the first tick
        Form_menu->show();
        game.clockRunning = true;
        game.sumSeconds = 24;
        Fake().OnModal(QStringLiteral("TForm_aviso_error"), [](QDialog*) {
            for (int i = 0; i < 5; ++i)
                Form_menu->Timer_iconoTimer();
        });
        ThePlatform().RunModal(Form_aviso_error);
        QCOMPARE(game.sumSeconds, 24);
        Form_menu->Timer_iconoTimer();
        QCOMPARE(game.sumSeconds, 25);
    }

    void background_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        const QByteArray goodBytes = BitmapBytes(7, 5, Qt::red);
        // A header that claims zero width: nothing to tile.
        const QByteArray zeroWidth = BitmapBytes(7, 5, Qt::red, true);
        QTest::newRow("good picture") << goodBytes << true;
        QTest::newRow("zero width") << zeroWidth << false;
        QTest::newRow("not a picture") << QByteArray("hello") << false;
        QTest::newRow("empty file") << QByteArray() << false;
        QTest::newRow("cut short") << goodBytes.left(40) << false;
        // Past the header: it would decode partly, the rest black.
        QTest::newRow("cut after the header") << goodBytes.left(100) << false;
        QTest::newRow("one byte short") << goodBytes.left(goodBytes.size() - 1) << false;
        QByteArray huge = goodBytes.left(1024);
        for (int at : {18, 22}) {  // width and height: 5500
            huge[at] = char(5500 & 0xFF);
            huge[at + 1] = char(5500 >> 8);
        }
        QTest::newRow("claims 5500 x 5500") << huge << false;
        QTest::newRow("one pixel") << BitmapBytes(1, 1, Qt::red) << true;
    }
    void background()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        WriteFile(QStringLiteral("fondo.bmp"), bytes);
        game.startDirectory = dir.path();
        Form_menu->resize(300, 200);
        Form_menu->show();  // the show handler loads the background
        QCOMPARE(game.backgroundLoaded, loads);
        QCOMPARE(Fake().calls.contains(QStringLiteral("message:Error en archivo de dibujo para fondo.")),
                 !loads);
        if (loads) {
            const QImage tiled = Form_menu->Image_fondopantalla->grab().toImage();
            QCOMPARE(tiled.size(), Form_menu->Client->size());
            QCOMPARE(tiled.pixelColor(tiled.width() - 1, tiled.height() - 1), QColor(Qt::red));
        }
    }

    void smallScreenWarning()
    {
        Fake().screen = QSize(600, 400);
        Form_menu->show();
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("ask:\nEste programa ha diso diseñado")).size(), 1);
    }

    void configurationEntries()
    {
        Form_menu->Cambiodeturnojugadoresmanual1->trigger();
        QVERIFY(!game.autoTurnChange);
        QVERIFY(Form_menu->Cambiodeturnojugadoresmanual1->isChecked());
        QVERIFY(!Form_menu->Cambiodeturnojugadoresautomtico1->isChecked());
        Form_menu->Cambiodeturnojugadoresautomtico1->trigger();
        QVERIFY(game.autoTurnChange);
        QVERIFY(!Form_menu->Cambiodeturnojugadoresmanual1->isChecked());
        Form_menu->Editarvisualizarlasquemellevo->trigger();
        QVERIFY(!game.showCarries);
        QVERIFY(!Form_menu->Editarvisualizarlasquemellevo->isChecked());
        Form_menu->Editarvisualizarlasquemellevo->trigger();
        QVERIFY(game.showCarries);
    }

    void bigButtonPausesThenRunsItsEntry()
    {
        Form_menu->show();
        bool ran = false;
        connect(Form_menu->Sumassinllevarse1, &QAction::triggered, this, [&] { ran = true; });
        QTest::mouseClick(Form_menu->Label3, Qt::LeftButton);  // the label is part of Panel2
        QVERIFY(ran);
        QCOMPARE(Fake().calls.first(), QStringLiteral("pause:100"));
        QCOMPARE(Form_menu->Panel2->frameShadow(), QFrame::Raised);
    }

    void hintsReachTheInformationLabels()
    {
        QStatusTipEvent tip(QStringLiteral("Sumas de varias columnas"));
        QApplication::sendEvent(Form_menu->Panel2, &tip);
        QCOMPARE(Form_menu->Label_ayudas_hint1->text(), QStringLiteral("Sumas de varias columnas"));
        QCOMPARE(Form_menu->Label_ayudas_hint2->text(), QStringLiteral("Sumas de varias columnas"));
    }

    void everyControlPublishesItsName()
    {
        const QList<QWidget*> windows = Form_menu->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        QList<QWidget*> all{Form_menu};
        for (QWidget* w : windows)
            if (w->isWindow())
                all << w;
        QVERIFY(all.size() >= 19);
        for (QWidget* w : all) {
            // Some windows make their controls when first needed.
            if (auto* lazy = qobject_cast<TFirstUseDialog*>(w))
                lazy->EnsureControls();
            QCOMPARE(w->accessibleDescription(), w->objectName());
            for (QWidget* c : w->findChildren<QWidget*>())
                if (!c->objectName().isEmpty() && !c->objectName().startsWith(QLatin1String("qt_")) &&
                    c->window() == w)
                    QCOMPARE(c->accessibleDescription(), c->objectName());
        }
    }

    void helpIsAlwaysShown_data()
    {
        QTest::addColumn<bool>("pageThere");
        QTest::addColumn<bool>("browser");
        QTest::addColumn<bool>("askedBrowser");
        QTest::addColumn<bool>("ownViewer");
        QTest::newRow("a browser shows it") << true << true << true << false;
        QTest::newRow("no program for web pages") << true << false << true << true;
        QTest::newRow("the page was deleted") << false << true << false << true;
    }
    void helpIsAlwaysShown()
    {
        QFETCH(bool, pageThere);
        QFETCH(bool, browser);
        QFETCH(bool, askedBrowser);
        QFETCH(bool, ownViewer);
        QTemporaryDir dir;
        game.startDirectory = dir.path();
        const QString page = dir.filePath(QStringLiteral("ayuda/index.html"));
        if (pageThere) {
            QDir(dir.path()).mkdir(QStringLiteral("ayuda"));
            WriteFile(page, "<html><body><h1>Ayuda de prueba</h1></body></html>");
        }
        Fake().openUrlOpens = browser;
        Form_menu->Ayuda2->trigger();
        QCOMPARE(Fake().calls.contains(QStringLiteral("url:") + QUrl::fromLocalFile(page).toString()), askedBrowser);
        QCOMPARE(Form_menu->Form_ayuda != nullptr && Form_menu->Form_ayuda->isVisible(), ownViewer);
        if (ownViewer) {
            const QString shown = Form_menu->Form_ayuda->TextBrowser_ayuda->toPlainText();
            QVERIFY2(shown.contains(pageThere ? QStringLiteral("Ayuda de prueba") : QStringLiteral("No se encuentra la ayuda")),
                     qPrintable(shown));
            QVERIFY(!Form_menu->Form_ayuda->isModal());
        }
    }

    // Closed first (by the window manager), the dialog ignores the click a
    // mnemonic key animated; shown again, it answers again.
    void aClickAfterTheDialogAnsweredDoesNothing_data()
    {
        QTest::addColumn<QString>("button");
        const std::pair<const char*, const char*> rows[] = {
            {"TForm_jugadores", "xpButton2"}, {"TForm_aviso_error", "Color95Button1"},
            {"TForm_Acierto", "Color95Button1"}, {"TForm_Resultados", "Color95Button_cerrar"},
            {"TForm_puntos", "Color95Button2"}, {"TForm_paginas", "xpButton1"},
            {"TForm_directorio", "xpButton_aceptar"}};
        for (auto [window, button] : rows)
            QTest::addRow("%s %s", window, button) << QString::fromLatin1(button);
    }
    void aClickAfterTheDialogAnsweredDoesNothing()
    {
        QFETCH(QString, button);
        const QString window = QString::fromLatin1(QTest::currentDataTag()).section(QLatin1Char(' '), 0, 0);
        auto* dialog = Form_menu->findChild<QDialog*>(window);
        if (auto* lazy = qobject_cast<TFirstUseDialog*>(dialog))
            lazy->EnsureControls();
        auto* b = Control<QAbstractButton>(dialog, button);
        QSignalSpy clicks(b, &QAbstractButton::clicked);
        Fake().OnModal(dialog->objectName(), [](QDialog* d) { d->done(QDialog::Rejected); });
        ThePlatform().RunModal(dialog);
        b->click();
        QCOMPARE(clicks.count(), 0);
        Fake().OnModal(dialog->objectName(), [b](QDialog*) { b->click(); });
        ThePlatform().RunModal(dialog);
        QCOMPARE(clicks.count(), 1);
    }
};

QTEST_MAIN(TestMenu)
#include "tst_menu.moc"
