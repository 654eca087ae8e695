// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/ResultsSession.h"

#include "app/GameFolder.h"
#include "app/GameState.h"
#include "app/Services.h"
#include "files/ResultsFile.h"

#include <QDir>

namespace ResultsSession {

namespace {

Outcome FromCheck(ResultsFile::Check check)
{
    switch (check) {
    case ResultsFile::Check::Ok: return Outcome::Ok;
    case ResultsFile::Check::NotResults: return Outcome::NotResults;
    case ResultsFile::Check::CannotRead: break;
    }
    return Outcome::CannotRead;
}

Outcome FromSave(ResultsFile::Save save)
{
    switch (save) {
    case ResultsFile::Save::Ok:
        game.resultsSaved = true;
        game.resultsFileKnown = true;
        return Outcome::Ok;
    case ResultsFile::Save::NotResults: return Outcome::NotResults;
    case ResultsFile::Save::TooLong: return Outcome::TooLong;
    case ResultsFile::Save::CannotCreate: return Outcome::CannotCreate;
    case ResultsFile::Save::CannotWrite:
    case ResultsFile::Save::CannotCheck: break;
    }
    return Outcome::CannotSave;
}

} // namespace

QString FilePattern()
{
    const QString folder = ResultsFolder();
    QDir().mkpath(folder);
    return folder + QStringLiteral("/*.rsr");
}

Outcome ReadPlayers(const QString& path, std::vector<PlayerRecord>* players)
{
    ResultsFile::Contents contents = ResultsFile::Read(path, kMaxPlayers);
    *players = std::move(contents.records);
    return FromCheck(contents.check);
}

void UsePlayers(const QString& path, const std::vector<PlayerRecord>& players)
{
    ResetResults();
    ResetPoints();
    ResetAllKindCounters();
    int32_t n = 0;
    for (const PlayerRecord& r : players) {
        if (n >= kMaxPlayers)
            break;
        game.players[n] = r;
        game.pointsTable[n + 1].SetName(r.Name().left(19));
        ++n;
    }
    game.playerCount = n;
    game.resultsSaved = true;
    game.resultsFileKnown = true;
    game.lastResultsFile = path;
    if (game.playerCount == 0)
        UseDefaultPlayer();
    PlayersChanged();
}

Outcome SaveWhole(const QString& path, const QDate& headerDate, bool keepBeyondTable)
{
    return FromSave(ResultsFile::WriteWhole(path, headerDate, game.players, game.playerCount, keepBeyondTable));
}

Outcome Append(const QString& path, const QDate& headerDate)
{
    return FromSave(ResultsFile::Append(path, headerDate, game.players, game.playerCount));
}

PlayerReader::PlayerReader() : reader_(std::make_unique<ResultsFile::Reader>()) {}

PlayerReader::~PlayerReader() = default;

Outcome PlayerReader::Open(const QString& path) { return FromCheck(reader_->Open(path)); }

bool PlayerReader::Next(PlayerRecord& record) { return reader_->Next(record); }

} // namespace ResultsSession
