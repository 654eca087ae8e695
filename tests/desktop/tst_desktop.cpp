// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// Played on a real X desktop with a window manager (run-on-desktop.sh), with
// the real platform and keys sent by xdotool to whatever window the window
// manager made active, as a child's keyboard would.
#include "app/GameState.h"
#include "app/QtPlatform.h"
#include "app/Windows.h"
#include "forms/TForm_Acierto.h"
#include "forms/TForm_aviso_error.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_muchos_aciertos.h"
#include "forms/TForm_sumas1.h"
#include "forms/TForm_sumas3.h"
#include "forms/TForm_sumas5.h"
#include "widgets/TColor95Button.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

namespace {

void Keys(const QStringList& keys)
{
    QStringList args{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("40")};
    args += keys;
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), args), 0);
}

// The title the window manager shows for the active window.
QString ActiveTitle()
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow"), QStringLiteral("getwindowname")});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).chopped(1);
}

// Answers the windows that come up while the game runs modally: whenever the
// window a step waits for is the active one, its keys are sent, once.
class Responder : public QObject {
public:
    struct Step {
        std::function<QWidget*()> window;
        QStringList keys;
    };
    explicit Responder(QList<Step> steps) : steps_(std::move(steps))
    {
        connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });
        timer_.start(50);
    }
    bool Done() const { return steps_.isEmpty(); }

private:
    void Poll()
    {
        if (steps_.isEmpty())
            return;
        QWidget* w = steps_.front().window();
        if (w && w->isVisible() && QApplication::activeWindow() == w) {
            const QStringList keys = steps_.front().keys;
            steps_.pop_front();
            Keys(keys);
        }
    }
    QList<Step> steps_;
    QTimer timer_;
};

QWidget* ActiveMessageBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

bool IsUnsavedQuestion(QWidget* w)
{
    auto* box = qobject_cast<QMessageBox*>(w);
    return box && box->text().contains(QStringLiteral("no se han guardado"));
}

int Answer()
{
    return Form_sumas1->findChild<QLabel*>(QStringLiteral("Label_u_f1"))->text().toInt() +
           Form_sumas1->findChild<QLabel*>(QStringLiteral("Label_u_f2"))->text().toInt();
}

QString Digit(int d) { return QString::number(d); }

// The units digit of the sum on show in a several-column window.
int UnitsAnswer(QWidget* form)
{
    int sum = 0;
    for (int row = 1; auto* l = form->findChild<QLabel*>(QStringLiteral("Label_u_f%1").arg(row)); ++row)
        sum += l->text().toInt();
    return sum % 10;
}

// Sends a key and shoots the screen ms later from outside, while the game may
// be inside a pause.
QImage ShotAfterKey(const QString& key, int ms, const QString& file)
{
    QProcess shot;
    shot.start(QStringLiteral("sh"),
               {QStringLiteral("-c"), QStringLiteral("xdotool key %1; sleep %2; import -window root %3")
                                          .arg(key, QString::number(ms / 1000.0), file)});
    if (!shot.waitForStarted())
        return {};
    if (!QTest::qWaitFor([&] { return shot.state() == QProcess::NotRunning; }, 10000))
        return {};
    return QImage(file);
}

// Pixels of the answer boxes' blue digits inside a box.
int BluePixels(const QImage& shot, const QRect& r)
{
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            n += c.blue() > 150 && c.red() < 90 && c.green() < 90;
        }
    return n;
}

}  // namespace

class TestDesktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void exerciseWindowOpensActiveWithItsFrameBesideTheMainWindow();
    void keysAfterTheWrongAnswerNoticeGoToTheAnswerBox();
    void keysAfterTheCelebrationGoToTheAnswerBox();
    void escapeOrCloseInTheUnsavedQuestionGoesBack_data();
    void escapeOrCloseInTheUnsavedQuestionGoesBack();
    void aTypedDigitIsOnScreenDuringThePause_data();
    void aTypedDigitIsOnScreenDuringThePause();
    void everyExerciseWindowSaysWhoseTurnItIs_data();
    void everyExerciseWindowSaysWhoseTurnItIs();

private:
    QTemporaryDir dir_;
    QString startDir_;
    std::unique_ptr<QtPlatform> platform_;
};

void TestDesktop::initTestCase()
{
    QVERIFY(dir_.isValid());
    // No pictures and no tune beside the program: only the windows count here.
    startDir_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
    platform_ = std::make_unique<QtPlatform>();
    SetPlatform(platform_.get());
    game = GameState{};
    CreateWindows();
    Form_menu->showMaximized();
    // No first tick: the test registers the players itself.
    Form_menu->Timer_icono->stop();
    QTRY_VERIFY(Form_menu->isActiveWindow());
}

void TestDesktop::cleanupTestCase()
{
    DestroyWindows();
    SetPlatform(nullptr);
    platform_.reset();
    QDir::setCurrent(startDir_);
}

void TestDesktop::exerciseWindowOpensActiveWithItsFrameBesideTheMainWindow()
{
    Form_menu->Iniciosumassinllevarse1->trigger();
    QTRY_VERIFY(Form_sumas1->isActiveWindow());
    QCOMPARE(ActiveTitle(), QStringLiteral("Sumas, inicio SIN llevarse"));
    // The frame, not the client area, is placed: the title bar stays clear of
    // the turn buttons.
    QTRY_COMPARE(Form_sumas1->frameGeometry().topLeft(),
                 Form_menu->frameGeometry().topLeft() + QPoint(150, 138));
}

void TestDesktop::keysAfterTheWrongAnswerNoticeGoToTheAnswerBox()
{
    QTRY_VERIFY(Form_sumas1->isActiveWindow());
    const int32_t hits = Form_sumas1->KindHits();
    const int32_t misses = Form_sumas1->KindMisses();
    const int right = Answer();

    Responder seguir({{[] { return static_cast<QWidget*>(Form_aviso_error); }, {QStringLiteral("s")}}});
    Keys({Digit((right + 1) % 10), QStringLiteral("alt+c")});
    QTRY_COMPARE(Form_sumas1->KindMisses(), misses + 1);
    QVERIFY(seguir.Done());

    // Straight on with the keyboard: no click brings the window back.
    QTRY_VERIFY(Form_sumas1->isActiveWindow());
    Keys({Digit(right), QStringLiteral("alt+c")});
    QTRY_COMPARE(Form_sumas1->KindHits(), hits + 1);
}

void TestDesktop::keysAfterTheCelebrationGoToTheAnswerBox()
{
    QTRY_VERIFY(Form_sumas1->isActiveWindow());
    game.hitsSinceNotice = 4;
    const int32_t hits = Form_sumas1->KindHits();

    Responder answers({
        {[] { return static_cast<QWidget*>(Form_Acierto); }, {QStringLiteral("alt+s")}},
        {[] { return static_cast<QWidget*>(Form_muchos_aciertos); }, {QStringLiteral("space")}},
    });
    Keys({Digit(Answer()), QStringLiteral("alt+c")});
    QTRY_VERIFY_WITH_TIMEOUT(answers.Done() && !Form_muchos_aciertos->isVisible() &&
                                 !Form_Acierto->isVisible(),
                             30000);
    QCOMPARE(Form_sumas1->KindHits(), hits + 1);

    QTRY_VERIFY(Form_sumas1->isActiveWindow());
    Keys({Digit(Answer()), QStringLiteral("alt+c")});
    QTRY_COMPARE(Form_sumas1->KindHits(), hits + 2);
}

void TestDesktop::escapeOrCloseInTheUnsavedQuestionGoesBack_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("Escape") << QStringLiteral("Escape");
    QTest::newRow("close box") << QStringLiteral("alt+F4");
}

void TestDesktop::escapeOrCloseInTheUnsavedQuestionGoesBack()
{
    QFETCH(QString, key);
    game.resultsSaved = false;
    // "Are you sure?" is answered Yes with Enter; then the unsaved-results
    // question gets the reflex key.
    Responder answers({
        {[] { return IsUnsavedQuestion(ActiveMessageBox()) ? nullptr : ActiveMessageBox(); },
         {QStringLiteral("Return")}},
        {[] { return IsUnsavedQuestion(ActiveMessageBox()) ? ActiveMessageBox() : nullptr; }, {key}},
    });
    QTimer::singleShot(0, Form_menu, [] { Form_menu->Terminar1->trigger(); });
    QTRY_VERIFY_WITH_TIMEOUT(answers.Done() && !QApplication::activeModalWidget(), 10000);
    QVERIFY(!game.exitConfirmed);
    QVERIFY(Form_menu->isVisible());
}

void TestDesktop::aTypedDigitIsOnScreenDuringThePause_data()
{
    QTest::addColumn<QAction*>("entry");
    QTest::addColumn<QWidget*>("form");
    QTest::newRow("three columns") << Form_menu->Sumassinllevarse1 << static_cast<QWidget*>(Form_sumas3);
    QTest::newRow("several rows") << Form_menu->Perfeccionamientodesumas1
                                  << static_cast<QWidget*>(Form_sumas5);
}

void TestDesktop::aTypedDigitIsOnScreenDuringThePause()
{
    QFETCH(QAction*, entry);
    QFETCH(QWidget*, form);
    entry->trigger();
    QTRY_VERIFY(form->isActiveWindow());
    auto* box = form->findChild<QLineEdit*>(QStringLiteral("Memo_res"));
    QTRY_VERIFY(box->hasFocus());
    QTest::qWait(200);
    auto* hits = form->findChild<QLabel*>(QStringLiteral("Label_aciertos"));
    const QString hitsBefore = hits->text();

    // The box moves on once the pause is over.
    const QRect place(box->mapToGlobal(QPoint(0, 0)), box->size());
    const QImage shot = ShotAfterKey(Digit(UnitsAnswer(form)), 120, dir_.filePath(QStringLiteral("shot.png")));
    QVERIFY(!shot.isNull());
    QVERIFY2(BluePixels(shot, place) > 3 * place.height(), "the digit is not in the box");
    QTRY_VERIFY(hits->text() != hitsBefore || form->findChild<QLineEdit*>(QStringLiteral("Memo_mellevo"))->isVisible());
}

void TestDesktop::everyExerciseWindowSaysWhoseTurnItIs_data()
{
    QTest::addColumn<QString>("entry");
    for (const char* entry : {"Iniciosumassinllevarse1", "Iniciosumasconllevadas1", "Sumassinllevarse1",
                              "Sumasconllevadas1", "Perfeccionamientodesumas1", "Clculomental1"})
        QTest::newRow(entry) << QString::fromLatin1(entry);
}

void TestDesktop::everyExerciseWindowSaysWhoseTurnItIs()
{
    QFETCH(QString, entry);
    game.playerCount = 2;
    game.players[0].SetName(QStringLiteral("Ana"));
    game.players[1].SetName(QStringLiteral("Beto"));
    game.currentPlayer = 1;
    Form_menu->findChild<QAction*>(entry)->trigger();
    QWidget* form = nullptr;
    QTRY_VERIFY((form = QApplication::activeWindow()) && form != Form_menu);
    auto* name = form->findChild<QLabel*>(QStringLiteral("Label_jugador"));
    QVERIFY(name && name->isVisible());
    QCOMPARE(name->text(), QStringLiteral("Turno: Ana"));
    // Nothing of the window lies over it.
    QCOMPARE(form->childAt(name->geometry().center()), name);
    Form_menu->Color95Button_jugadorsiguiente->click();
    QCOMPARE(name->text(), QStringLiteral("Turno: Beto"));
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
