// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/History.h"

#include "app/HistoryDatabase.h"
#include "app/PracticeHistory.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <sqlite3.h>

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

// The stamps of the sums, 'YYYY-MM-DDTHH:MM:SS' in local time, read by hand
// and with the zone looked up once a day: a general date parser, or a zone
// lookup for every sum, would be the slowest part of reading a year.
class Stamps {
public:
    QDateTime Parse(QByteArrayView text)
    {
        if (text.size() != 19 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' ||
            text[16] != ':')
            return {};
        auto number = [&](qsizetype from, qsizetype length) {
            int n = 0;
            for (char c : text.sliced(from, length)) {
                if (c < '0' || c > '9')
                    return -1;
                n = n * 10 + (c - '0');
            }
            return n;
        };
        const QDate day(number(0, 4), number(5, 2), number(8, 2));
        const QTime time(number(11, 2), number(14, 2), number(17, 2));
        if (!day.isValid() || !time.isValid())
            return {};
        if (day != day_) {
            day_ = day;
            offsetSecs_ = QDateTime(day, QTime(12, 0)).offsetFromUtc();
        }
        // Fixed to the day's offset: the same date and time, the same moment
        // but for the night a clock changes.
        return QDateTime(day, time, Qt::OffsetFromUTC, offsetSecs_);
    }

private:
    QDate day_;
    int offsetSecs_ = 0;
};

// Reading a year of one child row by row through QSqlQuery costs about a
// microsecond a row, most of a classroom's reading time; the same connection's
// SQLite handle, which Qt SQL hands out for this, reads the rows far faster.
sqlite3* NativeHandle(const HistoryDb::Handle& handle)
{
    const QVariant v = handle.Database().driver()->handle();
    if (!v.isValid() || qstrcmp(v.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(v.constData());
}

// One statement on that handle; values bound by number, never spliced in.
class Statement {
public:
    Statement(sqlite3* db, const QByteArray& sql)
    {
        if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &st_, nullptr) != SQLITE_OK)
            st_ = nullptr;
    }
    ~Statement() { sqlite3_finalize(st_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void Bind(int i, qint64 value) { sqlite3_bind_int64(st_, i, value); }
    void Bind(int i, const QString& text)
    {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(st_, i, utf8.constData(), int(utf8.size()), SQLITE_TRANSIENT);
    }
    // SQLITE_ROW, SQLITE_DONE, or an error (also when it did not compile).
    int Step() { return st_ ? sqlite3_step(st_) : SQLITE_ERROR; }
    qint64 Int(int c) { return sqlite3_column_int64(st_, c); }
    QByteArrayView Bytes(int c)
    {
        const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(st_, c));
        return QByteArrayView(text, sqlite3_column_bytes(st_, c));
    }
    QString Text(int c) { return QString::fromUtf8(Bytes(c)); }

private:
    sqlite3_stmt* st_ = nullptr;
};

}  // namespace

Read ReadSums(const QString& file, const QString& player, const QDateTime& since)
{
    Read read;
    HistoryDb::Handle handle(file, true);
    if (!OpenExisting(handle, file, &read.problem))
        return read;
    sqlite3* db = NativeHandle(handle);
    if (!db) {
        read.problem = Unreadable(file, QStringLiteral("no SQLite handle"));
        return read;
    }
    auto unreadable = [&] {
        read.sums.clear();
        read.problem = Unreadable(file, QString::fromUtf8(sqlite3_errmsg(db)));
        return read;
    };

    // Only the conditions asked for, so that SQLite takes the player's
    // index; the values are bound.
    qint64 playerId = -1;
    if (!player.isEmpty()) {
        Statement find(db, "SELECT id FROM players WHERE name = ?");
        find.Bind(1, player);
        const int step = find.Step();
        if (step == SQLITE_DONE) {
            read.ok = true;  // nothing of this player yet
            return read;
        }
        if (step != SQLITE_ROW)
            return unreadable();
        playerId = find.Int(0);
    }
    QByteArray sql = "SELECT s.id, p.name, s.started_at, s.kind, s.rows, s.finished"
                     " FROM sums s JOIN players p ON p.id = s.player_id WHERE 1";
    if (playerId >= 0)
        sql += " AND s.player_id = ?1";
    if (since.isValid())
        sql += " AND s.started_at >= ?2";
    Statement sums(db, sql + " ORDER BY s.started_at, s.id");
    if (playerId >= 0)
        sums.Bind(1, playerId);
    if (since.isValid())
        sums.Bind(2, since.toString(kStamp));
    Stamps stamps;
    // The range of sum numbers the keys are read from.
    const qint64 first = playerId >= 0 ? HistorySchema::FirstSumId(playerId) : 0;
    const qint64 last = playerId >= 0 ? first + HistorySchema::SumsPerPlayer - 1 : -1;
    qint64 low = last, high = first;
    bool outside = false;  // a sum another tool numbered otherwise
    QByteArray lastName;
    QString name;
    int step;
    while ((step = sums.Step()) == SQLITE_ROW) {
        Practice::Sum s;
        s.id = sums.Int(0);
        // One text shared by all the sums of a player.
        if (sums.Bytes(1) != lastName) {
            lastName = sums.Bytes(1).toByteArray();
            name = QString::fromUtf8(lastName);
        }
        s.player = name;
        s.startedAt = stamps.Parse(sums.Bytes(2));
        s.kind = ExerciseKind(sums.Int(3));
        s.rows = sums.Text(4);
        s.finished = sums.Int(5) != 0;
        low = std::min<qint64>(low, s.id);
        high = std::max<qint64>(high, s.id);
        outside = outside || s.id < first || s.id > last;
        read.sums.push_back(std::move(s));
    }
    if (step != SQLITE_DONE)
        return unreadable();
    if (read.sums.empty()) {
        read.ok = true;
        return read;
    }

    // A player's keys lie together in the file: read as one stretch of it.
    // Otherwise through the sums. The box comes as a number: no text to make
    // for every key.
    const QByteArray columns = QStringLiteral(
        "SELECT k.sum_id, k.seq, k.col, CASE k.box WHEN 'result' THEN %1 WHEN 'carry' THEN %2"
        " WHEN 'answer' THEN %3 ELSE -1 END, k.expected, k.typed, k.ms")
                                   .arg(int(Practice::Box::Result))
                                   .arg(int(Practice::Box::Carry))
                                   .arg(int(Practice::Box::Answer))
                                   .toUtf8();
    Statement keys(db, playerId < 0 ? columns + " FROM keys k"
                       : !outside   ? columns + " FROM keys k WHERE k.sum_id BETWEEN ?1 AND ?2"
                                    : columns + " FROM keys k JOIN sums s ON s.id = k.sum_id WHERE s.player_id = ?3");
    if (playerId >= 0 && !outside) {
        keys.Bind(1, low);
        keys.Bind(2, high);
    } else if (playerId >= 0) {
        keys.Bind(3, playerId);
    }
    // The sums by number, to follow the keys, which come mostly in that order.
    std::vector<std::pair<qint64, size_t>> byId;
    byId.reserve(read.sums.size());
    for (size_t i = 0; i < read.sums.size(); ++i)
        byId.emplace_back(read.sums[i].id, i);
    std::sort(byId.begin(), byId.end());
    auto cursor = byId.begin();
    while ((step = keys.Step()) == SQLITE_ROW) {
        const qint64 id = keys.Int(0);
        if (cursor == byId.end() || cursor->first != id)
            cursor = std::lower_bound(byId.begin(), byId.end(), std::make_pair(id, size_t(0)));
        // Keys of sums left out by the date, and keys of another tool's
        // making that name no box of ours, are skipped.
        const qint64 box = keys.Int(3);
        if (cursor == byId.end() || cursor->first != id || box < 0)
            continue;
        Practice::Key k;
        k.seq = int32_t(keys.Int(1));
        k.col = int32_t(keys.Int(2));
        k.box = Practice::Box(box);
        k.expected = int32_t(keys.Int(4));
        k.typed = int32_t(keys.Int(5));
        k.ms = keys.Int(6);
        read.sums[cursor->second].keys.push_back(k);
    }
    if (step != SQLITE_DONE)
        return unreadable();
    // In typing order, whatever order the file gave them in.
    for (Practice::Sum& s : read.sums)
        if (!std::is_sorted(s.keys.begin(), s.keys.end(), [](const auto& a, const auto& b) { return a.seq < b.seq; }))
            std::sort(s.keys.begin(), s.keys.end(), [](const auto& a, const auto& b) { return a.seq < b.seq; });
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
