// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

namespace {

void Put(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

QByteArray Get(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

enum class UserDoes { Nothing, Replaces, Deletes, Links };

} // namespace

Q_DECLARE_METATYPE(UserDoes)

class TestGameFolder : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir_;
    QString installed_, user_;
    QTemporaryDir& tmp() { return *dir_; }

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(tmp().isValid());
        installed_ = tmp().filePath(QStringLiteral("usr/share/cifrolo/juego"));
        user_ = tmp().filePath(QStringLiteral("home/.local/share/cifrolo/juego"));
        Put(installed_ + QStringLiteral("/fondo.bmp"), "fondo v1");
        Put(installed_ + QStringLiteral("/caras/cara1.bmp"), "cara v1");
        Put(installed_ + QStringLiteral("/ayuda/index.html"), "<p>ayuda</p>");
    }

    void firstStartCopiesEverythingAndMakesResultsBeside()
    {
        QString problem;
        QVERIFY(SeedGameFolder(installed_, user_, &problem));
        QVERIFY(problem.isEmpty());
        QCOMPARE(Get(user_ + QStringLiteral("/fondo.bmp")), QByteArray("fondo v1"));
        QCOMPARE(Get(user_ + QStringLiteral("/caras/cara1.bmp")), QByteArray("cara v1"));
        QCOMPARE(Get(user_ + QStringLiteral("/ayuda/index.html")), QByteArray("<p>ayuda</p>"));
        QVERIFY(QFileInfo(user_ + QStringLiteral("/../resultad")).isDir());
        QVERIFY(QFileInfo(user_ + QStringLiteral("/fondo.bmp")).isWritable());
        // The list reads as sha256sum's own output.
        const QByteArray list = Get(user_ + QLatin1Char('/') + QLatin1String(SeedListName));
        QVERIFY(list.contains("  fondo.bmp\n"));
        QVERIFY(list.contains("  caras/cara1.bmp\n"));
    }

    void laterStartsAndUpgrades_data()
    {
        QTest::addColumn<UserDoes>("userDoes");
        QTest::addColumn<bool>("upgrade");
        QTest::addColumn<QByteArray>("fondo");
        QTest::newRow("second start, untouched") << UserDoes::Nothing << false << QByteArray("fondo v1");
        QTest::newRow("second start, replaced picture kept")
            << UserDoes::Replaces << false << QByteArray("mine");
        QTest::newRow("upgrade refreshes an untouched copy")
            << UserDoes::Nothing << true << QByteArray("fondo v2");
        QTest::newRow("upgrade keeps a replaced picture") << UserDoes::Replaces << true << QByteArray("mine");
        QTest::newRow("a deleted picture stays deleted")
            << UserDoes::Deletes << true << QByteArray("<missing>");
        QTest::newRow("a link of the user's is left alone")
            << UserDoes::Links << true << QByteArray("linked");
    }

    void laterStartsAndUpgrades()
    {
        QFETCH(UserDoes, userDoes);
        QFETCH(bool, upgrade);
        QFETCH(QByteArray, fondo);
        QString problem;
        QVERIFY(SeedGameFolder(installed_, user_, &problem));
        const QString picture = user_ + QStringLiteral("/fondo.bmp");
        switch (userDoes) {
        case UserDoes::Nothing: break;
        case UserDoes::Replaces: Put(picture, "mine"); break;
        case UserDoes::Deletes: QVERIFY(QFile::remove(picture)); break;
        case UserDoes::Links:
            Put(tmp().filePath(QStringLiteral("elsewhere.bmp")), "linked");
            QVERIFY(QFile::remove(picture));
            QVERIFY(QFile::link(tmp().filePath(QStringLiteral("elsewhere.bmp")), picture));
            break;
        }
        if (upgrade) {
            Put(installed_ + QStringLiteral("/fondo.bmp"), "fondo v2");
            Put(installed_ + QStringLiteral("/caras/cara2.bmp"), "cara nueva");
        }
        QVERIFY(SeedGameFolder(installed_, user_, &problem));
        QVERIFY(problem.isEmpty());
        QCOMPARE(Get(picture), fondo);
        QCOMPARE(Get(user_ + QStringLiteral("/caras/cara2.bmp")),
                 upgrade ? QByteArray("cara nueva") : QByteArray("<missing>"));
        QCOMPARE(Get(tmp().filePath(QStringLiteral("elsewhere.bmp"))),
                 userDoes == UserDoes::Links ? QByteArray("linked") : QByteArray("<missing>"));
    }

    void foreignSeedListNeverCostsTheUsersFiles_data()
    {
        QTest::addColumn<QByteArray>("list");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("binary") << QByteArray("\x00\xff\x01\n\n\x7f", 6);
        QTest::newRow("short hash") << QByteArray("abc  fondo.bmp\n");
        QTest::newRow("upper-case hash") << QByteArray(64, 'A') + "  fondo.bmp\n";
        QTest::newRow("no path") << QByteArray(64, 'a') + "  \n";
        QTest::newRow("climbing path") << QByteArray(64, 'a') + "  ../../../etc/passwd\n";
        QTest::newRow("over a megabyte") << QByteArray(1100 * 1024, 'a');
    }

    void foreignSeedListNeverCostsTheUsersFiles()
    {
        QFETCH(QByteArray, list);
        QString problem;
        QVERIFY(SeedGameFolder(installed_, user_, &problem));
        Put(user_ + QStringLiteral("/fondo.bmp"), "mine");
        Put(user_ + QLatin1Char('/') + QLatin1String(SeedListName), list);
        QVERIFY(QFile::remove(user_ + QStringLiteral("/caras/cara1.bmp")));
        QVERIFY(SeedGameFolder(installed_, user_, &problem));
        QCOMPARE(Get(user_ + QStringLiteral("/fondo.bmp")), QByteArray("mine"));
        // With no trustworthy memory of the copy, a missing file comes back.
        QCOMPARE(Get(user_ + QStringLiteral("/caras/cara1.bmp")), QByteArray("cara v1"));
    }

    void aFolderThatCannotBeMadeIsReported()
    {
        Put(tmp().filePath(QStringLiteral("file")), "not a folder");
        QString problem;
        QVERIFY(!SeedGameFolder(installed_, tmp().filePath(QStringLiteral("file/cifrolo/juego")), &problem));
        QVERIFY(problem.startsWith(QStringLiteral("No se ha podido crear la carpeta del juego")));
    }

    void theInstalledFilesAreFoundBesideTheProgramOnly()
    {
        QCOMPARE(InstalledGameFiles(tmp().filePath(QStringLiteral("usr/bin"))), QDir::cleanPath(installed_));
        QVERIFY(InstalledGameFiles(tmp().filePath(QStringLiteral("build/game"))).isEmpty());
    }

    void userDataHome_data()
    {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("set") << QByteArray("/srv/datos/") << QStringLiteral("/srv/datos");
        QTest::newRow("unset") << QByteArray() << QDir::homePath() + QStringLiteral("/.local/share");
        QTest::newRow("relative is ignored")
            << QByteArray("datos") << QDir::homePath() + QStringLiteral("/.local/share");
    }

    void userDataHome()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, expected);
        const QByteArray saved = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", xdg);
        const QString home = UserDataHome();
        qputenv("XDG_DATA_HOME", saved);
        QCOMPARE(home, expected);
    }

    void installedGamePlaysInTheUsersFolder()
    {
        const QString saved = QDir::currentPath();
        const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", tmp().filePath(QStringLiteral("home/.local/share")).toUtf8());
        QString problem;
        const bool entered = EnterGameFolder(tmp().filePath(QStringLiteral("usr/bin")), &problem);
        const QString now = QDir::currentPath();
        QDir::setCurrent(saved);
        qputenv("XDG_DATA_HOME", savedXdg);
        QVERIFY(entered);
        QVERIFY(problem.isEmpty());
        QCOMPARE(now, QFileInfo(user_).canonicalFilePath());
        QVERIFY(QFileInfo::exists(user_ + QStringLiteral("/fondo.bmp")));
    }

    void anUnwritableHomeStillShowsTheInstalledPictures()
    {
        Put(tmp().filePath(QStringLiteral("home/.local/share")), "a file, not a folder");
        const QString saved = QDir::currentPath();
        const QByteArray savedXdg = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", tmp().filePath(QStringLiteral("home/.local/share")).toUtf8());
        QString problem;
        const bool entered = EnterGameFolder(tmp().filePath(QStringLiteral("usr/bin")), &problem);
        const QString now = QDir::currentPath();
        QDir::setCurrent(saved);
        qputenv("XDG_DATA_HOME", savedXdg);
        QVERIFY(!entered);
        QCOMPARE(now, QFileInfo(installed_).canonicalFilePath());
        QVERIFY(problem.startsWith(QStringLiteral("No se ha podido crear la carpeta del juego")));
        QVERIFY(problem.endsWith(QStringLiteral("no se podrán guardar los resultados ni los puntos.")));
    }

    void buildFolderStaysCurrent()
    {
        const QString saved = QDir::currentPath();
        QString problem;
        QVERIFY(EnterGameFolder(tmp().filePath(QStringLiteral("build/game")), &problem));
        QCOMPARE(QDir::currentPath(), saved);
        QVERIFY(problem.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestGameFolder)
#include "tst_gamefolder.moc"
