// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "widgets/TBackground.h"
#include "widgets/TColor95Button.h"
#include "widgets/TGIFImage.h"
#include "widgets/THemisphereButton.h"

#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMovie>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

namespace {

const QColor kFrameColors[] = {Qt::red, Qt::green, Qt::blue};

// A small GIF89a of solid 8x8 frames, one per colour of kFrameColors, each
// shown for 20 ms. foreverLoop adds the looping block that browsers obey.
QByteArray MakeGif(bool foreverLoop)
{
    QByteArray gif("GIF89a");
    auto word = [&gif](int v) {
        gif.append(char(v & 0xFF));
        gif.append(char((v >> 8) & 0xFF));
    };
    word(8);
    word(8);
    gif.append(char(0x91));  // global table of 4 colours
    gif.append(char(0));
    gif.append(char(0));
    gif.append(3, char(0));  // colour 0: black, then the frame colours
    for (const QColor& c : kFrameColors) {
        gif.append(char(c.red()));
        gif.append(char(c.green()));
        gif.append(char(c.blue()));
    }
    if (foreverLoop) {
        gif.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        word(0);
        gif.append(char(0));
    }
    for (int frame = 0; frame < 3; ++frame) {
        gif.append("\x21\xF9\x04\x04", 4);  // keep the frame, no transparency
        word(2);                           // hundredths of a second
        gif.append(2, char(0));
        gif.append(char(0x2C));
        word(0);
        word(0);
        word(8);
        word(8);
        gif.append(char(0));
        // LZW with 3-bit codes: a clear code before every two pixels keeps
        // the code width from growing.
        gif.append(char(2));
        QByteArray data;
        quint32 bits = 0;
        int count = 0;
        auto code = [&](int c) {
            bits |= quint32(c) << count;
            count += 3;
            while (count >= 8) {
                data.append(char(bits & 0xFF));
                bits >>= 8;
                count -= 8;
            }
        };
        for (int pixel = 0; pixel < 64; pixel += 2) {
            code(4);
            code(frame + 1);
            code(frame + 1);
        }
        code(5);
        if (count > 0)
            data.append(char(bits & 0xFF));
        gif.append(char(data.size()));
        gif.append(data);
        gif.append(char(0));
    }
    gif.append(char(0x3B));
    return gif;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QColor CentreColour(QWidget& widget)
{
    const QImage shot = widget.grab().toImage();
    return shot.pixelColor(shot.width() / 2, shot.height() / 2);
}

bool MovieRunning(const TGIFImage& image)
{
    const QMovie* movie = image.findChild<QMovie*>();
    return movie && movie->state() != QMovie::NotRunning;
}

class ClickCounter : public QFrame {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};

}  // namespace

class TestWidgets : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();

    void gifPlaysOnceAndKeepsLastFrame_data();
    void gifPlaysOnceAndKeepsLastFrame();
    void gifLoopGoesOnUntilStopped_data();
    void gifLoopGoesOnUntilStopped();
    void gifRestartFromWrapHandler();
    void gifUnreadableFileIsHarmless_data();
    void gifUnreadableFileIsHarmless();
    void gifAutoSizeAndClick();

    void backgroundFollowsParentAndLetsClicksThrough();

    void colourButtonClickAndMnemonic();
    void hemisphereHitsOnlyInsideTheCircle_data();
    void hemisphereHitsOnlyInsideTheCircle();

private:
    QTemporaryDir dir_;
    QString onceGif_;
    QString foreverGif_;
};

void TestWidgets::initTestCase()
{
    QVERIFY(dir_.isValid());
    onceGif_ = WriteFile(dir_, "once.gif", MakeGif(false));
    foreverGif_ = WriteFile(dir_, "forever.gif", MakeGif(true));
    QVERIFY(!onceGif_.isEmpty() && !foreverGif_.isEmpty());
}

void TestWidgets::gifPlaysOnceAndKeepsLastFrame_data()
{
    QTest::addColumn<bool>("fileLoops");
    QTest::addColumn<int>("speed");
    QTest::newRow("file without loop block") << false << 100;
    QTest::newRow("file that loops forever") << true << 100;
    QTest::newRow("file that loops forever, fast") << true << 400;
}

void TestWidgets::gifPlaysOnceAndKeepsLastFrame()
{
    QFETCH(bool, fileLoops);
    QFETCH(int, speed);
    TGIFImage image;
    image.resize(16, 16);
    image.setStretch(true);
    image.setSpeed(speed);
    image.setFileName(fileLoops ? foreverGif_ : onceGif_);
    QCOMPARE(image.frameCount(), 3);
    QCOMPARE(CentreColour(image), QColor(Qt::red));  // first frame before start
    QCOMPARE(image.currentFrameNumber(), 0);
    QVERIFY(!MovieRunning(image));

    QSignalSpy wraps(&image, &TGIFImage::wrapAnimation);
    for (int run = 1; run <= 2; ++run) {
        image.start();
        QVERIFY(image.isRunning());
        QCOMPARE(image.currentFrameNumber(), 0);
        QVERIFY(QTest::qWaitFor([&] { return wraps.count() == run; }));
        QVERIFY(!image.isRunning());
        QVERIFY(!MovieRunning(image));  // no timer left: no second signal can come
        QCOMPARE(image.currentFrameNumber(), 2);
        QCOMPARE(CentreColour(image), QColor(Qt::blue));
    }
    QCOMPARE(wraps.count(), 2);
}

void TestWidgets::gifLoopGoesOnUntilStopped_data()
{
    QTest::addColumn<bool>("fileLoops");
    QTest::newRow("file without loop block") << false;
    QTest::newRow("file that loops forever") << true;
}

void TestWidgets::gifLoopGoesOnUntilStopped()
{
    QFETCH(bool, fileLoops);
    TGIFImage image;
    image.setLoop(true);
    image.setFileName(fileLoops ? foreverGif_ : onceGif_);
    QSignalSpy wraps(&image, &TGIFImage::wrapAnimation);
    image.start();
    QVERIFY(QTest::qWaitFor([&] { return wraps.count() >= 3; }));
    QVERIFY(image.isRunning());

    image.stop();
    const int shown = image.currentFrameNumber();
    QVERIFY(!image.isRunning());
    QVERIFY(!MovieRunning(image));
    QCOMPARE(image.currentFrameNumber(), shown);
}

void TestWidgets::gifRestartFromWrapHandler()
{
    // The peeking figure is started again by a click that may come while
    // it runs, and the end handler stops the animation: both must hold.
    TGIFImage image;
    image.setFileName(onceGif_);
    int wraps = 0;
    connect(&image, &TGIFImage::wrapAnimation, &image, [&] {
        image.stop();
        if (++wraps == 1)
            image.start();
    });
    image.start();
    image.start();  // restart while running: still one signal per run
    QVERIFY(QTest::qWaitFor([&] { return wraps == 2; }));
    QVERIFY(!MovieRunning(image));
    QCOMPARE(image.currentFrameNumber(), 2);
}

void TestWidgets::gifUnreadableFileIsHarmless_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("missing file") << QByteArray();
    QTest::newRow("not a picture") << QByteArray(32, 'Z');
    QTest::newRow("header without frames") << MakeGif(false).left(13 + 12);
}

void TestWidgets::gifUnreadableFileIsHarmless()
{
    QFETCH(QByteArray, bytes);
    const QString path = bytes.isEmpty() ? dir_.filePath("no-existe.gif")
                                         : WriteFile(dir_, "malo.gif", bytes);
    TGIFImage image;
    image.resize(20, 20);
    image.setAutoSize(true);
    image.setFileName(path);
    QSignalSpy wraps(&image, &TGIFImage::wrapAnimation);
    image.start();
    QCoreApplication::processEvents();
    QVERIFY(!image.isRunning());
    QVERIFY(!MovieRunning(image));
    QCOMPARE(wraps.count(), 0);
    QCOMPARE(image.currentFrameNumber(), -1);
    QCOMPARE(image.size(), QSize(20, 20));
    image.grab();  // painting without a frame
}

void TestWidgets::gifAutoSizeAndClick()
{
    TGIFImage image;
    image.resize(124, 125);
    image.setAutoSize(true);
    image.setFileName(onceGif_);
    QCOMPARE(image.size(), QSize(8, 8));

    QSignalSpy clicks(&image, &TGIFImage::clicked);
    QTest::mouseClick(&image, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseClick(&image, Qt::RightButton, {}, QPoint(4, 4));
    QCOMPARE(clicks.count(), 1);
}

void TestWidgets::backgroundFollowsParentAndLetsClicksThrough()
{
    ClickCounter panel;
    panel.setFrameStyle(QFrame::Box | QFrame::Plain);
    auto* caption = new QLabel("Sumas", &panel);  // made before the background
    caption->setGeometry(10, 10, 60, 20);
    auto* background = new TBackground(&panel);
    background->setColors(QColor(0x00, 0x80, 0xFF), QColor(0x00, 0x42, 0x84));
    panel.resize(200, 100);
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(background->geometry(), QRect(1, 1, 198, 98));  // the border stays visible

    panel.resize(450, 54);
    QCOMPARE(background->geometry(), QRect(1, 1, 448, 52));
    panel.setLineWidth(2);
    QCOMPARE(background->geometry(), QRect(2, 2, 446, 50));
    QCOMPARE(panel.childAt(20, 15), caption);  // the background lies underneath

    QTest::mouseClick(panel.windowHandle(), Qt::LeftButton, {}, QPoint(300, 40));
    QCOMPARE(panel.presses, 1);

    const QImage shot = panel.grab().toImage();
    QCOMPARE(shot.pixelColor(2, 40), QColor(0x00, 0x80, 0xFF));
    QCOMPARE(shot.pixelColor(447, 40), QColor(0x00, 0x42, 0x84));
}

void TestWidgets::colourButtonClickAndMnemonic()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* play = new TColor95Button("&Jugar", &window);
    auto* other = new TColor95Button("&Salir", &window);
    layout->addWidget(play);
    layout->addWidget(other);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QSignalSpy clicks(play, &QAbstractButton::clicked);
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);

    QTest::keyClick(&window, Qt::Key_J, Qt::AltModifier);
    QTRY_COMPARE(clicks.count(), 2);

    play->setEnabled(false);
    QTest::mouseClick(play, Qt::LeftButton);
    QCOMPARE(clicks.count(), 2);
}

void TestWidgets::hemisphereHitsOnlyInsideTheCircle_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<int>("clicks");
    QTest::newRow("centre") << QPoint(40, 40) << 1;
    QTest::newRow("near the rim") << QPoint(40, 2) << 1;
    QTest::newRow("corner outside") << QPoint(3, 3) << 0;
    QTest::newRow("other corner") << QPoint(77, 77) << 0;
}

void TestWidgets::hemisphereHitsOnlyInsideTheCircle()
{
    QFETCH(QPoint, at);
    QFETCH(int, clicks);
    THemisphereButton button("OK");
    button.resize(80, 80);
    QSignalSpy spy(&button, &QAbstractButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, {}, at);
    QCOMPARE(spy.count(), clicks);
}

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
