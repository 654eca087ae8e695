// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/PracticeRecorder.h"

#include <QDateTime>
#include <QString>
#include <memory>
#include <vector>

// The recorder the game installs: keeps every sum and its keys in the
// practice history, an SQLite file (see History.h for reading it).
//
// The file is opened at the first sum dealt, never at start-up. A sum's keys
// wait in memory and go to the file in one transaction when the sum ends, so
// a crash loses at most the sum on screen. When the file cannot be opened or
// written, the game goes on without the history and says so once; a file
// that is no database, or a damaged one, is set aside and a new one started.
class PracticeHistory final : public PracticeRecorder {
public:
    explicit PracticeHistory(QString file);
    ~PracticeHistory() override;
    PracticeHistory(const PracticeHistory&) = delete;
    PracticeHistory& operator=(const PracticeHistory&) = delete;

    void SumDealt(const QString& player, ExerciseKind kind, const QString& rows, const QDateTime& at) override;
    void KeyChecked(Practice::Box box, int32_t col, int32_t expected, int32_t typed, const QDateTime& at) override;
    void SumEnded(bool finished, const QDateTime& at) override;

    // False once the history has been given up for this run.
    bool Working() const { return !failed_; }
    // The file a damaged history was moved to, empty when none was.
    QString SetAside() const { return setAside_; }

private:
    bool Open();
    bool Write();
    void GiveUp(const QString& why);

    struct Connection;
    QString file_;
    std::unique_ptr<Connection> db_;
    bool failed_ = false;
    QString setAside_;

    // The sum on screen, written when it ends.
    bool open_ = false;
    Practice::Sum sum_;
    QDateTime lastKeyAt_;
};

namespace HistorySchema {

// The version of the file this program writes (PRAGMA user_version).
inline constexpr int Version = 2;

// Brings the history open in connectionName up to Version, in one
// transaction: makes the tables of a new file and upgrades an older one (a
// file with the tables and no version is version 1). False with the driver's
// text when the file cannot be used; corrupt is set when SQLite found it
// damaged or not a database.
bool Prepare(const QString& connectionName, QString* error, bool* corrupt);

// Each player's sums are numbered in a range of their own, so that one
// child's sums and keys lie together in the file: reading them reads a
// thirtieth of a classroom's file, not all of it. Sums written by other
// tools may take any other number.
inline constexpr qint64 SumsPerPlayer = qint64(1) << 32;
inline constexpr qint64 FirstSumId(qint64 playerId) { return playerId * SumsPerPlayer; }

}  // namespace HistorySchema
