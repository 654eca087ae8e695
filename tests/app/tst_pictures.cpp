// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Services.h"
#include "files/Pictures.h"
#include "tests/support/TestGame.h"

#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

void PutLe32(QByteArray& b, int at, qint64 v)
{
    for (int i = 0; i < 4; ++i)
        b[at + i] = char((quint64(v) >> (8 * i)) & 0xFF);
}

// An 8-bit run-length coded bitmap with a two-colour palette and the given
// runs after it.
QByteArray RleBitmap(int width, int height, const QByteArray& runs)
{
    QByteArray b(14 + 40 + 8, '\0');
    b[0] = 'B';
    b[1] = 'M';
    PutLe32(b, 2, b.size() + runs.size());
    PutLe32(b, 10, b.size());
    PutLe32(b, 14, 40);
    PutLe32(b, 18, width);
    PutLe32(b, 22, height);
    b[26] = 1; // planes
    b[28] = 8; // bits per pixel
    b[30] = 1; // RLE8
    PutLe32(b, 34, runs.size());
    PutLe32(b, 46, 2); // colours used
    const char palette[8] = {0, 0, 0, 0, char(255), char(255), char(255), 0};
    b.replace(54, 8, QByteArray(palette, 8));
    return b + runs;
}

QByteArray Png(int width, int height)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(Qt::green);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "PNG");
    return bytes;
}

QByteArray TopDown(QByteArray bmp)
{
    const qint32 h = qint32(uchar(bmp[22]) | uchar(bmp[23]) << 8);
    PutLe32(bmp, 22, -h);
    return bmp;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void init() { StartTestGame(); }
    void cleanup() { EndTestGame(); }
    void onlyWholeReasonablePicturesAreRead_data();
    void onlyWholeReasonablePicturesAreRead();
};

void TestPictures::onlyWholeReasonablePicturesAreRead_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("asPicture");
    QTest::addColumn<bool>("asFace");

    const QByteArray good = BitmapBytes(30, 20, Qt::blue);
    const QByteArray twoRows = QByteArray("\x03\x01\x00\x00\x03\x00\x00\x01", 8); // 3 px, EOL, 3 px, end
    QTest::newRow("whole bitmap") << good << true << true;
    QTest::newRow("cut to 100 bytes") << good.left(100) << false << false;
    QTest::newRow("one byte short") << good.left(good.size() - 1) << false << false;
    QTest::newRow("top-down, whole") << TopDown(good) << true << true;
    QTest::newRow("top-down, cut") << TopDown(good).left(good.size() - 10) << false << false;
    QTest::newRow("header only") << good.left(54) << false << false;
    QTest::newRow("run-length, whole") << RleBitmap(3, 2, twoRows) << true << true;
    QTest::newRow("run-length, no end mark") << RleBitmap(3, 2, twoRows.left(6)) << false << false;
    QTest::newRow("run-length, cut in a literal run")
        << RleBitmap(4, 1, QByteArray("\x00\x04\x01", 3)) << false << false;
    // A few bytes may claim any size: refused before decoding.
    QTest::newRow("claims 5500 x 5500") << RleBitmap(5500, 5500, QByteArray("\x00\x01", 2)) << false << false;
    QTest::newRow("wider than any face") << RleBitmap(4500, 10, QByteArray("\x00\x01", 2)) << true << false;
    QTest::newRow("a png") << Png(8, 8) << true << true;
    QTest::newRow("a png cut short") << Png(64, 64).left(60) << false << false;
    QTest::newRow("not a picture") << QByteArray("cara") << false << false;
    QTest::newRow("empty") << QByteArray("") << false << false;
}

void TestPictures::onlyWholeReasonablePicturesAreRead()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, asPicture);
    QFETCH(bool, asFace);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dibujo.bmp"));
    WriteFile(path, bytes);
    QCOMPARE(!ReadPicture(path, PictureRole::Picture).isNull(), asPicture);
    QCOMPARE(!ReadPicture(path, PictureRole::Face).isNull(), asFace);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
