// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/History.h"

#include "app/HistoryDatabase.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>

namespace History {

namespace {

const QString kStamp = QStringLiteral("yyyy-MM-ddTHH:mm:ss");

QString NoHistory(const QString& file)
{
    return QStringLiteral("Todavía no hay historial de prácticas en\n%1").arg(QDir::toNativeSeparators(file));
}

QString Unreadable(const QString& file, const QString& why)
{
    qWarning("historial: %s", qUtf8Printable(why));
    return QStringLiteral("No se puede leer el historial de prácticas\n%1").arg(QDir::toNativeSeparators(file));
}

// Opens the file when it exists; otherwise problem says why not.
bool OpenExisting(HistoryDb::Handle& handle, const QString& file, QString* problem)
{
    if (!QFileInfo(file).isFile()) {
        *problem = NoHistory(file);
        return false;
    }
    QString error;
    if (!handle.Open(&error)) {
        *problem = Unreadable(file, error);
        return false;
    }
    return true;
}

}  // namespace

Read ReadSums(const QString& file, const QString& player, const QDateTime& since)
{
    Read read;
    HistoryDb::Handle handle(file, true);
    if (!OpenExisting(handle, file, &read.problem))
        return read;
    {
        QSqlQuery q(handle.Database());
        q.setForwardOnly(true);
        // Only the conditions asked for, so that SQLite picks the player's
        // index; the values are bound.
        QStringList conditions;
        QVariantList values;
        if (!player.isEmpty()) {
            conditions << QStringLiteral("p.name = ?");
            values << player;
        }
        if (since.isValid()) {
            conditions << QStringLiteral("s.started_at >= ?");
            values << since.toString(kStamp);
        }
        const QString where = conditions.isEmpty() ? QString() : QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
        auto run = [&](const QString& sql) {
            if (!q.prepare(sql))
                return false;
            for (qsizetype i = 0; i < values.size(); ++i)
                q.bindValue(int(i), values[i]);
            return q.exec();
        };
        if (!run(QStringLiteral("SELECT s.id, p.name, s.started_at, s.kind, s.rows, s.finished"
                                " FROM sums s JOIN players p ON p.id = s.player_id") +
                 where + QStringLiteral(" ORDER BY s.started_at, s.id"))) {
            read.problem = Unreadable(file, q.lastError().text());
            return read;
        }
        QHash<qlonglong, size_t> index;
        while (q.next()) {
            Practice::Sum s;
            s.id = q.value(0).toLongLong();
            s.player = q.value(1).toString();
            s.startedAt = QDateTime::fromString(q.value(2).toString(), kStamp);
            s.kind = q.value(3).toInt();
            s.rows = q.value(4).toString();
            s.finished = q.value(5).toInt() != 0;
            index.insert(s.id, read.sums.size());
            read.sums.push_back(std::move(s));
        }
        if (!run(QStringLiteral("SELECT k.sum_id, k.seq, k.col, k.box, k.expected, k.typed, k.ms"
                                " FROM keys k JOIN sums s ON s.id = k.sum_id JOIN players p ON p.id = s.player_id") +
                 where + QStringLiteral(" ORDER BY k.sum_id, k.seq"))) {
            read.sums.clear();
            read.problem = Unreadable(file, q.lastError().text());
            return read;
        }
        while (q.next()) {
            const auto at = index.constFind(q.value(0).toLongLong());
            const std::optional<Practice::Box> box = Practice::BoxFromName(q.value(3).toString());
            // A key of another tool's making that names no box of ours is left out.
            if (at == index.constEnd() || !box)
                continue;
            Practice::Key k;
            k.seq = q.value(1).toInt();
            k.col = q.value(2).toInt();
            k.box = *box;
            k.expected = q.value(4).toInt();
            k.typed = q.value(5).toInt();
            k.ms = q.value(6).toLongLong();
            read.sums[*at].keys.push_back(k);
        }
    }
    read.ok = true;
    return read;
}

QStringList Players(const QString& file, QString* problem)
{
    QString why;
    QStringList names;
    HistoryDb::Handle handle(file, true);
    if (OpenExisting(handle, file, &why)) {
        QSqlQuery q(handle.Database());
        if (q.exec(QStringLiteral("SELECT name FROM players"))) {
            while (q.next())
                names << q.value(0).toString();
        } else {
            why = Unreadable(file, q.lastError().text());
        }
    }
    QCollator order;
    order.setCaseSensitivity(Qt::CaseInsensitive);
    std::sort(names.begin(), names.end(), order);
    if (problem)
        *problem = why;
    return names;
}

bool DeletePlayer(const QString& file, const QString& player, QString* problem)
{
    QString why;
    HistoryDb::Handle handle(file, false);
    if (OpenExisting(handle, file, &why)) {
        QSqlQuery q(handle.Database());
        auto run = [&](const char* sql, bool bind) {
            if (!q.prepare(QLatin1String(sql)))
                return false;
            if (bind)
                q.bindValue(0, player);
            return q.exec();
        };
        const bool done =
            run("BEGIN IMMEDIATE", false) &&
            run("DELETE FROM keys WHERE sum_id IN"
                " (SELECT s.id FROM sums s JOIN players p ON p.id = s.player_id WHERE p.name = ?)", true) &&
            run("DELETE FROM sums WHERE player_id IN (SELECT id FROM players WHERE name = ?)", true) &&
            run("DELETE FROM players WHERE name = ?", true) && run("COMMIT", false);
        if (done)
            return true;
        qWarning("historial: %s", qUtf8Printable(q.lastError().text()));
        q.exec(QStringLiteral("ROLLBACK"));
        why = QStringLiteral("No se ha podido borrar el historial de %1 en\n%2")
                  .arg(player, QDir::toNativeSeparators(file));
    }
    if (problem)
        *problem = why;
    return false;
}

}  // namespace History
