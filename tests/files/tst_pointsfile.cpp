// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/PointsFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

// One record as another program would write it: the OEM name, junk after
// its terminator, the points.
QByteArray Record(const QByteArray& oemName, int32_t points, char filler = '\0')
{
    QByteArray r = oemName + '\0' + QByteArray(19 - oemName.size(), filler);
    for (int i = 0; i < 4; ++i)
        r += char((uint32_t(points) >> (8 * i)) & 0xFF);
    return r;
}

}  // namespace

class TestPointsFile : public QObject {
    Q_OBJECT
private slots:
    void layout()
    {
        PointsFile::List list{};
        list[0].SetName(QStringLiteral("Íñigo"));
        list[0].points = 300;
        list[9].SetName(QStringLiteral("Eva"));
        list[9].points = -2;
        // CP850 names (Í = D6, ñ = A4), little-endian points, empty rows all zero.
        const QByteArray expected = Record("\xD6\xA4igo", 300) + QByteArray(8 * 24, '\0') + Record("Eva", -2);
        QCOMPARE(PointsFile::Encode(list), expected);
        QCOMPARE(PointsFile::Decode(expected)[0].Name(), QStringLiteral("Íñigo"));
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("first");
        QByteArray ten;
        for (int i = 0; i < 10; ++i)
            ten += Record("n" + QByteArray::number(i), 100 - i);
        QTest::newRow("empty") << QByteArray() << 0 << QString();
        QTest::newRow("less than a record") << ten.left(23) << 0 << QString();
        QTest::newRow("two records and a fragment") << ten.left(53) << 2 << "n0";
        QTest::newRow("longer: the rest ignored") << ten + ten << 10 << "n0";
        QTest::newRow("name without terminator") << QByteArray(240, 'x') << 10 << QString(19, 'x');
    }
    // Short or foreign contents give what they hold, never more.
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        QFETCH(QString, first);
        int n = -1;
        const PointsFile::List list = PointsFile::Decode(bytes, &n);
        QCOMPARE(n, records);
        QCOMPARE(list[0].Name(), first);
        for (int i = records; i < 10; ++i)
            QVERIFY(list[size_t(i)].Name().isEmpty() && list[size_t(i)].points == 0);
    }

    // What another program keeps after a name's terminator survives a save.
    void bytesOfAnotherProgramSurvive()
    {
        QByteArray file;
        for (int i = 0; i < 10; ++i)
            file += Record("Jos\x82", 50 - i, char(0x55 + i));
        QCOMPARE(PointsFile::Decode(file)[0].Name(), QStringLiteral("José"));
        QCOMPARE(PointsFile::Encode(PointsFile::Decode(file)), file);
    }

    void specialFilesReadAsEmpty()
    {
        QTemporaryDir dir;
        const QString pipe = dir.filePath(QStringLiteral("tubo"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        // No waiting for a writer; a folder and a missing file the same.
        for (const QString& path : {pipe, dir.path(), dir.filePath(QStringLiteral("no"))})
            QVERIFY(PointsFile::Read(path)[0].Name().isEmpty());
    }
};

QTEST_APPLESS_MAIN(TestPointsFile)
#include "tst_pointsfile.moc"
