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
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
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

// Sends a key, shoots the screen 120 ms later from outside (the game may be
// inside a pause then) and counts the columns of the answer boxes' blue in a place.
int BlueColumnsAfterKey(const QString& key, const QRect& place, const QString& file)
{
    QProcess shot;
    const QString script = QStringLiteral("xdotool key %1; sleep .12; import -window root %2").arg(key, file);
    shot.start(QStringLiteral("sh"), {QStringLiteral("-c"), script});
    const bool shotTaken = QTest::qWaitFor([&] { return shot.state() == QProcess::NotRunning; });
    const QImage image = shotTaken ? QImage(file) : QImage();
    const QRect r = image.rect().intersected(place);
    int columns = 0;  // a digit's, not the text cursor's
    for (int x = r.left(), n = 0; x <= r.right(); ++x, columns += n > 3, n = 0)
        for (int y = r.top(); y <= r.bottom(); ++y)
            n += qBlue(image.pixel(x, y)) > 150 && qRed(image.pixel(x, y)) + qGreen(image.pixel(x, y)) < 180;
    return columns;
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
    void exerciseWindowsShowWhoseTurnAndTheDigitTyped_data();
    void exerciseWindowsShowWhoseTurnAndTheDigitTyped();

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

void TestDesktop::exerciseWindowsShowWhoseTurnAndTheDigitTyped_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("columns");  // each digit checked as it is typed
    for (const char* entry : {"Iniciosumassinllevarse1", "Iniciosumasconllevadas1", "Clculomental1"})
        QTest::newRow(entry) << QString::fromLatin1(entry) << false;
    for (const char* entry : {"Sumassinllevarse1", "Sumasconllevadas1", "Perfeccionamientodesumas1"})
        QTest::newRow(entry) << QString::fromLatin1(entry) << true;
}

void TestDesktop::exerciseWindowsShowWhoseTurnAndTheDigitTyped()
{
    QFETCH(QString, entry);
    QFETCH(bool, columns);
    SetPlayers({QStringLiteral("Ana"), QStringLiteral("Beto")});
    Form_menu->findChild<QAction*>(entry)->trigger();
    QWidget* form = nullptr;
    QTRY_VERIFY((form = QApplication::activeWindow()) && form != Form_menu && form->isVisible());
    auto* name = form->findChild<QLabel*>(QStringLiteral("Label_jugador"));
    QVERIFY(name && form->childAt(name->geometry().center()) == name);  // nothing over it
    QCOMPARE(name->text(), QStringLiteral("Turno: Ana"));
    Form_menu->Color95Button_jugadorsiguiente->click();
    QCOMPARE(name->text(), QStringLiteral("Turno: Beto"));
    if (!columns)
        return;
    auto* box = form->findChild<QLineEdit*>(QStringLiteral("Memo_res"));
    QTRY_VERIFY(box->hasFocus());
    QTest::qWait(200);
    int units = 0;
    for (int row = 1; auto* l = form->findChild<QLabel*>(QStringLiteral("Label_u_f%1").arg(row)); ++row)
        units += l->text().toInt();
    const QRect place(box->mapToGlobal(QPoint(0, 0)), box->size());
    QVERIFY2(BlueColumnsAfterKey(Digit(units % 10), place, dir_.filePath(QStringLiteral("shot.png"))) > 8,
             "the right units digit is not on screen during the pause");
}

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
