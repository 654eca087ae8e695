// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameFolder.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>

namespace {

using SeedList = QMap<QString, QByteArray>; // relative path -> sha256 in hex

// The list is only a memory of earlier copies: a broken or foreign one costs
// at most a refresh, so unreadable lines are skipped and a huge file ignored.
SeedList ReadSeedList(const QString& path)
{
    SeedList list;
    QFile f(path);
    if (f.size() > 1024 * 1024 || !f.open(QIODevice::ReadOnly))
        return list;
    const QList<QByteArray> lines = f.readAll().split('\n');
    for (const QByteArray& line : lines) {
        const QByteArray hash = line.left(64);
        const QByteArray rest = line.mid(64);
        if (hash.size() != 64 || !rest.startsWith("  ") || rest.size() <= 2)
            continue;
        bool hex = true;
        for (char c : hash)
            hex = hex && ((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'));
        if (hex)
            list.insert(QString::fromUtf8(rest.mid(2)), hash);
    }
    return list;
}

bool WriteSeedList(const QString& path, const SeedList& list)
{
    QByteArray bytes;
    for (auto it = list.cbegin(); it != list.cend(); ++it)
        bytes += it.value() + "  " + it.key().toUtf8() + '\n';
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

QByteArray HashOf(const QByteArray& bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex();
}

bool ReadWhole(const QString& path, QByteArray* bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    *bytes = f.readAll();
    return f.error() == QFileDevice::NoError;
}

bool WriteWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size() && f.commit();
}

QString CannotWrite(const QString& path)
{
    return QStringLiteral("No se ha podido escribir en la carpeta del juego:\n%1").arg(path);
}

} // namespace

QString InstalledGameFiles(const QString& programDir)
{
    const QString dir = QDir::cleanPath(programDir + QStringLiteral("/../share/cifrolo/juego"));
    return QFileInfo(dir).isDir() ? dir : QString();
}

QString UserDataHome()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return QDir::cleanPath(xdg);
    return QDir::homePath() + QStringLiteral("/.local/share");
}

bool SeedGameFolder(const QString& installedDir, const QString& userGameDir, QString* problem)
{
    const QDir user(userGameDir);
    const QString results = QDir::cleanPath(userGameDir + QStringLiteral("/../resultad"));
    if (!QDir().mkpath(userGameDir) || !QDir().mkpath(results)) {
        *problem = QStringLiteral("No se ha podido crear la carpeta del juego:\n%1").arg(userGameDir);
        return false;
    }

    const QString listPath = user.filePath(QLatin1String(SeedListName));
    const SeedList before = ReadSeedList(listPath);
    SeedList after;
    bool ok = true;

    const QDir installed(installedDir);
    QDirIterator it(installedDir, QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = installed.relativeFilePath(it.next());
        if (rel == QLatin1String(SeedListName))
            continue;
        QByteArray source;
        if (!ReadWhole(installed.filePath(rel), &source))
            continue;
        const QByteArray sourceHash = HashOf(source);
        const QString target = user.filePath(rel);
        const QFileInfo info(target);

        if (info.isSymLink() || (info.exists() && !info.isFile())) {
            // Something the user put there on purpose: leave it.
            if (before.contains(rel))
                after.insert(rel, before.value(rel));
            continue;
        }
        if (!info.exists()) {
            if (before.contains(rel)) { // copied once and deleted since
                after.insert(rel, before.value(rel));
                continue;
            }
        } else {
            QByteArray current;
            const QByteArray currentHash = ReadWhole(target, &current) ? HashOf(current) : QByteArray();
            if (currentHash == sourceHash) {
                after.insert(rel, sourceHash);
                continue;
            }
            if (currentHash.isEmpty() || before.value(rel) != currentHash) { // the user's own
                if (before.contains(rel))
                    after.insert(rel, before.value(rel));
                continue;
            }
        }
        if (QDir().mkpath(QFileInfo(target).absolutePath()) && WriteWhole(target, source)) {
            after.insert(rel, sourceHash);
        } else {
            if (ok)
                *problem = CannotWrite(target);
            ok = false;
            if (before.contains(rel))
                after.insert(rel, before.value(rel));
        }
    }

    if (after != before && !WriteSeedList(listPath, after)) {
        if (ok)
            *problem = CannotWrite(listPath);
        ok = false;
    }
    return ok;
}

namespace {
QString fixedGameFolder;
// Seeds and enters the folder; EnterGameFolder's answer.
bool EnterFolder(const QString& programDir, QString* problem);
}  // namespace

QString GameFolderPath()
{
    return fixedGameFolder.isEmpty() ? QDir::currentPath() : fixedGameFolder;
}

void SetGameFolderPath(const QString& folder)
{
    fixedGameFolder = folder.isEmpty() ? QString() : QDir(folder).absolutePath();
}

QString ResultsFolder() { return QDir::cleanPath(GameFolderPath() + QStringLiteral("/../resultad")); }

QString HistoryFileBeside(const QString& gameFolder)
{
    return QDir::cleanPath(gameFolder + QStringLiteral("/../historial.sqlite"));
}

QString HistoryFile() { return HistoryFileBeside(GameFolderPath()); }

QString GameFolderFor(const QString& programDir)
{
    if (InstalledGameFiles(programDir).isEmpty())
        return programDir;
    return UserDataHome() + QStringLiteral("/cifrolo/juego");
}

bool EnterGameFolder(const QString& programDir, QString* problem)
{
    const bool entered = EnterFolder(programDir, problem);
    SetGameFolderPath(QDir::currentPath());
    return entered;
}

namespace {
bool EnterFolder(const QString& programDir, QString* problem)
{
    const QString installed = InstalledGameFiles(programDir);
    if (installed.isEmpty())
        return true; // the build folder: play where we are
    const QString userGame = GameFolderFor(programDir);
    QString why;
    const bool seeded = SeedGameFolder(installed, userGame, &why);
    if (QDir::setCurrent(userGame)) {
        if (!seeded)
            *problem = why;
        return true;
    }
    QDir::setCurrent(installed);
    *problem =
        (why.isEmpty() ? QStringLiteral("No se puede usar la carpeta del juego:\n%1").arg(userGame) : why) +
        QStringLiteral("\n\nSe puede jugar, pero no se podrán guardar los resultados ni los puntos.");
    return false;
}
}  // namespace
