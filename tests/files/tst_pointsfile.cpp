// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/PointsFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

// One record as another program would write it: the OEM name, then junk
// after its terminator, then the points.
QByteArray Record(const QByteArray& oemName, int32_t points, char filler = '\0')
{
    QByteArray r(24, filler);
    std::memcpy(r.data(), oemName.constData(), size_t(oemName.size()));
    r[oemName.size()] = '\0';
    for (int i = 0; i < 4; ++i)
        r[20 + i] = char((uint32_t(points) >> (8 * i)) & 0xFF);
    return r;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestPointsFile : public QObject {
    Q_OBJECT
private slots:
    void layout()
    {
        PointsFile::List list{};
        list[0].SetName(QStringLiteral("Íñigo Muñoz"));
        list[0].points = 300;
        list[9].SetName(QStringLiteral("Eva"));
        list[9].points = -2;
        const QByteArray bytes = PointsFile::Encode(list);
        QCOMPARE(bytes.size(), 240);
        // CP850 on disk: Í = D6, ñ = A4.
        QCOMPARE(bytes.left(12), QByteArray("\xD6\xA4igo Mu\xA4oz\0", 12));
        QCOMPARE(bytes.mid(20, 4), QByteArray("\x2C\x01\0\0", 4));
        QCOMPARE(bytes.mid(24, 24), QByteArray(24, '\0'));
        QCOMPARE(bytes.mid(216, 4), QByteArray("Eva\0", 4));
        QCOMPARE(bytes.mid(236, 4), QByteArray("\xFE\xFF\xFF\xFF"));

        const PointsFile::List back = PointsFile::Decode(bytes);
        QCOMPARE(back[0].Name(), QStringLiteral("Íñigo Muñoz"));
        QCOMPARE(back[0].points, 300);
        QCOMPARE(back[9].points, -2);
    }

    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("first");
        QTest::addColumn<int>("lastPoints");
        QByteArray ten;
        for (int i = 0; i < 10; ++i)
            ten += Record("n" + QByteArray::number(i), 100 - i);
        QTest::newRow("empty") << QByteArray() << 0 << QString() << 0;
        QTest::newRow("less than a record") << ten.left(23) << 0 << QString() << 0;
        QTest::newRow("two records and a fragment") << ten.left(53) << 2 << "n0" << 0;
        QTest::newRow("whole") << ten << 10 << "n0" << 91;
        QTest::newRow("longer: the rest ignored") << ten + ten << 10 << "n0" << 91;
        QTest::newRow("name without terminator") << QByteArray(240, 'x') << 10 << QString(19, 'x')
                                                 << 0x78787878;
    }
    // Short or foreign contents give what they hold, never more.
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, records);
        QFETCH(QString, first);
        QFETCH(int, lastPoints);
        int n = -1;
        const PointsFile::List list = PointsFile::Decode(bytes, &n);
        QCOMPARE(n, records);
        QCOMPARE(list[0].Name(), first);
        QCOMPARE(list[9].points, lastPoints);
        for (int i = records; i < 10; ++i) {
            QCOMPARE(list[size_t(i)].Name(), QString());
            QCOMPARE(list[size_t(i)].points, 0);
        }
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

    void readsAndWritesFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("puntos.psu"));
        QCOMPARE(PointsFile::Read(path)[0].points, 0);  // missing
        QCOMPARE(PointsFile::Read(dir.path())[0].points, 0);  // a folder
        const QString pipe = dir.filePath(QStringLiteral("tubo"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QCOMPARE(PointsFile::Read(pipe)[0].points, 0);  // and no waiting for a writer

        PointsFile::List list{};
        list[0].SetName(QStringLiteral("Ana"));
        list[0].points = 12;
        QCOMPARE(PointsFile::Write(path, list), PointsFile::Save::Ok);
        QCOMPARE(ReadAll(path).size(), 240);
        QCOMPARE(PointsFile::Read(path)[0].Name(), QStringLiteral("Ana"));
        QCOMPARE(PointsFile::Write(dir.filePath(QStringLiteral("no/existe/puntos.psu")), list),
                 PointsFile::Save::CannotCreate);
        QCOMPARE(PointsFile::Write(QStringLiteral("/dev/full"), list), PointsFile::Save::CannotWrite);
    }

    // A write that dies half-way (here the file size limit, as a full disk
    // would) leaves the old list whole.
    void failedSaveKeepsTheOldFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("puntos.psu"));
        QByteArray old;
        for (int i = 0; i < 10; ++i)
            old += Record("viejo", 10 - i);
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(old);
        f.close();

        PointsFile::List list{};
        list[0].SetName(QStringLiteral("Ana"));
        list[0].points = 99;
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        const auto result = PointsFile::Write(path, list);
        setrlimit(RLIMIT_FSIZE, &saved);

        QCOMPARE(result, PointsFile::Save::CannotWrite);
        QCOMPARE(ReadAll(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

QTEST_APPLESS_MAIN(TestPointsFile)
#include "tst_pointsfile.moc"
