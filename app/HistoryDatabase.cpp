// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/HistoryDatabase.h"

#include <QSqlError>
#include <atomic>

namespace HistoryDb {

namespace {
std::atomic<int> nextConnection{0};
const QString kDriver = QStringLiteral("QSQLITE");
}  // namespace

Handle::Handle(const QString& file, bool readOnly)
    : name_(QStringLiteral("historial-%1").arg(nextConnection++)), file_(file), readOnly_(readOnly)
{
}

Handle::~Handle()
{
    if (QSqlDatabase::contains(name_)) {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
}

bool Handle::Open(QString* error)
{
    if (!QSqlDatabase::isDriverAvailable(kDriver)) {
        *error = QStringLiteral("the SQLite driver of Qt SQL is not installed");
        return false;
    }
    QSqlDatabase db = QSqlDatabase::addDatabase(kDriver, name_);
    db.setDatabaseName(file_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(BusyTimeoutMs);
    if (readOnly_)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db.setConnectOptions(options);
    if (!db.open()) {
        *error = db.lastError().text();
        return false;
    }
    return true;
}

QSqlDatabase Handle::Database() const { return QSqlDatabase::database(name_, false); }

bool Corrupt(const QSqlError& error)
{
    // SQLITE_CORRUPT and SQLITE_NOTADB, with or without an extended code.
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xFF;
    return ok && (code == 11 || code == 26);
}

}  // namespace HistoryDb
