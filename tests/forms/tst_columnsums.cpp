// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/Services.h"
#include "app/Windows.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_sumas3.h"
#include "forms/TForm_sumas3b.h"
#include "forms/TForm_sumas4.h"
#include "forms/TForm_sumas4b.h"
#include "forms/TForm_sumas5.h"
#include "forms/TForm_sumas5b.h"
#include "forms/TForm_sumas5c.h"
#include "tests/support/DigitGrid.h"
#include "tests/support/TestGame.h"
#include "widgets/THemisphereButton.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>

namespace {

TColumnSumForm* Window(const QString& name)
{
    const QMap<QString, TColumnSumForm*> windows{
        {"sumas3", Form_sumas3},   {"sumas3b", Form_sumas3b}, {"sumas4", Form_sumas4},
        {"sumas4b", Form_sumas4b}, {"sumas5", Form_sumas5},   {"sumas5b", Form_sumas5b},
        {"sumas5c", Form_sumas5c}};
    return windows.value(name);
}

// The window that "Más dificil..." leaves for the harder one.
QString EasierOf(const QString& name)
{
    static const QMap<QString, QString> easier{
        {"sumas3b", "sumas3"}, {"sumas4b", "sumas4"}, {"sumas5b", "sumas5"}, {"sumas5c", "sumas5b"}};
    return easier.value(name);
}

void ClickHarder(QWidget* w)
{
    auto* button = Control<THemisphereButton>(w, QStringLiteral("HemisphereButton1"));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
}

// Opens a window the way the player does: from the main window's menu, or
// through the "Más dificil..." buttons for the harder ones. The last window
// deals the scripted grid.
void Open(const QString& name, const QStringList& grid = {})
{
    const QString easier = EasierOf(name);
    if (easier.isEmpty()) {
        if (!grid.isEmpty())
            ScriptGrid(grid);
        if (name == QLatin1String("sumas3"))
            Form_menu->Label3Click();
        else if (name == QLatin1String("sumas4"))
            Form_menu->Label4Click();
        else
            Form_menu->Label5Click();
        return;
    }
    Open(easier);
    if (!grid.isEmpty())
        ScriptGrid(grid);
    ClickHarder(Window(easier));
}

QLineEdit* Res(QWidget* w) { return Control<QLineEdit>(w, QStringLiteral("Memo_res")); }
QLineEdit* Carry(QWidget* w) { return Control<QLineEdit>(w, QStringLiteral("Memo_mellevo")); }
QString LabelText(QWidget* w, const QString& name) { return Control<QLabel>(w, name)->text(); }

void SetShowCarries(bool on)
{
    if (game.showCarries != on)
        Form_menu->Editarvisualizarlasquemellevo->trigger();
    QCOMPARE(game.showCarries, on);
}

// One input: "r5" a result digit with the carry option on, "R5" with it
// off, "c1" a carry, "b" Backspace in the answer box.
void Input(QWidget* w, const QString& token)
{
    if (token == QLatin1String("b")) {
        QTest::keyClick(Res(w), Qt::Key_Backspace);
        return;
    }
    if (token.at(0) == u'c') {
        QTest::keyClicks(Carry(w), token.mid(1));
        return;
    }
    SetShowCarries(token.at(0) == u'r');
    QTest::keyClicks(Res(w), token.mid(1));
}

// The recorded calls in short: key, miss, hit, notice, pause; "-" for none.
QString Short(const QStringList& calls)
{
    QStringList out;
    for (QString c : calls) {
        c.remove(QStringLiteral("sound:"));
        c.replace(QStringLiteral("modal:TForm_aviso_error"), QStringLiteral("notice"));
        c.replace(QStringLiteral("pause:300"), QStringLiteral("pause"));
        out << c;
    }
    return out.isEmpty() ? QStringLiteral("-") : out.join(u' ');
}

// Where the boxes stand and which result and carry labels show, in short:
// "res@310 carry@315 Label_res_u=5".
QString Layout(QWidget* w)
{
    QString s = QStringLiteral("res@%1").arg(Res(w)->x());
    if (QLineEdit* carry = w->findChild<QLineEdit*>(QStringLiteral("Memo_mellevo")); carry && carry->isVisibleTo(w))
        s += QStringLiteral(" carry@%1").arg(carry->x());
    QStringList shown;
    for (QLabel* l : w->findChildren<QLabel*>())
        if ((l->objectName().startsWith(QLatin1String("Label_res_")) ||
             l->objectName().startsWith(QLatin1String("Label_mellevo_"))) &&
            l->isVisibleTo(w))
            shown << l->objectName() + u'=' + l->text();
    std::sort(shown.begin(), shown.end());
    for (const QString& l : shown)
        s += u' ' + l;
    return s;
}

const QStringList kWindows{"sumas3", "sumas3b", "sumas4", "sumas4b", "sumas5", "sumas5b", "sumas5c"};

}  // namespace

class TestColumnSums : public QObject {
    Q_OBJECT
private slots:
    void init() { StartTestGame(); }
    void cleanup() { EndTestGame(); }

    void pictureDecodedAtFirstShow_data();
    void pictureDecodedAtFirstShow();
    void openingDealsTheGridAndWaitsUnderTheUnits_data();
    void openingDealsTheGridAndWaitsUnderTheUnits();
    void digitsScoreSoundPauseAndNoticeInOrder_data();
    void digitsScoreSoundPauseAndNoticeInOrder();
    void boxesAndLabelsFollowTheEntry_data();
    void boxesAndLabelsFollowTheEntry();
    void harderWindowTakesOverTheGame_data();
    void harderWindowTakesOverTheGame();
    void keyFilterAdmitsOnlyDigitsInBothBoxes();
    void noticeComesBeforeTheMissIsCounted();
    void completedSumPassesTheTurnOnce();
    void newGameZeroesEveryWindowsCounters();
    void menuEntryClosesTheOpenExercise();
    void wrongControlNameFailsTheTestWithoutACrash();
};

void TestColumnSums::openingDealsTheGridAndWaitsUnderTheUnits_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("grid");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("answerLeft");
    QTest::addColumn<QStringList>("hiddenLabels");
    QTest::newRow("sumas3") << "sumas3" << QStringList{"07", "02"} << "Sumas, SIN llevarse" << 3 << 370
                            << QStringList{"Label_res_u", "Label_res_d"};
    QTest::newRow("sumas3b") << "sumas3b" << QStringList{"123", "456"}
                             << "Sumas, SIN llevadas, más difícil" << 33 << 430
                             << QStringList{"Label_res_u", "Label_res_d", "Label_res_c"};
    QTest::newRow("sumas4") << "sumas4" << QStringList{"47", "38"} << "Sumas, CON llevadas" << 4 << 370
                            << QStringList{"Label_res_u", "Label_res_d", "Label_res_c", "Label_mellevo_d"};
    QTest::newRow("sumas4b") << "sumas4b" << QStringList{"155", "155"}
                             << "Sumas, CON llevadas, más fifícil" << 44 << 420
                             << QStringList{"Label_res_u", "Label_res_d", "Label_res_c", "Label_res_um",
                                            "Label_mellevo_d", "Label_mellevo_c"};
    QTest::newRow("sumas5") << "sumas5" << QStringList{"047", "123", "900"}
                            << "Perfeccionamiento de sumas" << 5 << 420
                            << QStringList{"Label_res_u", "Label_res_um", "Label_mellevo_c"};
    QTest::newRow("sumas5b") << "sumas5b" << QStringList{"047", "123", "900", "555"}
                             << "Perfeccionamiento de sumas" << 55 << 420
                             << QStringList{"Label_res_c", "Label_res_um", "Label_mellevo_d"};
    QTest::newRow("sumas5c") << "sumas5c" << QStringList{"1234", "5678", "9012", "3456", "7890"}
                             << "Perfeccionamiento de sumas" << 555 << 420
                             << QStringList{"Label_res_u", "Label_res_dm", "Label_mellevo_um"};
}

void TestColumnSums::openingDealsTheGridAndWaitsUnderTheUnits()
{
    QFETCH(QString, window);
    QFETCH(QStringList, grid);
    QFETCH(QString, caption);
    QFETCH(int, code);
    QFETCH(int, answerLeft);
    QFETCH(QStringList, hiddenLabels);
    TColumnSumForm* w = Window(window);
    game.sumSeconds = 40;
    Open(window, grid);
    QVERIFY(w->isVisible());
    QCOMPARE(ScriptedRandomLeft(), size_t(0));
    QCOMPARE(w->windowTitle(), caption);
    static const char* const columns[] = {"u", "d", "c", "um"};
    for (int r = 0; r < grid.size(); ++r)
        for (int c = 0; c < grid[r].size(); ++c) {
            const QString name = QStringLiteral("Label_%1_f%2").arg(QLatin1String(columns[c])).arg(r + 1);
            QCOMPARE(LabelText(w, name), grid[r].at(grid[r].size() - 1 - c));
        }
    // No row or column more than the grid.
    QVERIFY(!w->findChild<QLabel*>(QStringLiteral("Label_u_f%1").arg(grid.size() + 1)));
    for (const QString& name : hiddenLabels)
        QVERIFY2(!Control<QLabel>(w, name)->isVisibleTo(w), qPrintable(name));
    if (QLineEdit* carry = w->findChild<QLineEdit*>(QStringLiteral("Memo_mellevo")))
        QVERIFY(!carry->isVisibleTo(w));
    QCOMPARE(Res(w)->x(), answerLeft);
    QVERIFY(Res(w)->text().isEmpty());
    QCOMPARE(game.exerciseKind, code);
    QVERIFY(game.clockRunning);
    QCOMPARE(game.sumSeconds, 0);
    QCOMPARE(w->focusWidget(), static_cast<QWidget*>(Res(w)));
    QCOMPARE(Control<QLabel>(w, QStringLiteral("Image1"))->toolTip(),
             QStringLiteral("Comprobación  automática"));
}

// The picture is read as the window first opens, not while the game starts.
void TestColumnSums::pictureDecodedAtFirstShow_data()
{
    QTest::addColumn<QByteArray>("contents");  // empty: no file at all
    QTest::addColumn<bool>("shown");
    QTest::newRow("readable") << BitmapBytes(40, 30, Qt::green) << true;
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("not a picture") << QByteArray("no soy un dibujo") << false;
}

void TestColumnSums::pictureDecodedAtFirstShow()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, shown);
    QTemporaryDir dir;
    if (!contents.isEmpty())
        WriteFile(dir.filePath(QStringLiteral("fondo2.bmp")), contents);
    DestroyWindows();
    QDir::setCurrent(dir.path());
    CreateWindows();
    Form_sumas3->EnsureControls();
    QLabel* picture = Control<QLabel>(Form_sumas3, QStringLiteral("Image1"));
    QVERIFY(picture->pixmap().isNull());
    Open(QStringLiteral("sumas3"));
    QCOMPARE(!picture->pixmap().isNull(), shown);
    Form_sumas3->close();
    Open(QStringLiteral("sumas3"));  // read once: the name is gone
    QCOMPARE(!picture->pixmap().isNull(), shown);
}

// Script: inputs as in Input(); calls: what each input recorded, "|"
// between inputs.
void TestColumnSums::digitsScoreSoundPauseAndNoticeInOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("grid");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("calls");
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("misses");

    QTest::newRow("sumas3 wrong units digit")
        << "sumas3" << QStringList{"12", "34"} << "r7 r6 r4"
        << "key miss notice | key pause | key pause hit" << 2 << 1;
    QTest::newRow("sumas3b three columns") << "sumas3b" << QStringList{"123", "456"} << "r9 r7 r5"
                                           << "key pause | key pause | key pause hit" << 3 << 0;
    QTest::newRow("sumas4 47 + 38 wrong digit and wrong carry")
        << "sumas4" << QStringList{"47", "38"} << "r6 r5 c2 c1 r8"
        << "key miss notice | key pause | key miss notice | key pause | key pause hit" << 2 << 2;
    QTest::newRow("sumas4 87 + 58 carries off")
        << "sumas4" << QStringList{"87", "58"} << "R5 R4 R1" << "key pause | key | key pause hit" << 2 << 0;
    QTest::newRow("sumas4 backspace and retype while the carry waits")
        << "sumas4" << QStringList{"47", "38"} << "r5 b r5 c1 r9 r8"
        << "key pause | - | key pause | key pause | key miss notice | key pause hit" << 2 << 1;
    QTest::newRow("sumas4b two carries") << "sumas4b" << QStringList{"155", "155"} << "r0 c1 r1 c1 r3"
                                         << "key pause | key pause | key pause | key pause | key pause hit"
                                         << 3 << 0;
    QTest::newRow("sumas5 column of 27")
        << "sumas5" << QStringList{"009", "009", "009"} << "r7 c1 c2 r2 r0"
        << "key pause | key miss notice | key pause | key pause | key pause hit" << 3 << 1;
    QTest::newRow("sumas5b carries of 3 and a leading 3")
        << "sumas5b" << QStringList{"999", "999", "999", "999"} << "r6 c3 r9 c3 r9 r3"
        << "key pause | key pause | key pause | key pause | key | key pause hit" << 3 << 0;
    QTest::newRow("sumas5c all nines")
        << "sumas5c" << QStringList{"9999", "9999", "9999", "9999", "9999"} << "r5 c4 r9 c4 r9 c4 r9 r4"
        << "key pause | key pause | key pause | key pause | key pause | key pause | key | key pause hit"
        << 4 << 0;
    QTest::newRow("sumas5c all nines carries off")
        << "sumas5c" << QStringList{"9999", "9999", "9999", "9999", "9999"} << "R5 R9 R9 R9 R3 R4"
        << "key pause | key pause | key pause | key | key miss notice | key pause hit" << 4 << 1;
}

void TestColumnSums::digitsScoreSoundPauseAndNoticeInOrder()
{
    QFETCH(QString, window);
    QFETCH(QStringList, grid);
    QFETCH(QString, script);
    QFETCH(QString, calls);
    QFETCH(int, hits);
    QFETCH(int, misses);
    TColumnSumForm* w = Window(window);
    Open(window, grid);
    const int slot = window.startsWith(QLatin1String("sumas3")) ? 0 : 1;
    Fake().calls.clear();
    QStringList recorded;
    for (const QString& token : script.split(u' ')) {
        Input(w, token);
        recorded << Short(Fake().calls);
        Fake().calls.clear();
    }
    QCOMPARE(recorded.join(QStringLiteral(" | ")), calls);
    QCOMPARE(w->KindHits(), hits);
    QCOMPARE(w->KindMisses(), misses);
    QCOMPARE(LabelText(w, QStringLiteral("Label_aciertos")), QString::number(hits));
    QCOMPARE(LabelText(w, QStringLiteral("Label_fallos")), QString::number(misses));
    QCOMPARE(game.players[0].hits[slot], hits);
    QCOMPARE(game.players[0].misses[slot], misses);
    QCOMPARE(game.CurrentPoints().points, 2 * hits - misses);
    QCOMPARE(game.hitsSinceNotice, 1);
    // A new sum waits under the units.
    QCOMPARE(w->Sum().Step(), 1);
    QVERIFY(Res(w)->text().isEmpty());
}

// After each input: where the boxes stand and which labels show.
void TestColumnSums::boxesAndLabelsFollowTheEntry_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("grid");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("layouts");

    QTest::newRow("sumas3 the completing digit is not copied")
        << "sumas3" << QStringList{"12", "34"} << "r6 r4"
        << QStringList{"res@310 Label_res_u=6", "res@370"};
    QTest::newRow("sumas4 87 + 58")
        << "sumas4" << QStringList{"87", "58"} << "r5 c1 r4"
        << QStringList{"res@370 carry@315", "res@310 Label_mellevo_d=1 Label_res_u=5",
                       "res@265 Label_mellevo_d=1 Label_res_d=4 Label_res_u=5"};
    QTest::newRow("sumas4 wrong carry keeps the digit, wrong retype keeps the accepted one")
        << "sumas4" << QStringList{"47", "38"} << "r5 c2 b r3 c1"
        << QStringList{"res@370 carry@315", "res@370 carry@315", "res@370 carry@315",
                       "res@370 carry@315", "res@310 Label_mellevo_d=1 Label_res_u=5"};
    QTest::newRow("sumas4 carries off show no carry")
        << "sumas4" << QStringList{"47", "38"} << "R5" << QStringList{"res@310 Label_res_u=5"};
    QTest::newRow("sumas4b carry into the hundreds")
        << "sumas4b" << QStringList{"155", "155"} << "r0 c1 r1 c1"
        << QStringList{"res@420 carry@375", "res@370 Label_mellevo_d=1 Label_res_u=0",
                       "res@370 carry@325 Label_mellevo_d=1 Label_res_u=0",
                       "res@320 Label_mellevo_c=1 Label_mellevo_d=1 Label_res_d=1 Label_res_u=0"};
    QTest::newRow("sumas5 last column of 27 then its leading digit")
        << "sumas5" << QStringList{"900", "900", "900"} << "r0 r0 r7"
        << QStringList{"res@370 Label_res_u=0", "res@320 Label_res_d=0 Label_res_u=0",
                       "res@275 Label_res_c=7 Label_res_d=0 Label_res_u=0"};
    QTest::newRow("sumas5c carry above the thousands, leading digit at 230")
        << "sumas5c" << QStringList{"9999", "9999", "9999", "9999", "9999"} << "R5 R9 r9 c4 r9"
        << QStringList{"res@370 Label_res_u=5", "res@320 Label_res_d=9 Label_res_u=5",
                       "res@320 carry@275 Label_res_d=9 Label_res_u=5",
                       "res@270 Label_mellevo_um=4 Label_res_c=9 Label_res_d=9 Label_res_u=5",
                       "res@230 Label_mellevo_um=4 Label_res_c=9 Label_res_d=9 Label_res_u=5 Label_res_um=9"};
}

void TestColumnSums::boxesAndLabelsFollowTheEntry()
{
    QFETCH(QString, window);
    QFETCH(QStringList, grid);
    QFETCH(QString, script);
    QFETCH(QStringList, layouts);
    TColumnSumForm* w = Window(window);
    Open(window, grid);
    const QStringList tokens = script.split(u' ');
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        Input(w, tokens[i]);
        QCOMPARE(Layout(w) + QStringLiteral(" after ") + tokens[i], layouts[i] + QStringLiteral(" after ") + tokens[i]);
    }
    // The focus is in the box that waits.
    QLineEdit* carry = w->findChild<QLineEdit*>(QStringLiteral("Memo_mellevo"));
    QWidget* waiting = carry && carry->isVisibleTo(w) ? carry : Res(w);
    QCOMPARE(w->focusWidget(), waiting);
}

void TestColumnSums::harderWindowTakesOverTheGame_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("shared");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("sumas3 to sumas3b") << "sumas3" << "sumas3b" << true << QPoint(122, 138);
    QTest::newRow("sumas4 to sumas4b") << "sumas4" << "sumas4b" << true << QPoint(122, 123);
    QTest::newRow("sumas5 to sumas5b") << "sumas5" << "sumas5b" << false << QPoint(122, 65);
    QTest::newRow("sumas5b to sumas5c") << "sumas5b" << "sumas5c" << false << QPoint(122, 65);
}

void TestColumnSums::harderWindowTakesOverTheGame()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, shared);
    QFETCH(QPoint, offset);
    TColumnSumForm* easy = Window(from);
    TColumnSumForm* hard = Window(to);
    Form_menu->move(40, 30);
    Open(from);
    // One miss in the easier window.
    Input(easy, QStringLiteral("r%1").arg((easy->Sum().ResultDigit(0) + 1) % 10));
    QCOMPARE(easy->KindMisses(), 1);
    game.sumSeconds = 30;
    ClickHarder(easy);

    QVERIFY(!easy->isVisible());
    QVERIFY(hard->isVisible());
    QCOMPARE(game.exerciseKind, hard->Code());
    QVERIFY(game.clockRunning);
    QCOMPARE(game.sumSeconds, 0);
    QCOMPARE(hard->pos(), Form_menu->pos() + offset);
    QCOMPARE(LabelText(hard, QStringLiteral("Label_fallos")), shared ? QStringLiteral("1") : QStringLiteral("0"));
    QCOMPARE(hard->KindMisses(), shared ? 1 : 0);

    // The harder window's sum scores for its own kind, and the main window
    // closes it as the open exercise.
    const int before = easy->KindMisses();
    Input(hard, QStringLiteral("r%1").arg((hard->Sum().ResultDigit(0) + 1) % 10));
    QCOMPARE(hard->KindMisses(), shared ? 2 : 1);
    QCOMPARE(easy->KindMisses(), shared ? 2 : before);
    QCOMPARE(game.players[0].misses[to.startsWith(QLatin1String("sumas3")) ? 0 : 1], 2);
    CloseCurrentExercise();
    QVERIFY(!hard->isVisible());
    QVERIFY(!game.clockRunning);
    QCOMPARE(game.exerciseKind, Kind::None);
}

void TestColumnSums::keyFilterAdmitsOnlyDigitsInBothBoxes()
{
    Open(QStringLiteral("sumas4"), {"47", "38"});
    QTest::keyClicks(Res(Form_sumas4), QStringLiteral("a+ .-"));
    QTest::keyClick(Res(Form_sumas4), Qt::Key_Return);
    QVERIFY(Res(Form_sumas4)->text().isEmpty());
    QVERIFY(Fake().calls.isEmpty());
    QTest::keyClicks(Res(Form_sumas4), QStringLiteral("x5"));
    QVERIFY(Carry(Form_sumas4)->isVisible());
    QTest::keyClicks(Carry(Form_sumas4), QStringLiteral("a-"));
    QTest::keyClick(Carry(Form_sumas4), Qt::Key_Escape);
    QVERIFY(Carry(Form_sumas4)->text().isEmpty());
    QVERIFY(Form_sumas4->isVisible());
    QCOMPARE(Short(Fake().calls), QStringLiteral("key pause"));
}

// While the notice is up nothing is counted yet and the wrong digit is
// still in the box; a wrong carry leaves the accepted digit in the answer box.
void TestColumnSums::noticeComesBeforeTheMissIsCounted()
{
    Open(QStringLiteral("sumas4"), {"47", "38"});
    QStringList seen;
    Fake().OnModal(QStringLiteral("TForm_aviso_error"), [&](QDialog*) {
        seen << QStringLiteral("%1 %2 %3").arg(Form_sumas4->KindMisses()).arg(game.CurrentPoints().points)
                    .arg(Res(Form_sumas4)->text());
    });
    Fake().OnModal(QStringLiteral("TForm_aviso_error"), [&](QDialog*) {
        seen << QStringLiteral("%1 %2 %3 %4").arg(Form_sumas4->KindMisses()).arg(game.CurrentPoints().points)
                    .arg(Res(Form_sumas4)->text(), Carry(Form_sumas4)->text());
    });
    Input(Form_sumas4, QStringLiteral("r4"));
    Input(Form_sumas4, QStringLiteral("r5"));
    Input(Form_sumas4, QStringLiteral("c0"));
    QCOMPARE(seen, (QStringList{QStringLiteral("0 0 4"), QStringLiteral("1 -1 5 0")}));
    QCOMPARE(Form_sumas4->KindMisses(), 2);
    QCOMPARE(game.CurrentPoints().points, -2);
    QCOMPARE(Res(Form_sumas4)->text(), QStringLiteral("5"));
    QVERIFY(Carry(Form_sumas4)->text().isEmpty());
    QCOMPARE(Form_sumas4->focusWidget(), static_cast<QWidget*>(Carry(Form_sumas4)));
}

void TestColumnSums::completedSumPassesTheTurnOnce()
{
    SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
    Open(QStringLiteral("sumas3b"), {"123", "456"});
    Input(Form_sumas3b, QStringLiteral("r9"));
    Input(Form_sumas3b, QStringLiteral("r7"));
    QCOMPARE(game.currentPlayer, 1);
    // The new sum is dealt after the turn has passed.
    int playerAtNewSum = 0;
    connect(Res(Form_sumas3b), &QLineEdit::textChanged, this, [&](const QString& t) {
        if (t.isEmpty())
            playerAtNewSum = game.currentPlayer;
    });
    Input(Form_sumas3b, QStringLiteral("r5"));
    QCOMPARE(playerAtNewSum, 2);
    QCOMPARE(game.pointsTable[1].points, 6);
    QCOMPARE(game.pointsTable[2].points, 0);
    QCOMPARE(game.players[0].hits[0], 3);

    Form_menu->Cambiodeturnojugadoresmanual1Click();
    ScriptGrid({"111", "111"});
    Input(Form_sumas3b, QStringLiteral("r7"));
    Input(Form_sumas3b, QStringLiteral("r5"));
    Input(Form_sumas3b, QStringLiteral("r3"));
    QCOMPARE(game.currentPlayer, 2);
}

void TestColumnSums::newGameZeroesEveryWindowsCounters()
{
    for (const QString& name : kWindows) {
        Open(name);
        TColumnSumForm* w = Window(name);
        Input(w, QStringLiteral("R%1").arg((w->Sum().ResultDigit(0) + 1) % 10));
    }
    QCOMPARE(Form_sumas3->KindMisses(), 2);
    QCOMPARE(Form_sumas4b->KindMisses(), 2);
    QCOMPARE(Form_sumas5->KindMisses(), 1);
    QCOMPARE(Form_sumas5c->KindMisses(), 1);
    ResetAllKindCounters();
    for (const QString& name : kWindows)
        QCOMPARE(Window(name)->KindMisses(), 0);
}

void TestColumnSums::menuEntryClosesTheOpenExercise()
{
    Open(QStringLiteral("sumas3b"));
    Form_menu->Label4Click();
    QVERIFY(!Form_sumas3b->isVisible());
    QVERIFY(Form_sumas4->isVisible());
    QCOMPARE(game.exerciseKind, Kind::Sumas4);
    QVERIFY(Form_menu->Sumasconllevadas1->isChecked());
    QVERIFY(!Form_menu->Sumassinllevarse1->isChecked());
    Form_menu->Perfeccionamientodesumas1->trigger();
    QVERIFY(!Form_sumas4->isVisible());
    QVERIFY(Form_sumas5->isVisible());
    QCOMPARE(game.exerciseKind, Kind::Sumas5);
    QVERIFY(Form_menu->Perfeccionamientodesumas1->isChecked());
    Form_menu->Sumassinllevarse1->trigger();
    QCOMPARE(game.exerciseKind, Kind::Sumas3);
}

void TestColumnSums::wrongControlNameFailsTheTestWithoutACrash()
{
    QEXPECT_FAIL("", "the name is wrong on purpose", Continue);
    QLabel* standIn = Control<QLabel>(Form_sumas3, QStringLiteral("Label_x_f9"));
    QVERIFY(standIn);
    standIn->setText(QStringLiteral("1"));
    QVERIFY(!standIn->isVisibleTo(Form_sumas3));
}

QTEST_MAIN(TestColumnSums)
#include "tst_columnsums.moc"
