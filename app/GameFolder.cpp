// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameFolder.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <algorithm>

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

// The hashes of the files seen at the last start, each with the size and the
// times the file had then: a file that still has them is not read again.
// The picture files alone are megabytes, read at every start otherwise. A
// file changed within the last seconds is never remembered: the file system
// may keep the same time for two writes close together.
class HashMemory {
public:
    explicit HashMemory(const QString& path) : path_(path)
    {
        QFile f(path_);
        if (f.size() > 1024 * 1024 || !f.open(QIODevice::ReadOnly))
            return;
        for (const QByteArray& line : f.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split(' ');
            if (fields.size() < 5 || fields[0].size() != 64)
                continue;
            const qsizetype pathAt = fields[0].size() + fields[1].size() + fields[2].size() + fields[3].size() + 4;
            before_.insert(QString::fromUtf8(line.mid(pathAt)), {fields[0], fields[1] + ' ' + fields[2] + ' ' + fields[3]});
        }
    }

    // The file's hash in hex; empty when it cannot be read.
    QByteArray Hash(const QString& file, QByteArray* bytes = nullptr)
    {
        const QByteArray stamp = Stamp(file);
        const auto known = before_.constFind(file);
        if (!bytes && !stamp.isEmpty() && known != before_.cend() && known->stamp == stamp) {
            now_.insert(file, *known);
            return known->hash;
        }
        QByteArray read;
        if (!ReadWhole(file, bytes ? bytes : &read))
            return {};
        const QByteArray hash = HashOf(bytes ? *bytes : read);
        Remember(file, hash, stamp);
        return hash;
    }

    // A file just written with bytes of this hash.
    void Written(const QString& file, const QByteArray& hash) { Remember(file, hash, Stamp(file)); }

    // Kept for the next start, when anything changed; a memory that cannot
    // be written costs only the reading.
    void Save() const
    {
        if (now_ == before_)
            return;
        QByteArray bytes;
        for (auto it = now_.cbegin(); it != now_.cend(); ++it)
            bytes += it->hash + ' ' + it->stamp + ' ' + it.key().toUtf8() + '\n';
        WriteWhole(path_, bytes);
    }

private:
    struct Entry {
        QByteArray hash;
        QByteArray stamp;  // size, modification and status change times
        bool operator==(const Entry&) const = default;
    };

    static QByteArray Stamp(const QString& file)
    {
        const QFileInfo info(file);
        const QDateTime changed = info.metadataChangeTime();
        const QDateTime modified = info.lastModified();
        if (!info.isFile() || !changed.isValid() || !modified.isValid() ||
            std::max(changed, modified).secsTo(QDateTime::currentDateTime()) < 3)
            return {};
        return QByteArray::number(info.size()) + ' ' + QByteArray::number(modified.toMSecsSinceEpoch()) + ' ' +
               QByteArray::number(changed.toMSecsSinceEpoch());
    }

    void Remember(const QString& file, const QByteArray& hash, const QByteArray& stamp)
    {
        if (stamp.isEmpty())
            now_.remove(file);
        else
            now_.insert(file, {hash, stamp});
    }

    QString path_;
    QMap<QString, Entry> before_, now_;
};

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
    HashMemory hashes(user.filePath(QLatin1String(HashMemoryName)));
    SeedList after;
    bool ok = true;

    const QDir installed(installedDir);
    QDirIterator it(installedDir, QDir::Files | QDir::Hidden | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString rel = installed.relativeFilePath(it.next());
        if (rel == QLatin1String(SeedListName))
            continue;
        const QString sourcePath = installed.filePath(rel);
        const QByteArray sourceHash = hashes.Hash(sourcePath);
        if (sourceHash.isEmpty())
            continue;
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
            const QByteArray currentHash = hashes.Hash(target);
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
        QByteArray source;
        const bool copied = hashes.Hash(sourcePath, &source) == sourceHash &&
                            QDir().mkpath(QFileInfo(target).absolutePath()) && WriteWhole(target, source);
        if (copied) {
            hashes.Written(target, sourceHash);
            after.insert(rel, sourceHash);
        } else {
            if (ok)
                *problem = CannotWrite(target);
            ok = false;
            if (before.contains(rel))
                after.insert(rel, before.value(rel));
        }
    }

    hashes.Save();
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
