// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/FaceAnimation.h"

#include <QSet>
#include <algorithm>
#include <QTest>

using namespace FaceAnimation;

namespace {

bool Covers(const QRect& r, int sw, int sh) { return r.contains(QRect(0, 0, sw, sh)); }

bool ShowsAnything(const QRect& r, int sw, int sh)
{
    return r.width() > 0 && r.height() > 0 && r.x() < sw && r.y() < sh &&
           r.x() + r.width() > 0 && r.y() + r.height() > 0;
}

}  // namespace

class TestFaceAnimation : public QObject {
    Q_OBJECT
private slots:
    void facesAndStylesCycle();
    void openingSetUp_data();
    void openingSetUp();
    void openThenClose_data();
    void openThenClose();
    void noFaceSizeMeansNoSteps_data();
    void noFaceSizeMeansNoSteps();
    void drawnFaceFitsTheScreen_data();
    void drawnFaceFitsTheScreen();
};

void TestFaceAnimation::facesAndStylesCycle()
{
    const QSet<QString> files{"caras/cara1.bmp", "caras/cara2.bmp", "caras/cara3.bmp"};
    const auto exists = [&](const QString& f) { return files.contains(f); };
    QList<int> faces;
    for (int n : {1, 2, 3, 4, 40})
        faces << FaceToShow(n, exists);
    QCOMPARE(faces, (QList<int>{1, 2, 3, 1, 1}));

    QList<int> styles{1};
    for (int i = 0; i < 9; ++i)
        styles << NextStyle(styles.last());
    QCOMPARE(styles, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 1, 2}));
}

void TestFaceAnimation::openingSetUp_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QRect>("setUp");
    QTest::addColumn<QRect>("firstStep");
    // Screen 1280 x 1024, face 120 x 100.
    QTest::newRow("1 rises") << 1 << QRect(0, 1024, 1400, 1124) << QRect(0, 924, 1400, 1124);
    QTest::newRow("2 from the right") << 2 << QRect(1280, 0, 1400, 1124)
                                      << QRect(1160, 0, 1400, 1124);
    QTest::newRow("3 as 1") << 3 << QRect(0, 1024, 1400, 1124) << QRect(0, 924, 1400, 1124);
    QTest::newRow("4 unrolls") << 4 << QRect(0, 0, 1400, 0) << QRect(0, 0, 1400, 100);
    QTest::newRow("5 top right") << 5 << QRect(1280, 0, 0, 0) << QRect(1160, 0, 120, 100);
    QTest::newRow("6 bottom left") << 6 << QRect(0, 1024, 0, 1124) << QRect(0, 924, 120, 1124);
    QTest::newRow("7 diagonal") << 7 << QRect(1280, 1024, 1400, 1124)
                                << QRect(1160, 924, 1400, 1124);
    QTest::newRow("8 top left") << 8 << QRect(0, 0, 0, 0) << QRect(0, 0, 120, 100);
}

void TestFaceAnimation::openingSetUp()
{
    QFETCH(int, style);
    QFETCH(QRect, setUp);
    QFETCH(QRect, firstStep);
    const Opening o = OpeningAnimation(style, 1280, 1024, 120, 100);
    QCOMPARE(o.setUp, setUp);
    QCOMPARE(o.steps.value(0), firstStep);
    QCOMPARE(o.steps.size(), 11);
}

void TestFaceAnimation::openThenClose_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("face");
    QTest::addColumn<int>("maxSteps");
    const struct {
        const char* name;
        QSize screen, face;
        int maxSteps;
    } sizes[] = {
        {"square face", {1280, 1024}, {120, 120}, 12},
        {"exact multiple", {1200, 960}, {120, 120}, 10},
        {"wide face", {1280, 1024}, {300, 40}, 26},  // one edge comes in long before the other
        {"tall face", {1280, 1024}, {40, 300}, 32},
        {"face larger than the screen", {640, 480}, {800, 700}, 1},
        // However small the face, an edge crosses the screen in a bounded
        // number of steps.
        {"one pixel face", {1280, 1024}, {1, 1}, kEdgeSteps},
        {"one pixel face on a huge screen", {7680, 4320}, {1, 1}, kEdgeSteps},
        {"sixteen pixel face", {1280, 1024}, {16, 16}, kEdgeSteps},
        {"thin wide face", {1280, 1024}, {400, 1}, kEdgeSteps},
        {"tiny screen", {3, 2}, {1, 1}, 3},
    };
    for (int style = 1; style <= 8; ++style)
        for (const auto& s : sizes)
            QTest::addRow("style %d, %s", style, s.name) << style << s.screen << s.face
                                                         << s.maxSteps;
}

void TestFaceAnimation::openThenClose()
{
    QFETCH(int, style);
    QFETCH(QSize, screen);
    QFETCH(QSize, face);
    QFETCH(int, maxSteps);
    const int sw = screen.width(), sh = screen.height();
    const Opening o = OpeningAnimation(style, sw, sh, face.width(), face.height());
    QVERIFY(!o.steps.isEmpty());
    QVERIFY2(o.steps.size() <= maxSteps, qPrintable(QString::number(o.steps.size())));
    // Open once the last step is taken, and not before.
    QVERIFY(Covers(o.steps.last(), sw, sh));
    for (int i = 0; i + 1 < o.steps.size(); ++i)
        QVERIFY(!Covers(o.steps[i], sw, sh));
    // The window never shows more than the tiles it carries.
    const QSize tiles = TiledArea(screen, face);
    for (const QRect& r : o.steps)
        QVERIFY(r.width() <= tiles.width() && r.height() <= tiles.height());

    const QList<QRect> closing =
        ClosingAnimation(style, o.steps.last(), sw, sh, face.width(), face.height());
    QVERIFY(!closing.isEmpty());
    QVERIFY2(closing.size() <= std::max(maxSteps, 2) + 1, qPrintable(QString::number(closing.size())));
    // Gone after the last step; still partly on screen before it.
    QVERIFY(!ShowsAnything(closing.last(), sw, sh));
    for (int i = 0; i + 1 < closing.size(); ++i)
        QVERIFY(ShowsAnything(closing[i], sw, sh));
}

void TestFaceAnimation::noFaceSizeMeansNoSteps_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QSize>("face");
    for (int style = 1; style <= 8; ++style) {
        QTest::addRow("style %d, never loaded", style) << style << QSize(0, 0);
        QTest::addRow("style %d, no width", style) << style << QSize(0, 50);
        QTest::addRow("style %d, no height", style) << style << QSize(50, 0);
    }
}

void TestFaceAnimation::noFaceSizeMeansNoSteps()
{
    QFETCH(int, style);
    QFETCH(QSize, face);
    // A window that never opened sits at (0, 0) with no size.
    QVERIFY(ClosingAnimation(style, QRect(0, 0, 0, 0), 1280, 1024, face.width(), face.height())
                .isEmpty());
    QVERIFY(OpeningAnimation(style, 1280, 1024, face.width(), face.height()).steps.isEmpty());
}

void TestFaceAnimation::drawnFaceFitsTheScreen_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QSize>("face");
    QTest::addColumn<QSize>("drawn");
    QTest::newRow("small face as it is") << QSize(1280, 1024) << QSize(120, 100) << QSize(120, 100);
    QTest::newRow("just fits") << QSize(1280, 1024) << QSize(632, 504) << QSize(632, 504);
    QTest::newRow("too wide") << QSize(1280, 1024) << QSize(1264, 100) << QSize(632, 50);
    QTest::newRow("far too big") << QSize(640, 480) << QSize(4000, 4000) << QSize(232, 232);
    QTest::newRow("thin line stays a pixel") << QSize(640, 480) << QSize(4000, 1) << QSize(312, 1);
}

void TestFaceAnimation::drawnFaceFitsTheScreen()
{
    QFETCH(QSize, screen);
    QFETCH(QSize, face);
    QFETCH(QSize, drawn);
    QCOMPARE(DrawnFace(face, screen), drawn);
}

QTEST_APPLESS_MAIN(TestFaceAnimation)
#include "tst_faceanimation.moc"
