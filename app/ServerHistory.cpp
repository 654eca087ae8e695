// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/ServerHistory.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

const QString TimeFormat = QStringLiteral("yyyy-MM-ddTHH:mm:ss");
// Every computer that prepares the schema takes this lock first, so that
// thirty computers started at once make the tables once.
constexpr qint64 SchemaLock = 0x43696672;  // "Cifr"

bool Failed(const QSqlQuery& q, QString* problem)
{
    if (problem)
        *problem = q.lastError().text();
    return false;
}

bool Failed(const QSqlDatabase& db, QString* problem)
{
    if (problem) {
        *problem = db.lastError().text().trimmed();
        if (problem->isEmpty())
            *problem = QStringLiteral("el servidor no responde.");
    }
    return false;
}

bool Exec(QSqlDatabase& db, const QString& sql, QString* problem)
{
    QSqlQuery q(db);
    return q.exec(sql) || Failed(q, problem);
}

bool Rollback(QSqlDatabase& db)
{
    db.rollback();
    return false;
}

QString TimeText(const QDateTime& t) { return t.toString(TimeFormat); }

Practice::Key KeyFrom(const QSqlQuery& q, int first)
{
    Practice::Key k;
    k.seq = q.value(first).toInt();
    k.col = q.value(first + 1).toInt();
    k.box = Practice::BoxFromName(q.value(first + 2).toString()).value_or(Practice::Box::Result);
    k.expected = q.value(first + 3).toInt();
    k.typed = q.value(first + 4).toInt();
    k.ms = q.value(first + 5).toLongLong();
    return k;
}

}  // namespace

namespace ServerHistory {

bool Connect(const QString& connectionName, const ServerAddress::Address& address, QString* problem)
{
    QSqlDatabase db = QSqlDatabase::contains(connectionName)
                          ? QSqlDatabase::database(connectionName, false)
                          : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), connectionName);
    if (!db.isValid()) {
        if (problem)
            *problem = QStringLiteral("Falta el controlador de PostgreSQL de Qt (paquete libqt6sql6-psql).");
        return false;
    }
    if (db.isOpen())
        return true;
    db.setHostName(address.host);
    db.setPort(address.port);
    db.setDatabaseName(address.database);
    db.setUserName(address.user);
    db.setPassword(address.password);
    db.setConnectOptions(ServerAddress::ConnectOptions(address));
    if (db.open())
        return true;
    if (problem)
        *problem = QStringLiteral("No se puede conectar con %1: %2")
                       .arg(ServerAddress::Shown(address), db.lastError().databaseText().trimmed());
    return false;
}

void Disconnect(const QString& connectionName)
{
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connectionName);
}

bool Prepare(QSqlDatabase& db, QString* problem)
{
    if (!db.transaction())
        return Failed(db, problem);
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(SchemaLock)) ||
        !q.exec(QStringLiteral("SELECT to_regclass('cifrolo_schema') IS NOT NULL")) || !q.next())
        return Failed(q, problem) || Rollback(db);
    int version = 0;
    if (q.value(0).toBool()) {
        if (!q.exec(QStringLiteral("SELECT max(version) FROM cifrolo_schema")) || !q.next())
            return Failed(q, problem) || Rollback(db);
        version = q.value(0).toInt();
    }
    if (version > Version) {
        if (problem)
            *problem = QStringLiteral("La base de datos del servidor es de una versión más nueva de Cifrolo (%1).")
                           .arg(version);
        return Rollback(db);
    }
    // Version by version, each step from the one before.
    static const char* const steps[] = {
        // 1: the tables of the local file, plus a sum's uid and computer.
        "CREATE TABLE IF NOT EXISTS cifrolo_schema(version INTEGER NOT NULL);"
        "CREATE TABLE IF NOT EXISTS players(id BIGSERIAL PRIMARY KEY, name TEXT NOT NULL UNIQUE);"
        "CREATE TABLE IF NOT EXISTS sums(id BIGSERIAL PRIMARY KEY,"
        " player_id BIGINT NOT NULL REFERENCES players(id), started_at TEXT NOT NULL,"
        " kind INTEGER NOT NULL, rows TEXT NOT NULL, finished INTEGER NOT NULL,"
        " uid UUID NOT NULL UNIQUE, computer TEXT NOT NULL,"
        " received_at TIMESTAMPTZ NOT NULL DEFAULT now());"
        "CREATE TABLE IF NOT EXISTS keys(sum_id BIGINT NOT NULL REFERENCES sums(id) ON DELETE CASCADE,"
        " seq INTEGER NOT NULL, col INTEGER NOT NULL, box TEXT NOT NULL, expected INTEGER NOT NULL,"
        " typed INTEGER NOT NULL, ms BIGINT NOT NULL, PRIMARY KEY(sum_id, seq));"
        "CREATE INDEX IF NOT EXISTS sums_player ON sums(player_id, started_at);",
    };
    for (int v = version; v < Version; ++v)
        for (const QString& statement : QString::fromUtf8(steps[v]).split(QLatin1Char(';'), Qt::SkipEmptyParts))
            if (!Exec(db, statement, problem))
                return Rollback(db);
    if (version != Version &&
        (!Exec(db, QStringLiteral("DELETE FROM cifrolo_schema"), problem) ||
         !Exec(db, QStringLiteral("INSERT INTO cifrolo_schema(version) VALUES(%1)").arg(Version), problem)))
        return Rollback(db);
    if (!db.commit())
        return Failed(db, problem) || Rollback(db);
    return true;
}

bool Send(QSqlDatabase& db, const QString& computer, const std::vector<Outgoing>& sums, int* inserted,
          QString* problem)
{
    int fresh = 0;
    if (!db.transaction())
        return Failed(db, problem);
    QSqlQuery addPlayer(db), findPlayer(db), addSum(db), addKey(db);
    if (!addPlayer.prepare(QStringLiteral("INSERT INTO players(name) VALUES(?) ON CONFLICT (name) DO NOTHING")) ||
        !findPlayer.prepare(QStringLiteral("SELECT id FROM players WHERE name = ?")) ||
        !addSum.prepare(QStringLiteral(
            "INSERT INTO sums(player_id, started_at, kind, rows, finished, uid, computer)"
            " VALUES(?, ?, ?, ?, ?, CAST(? AS UUID), ?) ON CONFLICT (uid) DO NOTHING RETURNING id")) ||
        !addKey.prepare(QStringLiteral("INSERT INTO keys(sum_id, seq, col, box, expected, typed, ms)"
                                       " VALUES(?, ?, ?, ?, ?, ?, ?)")))
        return Failed(addKey, problem) || Rollback(db);
    QHash<QString, qint64> players;
    for (const Outgoing& out : sums) {
        const Practice::Sum& s = out.sum;
        auto player = players.find(s.player);
        if (player == players.end()) {
            addPlayer.addBindValue(s.player);
            findPlayer.addBindValue(s.player);
            if (!addPlayer.exec())
                return Failed(addPlayer, problem) || Rollback(db);
            if (!findPlayer.exec() || !findPlayer.next())
                return Failed(findPlayer, problem) || Rollback(db);
            player = players.insert(s.player, findPlayer.value(0).toLongLong());
        }
        addSum.addBindValue(*player);
        addSum.addBindValue(TimeText(s.startedAt));
        addSum.addBindValue(s.kind);
        addSum.addBindValue(s.rows);
        addSum.addBindValue(s.finished ? 1 : 0);
        addSum.addBindValue(out.uid);
        addSum.addBindValue(computer);
        if (!addSum.exec())
            return Failed(addSum, problem) || Rollback(db);
        if (!addSum.next())
            continue;  // the server has it from an earlier try
        const qint64 sumId = addSum.value(0).toLongLong();
        ++fresh;
        for (const Practice::Key& k : s.keys) {
            addKey.addBindValue(sumId);
            addKey.addBindValue(k.seq);
            addKey.addBindValue(k.col);
            addKey.addBindValue(Practice::BoxName(k.box));
            addKey.addBindValue(k.expected);
            addKey.addBindValue(k.typed);
            addKey.addBindValue(qint64(k.ms));
            if (!addKey.exec())
                return Failed(addKey, problem) || Rollback(db);
        }
    }
    if (!db.commit())
        return Failed(db, problem) || Rollback(db);
    if (inserted)
        *inserted = fresh;
    return true;
}

History::Read ReadSums(QSqlDatabase& db, const QString& player, const QDateTime& since)
{
    History::Read read;
    const QString filter = QStringLiteral(" WHERE (? = '' OR p.name = ?) AND s.started_at >= ?");
    const QString sinceText = since.isValid() ? TimeText(since) : QString(QLatin1String(""));
    const auto bind = [&](QSqlQuery& q) {
        q.addBindValue(player);
        q.addBindValue(player);
        q.addBindValue(sinceText);
    };
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT s.id, p.name, s.started_at, s.kind, s.rows, s.finished"
                             " FROM sums s JOIN players p ON p.id = s.player_id") +
              filter + QStringLiteral(" ORDER BY s.started_at, s.id"));
    bind(q);
    if (!q.exec()) {
        read.problem = QStringLiteral("No se puede leer el historial del servidor: ") + q.lastError().text();
        return read;
    }
    QHash<qint64, size_t> index;
    while (q.next()) {
        Practice::Sum s;
        s.id = q.value(0).toLongLong();
        s.player = q.value(1).toString();
        s.startedAt = QDateTime::fromString(q.value(2).toString(), TimeFormat);
        s.kind = q.value(3).toInt();
        s.rows = q.value(4).toString();
        s.finished = q.value(5).toInt() != 0;
        index.insert(s.id, read.sums.size());
        read.sums.push_back(std::move(s));
    }
    QSqlQuery k(db);
    k.setForwardOnly(true);
    k.prepare(QStringLiteral("SELECT k.sum_id, k.seq, k.col, k.box, k.expected, k.typed, k.ms FROM keys k"
                             " JOIN sums s ON s.id = k.sum_id JOIN players p ON p.id = s.player_id") +
              filter + QStringLiteral(" ORDER BY k.sum_id, k.seq"));
    bind(k);
    if (!k.exec()) {
        read.sums.clear();
        read.problem = QStringLiteral("No se puede leer el historial del servidor: ") + k.lastError().text();
        return read;
    }
    while (k.next()) {
        const auto at = index.constFind(k.value(0).toLongLong());
        if (at != index.constEnd())
            read.sums[*at].keys.push_back(KeyFrom(k, 1));
    }
    read.ok = true;
    return read;
}

QStringList Players(QSqlDatabase& db, QString* problem)
{
    QStringList names;
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT name FROM players p WHERE EXISTS (SELECT 1 FROM sums s"
                               " WHERE s.player_id = p.id) ORDER BY name"))) {
        Failed(q, problem);
        return {};
    }
    while (q.next())
        names << q.value(0).toString();
    names.sort(Qt::CaseInsensitive);
    return names;
}

bool DeletePlayer(QSqlDatabase& db, const QString& player, QString* problem)
{
    if (!db.transaction())
        return Failed(db, problem);
    QSqlQuery q(db);
    // The keys go with their sums.
    for (const char* sql : {"DELETE FROM sums WHERE player_id IN (SELECT id FROM players WHERE name = ?)",
                            "DELETE FROM players WHERE name = ?"}) {
        q.prepare(QLatin1String(sql));
        q.addBindValue(player);
        if (!q.exec())
            return Failed(q, problem) || Rollback(db);
    }
    return db.commit() || Failed(db, problem) || Rollback(db);
}

}  // namespace ServerHistory

namespace LocalOutbox {

const std::vector<const char*>& UpgradeSteps()
{
    // A sum gets its uid in the transaction that writes it, so every later
    // try to send it carries the same one.
    static const std::vector<const char*> steps = {
        "ALTER TABLE sums ADD COLUMN uid TEXT",
        "ALTER TABLE sums ADD COLUMN sent INTEGER NOT NULL DEFAULT 0",
        "UPDATE sums SET uid = lower(hex(randomblob(16))) WHERE uid IS NULL",
        "CREATE UNIQUE INDEX IF NOT EXISTS sums_uid ON sums(uid)",
        // Oldest first: sum ids are numbered per player, not in time.
        "CREATE INDEX IF NOT EXISTS sums_unsent ON sums(started_at, id) WHERE sent = 0",
        "CREATE TRIGGER IF NOT EXISTS sums_uid_given AFTER INSERT ON sums WHEN NEW.uid IS NULL"
        " BEGIN UPDATE sums SET uid = lower(hex(randomblob(16))) WHERE id = NEW.id; END",
    };
    return steps;
}

std::vector<ServerHistory::Outgoing> Unsent(QSqlDatabase& db, int limit, QString* problem)
{
    std::vector<ServerHistory::Outgoing> out;
    QSqlQuery q(db);
    // Rows another program wrote without the trigger.
    q.exec(QStringLiteral("UPDATE sums SET uid = lower(hex(randomblob(16))) WHERE sent = 0 AND uid IS NULL"));
    q.prepare(QStringLiteral("SELECT s.id, s.uid, p.name, s.started_at, s.kind, s.rows, s.finished"
                             " FROM sums s JOIN players p ON p.id = s.player_id"
                             " WHERE s.sent = 0 ORDER BY s.started_at, s.id LIMIT ?"));
    q.addBindValue(limit);
    if (!q.exec()) {
        Failed(q, problem);
        return {};
    }
    while (q.next()) {
        ServerHistory::Outgoing o;
        o.localId = q.value(0).toLongLong();
        o.uid = q.value(1).toString();
        o.sum.id = o.localId;
        o.sum.player = q.value(2).toString();
        o.sum.startedAt = QDateTime::fromString(q.value(3).toString(), TimeFormat);
        o.sum.kind = q.value(4).toInt();
        o.sum.rows = q.value(5).toString();
        o.sum.finished = q.value(6).toInt() != 0;
        out.push_back(std::move(o));
    }
    QSqlQuery k(db);
    k.prepare(QStringLiteral("SELECT seq, col, box, expected, typed, ms FROM keys WHERE sum_id = ? ORDER BY seq"));
    for (ServerHistory::Outgoing& o : out) {
        k.addBindValue(qint64(o.localId));
        if (!k.exec()) {
            Failed(k, problem);
            return {};
        }
        while (k.next())
            o.sum.keys.push_back(KeyFrom(k, 0));
    }
    return out;
}

bool MarkSent(QSqlDatabase& db, const std::vector<ServerHistory::Outgoing>& sums, QString* problem)
{
    if (!db.transaction())
        return Failed(db, problem);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("UPDATE sums SET sent = 1 WHERE id = ?"));
    for (const auto& o : sums) {
        q.addBindValue(qint64(o.localId));
        if (!q.exec())
            return Failed(q, problem) || Rollback(db);
    }
    return db.commit() || Failed(db, problem) || Rollback(db);
}

int64_t CountUnsent(QSqlDatabase& db)
{
    QSqlQuery q(db);
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sums WHERE sent = 0")) || !q.next())
        return -1;
    return q.value(0).toLongLong();
}

}  // namespace LocalOutbox
