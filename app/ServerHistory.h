// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/History.h"
#include "app/ServerAddress.h"
#include "logic/Practice.h"

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <vector>

// The shared practice history of a computer room on a PostgreSQL server.
// Same tables and meanings as the local file, plus what many computers need:
//
//   players(id BIGSERIAL PRIMARY KEY, name TEXT NOT NULL UNIQUE)
//   sums(id BIGSERIAL PRIMARY KEY, player_id BIGINT NOT NULL REFERENCES players(id),
//        started_at TEXT NOT NULL, kind INTEGER NOT NULL, rows TEXT NOT NULL,
//        finished INTEGER NOT NULL,
//        uid UUID NOT NULL UNIQUE,          -- given to the sum by the computer that recorded it
//        computer TEXT NOT NULL,            -- that computer's name
//        received_at TIMESTAMPTZ NOT NULL DEFAULT now())
//   keys(sum_id BIGINT NOT NULL REFERENCES sums(id) ON DELETE CASCADE, seq INTEGER NOT NULL,
//        col INTEGER NOT NULL, box TEXT NOT NULL, expected INTEGER NOT NULL,
//        typed INTEGER NOT NULL, ms BIGINT NOT NULL, PRIMARY KEY(sum_id, seq))
//   cifrolo_schema(version INTEGER NOT NULL)   -- one row
//
// A sum arrives with its uid; sending it again inserts nothing, so a sender
// that lost the answer to its commit may simply send again.
namespace ServerHistory {

inline constexpr int Version = 1;

// Opens a connection under connectionName (used from the calling thread
// only). False with a Spanish text that never holds the password.
bool Connect(const QString& connectionName, const ServerAddress::Address& address, QString* problem);
// Closes and forgets the connection.
void Disconnect(const QString& connectionName);

// Makes the tables of an empty database and upgrades older ones, in one
// transaction that other computers doing the same wait for. A database
// written by a newer version of the game is left alone and refused.
bool Prepare(QSqlDatabase& db, QString* problem);

// A sum on its way from one computer to the server.
struct Outgoing {
    int64_t localId = 0;
    QString uid;  // 32 hex digits
    Practice::Sum sum;
};

// Stores the sums in one transaction, in the order given; those the server
// already has are skipped. inserted: how many were new.
bool Send(QSqlDatabase& db, const QString& computer, const std::vector<Outgoing>& sums, int* inserted,
          QString* problem);

// The same readings as History's, from the server.
History::Read ReadSums(QSqlDatabase& db, const QString& player, const QDateTime& since);
QStringList Players(QSqlDatabase& db, QString* problem);
// Deletes every sum and key of one player, and the player, in one transaction.
bool DeletePlayer(QSqlDatabase& db, const QString& player, QString* problem);

}  // namespace ServerHistory

// The local file's side of sending: which sums are still to go.
//
// The local history gets two columns for it, added by its upgrade (Upgrade
// below is that step): sums.uid, 32 hex digits given to each sum by a trigger
// as it is written, and sums.sent, 1 once the server has it.
namespace LocalOutbox {

// The local history's upgrade that adds them.
const std::vector<const char*>& UpgradeSteps();

// The oldest unsent sums, at most limit, each with its keys.
std::vector<ServerHistory::Outgoing> Unsent(QSqlDatabase& db, int limit, QString* problem);
bool MarkSent(QSqlDatabase& db, const std::vector<ServerHistory::Outgoing>& sums, QString* problem);
// How many sums wait.
int64_t CountUnsent(QSqlDatabase& db);

}  // namespace LocalOutbox
