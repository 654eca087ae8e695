// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "files/Records.h"

#include <QDate>
#include <QString>
#include <memory>
#include <vector>

namespace ResultsFile {
class Reader;
}

// The results files of a game: where they lie, reading players from one,
// saving the players in memory to one. Each step says how it went; the
// windows turn that into what they show.
namespace ResultsSession {

enum class Outcome {
    Ok,
    CannotRead,   // the file could not be opened or read
    NotResults,   // the file is not a results file of this series
    TooLong,      // appending would pass the most players a file holds
    CannotCreate, // the file could not be created
    CannotSave,   // writing, or putting the new file in place, failed
};

// "<results folder>/*.rsr", the folder made when missing: where the file
// dialogs start.
QString FilePattern();

// The players of a file, checked whole; nothing on anything but Ok.
Outcome ReadPlayers(const QString& path, std::vector<PlayerRecord>* players);

// The players read from `path` take the place of those in memory: results,
// points and the exercises' counters start afresh, the turn goes to the
// first player, and the file is the one "Guardar" writes to. A file without
// players leaves one "Sin nombre".
void UsePlayers(const QString& path, const std::vector<PlayerRecord>& players);

// The players in memory as the whole file, or after the players of an
// existing one (a missing one is made). Ok marks the results saved.
Outcome SaveWhole(const QString& path, const QDate& headerDate, bool keepBeyondTable = false);
Outcome Append(const QString& path, const QDate& headerDate);

// A file's players one at a time, as a printout takes them.
class PlayerReader {
public:
    PlayerReader();
    ~PlayerReader();
    Outcome Open(const QString& path);
    // False at the end, or when reading fails.
    bool Next(PlayerRecord& record);

private:
    std::unique_ptr<ResultsFile::Reader> reader_;
};

} // namespace ResultsSession
