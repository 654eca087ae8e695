// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/Platform.h"
#include "app/Windows.h"
#include "forms/TForm_jugadores.h"
#include "forms/TForm_menu.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// Types the texts into the boxes in order; an empty text leaves its box
// alone. Texts with control characters or letters beyond ASCII cannot be
// typed by QTest, so they are put in as a paste would.
void FillBoxes(QDialog* d, const QStringList& texts)
{
    for (int i = 0; i < texts.size(); ++i) {
        if (texts[i].isEmpty())
            continue;
        auto* box = Control<QLineEdit>(d, QStringLiteral("Edit_jugador%1").arg(i + 1));
        QVERIFY(box);
        bool typeable = true;
        for (QChar c : texts[i])
            typeable = typeable && c.isPrint() && c.unicode() < 0x80;
        if (typeable)
            QTest::keyClicks(box, texts[i]);
        else
            box->setText(texts[i]);
    }
}

void Click(QDialog* d, const char* button)
{
    auto* b = Control<QPushButton>(d, QLatin1String(button));
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

// The next showing of the dialog gets these names and "&Jugar".
void EnterNames(const QStringList& texts)
{
    Fake().OnModal(QStringLiteral("TForm_jugadores"), [texts](QDialog* d) {
        FillBoxes(d, texts);
        Click(d, "xpButton2");
    });
}

QStringList RegisteredNames()
{
    QStringList names;
    for (int i = 0; i < game.playerCount; ++i)
        names << game.players[i].Name();
    return names;
}

QStringList PointsNames()
{
    QStringList names;
    for (int i = 1; i <= game.playerCount; ++i)
        names << game.pointsTable[i].Name();
    return names;
}

// Players with a history, so that resets and their absence show.
void PlayersWithScores(const QStringList& names)
{
    SetPlayers(names);
    for (int i = 0; i < names.size(); ++i) {
        game.players[i].hits[0] = 7 + i;
        game.players[i].misses[4] = 2;
        game.pointsTable[i + 1].points = 40 + i;
    }
    game.pointsTable[0].points = 99;
}

bool TurnButtonsEnabled()
{
    return Form_menu->Color95Button_jugadoranterior->isEnabled() &&
           Form_menu->Color95Button_jugadorsiguiente->isEnabled();
}

QStringList Numbered(const QString& stem, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << stem + QString::number(i);
    return names;
}

}  // namespace

class TestJugadores : public QObject {
    Q_OBJECT

private slots:
    void init() { StartTestGame(); }
    void cleanup() { EndTestGame(); }

    void newGameRegistersTheTypedNamesAfterAReset_data();
    void newGameRegistersTheTypedNamesAfterAReset();
    void addedNamesFollowTheRegisteredPlayers_data();
    void addedNamesFollowTheRegisteredPlayers();
    void neverMoreThanFiftyPlayers_data();
    void neverMoreThanFiftyPlayers();
    void aNameKeepsAtMostNineteenCharacters();
    void namesHoldOnlyWhatCanBeStored_data();
    void namesHoldOnlyWhatCanBeStored();
    void leavingWithoutJugarChangesNothing_data();
    void leavingWithoutJugarChangesNothing();
    void onlyJugarGivesTheResultOk_data();
    void onlyJugarGivesTheResultOk();
    void eachShowingUnrollsEmptyAndClosesSmall();
    void aCloseDuringTheBlindAnswersNothingMore_data();
    void aCloseDuringTheBlindAnswersNothingMore();
};

void TestJugadores::newGameRegistersTheTypedNamesAfterAReset_data()
{
    QTest::addColumn<bool>("firstTick");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("second and fifth boxes") << false << QStringList{"", "Ana", "", "", "Luis"}
                                            << QStringList{"Ana", "Luis"};
    QTest::newRow("blanks around, blank-only box")
        << false << QStringList{"  Eva  ", "    ", "Paco Gil "} << QStringList{"Eva", "Paco Gil"};
    QTest::newRow("control characters around")
        << false << QStringList{"\tLola\r\n", " \x01\x7f ", QString::fromUtf8("\xc2\xa0Iñigo\x1b")}
        << QStringList{"Lola", QString::fromUtf8("Iñigo")};
    QTest::newRow("one name") << false << QStringList{"", "", "", "", "", "", "", "", "", "Eva"}
                              << QStringList{"Eva"};
    QTest::newRow("no name") << false << QStringList{} << QStringList{"Sin nombre"};
    QTest::newRow("ten boxes") << false << Numbered("N", 10) << Numbered("N", 10);
    QTest::newRow("first clock tick") << true << QStringList{"Ana", "", "Luis"}
                                      << QStringList{"Ana", "Luis"};
}

void TestJugadores::newGameRegistersTheTypedNamesAfterAReset()
{
    QFETCH(bool, firstTick);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, expected);

    PlayersWithScores({"Old1", "Old2", "Old3"});
    game.currentPlayer = 3;
    game.resultsFileKnown = true;
    EnterNames(boxes);
    if (firstTick)
        Form_menu->Timer_iconoTimer();
    else
        Form_menu->Iniciarnuevojuego1Click();

    QCOMPARE(Fake().CallsStartingWith(QStringLiteral("modal:")), QStringList{"modal:TForm_jugadores"});
    QCOMPARE(RegisteredNames(), expected);
    QCOMPARE(PointsNames(), expected);
    QCOMPARE(game.currentPlayer, 1);
    QCOMPARE(Form_menu->Label_nombrejugador->text(), expected.first());
    QCOMPARE(TurnButtonsEnabled(), expected.size() > 1);

    // Nothing of the old game is left.
    QVERIFY(!game.resultsFileKnown);
    QCOMPARE(game.pointsTable[0].Name(), QStringLiteral("Grupo sin nombre"));
    QCOMPARE(game.pointsTable[0].points, 0);
    for (int i = 0; i < kMaxPlayers; ++i) {
        QCOMPARE(game.players[i].hits[0], 0);
        QCOMPARE(game.players[i].misses[4], 0);
        QCOMPARE(game.players[i].year, Fake().today.year());
        QCOMPARE(game.pointsTable[i + 1].points, 0);
        if (i >= expected.size()) {
            QCOMPARE(game.players[i].Name(), QString());
            QCOMPARE(game.pointsTable[i + 1].Name(), QString());
        }
    }
    QCOMPARE(Form_menu->Label_puntos->text(), QStringLiteral("0"));
    QCOMPARE(Form_menu->Label_pacertadas->text(), QStringLiteral("0"));
}

void TestJugadores::addedNamesFollowTheRegisteredPlayers_data()
{
    QTest::addColumn<QStringList>("registered");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("turnButtons");

    QTest::newRow("three and two") << QStringList{"Ana", "Luis", "Eva"} << QStringList{"", "Paco", "", "Rosa"}
                                   << QStringList{"Ana", "Luis", "Eva", "Paco", "Rosa"} << true;
    QTest::newRow("one and one") << QStringList{"Ana"} << QStringList{" Luis"} << QStringList{"Ana", "Luis"}
                                 << true;
    QTest::newRow("one and none") << QStringList{"Ana"} << QStringList{"   "} << QStringList{"Ana"} << false;
}

void TestJugadores::addedNamesFollowTheRegisteredPlayers()
{
    QFETCH(QStringList, registered);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, expected);
    QFETCH(bool, turnButtons);

    PlayersWithScores(registered);
    game.currentPlayer = int32_t(registered.size());
    EnterNames(boxes);
    Form_menu->Agnadirnuevosjugadores1Click();

    QCOMPARE(RegisteredNames(), expected);
    QCOMPARE(PointsNames(), expected);
    QCOMPARE(game.currentPlayer, 1);
    QCOMPARE(Form_menu->Label_nombrejugador->text(), expected.first());
    QCOMPARE(TurnButtonsEnabled(), turnButtons);
    // Appending resets nobody.
    for (int i = 0; i < registered.size(); ++i) {
        QCOMPARE(game.players[i].hits[0], 7 + i);
        QCOMPARE(game.pointsTable[i + 1].points, 40 + i);
    }
    QCOMPARE(game.pointsTable[0].points, 99);
    QVERIFY(Fake().CallsStartingWith(QStringLiteral("message:")).isEmpty());
}

void TestJugadores::neverMoreThanFiftyPlayers_data()
{
    QTest::addColumn<int>("registered");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QStringList>("dropped");

    QTest::newRow("48 and 5") << 48 << QStringList{"Ana", "", "Luis", "Eva", "Paco", "Rosa"}
                              << QStringList{"Eva", "Paco", "Rosa"};
    QTest::newRow("48 and 2 just fit") << 48 << QStringList{"Ana", "Luis"} << QStringList{};
    QTest::newRow("50 and 1") << 50 << QStringList{"", "", "", "", "", "", "", "", "", "Zoe"}
                              << QStringList{"Zoe"};
}

void TestJugadores::neverMoreThanFiftyPlayers()
{
    QFETCH(int, registered);
    QFETCH(QStringList, boxes);
    QFETCH(QStringList, dropped);

    const QStringList before = Numbered(QStringLiteral("P"), registered);
    SetPlayers(before);
    EnterNames(boxes);
    Form_menu->Agnadirnuevosjugadores1Click();

    QStringList typed;
    for (const QString& b : boxes)
        if (!b.isEmpty())
            typed << b;
    const QStringList kept = typed.mid(0, typed.size() - dropped.size());
    QCOMPARE(RegisteredNames(), before + kept);
    QCOMPARE(PointsNames(), before + kept);
    QVERIFY(game.playerCount <= kMaxPlayers);

    const QStringList messages = Fake().CallsStartingWith(QStringLiteral("message:"));
    if (dropped.isEmpty()) {
        QVERIFY(messages.isEmpty());
        return;
    }
    QCOMPARE(messages.size(), 1);
    const QString text = messages.first();
    QVERIFY2(text.contains(QStringLiteral("50")), qPrintable(text));
    for (const QString& name : dropped)
        QVERIFY2(text.contains(name), qPrintable(text));
    for (const QString& name : kept)
        QVERIFY2(!text.contains(name), qPrintable(text));
}

void TestJugadores::aNameKeepsAtMostNineteenCharacters()
{
    QString typed;
    Fake().OnModal(QStringLiteral("TForm_jugadores"), [&typed](QDialog* d) {
        auto* box = Control<QLineEdit>(d, QStringLiteral("Edit_jugador1"));
        QTest::keyClicks(box, QStringLiteral("Maximiliano Bartolome"));  // 21
        typed = box->text();
        Click(d, "xpButton2");
    });
    Form_menu->Iniciarnuevojuego1Click();

    QCOMPARE(typed, QStringLiteral("Maximiliano Bartolo"));
    QCOMPARE(RegisteredNames(), QStringList{"Maximiliano Bartolo"});
    QCOMPARE(PointsNames(), QStringList{"Maximiliano Bartolo"});
}

void TestJugadores::namesHoldOnlyWhatCanBeStored_data()
{
    QTest::addColumn<QString>("how");  // "typed" key by key, or "pasted"
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");  // what the box then shows
    const QString eAcute = QString::fromUtf8("e\xcc\x81");
    const QString smile = QString::fromUtf8("\xf0\x9f\x98\x80");
    const QString e19 = QString(19, QChar(0xE9));
    for (const char* how : {"typed", "pasted"}) {
        QTest::addRow("%s: emoji only", how) << how << smile << "";
        QTest::addRow("%s: chinese", how) << how << QString::fromUtf8("李小龙") << "";
        QTest::addRow("%s: accent apart", how) << how << QStringLiteral("Jos") + eAcute
                                               << QString::fromUtf8("José");
        QTest::addRow("%s: zero-width space", how) << how << QString::fromUtf8("\xe2\x80\x8b") << "";
        QTest::addRow("%s: emoji inside", how) << how << QStringLiteral("Iker") + smile + QStringLiteral("!")
                                               << "Iker!";
        QTest::addRow("%s: emoji as the 19th character", how)
            << how << QStringLiteral("ABCDEFGHIJKLMNOPQR") + smile << "ABCDEFGHIJKLMNOPQR";
        // 19 characters in 38 UTF-16 units: all of them fit.
        QTest::addRow("%s: nineteen accents apart", how) << how << QString(eAcute).repeated(19) << e19;
        QTest::addRow("%s: twenty accents apart", how) << how << QString(eAcute).repeated(20) << e19;
    }
}

void TestJugadores::namesHoldOnlyWhatCanBeStored()
{
    QFETCH(QString, how);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QString seen;
    Fake().OnModal(QStringLiteral("TForm_jugadores"), [&](QDialog* d) {
        auto* box = Control<QLineEdit>(d, QStringLiteral("Edit_jugador1"));
        if (how == QLatin1String("typed")) {
            // Key by key, as a keyboard or an input method delivers them.
            for (QChar c : text) {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
                QApplication::sendEvent(box, &press);
            }
        } else {
            box->insert(text);
        }
        seen = box->text();
        Click(d, "xpButton2");
    });
    Form_menu->Iniciarnuevojuego1Click();

    QCOMPARE(seen, shown);
    // What is shown is what is stored, and the stored name reads back the same.
    const QStringList expected = shown.isEmpty() ? QStringList{"Sin nombre"} : QStringList{shown};
    QCOMPARE(RegisteredNames(), expected);
    QCOMPARE(PointsNames(), expected);
}

void TestJugadores::leavingWithoutJugarChangesNothing_data()
{
    QTest::addColumn<bool>("newGame");
    QTest::addColumn<QString>("way");

    for (bool newGame : {true, false}) {
        const char* entry = newGame ? "new game" : "add";
        for (const char* way : {"Cancelar", "close box", "Escape"})
            QTest::addRow("%s, %s", entry, way) << newGame << QString::fromLatin1(way);
    }
}

void TestJugadores::leavingWithoutJugarChangesNothing()
{
    QFETCH(bool, newGame);
    QFETCH(QString, way);

    PlayersWithScores({"Ana", "Luis", "Eva"});
    game.currentPlayer = 2;
    game.resultsFileKnown = true;
    Fake().OnModal(QStringLiteral("TForm_jugadores"), [way](QDialog* d) {
        FillBoxes(d, {"Paco", "Rosa"});
        if (way == QLatin1String("Cancelar"))
            Click(d, "xpButton1");
        else if (way == QLatin1String("close box"))
            d->close();
        else
            QTest::keyClick(Control<QLineEdit>(d, QStringLiteral("Edit_jugador2")), Qt::Key_Escape);
        QVERIFY(!d->isVisible());
    });
    if (newGame)
        Form_menu->Iniciarnuevojuego1Click();
    else
        Form_menu->Agnadirnuevosjugadores1Click();

    QCOMPARE(RegisteredNames(), (QStringList{"Ana", "Luis", "Eva"}));
    QCOMPARE(PointsNames(), (QStringList{"Ana", "Luis", "Eva"}));
    QCOMPARE(game.currentPlayer, 2);
    QVERIFY(game.resultsFileKnown);
    QCOMPARE(game.players[3].Name(), QString());
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(game.players[i].hits[0], 7 + i);
        QCOMPARE(game.players[i].misses[4], 2);
        QCOMPARE(game.pointsTable[i + 1].points, 40 + i);
    }
    QCOMPARE(game.pointsTable[0].points, 99);
}

void TestJugadores::onlyJugarGivesTheResultOk_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<int>("result");

    QTest::newRow("Jugar clicked") << "click Jugar" << true << int(QDialog::Accepted);
    QTest::newRow("Enter on Jugar") << "enter on Jugar" << true << int(QDialog::Accepted);
    QTest::newRow("Cancelar clicked") << "click Cancelar" << true << int(QDialog::Rejected);
    QTest::newRow("Enter on Cancelar") << "enter on Cancelar" << true << int(QDialog::Rejected);
    QTest::newRow("close box") << "close box" << true << int(QDialog::Rejected);
    // Enter in a name box must not end the entry, whichever way.
    QTest::newRow("Enter in a name box") << "enter in a box" << false << int(QDialog::Rejected);
}

void TestJugadores::onlyJugarGivesTheResultOk()
{
    QFETCH(QString, way);
    QFETCH(bool, closes);
    QFETCH(int, result);

    bool closed = false;
    Fake().OnModal(QStringLiteral("TForm_jugadores"), [&](QDialog* d) {
        FillBoxes(d, {"Ana"});
        auto* box = Control<QLineEdit>(d, QStringLiteral("Edit_jugador1"));
        auto* cancel = Control<QPushButton>(d, QStringLiteral("xpButton1"));
        auto* play = Control<QPushButton>(d, QStringLiteral("xpButton2"));
        if (way == QLatin1String("click Jugar")) {
            QTest::mouseClick(play, Qt::LeftButton);
        } else if (way == QLatin1String("enter on Jugar")) {
            play->setFocus();
            QTest::keyClick(play, Qt::Key_Return);
        } else if (way == QLatin1String("click Cancelar")) {
            QTest::mouseClick(cancel, Qt::LeftButton);
        } else if (way == QLatin1String("enter on Cancelar")) {
            cancel->setFocus();
            QTest::keyClick(cancel, Qt::Key_Return);
        } else if (way == QLatin1String("close box")) {
            d->close();
        } else {
            QTest::keyClick(box, Qt::Key_Return);
        }
        closed = !d->isVisible();
    });
    game.playerCount = 0;
    QCOMPARE(ThePlatform().RunModal(Form_jugadores), result);
    QCOMPARE(closed, closes);
    QCOMPARE(RegisteredNames(), result == QDialog::Accepted ? QStringList{"Ana"} : QStringList{});
}

void TestJugadores::eachShowingUnrollsEmptyAndClosesSmall()
{
    TForm_jugadores* dialog = Form_jugadores;
    const QSize small = dialog->size();
    QVERIFY(small.height() < 335);
    // Placed where the full-size window is centred on the 1280 x 1024 screen.
    QCOMPARE(dialog->pos(), QPoint(640 - 296, 512 - 167));

    for (int showing = 1; showing <= 2; ++showing) {
        QSize shown, opened;
        bool timerArmed = false;
        QStringList texts;
        QWidget* focus = nullptr;
        Fake().OnModal(QStringLiteral("TForm_jugadores"), [&](QDialog*) {
            shown = dialog->size();
            for (int i = 1; i <= 10; ++i)
                texts << Control<QLineEdit>(dialog, QStringLiteral("Edit_jugador%1").arg(i))->text();
            focus = dialog->focusWidget();
            timerArmed = dialog->Timer_persiana->isActive() && dialog->Timer_persiana->interval() == 100;
            dialog->Timer_persianaTimer();
            opened = dialog->size();
            QVERIFY(!dialog->Timer_persiana->isActive());
            FillBoxes(dialog, {"Ana", "Luis"});
            Click(dialog, "xpButton1");
        });
        ThePlatform().RunModal(dialog);

        // The design's sample texts, and the names left by the last showing, are gone.
        QCOMPARE(texts, QStringList(10, QString()));
        QCOMPARE(focus, dialog->Edit_jugador1);

        QCOMPARE(shown.height(), small.height());
        QVERIFY(timerArmed);
        QCOMPARE(opened.width(), 593);
        QVERIFY2(opened.height() >= 335 && opened.height() <= 339,
                 qPrintable(QString::number(opened.height())));
        QVERIFY(!dialog->isVisible());
        // Rolled up to the small height; the designed width stays.
        QVERIFY(dialog->height() <= small.height() && dialog->height() > small.height() - 5);
        QCOMPARE(dialog->width(), 593);
        QCOMPARE(dialog->pos(), QPoint(344, 345));
    }

    // Closed before the blind started: it must not unroll the hidden window later.
    Fake().OnModal(QStringLiteral("TForm_jugadores"), [](QDialog* d) { Click(d, "xpButton1"); });
    ThePlatform().RunModal(dialog);
    QVERIFY(!dialog->Timer_persiana->isActive());
    QVERIFY(dialog->height() <= small.height());
}

void TestJugadores::aCloseDuringTheBlindAnswersNothingMore_data()
{
    QTest::addColumn<QString>("answer"); // "Jugar", "Cancelar", "late Jugar" or "" (none: the close answers)
    QTest::addColumn<bool>("whileOpening");  // the close arrives as the blind unrolls
    QTest::addColumn<int>("closes");         // close requests, one per screen update
    QTest::addColumn<int>("result");
    QTest::newRow("Jugar, closed while rolling up") << "Jugar" << false << 1 << int(QDialog::Accepted);
    QTest::newRow("Jugar, closed again and again") << "Jugar" << false << 50 << int(QDialog::Accepted);
    QTest::newRow("Cancelar, closed while rolling up") << "Cancelar" << false << 3 << int(QDialog::Rejected);
    QTest::newRow("closed while unrolling") << "" << true << 1 << int(QDialog::Rejected);
    QTest::newRow("closed twice while unrolling") << "" << true << 2 << int(QDialog::Rejected);
    // "late Jugar": closed first, then the click Alt+J animated arrives as the blind rolls up.
    QTest::newRow("Alt+J's click after the close") << "late Jugar" << false << 1 << int(QDialog::Rejected);
}

void TestJugadores::aCloseDuringTheBlindAnswersNothingMore()
{
    QFETCH(QString, answer);
    QFETCH(bool, whileOpening);
    QFETCH(int, closes);
    QFETCH(int, result);

    PlayersWithScores({"Old1", "Old2"});
    TForm_jugadores* dialog = Form_jugadores;
    int sent = 0;
    int rolledWhileClosing = 0;
    int tallest = 0;
    Fake().OnModal(QStringLiteral("TForm_jugadores"), [&](QDialog*) {
        FillBoxes(dialog, {"Ana", "Luis", "Eva"});
        if (!whileOpening)
            dialog->Timer_persianaTimer();  // the blind is down before the answer
        Fake().onFlush = [&](QWidget* w) {
            if (w != dialog)
                return;
            tallest = qMax(tallest, dialog->height());
            if (!dialog->isVisible())
                ++rolledWhileClosing;  // a nested close would roll a hidden window
            if (sent < closes) {
                ++sent;
                answer == QLatin1String("late Jugar") ? Click(dialog, "xpButton2") : void(dialog->close());
            }
        };
        if (whileOpening) {
            dialog->Timer_persianaTimer();
        } else {
            if (answer == QLatin1String("Jugar"))
                Click(dialog, "xpButton2");
            else
                Click(dialog, "xpButton1");
        }
        Fake().onFlush = nullptr;
    });
    QList<int> answers;
    const auto connection =
        QObject::connect(dialog, &QDialog::finished, [&answers](int r) { answers << r; });
    game.playerCount = 0;  // a new game, as the main window starts it
    const int got = ThePlatform().RunModal(dialog);
    QObject::disconnect(connection);

    // Answered once, with the answer given first.
    QCOMPARE(answers, QList<int>{result});

    QCOMPARE(sent, closes);
    QCOMPARE(got, result);
    QCOMPARE(rolledWhileClosing, 0);
    QVERIFY(!dialog->isVisible());
    if (result == QDialog::Accepted) {
        QCOMPARE(RegisteredNames(), (QStringList{"Ana", "Luis", "Eva"}));
        QCOMPARE(game.playerCount, 3);
        QVERIFY(TurnButtonsEnabled());
    } else {
        QCOMPARE(game.playerCount, 0);
        QCOMPARE(game.players[0].Name(), QStringLiteral("Old1"));
        QCOMPARE(game.pointsTable[2].points, 41);
    }
    if (whileOpening) {
        // The blind came all the way down before the close rolled it up.
        QVERIFY2(tallest >= 335, qPrintable(QString::number(tallest)));
    }
    // Small again, ready for the next showing.
    QVERIFY(dialog->height() < 335);
}

QTEST_MAIN(TestJugadores)
#include "tst_jugadores.moc"
