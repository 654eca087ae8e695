// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/Services.h"
#include "app/Windows.h"
#include "forms/TForm_aviso_error.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_sumas1.h"
#include "forms/TForm_sumas2.h"
#include "logic/Random.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <vector>

namespace {

TSingleColumnForm* Window(const QString& which)
{
    if (which == QLatin1String("sumas1"))
        return Form_sumas1;
    return Form_sumas2;
}

void Open(TSingleColumnForm* w)
{
    if (w == Form_sumas1)
        Form_menu->Iniciosumassinllevarse1Click();
    else
        Form_menu->Iniciosumasconllevadas1Click();
}

QLineEdit* Box(QWidget* w) { return Control<QLineEdit>(w, QStringLiteral("Memo_res")); }

int Shown(QWidget* w, const char* label)
{
    return Control<QLabel>(w, QLatin1String(label))->text().toInt();
}

int ShownResult(QWidget* w) { return Shown(w, "Label_u_f1") + Shown(w, "Label_u_f2"); }

void Type(QWidget* w, const QString& text) { QTest::keyClicks(Box(w), text); }

void Check(QWidget* w)
{
    QTest::mouseClick(Control<TColor95Button>(w, QStringLiteral("Color95Button1")), Qt::LeftButton);
}

// A wrong answer the box can hold: one digit in sumas1, two in sumas2.
QString WrongAnswer(QWidget* w)
{
    const int right = ShownResult(w);
    if (w == Form_sumas1)
        return QString::number((right + 1) % 10);
    return QString::number(right == 18 ? 10 : right + 1);
}

}  // namespace

class TestSumas1 : public QObject {
    Q_OBJECT
private slots:
    void init() { StartTestGame(); }
    void cleanup()
    {
        ClearRandomScript();
        EndTestGame();
    }

    void openingDealsASumOfTheWindowsRule_data();
    void openingDealsASumOfTheWindowsRule();
    void keyFilterAdmitsOnlyDigitsAndBackspace_data();
    void keyFilterAdmitsOnlyDigitsAndBackspace();
    void enterAndEscapeNeitherCheckNorClose_data();
    void enterAndEscapeNeitherCheckNorClose();

    void correctAnswerScoresThenPassesTheTurnThenDeals_data();
    void correctAnswerScoresThenPassesTheTurnThenDeals();
    void celebrationComesBeforeTheCounters();
    void wrongAnswerShowsTheNoticeBeforeCountingAndKeepsTheSum_data();
    void wrongAnswerShowsTheNoticeBeforeCountingAndKeepsTheSum();
    void emptyBoxIsNotChecked_data();
    void emptyBoxIsNotChecked();

    void countersSurviveReopeningAndResetWithANewGame();
    void firstShowIsPlacedBesideTheMainWindowLaterOnesStay();
    void closingStopsTheClock_data();
    void closingStopsTheClock();
};

void TestSumas1::openingDealsASumOfTheWindowsRule_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QList<uint32_t>>("raw");
    QTest::addColumn<int>("top");
    QTest::addColumn<int>("bottom");
    QTest::newRow("sumas1 0 + 0") << "sumas1" << QList<uint32_t>{0, 0} << 0 << 0;
    QTest::newRow("sumas1 refuses 9 + 1") << "sumas1" << QList<uint32_t>{9, 1, 4, 5} << 4 << 5;
    QTest::newRow("sumas1 digits modulo 10") << "sumas1" << QList<uint32_t>{13, 26} << 3 << 6;
    QTest::newRow("sumas2 1 + 9") << "sumas2" << QList<uint32_t>{1, 9} << 1 << 9;
    QTest::newRow("sumas2 refuses 9 + 0") << "sumas2" << QList<uint32_t>{9, 0, 9, 9} << 9 << 9;
}

void TestSumas1::openingDealsASumOfTheWindowsRule()
{
    QFETCH(QString, which);
    QFETCH(QList<uint32_t>, raw);
    QFETCH(int, top);
    QFETCH(int, bottom);
    TSingleColumnForm* w = Window(which);
    game.sumSeconds = 40;
    ScriptRandom({raw.begin(), raw.end()});
    Open(w);
    QVERIFY(w->isVisible());
    QCOMPARE(Shown(w, "Label_u_f1"), top);
    QCOMPARE(Shown(w, "Label_u_f2"), bottom);
    QCOMPARE(w->ExpectedResult(), top + bottom);
    QCOMPARE(ScriptedRandomLeft(), size_t(0));
    QCOMPARE(game.exerciseKind, w->Code());
    QVERIFY(game.clockRunning);
    QCOMPARE(game.sumSeconds, 0);
    QVERIFY(Box(w)->text().isEmpty());
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(Box(w)));
    QVERIFY(Fake().calls.isEmpty());
}

void TestSumas1::keyFilterAdmitsOnlyDigitsAndBackspace_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letters and signs") << "sumas2" << "a+ -.x" << "";
    QTest::newRow("digits among letters") << "sumas2" << "a1b" << "1";
    QTest::newRow("sumas1 holds one digit") << "sumas1" << "47" << "4";
    QTest::newRow("sumas2 holds two digits") << "sumas2" << "123" << "12";
    QTest::newRow("backspace then retype") << "sumas1" << "4\b7" << "7";
}

void TestSumas1::keyFilterAdmitsOnlyDigitsAndBackspace()
{
    QFETCH(QString, which);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    TSingleColumnForm* w = Window(which);
    Open(w);
    Type(w, typed);
    QCOMPARE(Box(w)->text(), shown);
    // Only the key sound, on changes that leave the box non-empty.
    for (const QString& c : Fake().calls)
        QCOMPARE(c, QStringLiteral("sound:key"));
}

void TestSumas1::enterAndEscapeNeitherCheckNorClose_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<int>("key");
    QTest::newRow("sumas1 Enter") << "sumas1" << int(Qt::Key_Return);
    QTest::newRow("sumas1 keypad Enter") << "sumas1" << int(Qt::Key_Enter);
    QTest::newRow("sumas2 Escape") << "sumas2" << int(Qt::Key_Escape);
}

void TestSumas1::enterAndEscapeNeitherCheckNorClose()
{
    QFETCH(QString, which);
    QFETCH(int, key);
    TSingleColumnForm* w = Window(which);
    Open(w);
    Type(w, QString::number(ShownResult(w)));
    Fake().calls.clear();
    QTest::keyClick(Box(w), Qt::Key(key));
    Control<TColor95Button>(w, QStringLiteral("Color95Button1"))->setFocus();
    QTest::keyClick(w->focusWidget(), Qt::Key(key));
    QVERIFY(Fake().calls.isEmpty());
    QCOMPARE(w->KindHits(), 0);
    QCOMPARE(Box(w)->text(), QString::number(ShownResult(w)));
    QVERIFY(w->isVisible());
}

void TestSumas1::correctAnswerScoresThenPassesTheTurnThenDeals_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("automatic");
    QTest::newRow("sumas1 automatic turn") << "sumas1" << true;
    QTest::newRow("sumas2 automatic turn") << "sumas2" << true;
    QTest::newRow("sumas1 manual turn") << "sumas1" << false;
}

void TestSumas1::correctAnswerScoresThenPassesTheTurnThenDeals()
{
    QFETCH(QString, which);
    QFETCH(bool, automatic);
    TSingleColumnForm* w = Window(which);
    SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
    if (automatic)
        Form_menu->Cambiodeturnojugadoresautomtico1Click();
    else
        Form_menu->Cambiodeturnojugadoresmanual1Click();
    Open(w);
    const int slot = w == Form_sumas1 ? 0 : 1;
    Type(w, QString::number(ShownResult(w)));
    game.sumSeconds = 17;
    Fake().calls.clear();

    // The new sum empties the box as its last visible step: by then the
    // kind counter, Ana's score and the turn must all be done.
    int kindHits = -1, anaHits = -1, anaPoints = -1, player = -1;
    QStringList calls;
    connect(Box(w), &QLineEdit::textChanged, this, [&](const QString& t) {
        if (!t.isEmpty())
            return;
        kindHits = w->KindHits();
        anaHits = game.players[0].hits[slot];
        anaPoints = game.pointsTable[1].points;
        player = game.currentPlayer;
        calls = Fake().calls;
    });
    ScriptRandom({5, 4 + uint32_t(slot)});
    Check(w);

    QCOMPARE(calls, (QStringList{QStringLiteral("sound:hit"), QStringLiteral("pause:300")}));
    QCOMPARE(Fake().calls, calls);
    QCOMPARE(kindHits, 1);
    QCOMPARE(anaHits, 1);
    QCOMPARE(anaPoints, 2);
    QCOMPARE(player, automatic ? 2 : 1);
    QCOMPARE(game.currentPlayer, player);
    QCOMPARE(Control<QLabel>(w, QStringLiteral("Label_aciertos"))->text(), QStringLiteral("1"));
    QCOMPARE(Shown(w, "Label_u_f1"), 5);
    QCOMPARE(game.sumSeconds, 0);
    QVERIFY(game.clockRunning);
    QCOMPARE(game.hitsSinceNotice, 1);

    // From the last player the turn goes back to the first.
    Type(w, QString::number(ShownResult(w)));
    Check(w);
    QCOMPARE(game.currentPlayer, 1);
    QCOMPARE(game.pointsTable[2].points, automatic ? 2 : 0);
}

// On the fifth completed sum the correct-answer notice comes first, before
// anything is counted.
void TestSumas1::celebrationComesBeforeTheCounters()
{
    Open(Form_sumas1);
    game.hitsSinceNotice = 4;
    int kindHits = -1, playerHits = -1;
    Fake().OnModal(QStringLiteral("TForm_Acierto"), [&](QDialog*) {
        kindHits = Form_sumas1->KindHits();
        playerHits = game.players[0].hits[0];
    });
    Type(Form_sumas1, QString::number(ShownResult(Form_sumas1)));
    Fake().calls.clear();
    Check(Form_sumas1);
    QCOMPARE(kindHits, 0);
    QCOMPARE(playerHits, 0);
    QCOMPARE(Form_sumas1->KindHits(), 1);
    const QStringList& calls = Fake().calls;
    QCOMPARE(calls.first(), QStringLiteral("sound:hit"));
    QVERIFY(calls.contains(QStringLiteral("modal:TForm_Acierto")));
    QVERIFY(calls.indexOf(QStringLiteral("modal:TForm_Acierto")) < calls.indexOf(QStringLiteral("pause:300")));
}

void TestSumas1::wrongAnswerShowsTheNoticeBeforeCountingAndKeepsTheSum_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("pasted");  // set as text, past the key filter
    // Both sums are 9 + 9 in sumas2 and 4 + 5 in sumas1.
    QTest::newRow("sumas1 wrong digit") << "sumas1" << "8" << false;
    QTest::newRow("sumas2 wrong number") << "sumas2" << "17" << false;
    QTest::newRow("sumas2 units digit alone") << "sumas2" << "8" << false;
    QTest::newRow("sumas2 leading zero") << "sumas2" << "08" << false;
    QTest::newRow("sumas1 pasted letter") << "sumas1" << "x" << true;
    QTest::newRow("sumas2 pasted digit and letter") << "sumas2" << "1x" << true;
}

void TestSumas1::wrongAnswerShowsTheNoticeBeforeCountingAndKeepsTheSum()
{
    QFETCH(QString, which);
    QFETCH(QString, answer);
    QFETCH(bool, pasted);
    TSingleColumnForm* w = Window(which);
    ScriptRandom(w == Form_sumas1 ? std::vector<uint32_t>{4, 5} : std::vector<uint32_t>{9, 9});
    Open(w);
    const int slot = w == Form_sumas1 ? 0 : 1;
    if (pasted)
        Box(w)->setText(answer);
    else
        Type(w, answer);
    QCOMPARE(Box(w)->text(), answer);
    game.sumSeconds = 17;
    Fake().calls.clear();

    // While the notice is up nothing has been counted and the answer is
    // still in the box.
    QStringList calls;
    int kindMisses = -1, points = -1;
    QString boxText;
    Fake().OnModal(QStringLiteral("TForm_aviso_error"), [&](QDialog* notice) {
        calls = Fake().calls;
        kindMisses = w->KindMisses();
        points = game.CurrentPoints().points;
        boxText = Box(w)->text();
        QTest::mouseClick(Control<TColor95Button>(notice, QStringLiteral("Color95Button1")),
                          Qt::LeftButton);
    });
    Check(w);

    QCOMPARE(calls, (QStringList{QStringLiteral("sound:miss"), QStringLiteral("modal:TForm_aviso_error")}));
    QCOMPARE(Fake().calls, calls);
    QCOMPARE(kindMisses, 0);
    QCOMPARE(points, 0);
    QCOMPARE(boxText, answer);
    QVERIFY(!Form_aviso_error->isVisible());

    QCOMPARE(w->KindMisses(), 1);
    QCOMPARE(Control<QLabel>(w, QStringLiteral("Label_fallos"))->text(), QStringLiteral("1"));
    QCOMPARE(game.CurrentPoints().points, -1);
    QCOMPARE(game.players[0].misses[slot], 1);
    QVERIFY(Box(w)->text().isEmpty());
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(Box(w)));
    // The same sum stays, its clock running on.
    QCOMPARE(w->ExpectedResult(), slot == 0 ? 9 : 18);
    QCOMPARE(game.sumSeconds, 17);
    QVERIFY(game.clockRunning);
    QCOMPARE(game.hitsSinceNotice, 0);
}

void TestSumas1::emptyBoxIsNotChecked_data()
{
    QTest::addColumn<QString>("which");
    QTest::newRow("sumas1") << "sumas1";
    QTest::newRow("sumas2") << "sumas2";
}

void TestSumas1::emptyBoxIsNotChecked()
{
    QFETCH(QString, which);
    TSingleColumnForm* w = Window(which);
    Open(w);
    Type(w, QStringLiteral("5\b"));
    Fake().calls.clear();
    Check(w);  // the click puts the focus on the button first
    QVERIFY(Fake().calls.isEmpty());
    QCOMPARE(w->KindMisses(), 0);
    QCOMPARE(game.CurrentPoints().points, 0);
    QVERIFY(game.resultsSaved);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(Box(w)));
}

void TestSumas1::countersSurviveReopeningAndResetWithANewGame()
{
    Open(Form_sumas1);
    Type(Form_sumas1, QString::number(ShownResult(Form_sumas1)));
    Check(Form_sumas1);
    Type(Form_sumas1, WrongAnswer(Form_sumas1));
    Check(Form_sumas1);
    Open(Form_sumas2);
    QVERIFY(!Form_sumas1->isVisible());
    QCOMPARE(Control<QLabel>(Form_sumas2, QStringLiteral("Label_aciertos"))->text(), QStringLiteral("0"));
    Open(Form_sumas1);
    QCOMPARE(Control<QLabel>(Form_sumas1, QStringLiteral("Label_aciertos"))->text(), QStringLiteral("1"));
    QCOMPARE(Control<QLabel>(Form_sumas1, QStringLiteral("Label_fallos"))->text(), QStringLiteral("1"));

    // A new game zeroes them; the labels follow with the next sum.
    ResetAllKindCounters();
    QCOMPARE(Form_sumas1->KindHits(), 0);
    QCOMPARE(Form_sumas1->KindMisses(), 0);
    Form_sumas1->NewSum();
    QCOMPARE(Control<QLabel>(Form_sumas1, QStringLiteral("Label_aciertos"))->text(), QStringLiteral("0"));
    QCOMPARE(Control<QLabel>(Form_sumas1, QStringLiteral("Label_fallos"))->text(), QStringLiteral("0"));
}

void TestSumas1::firstShowIsPlacedBesideTheMainWindowLaterOnesStay()
{
    Form_menu->move(40, 30);
    Open(Form_sumas1);
    QCOMPARE(Form_sumas1->pos(), QPoint(190, 168));
    Form_sumas1->move(300, 211);
    Open(Form_sumas2);
    QCOMPARE(Form_sumas2->pos(), QPoint(190, 168));
    Form_menu->move(0, 0);
    Open(Form_sumas1);
    QCOMPARE(Form_sumas1->pos(), QPoint(300, 211));
}

void TestSumas1::closingStopsTheClock_data()
{
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("byCloseBox");
    QTest::newRow("sumas1 close box") << "sumas1" << true;
    QTest::newRow("sumas2 close box") << "sumas2" << true;
    QTest::newRow("sumas1 from the main window") << "sumas1" << false;
}

void TestSumas1::closingStopsTheClock()
{
    QFETCH(QString, which);
    QFETCH(bool, byCloseBox);
    TSingleColumnForm* w = Window(which);
    Open(w);
    QVERIFY(game.clockRunning);
    if (byCloseBox)
        w->close();
    else
        CloseCurrentExercise();
    QVERIFY(!w->isVisible());
    QVERIFY(!game.clockRunning);
    QCOMPARE(game.exerciseKind, Kind::None);
}

QTEST_MAIN(TestSumas1)
#include "tst_sumas1.moc"
