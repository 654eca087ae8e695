// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QSqlDatabase>
#include <QString>

class QSqlError;

// One connection to the practice history, under a name of its own (Qt SQL
// connections are named and per thread), removed when the handle goes.
// Queries made on it must be gone before the handle.
namespace HistoryDb {

// How long a writer waits for another process's transaction to end.
inline constexpr int BusyTimeoutMs = 5000;

class Handle {
public:
    Handle(const QString& file, bool readOnly);
    ~Handle();
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;

    // False with a text when the driver is missing or the file cannot be opened.
    bool Open(QString* error);
    QSqlDatabase Database() const;
    const QString& Name() const { return name_; }

private:
    QString name_;
    QString file_;
    bool readOnly_;
};

// Whether SQLite found the file damaged or not a database at all.
bool Corrupt(const QSqlError& error);

}  // namespace HistoryDb
