// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/PracticeHistory.h"

#include "app/HistoryDatabase.h"
#include "app/Platform.h"
#include "app/ServerHistory.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>
#include <QVariant>
#include <optional>

namespace HistorySchema {
namespace {

// Version 1: the tables as documented for other readers and writers.
const char* const kVersion1[] = {
    "CREATE TABLE IF NOT EXISTS players(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
    "CREATE TABLE IF NOT EXISTS sums(id INTEGER PRIMARY KEY,"
    " player_id INTEGER NOT NULL REFERENCES players(id), started_at TEXT NOT NULL,"
    " kind INTEGER NOT NULL, rows TEXT NOT NULL, finished INTEGER NOT NULL)",
    // Without a rowid the keys lie in the order of their primary key, so the
    // keys of a sum are read together and no second index is kept.
    "CREATE TABLE IF NOT EXISTS keys(sum_id INTEGER NOT NULL REFERENCES sums(id),"
    " seq INTEGER NOT NULL, col INTEGER NOT NULL, box TEXT NOT NULL,"
    " expected INTEGER NOT NULL, typed INTEGER NOT NULL, ms INTEGER NOT NULL,"
    " PRIMARY KEY(sum_id, seq)) WITHOUT ROWID",
};

// Upgrades, each from the version before it: entry i brings version i + 1
// to version i + 2.
const std::vector<std::vector<const char*>> kUpgrades = {
    // 2: one child's sums, in time order, without reading everyone's.
    {"CREATE INDEX IF NOT EXISTS sums_by_player ON sums(player_id, started_at)"},
    // 3: what a shared history on a server needs (see ServerHistory.h).
    LocalOutbox::UpgradeSteps(),
};
static_assert(Version == 3, "one upgrade per version after the first");

bool Run(QSqlQuery& q, const QString& sql, QString* error, bool* corrupt)
{
    if (q.exec(sql))
        return true;
    *error = q.lastError().text();
    *corrupt = HistoryDb::Corrupt(q.lastError());
    return false;
}

}  // namespace

bool Prepare(const QString& connectionName, QString* error, bool* corrupt)
{
    *corrupt = false;
    QSqlDatabase db = QSqlDatabase::database(connectionName, false);
    QSqlQuery q(db);
    // The journal mode stays in the file; it cannot change inside a transaction.
    if (!Run(q, QStringLiteral("PRAGMA journal_mode=WAL"), error, corrupt) ||
        !Run(q, QStringLiteral("PRAGMA synchronous=NORMAL"), error, corrupt) ||
        !Run(q, QStringLiteral("BEGIN IMMEDIATE"), error, corrupt))
        return false;
    auto fail = [&] {
        q.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    if (!Run(q, QStringLiteral("PRAGMA user_version"), error, corrupt) || !q.next())
        return fail();
    int version = q.value(0).toInt();
    q.finish();
    const int found = version;
    if (version == 0) {
        // A new file, or one another tool wrote without a version.
        for (const char* sql : kVersion1)
            if (!Run(q, QLatin1String(sql), error, corrupt))
                return fail();
        version = 1;
    }
    for (; version < Version; ++version)
        for (const char* sql : kUpgrades[size_t(version - 1)])
            if (!Run(q, QLatin1String(sql), error, corrupt))
                return fail();
    // A newer program's file is used as it is: versions only add.
    if (version != found &&
        !Run(q, QStringLiteral("PRAGMA user_version=%1").arg(version), error, corrupt))
        return fail();
    if (!Run(q, QStringLiteral("COMMIT"), error, corrupt))
        return fail();
    return true;
}

}  // namespace HistorySchema

namespace {

const QString kCannotKeep = QStringLiteral(
    "No se puede guardar el historial de prácticas en\n%1\n\n"
    "Se puede seguir jugando: los resultados y los puntos se guardan como siempre, "
    "pero las sumas de ahora no quedarán en el historial.");
const QString kSetAside = QStringLiteral(
    "El historial de prácticas estaba dañado y se ha guardado aparte como\n%1\n\n"
    "Se empieza un historial nuevo. Los resultados y los puntos no se han perdido.");

// The name a damaged file is moved to: "historial.sqlite.dañado-<date>",
// numbered when that day already has one.
QString SetAsideName(const QString& file, const QDate& day)
{
    const QString base = file + QStringLiteral(".dañado-") + day.toString(Qt::ISODate);
    QString name = base;
    for (int n = 2; QFileInfo::exists(name); ++n)
        name = base + QStringLiteral("-%1").arg(n);
    return name;
}

}  // namespace

struct PracticeHistory::Connection {
    HistoryDb::Handle handle;
    std::optional<QSqlQuery> addPlayer, playerId, lastSum, addSum, addKey;

    explicit Connection(const QString& file) : handle(file, false) {}
    ~Connection()
    {
        // The queries go before the connection they run on.
        addPlayer.reset();
        playerId.reset();
        lastSum.reset();
        addSum.reset();
        addKey.reset();
    }
    bool PrepareQueries()
    {
        QSqlDatabase db = handle.Database();
        auto make = [&](std::optional<QSqlQuery>& q, const char* sql) {
            q.emplace(db);
            return q->prepare(QLatin1String(sql));
        };
        return make(addPlayer, "INSERT INTO players(name) VALUES(?) ON CONFLICT(name) DO NOTHING") &&
               make(playerId, "SELECT id FROM players WHERE name = ?") &&
               make(lastSum, "SELECT max(id) FROM sums WHERE id >= ? AND id <= ?") &&
               make(addSum, "INSERT INTO sums(id, player_id, started_at, kind, rows, finished) VALUES(?, ?, ?, ?, ?, ?)") &&
               make(addKey, "INSERT INTO keys(sum_id, seq, col, box, expected, typed, ms) VALUES(?, ?, ?, ?, ?, ?, ?)");
    }
};

namespace {

// Two games opening a new file at once: turning it to WAL takes the whole
// file, and SQLite answers "locked" at once rather than waiting its busy
// timeout, so the schema step is tried again for as long as that timeout.
bool PrepareWhenFree(const QString& connectionName, QString* error, bool* corrupt)
{
    const QDeadlineTimer deadline(HistoryDb::BusyTimeoutMs);
    while (!HistorySchema::Prepare(connectionName, error, corrupt)) {
        if (*corrupt || !error->contains(QLatin1String("locked")) || deadline.hasExpired())
            return false;
        QThread::msleep(20);
    }
    return true;
}

}  // namespace

PracticeHistory::PracticeHistory(QString file) : file_(std::move(file)) {}

PracticeHistory::~PracticeHistory() = default;

void PracticeHistory::GiveUp(const QString& why)
{
    qWarning("historial: %s", qUtf8Printable(why));
    db_.reset();
    if (failed_)
        return;
    failed_ = true;
    ThePlatform().ShowMessage(kCannotKeep.arg(QDir::toNativeSeparators(file_)));
}

bool PracticeHistory::Open()
{
    if (db_)
        return true;
    if (failed_)
        return false;
    // Twice at most: the second time on a new file, when the first was damaged.
    for (int attempt = 0; attempt < 2; ++attempt) {
        auto db = std::make_unique<Connection>(file_);
        QString error;
        bool corrupt = false;
        if (!db->handle.Open(&error)) {
            GiveUp(error);
            return false;
        }
        if (PrepareWhenFree(db->handle.Name(), &error, &corrupt)) {
            // Tables of another tool's making that lack a column of ours.
            if (!db->PrepareQueries()) {
                GiveUp(QStringLiteral("the tables do not take this program's rows"));
                return false;
            }
            db_ = std::move(db);
            return true;
        }
        db.reset();
        if (!corrupt || attempt > 0 || !setAside_.isEmpty()) {
            GiveUp(error);
            return false;
        }
        // Set aside with its journal, which belongs to it and to no new file.
        const QString aside = SetAsideName(file_, ThePlatform().Today());
        if (!QFile::rename(file_, aside)) {
            GiveUp(error);
            return false;
        }
        for (const char* suffix : {"-wal", "-shm"})
            if (QFileInfo::exists(file_ + QLatin1String(suffix)))
                QFile::rename(file_ + QLatin1String(suffix), aside + QLatin1String(suffix));
        setAside_ = aside;
        qWarning("historial: %s; set aside as %s", qUtf8Printable(error), qUtf8Printable(aside));
        ThePlatform().ShowMessage(kSetAside.arg(QDir::toNativeSeparators(aside)));
    }
    return false;
}

void PracticeHistory::SumDealt(const QString& player, ExerciseKind kind, const QString& rows, const QDateTime& at)
{
    if (open_)
        SumEnded(false, at);
    open_ = true;
    sum_ = Practice::Sum{};
    sum_.player = player;
    sum_.startedAt = at;
    sum_.kind = kind;
    sum_.rows = rows;
    lastKeyAt_ = at;
    // Opened here, as an exercise opens, rather than when the child has
    // finished a sum: a problem with the file shows before the typing starts.
    if (!player.isEmpty())
        Open();
}

void PracticeHistory::KeyChecked(Practice::Box box, int32_t col, int32_t expected, int32_t typed,
                                 const QDateTime& at)
{
    if (!open_)
        return;
    // A clock set back counts as no time at all.
    Practice::AppendKey(sum_, box, col, expected, typed, std::max<int64_t>(0, lastKeyAt_.msecsTo(at)));
    lastKeyAt_ = at;
}

void PracticeHistory::SumEnded(bool finished, const QDateTime&)
{
    if (!open_)
        return;
    open_ = false;
    sum_.finished = finished;
    if (sum_.keys.empty() || sum_.player.isEmpty() || !Open())
        return;
    if (!Write())
        GiveUp(QStringLiteral("a sum could not be written"));
    sum_.keys.clear();
}

bool PracticeHistory::Write()
{
    Connection& c = *db_;
    QSqlQuery q(c.handle.Database());
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) {
        qWarning("historial: %s", qUtf8Printable(q.lastError().text()));
        return false;
    }
    auto fail = [&](QSqlQuery& failed) {
        qWarning("historial: %s", qUtf8Printable(failed.lastError().text()));
        q.exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    c.addPlayer->bindValue(0, sum_.player);
    if (!c.addPlayer->exec())
        return fail(*c.addPlayer);
    c.playerId->bindValue(0, sum_.player);
    if (!c.playerId->exec() || !c.playerId->next())
        return fail(*c.playerId);
    const qlonglong player = c.playerId->value(0).toLongLong();
    c.playerId->finish();

    // The next number of the player's own range.
    const qint64 first = HistorySchema::FirstSumId(player);
    c.lastSum->bindValue(0, first);
    c.lastSum->bindValue(1, first + HistorySchema::SumsPerPlayer - 1);
    if (!c.lastSum->exec() || !c.lastSum->next())
        return fail(*c.lastSum);
    const QVariant last = c.lastSum->value(0);
    c.lastSum->finish();
    const qint64 sumId = last.isNull() ? first : last.toLongLong() + 1;

    c.addSum->bindValue(0, sumId);
    c.addSum->bindValue(1, player);
    c.addSum->bindValue(2, sum_.startedAt.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
    c.addSum->bindValue(3, sum_.kind);
    c.addSum->bindValue(4, sum_.rows);
    c.addSum->bindValue(5, sum_.finished ? 1 : 0);
    if (!c.addSum->exec())
        return fail(*c.addSum);

    for (const Practice::Key& k : sum_.keys) {
        c.addKey->bindValue(0, sumId);
        c.addKey->bindValue(1, k.seq);
        c.addKey->bindValue(2, k.col);
        c.addKey->bindValue(3, Practice::BoxName(k.box));
        c.addKey->bindValue(4, k.expected);
        c.addKey->bindValue(5, k.typed);
        c.addKey->bindValue(6, qlonglong(k.ms));
        if (!c.addKey->exec())
            return fail(*c.addKey);
    }
    if (!q.exec(QStringLiteral("COMMIT")))
        return fail(q);
    return true;
}
