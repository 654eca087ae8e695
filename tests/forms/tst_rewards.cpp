// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/Services.h"
#include "app/TunePlayer.h"
#include "app/Windows.h"
#include "forms/TForm_Acierto.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_muchos_aciertos.h"
#include "logic/FaceAnimation.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QApplication>
#include <QAudioDevice>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMediaDevices>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <memory>

namespace {

const QString kNoticeText = QStringLiteral(
    "¡¡ Muy bien !!\n\nEstás jugando tan bien que has ganado 20 puntos más.\n\nPulsa el botón "
    "'Seguir' para ver la cara graciosa que tienes");

// A face of one colour whose top-left pixel is red, so that tiles can be
// told apart from the ground they are drawn on.
void MakeFace(const QString& path, QSize size, QColor colour)
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    img.setPixel(0, 0, qRgb(255, 0, 0));
    QVERIFY(img.save(path, "BMP"));
}

QByteArray ZeroWidthBitmap() { return BitmapBytes(4, 4, Qt::blue, true); }

int Pauses() { return int(Fake().CallsStartingWith(QStringLiteral("pause:100")).size()); }

QString SourceFile(const char* relative)
{
    return QStringLiteral(CIFROLO_SOURCE_DIR "/") + QLatin1String(relative);
}

}  // namespace

class TestRewards : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void noticeGivesEveryPlayerTwentyPoints_data();
    void noticeGivesEveryPlayerTwentyPoints();
    void noticePicture_data();
    void noticePicture();
    void noticeIgnoresKeys_data();
    void noticeIgnoresKeys();
    void seguirShowsFacesThenCloses();
    void seguirAccelerator();
    void fifthCelebrationBringsNotice_data();
    void fifthCelebrationBringsNotice();

    void facesCycleAndTile();
    void animationsAreShortForAnyFace_data();
    void animationsAreShortForAnyFace();
    void aCloseDuringTheAnimationsClosesOnce_data();
    void aCloseDuringTheAnimationsClosesOnce();
    void stylesCycleOverNineShowings();
    void faceThatCannotShowEndsAtOnce_data();
    void faceThatCannotShowEndsAtOnce();
    void keyOrClickCloses_data();
    void keyOrClickCloses();

    void tuneRejectsWhatIsNotMidi_data();
    void tuneRejectsWhatIsNotMidi();
    void tuneWithoutOutputDevice();
    void tuneUsesTheDeviceOnlyWhilePlaying();

private:
    // Shows the bonus window once, letting its timer tick; returns the
    // window's geometry once open.
    QRect ShowFaces();
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestRewards::init()
{
    StartTestGame();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

void TestRewards::cleanup()
{
    EndTestGame();
    dir_.reset();
}

QRect TestRewards::ShowFaces()
{
    QRect open;
    Fake().OnModal(QStringLiteral("TForm_muchos_aciertos"), [&](QDialog*) {
        Form_muchos_aciertos->Timer1Timer();
        open = Form_muchos_aciertos->AnimationGeometry();
    });
    ThePlatform().RunModal(Form_muchos_aciertos);
    return open;
}

// --- the notice ---------------------------------------------------------------

void TestRewards::noticeGivesEveryPlayerTwentyPoints_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<int>("current");
    QTest::addColumn<QList<int>>("before");
    QTest::newRow("one player") << QStringList{"Ana"} << 1 << QList<int>{7};
    QTest::newRow("three, first plays") << QStringList{"Ana", "Luis", "Eva"} << 1
                                        << QList<int>{10, 0, 4};
    QTest::newRow("three, last plays, in debt")
        << QStringList{"Ana", "Luis", "Eva"} << 3 << QList<int>{10, 3, -25};
}

void TestRewards::noticeGivesEveryPlayerTwentyPoints()
{
    QFETCH(QStringList, names);
    QFETCH(int, current);
    QFETCH(QList<int>, before);
    SetPlayers(names);
    game.currentPlayer = current;
    for (int p = 1; p <= names.size(); ++p)
        game.pointsTable[p].points = before[p - 1];
    game.pointsTable[names.size() + 1].points = 5;  // not registered
    game.clockRunning = true;

    ThePlatform().RunModal(Form_Acierto);

    for (int p = 1; p <= names.size(); ++p)
        QCOMPARE(game.pointsTable[p].points, before[p - 1] + 20);
    QCOMPARE(game.pointsTable[0].points, 0);
    QCOMPARE(game.pointsTable[names.size() + 1].points, 5);
    QCOMPARE(Form_menu->Label_puntos->text(), QString::number(before[current - 1] + 20));
    QVERIFY(!game.clockRunning);
    QCOMPARE(Form_Acierto->Label1->text(), kNoticeText);
    QCOMPARE(Form_Acierto->windowTitle(), QStringLiteral("  Aviso de acierto."));
}

void TestRewards::noticePicture_data()
{
    QTest::addColumn<QByteArray>("contents");  // empty: no file at all
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("message");
    QFile good(SourceFile("assets/game/acierto.bmp"));
    QVERIFY(good.open(QIODevice::ReadOnly));
    QTest::newRow("missing") << QByteArray() << false << false;
    QTest::newRow("readable") << good.readAll() << true << false;
    QTest::newRow("not a picture") << QByteArray("no soy un dibujo") << false << true;
    QTest::newRow("no width") << ZeroWidthBitmap() << false << true;
}

void TestRewards::noticePicture()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, shown);
    QFETCH(bool, message);
    QFile::remove(dir_->filePath(QStringLiteral("acierto.bmp")));
    if (!contents.isEmpty())
        WriteFile(dir_->filePath(QStringLiteral("acierto.bmp")), contents);
    QDir::setCurrent(dir_->path());

    TForm_Acierto notice;
    const QStringList expected =
        message ? QStringList{QStringLiteral(
                      "message:\nError.\n\nProblema con archivo de imagen 'acierto.bmp'.\n")}
                : QStringList{};
    // Read at the first showing, once: showing it again says nothing more.
    ThePlatform().RunModal(&notice);
    QCOMPARE(!notice.Image1->pixmap().isNull(), shown);
    QCOMPARE(Fake().CallsStartingWith(QStringLiteral("message:")), expected);
    ThePlatform().RunModal(&notice);
    QCOMPARE(Fake().CallsStartingWith(QStringLiteral("message:")), expected);
    QCOMPARE(notice.Button_nulo->y(), 900);
}

void TestRewards::noticeIgnoresKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("toDialog");
    QTest::newRow("space on the focus") << int(Qt::Key_Space) << false;
    QTest::newRow("return on the focus") << int(Qt::Key_Return) << false;
    QTest::newRow("enter on the focus") << int(Qt::Key_Enter) << false;
    QTest::newRow("a letter on the focus") << int(Qt::Key_X) << false;
    QTest::newRow("escape") << int(Qt::Key_Escape) << true;
    QTest::newRow("return to the window") << int(Qt::Key_Return) << true;
}

void TestRewards::noticeIgnoresKeys()
{
    QFETCH(int, key);
    QFETCH(bool, toDialog);
    bool focused = false;
    bool stayed = false;
    Fake().OnModal(QStringLiteral("TForm_Acierto"), [&](QDialog* d) {
        focused = d->focusWidget() == Form_Acierto->Button_nulo;
        QWidget* target = toDialog ? static_cast<QWidget*>(d) : Form_Acierto->Button_nulo;
        QTest::keyClick(target, Qt::Key(key));
        QTest::keyClick(target, Qt::Key(key));
        stayed = d->isVisible();
    });
    ThePlatform().RunModal(Form_Acierto);
    QVERIFY(focused);
    QVERIFY(stayed);
    QVERIFY(!Fake().calls.contains(QStringLiteral("modal:TForm_muchos_aciertos")));
}

void TestRewards::seguirShowsFacesThenCloses()
{
    bool facesOverNotice = false;
    Fake().OnModal(QStringLiteral("TForm_muchos_aciertos"),
                   [&](QDialog*) { facesOverNotice = Form_Acierto->isVisible(); });
    Fake().OnModal(QStringLiteral("TForm_Acierto"), [&](QDialog*) {
        QTest::mouseClick(Form_Acierto->Color95Button1, Qt::LeftButton);
    });
    ThePlatform().RunModal(Form_Acierto);
    QCOMPARE(Fake().CallsStartingWith(QStringLiteral("modal:")),
             (QStringList{"modal:TForm_Acierto", "modal:TForm_muchos_aciertos"}));
    QVERIFY(facesOverNotice);
    QVERIFY(!Form_Acierto->isVisible());
    QCOMPARE(Form_Acierto->result(), int(QDialog::Accepted));
}

void TestRewards::seguirAccelerator()
{
    QCOMPARE(Form_Acierto->Color95Button1->shortcut(), QKeySequence(Qt::ALT | Qt::Key_S));
    // The accelerator presses the button at once and releases it (the click)
    // a moment later; that it went down is what can be seen without waiting.
    bool pressed = false;
    Fake().OnModal(QStringLiteral("TForm_Acierto"), [&](QDialog* d) {
        QApplication::setActiveWindow(d);
        QTest::keyClick(d, Qt::Key_S, Qt::AltModifier);
        pressed = Form_Acierto->Color95Button1->isDown();
    });
    ThePlatform().RunModal(Form_Acierto);
    QVERIFY(pressed);
}

void TestRewards::fifthCelebrationBringsNotice_data()
{
    QTest::addColumn<bool>("tuneReady");
    QTest::newRow("with the tune") << true;
    QTest::newRow("without the tune") << false;
}

void TestRewards::fifthCelebrationBringsNotice()
{
    QFETCH(bool, tuneReady);
    SetPlayers({"Ana", "Luis", "Eva"});
    game.tuneReady = tuneReady;
    game.hitsSinceNotice = 0;
    const ExerciseKind kinds[] = {Kind::Sumas1, Kind::Sumas2, Kind::Sumas1, Kind::Sumas2,
                                  Kind::Sumas1};
    for (int i = 0; i < 4; ++i) {
        game.currentPlayer = 1 + i % 3;
        game.exerciseKind = kinds[i];
        CelebrateHit();
        if (i == 1)
            ScoreMiss();  // a miss in between changes nothing
    }
    QVERIFY(Fake().CallsStartingWith(QStringLiteral("modal:")).isEmpty());
    Fake().calls.clear();
    Fake().OnModal(QStringLiteral("TForm_Acierto"), [&](QDialog*) {
        QTest::mouseClick(Form_Acierto->Color95Button1, Qt::LeftButton);
    });
    game.currentPlayer = 2;
    game.exerciseKind = kinds[4];
    const int luis = game.pointsTable[2].points;
    CelebrateHit();

    QStringList expected{"sound:hit", "modal:TForm_Acierto", "modal:TForm_muchos_aciertos"};
    if (tuneReady) {
        expected.insert(1, QStringLiteral("tune:play"));
        expected << QStringLiteral("tune:stop");
    }
    QStringList seen;
    for (const QString& c : Fake().calls)
        if (!c.startsWith(QStringLiteral("pause:")))
            seen << c;
    QCOMPARE(seen, expected);
    QCOMPARE(game.hitsSinceNotice, 0);
    QCOMPARE(game.pointsTable[2].points, luis + 20);
    QCOMPARE(Form_menu->Label_puntos->text(), QString::number(luis + 20));
}

// --- the bonus window -----------------------------------------------------------

void TestRewards::facesCycleAndTile()
{
    QDir(dir_->path()).mkpath(QStringLiteral("caras"));
    const QSize sizes[] = {{30, 20}, {40, 36}, {25, 50}};
    for (int i = 0; i < 3; ++i)
        MakeFace(dir_->filePath(QStringLiteral("caras/cara%1.bmp").arg(i + 1)), sizes[i],
                 QColor(0, 60 * (i + 1), 0));
    QDir::setCurrent(dir_->path());
    const QSize screen = Fake().screen;

    const int expectedFaces[] = {1, 2, 3, 1, 2};
    for (int face : expectedFaces) {
        const QSize size = sizes[face - 1];
        QRect open, central, panel;
        QImage tiles;
        Fake().OnModal(QStringLiteral("TForm_muchos_aciertos"), [&](QDialog*) {
            Form_muchos_aciertos->Timer1Timer();
            open = Form_muchos_aciertos->AnimationGeometry();
            central = Form_muchos_aciertos->Image_central->geometry();
            panel = Form_muchos_aciertos->Panel_central->geometry();
            tiles = Form_muchos_aciertos->Image_fondopantalla->grab().toImage();
        });
        ThePlatform().RunModal(Form_muchos_aciertos);
        QVERIFY(!Form_muchos_aciertos->isVisible());
        QCOMPARE(QSize(Form_muchos_aciertos->horizontalStep, Form_muchos_aciertos->verticalStep),
                 size);
        QVERIFY(open.contains(QRect(QPoint(0, 0), screen)));

        // Double size, framed, centred on the screen.
        QCOMPARE(central, QRect(8, 8, 2 * size.width(), 2 * size.height()));
        QCOMPARE(panel.size(), QSize(2 * size.width() + 16, 2 * size.height() + 16));
        QCOMPARE(panel.topLeft(), QPoint(screen.width() / 2 - panel.width() / 2,
                                         screen.height() / 2 - panel.height() / 2));

        // Tiled from (1, 1), larger than the screen by a step each way.
        QCOMPARE(tiles.size(), FaceAnimation::TiledArea(screen, size));
        const QRgb corner = qRgb(255, 0, 0);
        QCOMPARE(tiles.pixel(1, 1), corner);
        QCOMPARE(tiles.pixel(1 + size.width(), 1), corner);
        QCOMPARE(tiles.pixel(1 + 5 * size.width(), 1 + 7 * size.height()), corner);
        QCOMPARE(tiles.pixel(2, 2), QColor(0, 60 * face, 0).rgb());
        QVERIFY(tiles.pixel(0, 0) != corner);

        // Nothing of the pictures is kept once the window is closed.
        QVERIFY(Form_muchos_aciertos->Image_central->pixmap().isNull());
        QVERIFY(Form_muchos_aciertos->Image_fondopantalla_tmp->pixmap().isNull());
        QVERIFY(Form_muchos_aciertos->Image_fondopantalla->width() <= 1);
        QVERIFY(Form_muchos_aciertos->width() <= 1);
    }
    QCOMPARE(Form_muchos_aciertos->faceNumber, 3);
}

void TestRewards::animationsAreShortForAnyFace_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("face");
    QTest::addColumn<QSize>("screen");
    const struct {
        const char* name;
        QSize face, screen;
    } cases[] = {
        {"1x1", {1, 1}, {1280, 1024}},
        {"16x16", {16, 16}, {1280, 1024}},
        {"1x1 on a huge screen", {1, 1}, {8192, 8192}},
        {"thin and wide", {900, 1}, {1280, 1024}},
        {"larger than the screen", {2000, 1500}, {800, 600}},
    };
    for (int style = 1; style <= 8; ++style)
        for (const auto& c : cases)
            QTest::addRow("style %d, %s", style, c.name) << style << c.face << c.screen;
}

void TestRewards::animationsAreShortForAnyFace()
{
    QFETCH(int, style);
    QFETCH(QSize, face);
    QFETCH(QSize, screen);
    QDir(dir_->path()).mkpath(QStringLiteral("caras"));
    MakeFace(dir_->filePath(QStringLiteral("caras/cara1.bmp")), face, Qt::yellow);
    QDir::setCurrent(dir_->path());
    Fake().screen = screen;
    Form_muchos_aciertos->animationStyle = style;

    // Every screen update shows a window that its tiles fill.
    QSize tiles;
    int uncovered = 0;
    Fake().onFlush = [&](QWidget* w) {
        if (w != Form_muchos_aciertos || !Form_muchos_aciertos->isVisible())
            return;
        const QRect g = Form_muchos_aciertos->AnimationGeometry();
        const QSize area = Form_muchos_aciertos->Image_fondopantalla->size();
        if (area.width() > 1 && (g.width() > area.width() || g.height() > area.height()))
            ++uncovered;
    };
    auto waited = [] {
        int ms = 0;
        for (const QString& c : Fake().CallsStartingWith(QStringLiteral("pause:")))
            ms += c.mid(6).toInt();
        return ms;
    };
    int opening = -1;
    QRect open;
    Fake().OnModal(QStringLiteral("TForm_muchos_aciertos"), [&](QDialog*) {
        Form_muchos_aciertos->Timer1Timer();
        opening = waited();
        open = Form_muchos_aciertos->AnimationGeometry();
        tiles = Form_muchos_aciertos->Image_fondopantalla->size();
    });
    ThePlatform().RunModal(Form_muchos_aciertos);
    Fake().onFlush = nullptr;
    const int closing = waited() - opening;

    // A few seconds at most each way, whatever the face.
    QVERIFY2(opening > 0 && opening <= 2100, qPrintable(QString::number(opening)));
    QVERIFY2(closing > 0 && closing <= 2100, qPrintable(QString::number(closing)));
    QVERIFY(open.contains(QRect(QPoint(0, 0), screen)));
    QCOMPARE(uncovered, 0);
    // The picture drawn never needs more than the screen and a step.
    QVERIFY(tiles.width() <= screen.width() * 3 / 2 && tiles.height() <= screen.height() * 3 / 2);
}

void TestRewards::aCloseDuringTheAnimationsClosesOnce_data()
{
    QTest::addColumn<bool>("whileOpening");
    QTest::newRow("while opening") << true;
    QTest::newRow("while closing") << false;
}

void TestRewards::aCloseDuringTheAnimationsClosesOnce()
{
    QFETCH(bool, whileOpening);
    QDir(dir_->path()).mkpath(QStringLiteral("caras"));
    MakeFace(dir_->filePath(QStringLiteral("caras/cara1.bmp")), {100, 80}, Qt::magenta);
    QDir::setCurrent(dir_->path());
    const int sw = Fake().screen.width();
    const int sh = Fake().screen.height();
    const QRect end = FaceAnimation::OpeningAnimation(1, sw, sh, 100, 80).steps.last();
    const int openingSteps = int(FaceAnimation::OpeningAnimation(1, sw, sh, 100, 80).steps.size());
    const int closingSteps = int(FaceAnimation::ClosingAnimation(1, end, sw, sh, 100, 80).size());

    bool closing = false;
    int closes = 0;
    QList<int> answers;
    const auto connection = QObject::connect(Form_muchos_aciertos, &QDialog::finished,
                                             [&answers](int r) { answers << r; });
    Fake().onFlush = [&](QWidget* w) {
        if (w == Form_muchos_aciertos && (whileOpening || closing) && closes < 5) {
            ++closes;
            Form_muchos_aciertos->close();
        }
    };
    Fake().OnModal(QStringLiteral("TForm_muchos_aciertos"), [&](QDialog* d) {
        Form_muchos_aciertos->Timer1Timer();
        closing = true;
        if (d->isVisible())
            QTest::keyClick(d, Qt::Key_Space);
    });
    ThePlatform().RunModal(Form_muchos_aciertos);
    Fake().onFlush = nullptr;
    QObject::disconnect(connection);

    QCOMPARE(closes, 5);
    QCOMPARE(answers.size(), 1);
    // Each animation ran once, whole.
    QCOMPARE(Pauses(), openingSteps + closingSteps);
    QCOMPARE(Form_muchos_aciertos->animationStyle, 2);
    QVERIFY(Form_muchos_aciertos->faceArmed);
}

void TestRewards::stylesCycleOverNineShowings()
{
    QDir(dir_->path()).mkpath(QStringLiteral("caras"));
    MakeFace(dir_->filePath(QStringLiteral("caras/cara1.bmp")), {64, 48}, Qt::yellow);
    QDir::setCurrent(dir_->path());
    const int sw = Fake().screen.width();
    const int sh = Fake().screen.height();

    for (int showing = 0; showing < 9; ++showing) {
        const int style = showing % 8 + 1;
        QCOMPARE(Form_muchos_aciertos->animationStyle, style);
        const FaceAnimation::Opening opening =
            FaceAnimation::OpeningAnimation(style, sw, sh, 64, 48);
        const QRect end = opening.steps.last();
        const QList<QRect> closing = FaceAnimation::ClosingAnimation(style, end, sw, sh, 64, 48);
        Fake().calls.clear();
        int openingPauses = -1;
        QRect shown;
        Fake().OnModal(QStringLiteral("TForm_muchos_aciertos"), [&](QDialog* d) {
            Form_muchos_aciertos->Timer1Timer();
            openingPauses = Pauses();
            shown = d->geometry();
        });
        ThePlatform().RunModal(Form_muchos_aciertos);
        QCOMPARE(openingPauses, int(opening.steps.size()));
        QCOMPARE(shown, end);
        QCOMPARE(Pauses(), int(opening.steps.size() + closing.size()));
        QVERIFY(Form_muchos_aciertos->faceArmed);
    }
    QCOMPARE(Form_muchos_aciertos->animationStyle, 2);
}

void TestRewards::faceThatCannotShowEndsAtOnce_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QByteArray>("contents");  // of cara1.bmp (cara2.bmp after a good face)
    QTest::addColumn<bool>("goodFaceFirst");
    QTest::addColumn<bool>("tick");  // the timer looks for the face before the close
    // No face ever loaded: the steps are 0 in every style.
    for (int style = 1; style <= 8; ++style)
        QTest::addRow("style %d, no caras folder", style) << style << QByteArray() << false << true;
    QTest::newRow("closed before the face") << 3 << QByteArray() << false << false;
    QTest::newRow("empty file") << 1 << QByteArray("") << false << true;
    QTest::newRow("not a picture") << 2 << QByteArray("cara") << false << true;
    QTest::newRow("no width") << 7 << ZeroWidthBitmap() << false << true;
    QTest::newRow("no width, after a good face") << 6 << ZeroWidthBitmap() << true << true;
    QTest::newRow("not a picture, after a good face") << 1 << QByteArray("cara") << true << true;
}

void TestRewards::faceThatCannotShowEndsAtOnce()
{
    QFETCH(int, style);
    QFETCH(QByteArray, contents);
    QFETCH(bool, goodFaceFirst);
    QFETCH(bool, tick);
    const int bad = goodFaceFirst ? 2 : 1;
    if (!contents.isNull()) {
        QDir(dir_->path()).mkpath(QStringLiteral("caras"));
        WriteFile(dir_->filePath(QStringLiteral("caras/cara%1.bmp").arg(bad)), contents);
    }
    if (goodFaceFirst)
        MakeFace(dir_->filePath(QStringLiteral("caras/cara1.bmp")), {50, 40}, Qt::cyan);
    QDir::setCurrent(dir_->path());
    if (goodFaceFirst)
        ShowFaces();
    Form_muchos_aciertos->animationStyle = style;

    Fake().calls.clear();
    bool closedByTick = false;
    Fake().OnModal(QStringLiteral("TForm_muchos_aciertos"), [&](QDialog* d) {
        if (tick) {
            Form_muchos_aciertos->Timer1Timer();
            closedByTick = !d->isVisible();
        } else {
            QTest::keyClick(d, Qt::Key_A);
        }
    });
    ThePlatform().RunModal(Form_muchos_aciertos);
    QVERIFY(!Form_muchos_aciertos->isVisible());
    QCOMPARE(closedByTick, tick);
    QVERIFY(!Form_muchos_aciertos->Timer1->isActive());
    QCOMPARE(Pauses(), 0);
    // The steps stay those of the last face that was loaded.
    QCOMPARE(QSize(Form_muchos_aciertos->horizontalStep, Form_muchos_aciertos->verticalStep),
             goodFaceFirst ? QSize(50, 40) : QSize(0, 0));
    QCOMPARE(Form_muchos_aciertos->faceNumber, tick ? bad + 1 : 1);
    QCOMPARE(Form_muchos_aciertos->animationStyle, style % 8 + 1);
    QVERIFY(Form_muchos_aciertos->faceArmed);
}

void TestRewards::keyOrClickCloses_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<bool>("closes");
    QTest::newRow("space") << "space" << true;
    QTest::newRow("escape") << "escape" << true;
    QTest::newRow("letter") << "letter" << true;
    QTest::newRow("click on the tiles") << "tiles" << true;
    QTest::newRow("click on the central face") << "central" << true;
    QTest::newRow("key held from before") << "repeat" << false;
    QTest::newRow("right click") << "right" << false;
}

void TestRewards::keyOrClickCloses()
{
    QFETCH(QString, how);
    QFETCH(bool, closes);
    QDir(dir_->path()).mkpath(QStringLiteral("caras"));
    MakeFace(dir_->filePath(QStringLiteral("caras/cara1.bmp")), {100, 80}, Qt::magenta);
    QDir::setCurrent(dir_->path());
    const int sw = Fake().screen.width();
    const int sh = Fake().screen.height();
    const QRect end = FaceAnimation::OpeningAnimation(1, sw, sh, 100, 80).steps.last();
    const int closingSteps = int(FaceAnimation::ClosingAnimation(1, end, sw, sh, 100, 80).size());

    bool closed = false;
    int before = 0;
    int closingPauses = -1;
    Fake().OnModal(QStringLiteral("TForm_muchos_aciertos"), [&](QDialog* d) {
        Form_muchos_aciertos->Timer1Timer();
        before = Pauses();
        if (how == QLatin1String("space"))
            QTest::keyClick(d, Qt::Key_Space);
        else if (how == QLatin1String("escape"))
            QTest::keyClick(d, Qt::Key_Escape);
        else if (how == QLatin1String("letter"))
            QTest::keyClick(d, Qt::Key_J);
        else if (how == QLatin1String("tiles"))
            QTest::mouseClick(Form_muchos_aciertos->Image_fondopantalla, Qt::LeftButton, {},
                              QPoint(5, 5));
        else if (how == QLatin1String("central"))
            QTest::mouseClick(Form_muchos_aciertos->Image_central, Qt::LeftButton);
        else if (how == QLatin1String("right"))
            QTest::mouseClick(Form_muchos_aciertos->Image_central, Qt::RightButton);
        else {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"), true);
            QApplication::sendEvent(d, &press);
        }
        closed = !d->isVisible();
        closingPauses = Pauses() - before;
    });
    ThePlatform().RunModal(Form_muchos_aciertos);
    QCOMPARE(closed, closes);
    if (closes)
        QCOMPARE(closingPauses, closingSteps);
    else
        QCOMPARE(closingPauses, 0);
    QCOMPARE(Form_muchos_aciertos->animationStyle, 2);
}

// --- the tune -------------------------------------------------------------------

void TestRewards::tuneRejectsWhatIsNotMidi_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");  // empty: the file is not created
    QTest::newRow("no name") << QString() << QByteArray();
    QTest::newRow("missing") << "falta.mid" << QByteArray();
    QTest::newRow("text") << "texto.mid" << QByteArray("esto no es una melodía");
    QTest::newRow("a picture") << "dibujo.mid" << ZeroWidthBitmap();
    QTest::newRow("signature only") << "corto.mid" << QByteArray("MThd");
    QTest::newRow("no track") << "sinpista.mid"
                              << QByteArray("MThd\0\0\0\6\0\0\0\1\0\x60", 14);
    QTest::newRow("track cut short")
        << "cortada.mid" << QByteArray("MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\1\0\0\x90", 24);
}

void TestRewards::tuneRejectsWhatIsNotMidi()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    const QString path = name.isEmpty() ? QString() : dir_->filePath(name);
    if (!contents.isEmpty())
        WriteFile(path, contents);
    TunePlayer tune;
    QCOMPARE(tune.Open(path), Platform::TuneOpen::Failed);
    tune.Play();
    tune.Stop();
}

void TestRewards::tuneWithoutOutputDevice()
{
    TunePlayer tune;
    // Never opened: every call does nothing, in any order, twice over.
    for (int i = 0; i < 2; ++i) {
        tune.Play();
        tune.Stop();
        tune.Close();
    }
    if (!QMediaDevices::audioOutputs().isEmpty())
        QSKIP("this machine has an audio output");
    QCOMPARE(tune.Open(SourceFile("assets/game/acierto.mid")), Platform::TuneOpen::NoOutput);
    tune.Play();
    tune.Stop();
}

void TestRewards::tuneUsesTheDeviceOnlyWhilePlaying()
{
    if (QMediaDevices::audioOutputs().isEmpty())
        QSKIP("no audio output to play on (a PulseAudio null sink will do)");
    const auto threads = [] { return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); };
    TunePlayer tune;
    QCOMPARE(tune.Open(SourceFile("assets/game/acierto.mid")), Platform::TuneOpen::Opened);
    const auto idle = threads();
    for (int round = 0; round < 2; ++round) {
        tune.Play();  // the second time resumes
        QVERIFY(threads() > idle);
        tune.Stop();
        QCOMPARE(threads(), idle);
    }
    tune.Close();
}

QTEST_MAIN(TestRewards)
#include "tst_rewards.moc"
