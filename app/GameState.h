// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "files/Records.h"
#include "logic/ExerciseKind.h"

#include <QString>
#include <cstdint>

constexpr int kMaxPlayers = 50;

// The one game state of the run. Every window reads and writes its fields
// directly; there is exactly one instance, `game`.
struct GameState {
    int32_t playerCount = 1;
    int32_t currentPlayer = 1;  // 1-based
    bool autoTurnChange = true;
    bool showCarries = true;
    bool explainMistakes = true;
    int32_t sumSeconds = 0;
    bool clockRunning = false;
    ExerciseKind exerciseKind = Kind::None;
    bool exitConfirmed = false;
    bool resultsSaved = true;
    bool resultsFileKnown = false;
    bool tuneReady = false;
    bool backgroundLoaded = false;
    int32_t hitsSinceNotice = 0;
    // POSIX has no drive letters: the drive is part of startDirectory and
    // startDrive stays 0.
    int32_t startDrive = 0;
    QString startDirectory;
    PlayerRecord players[kMaxPlayers];
    PointsEntry pointsTable[kMaxPlayers + 1];
    // Counts the resets of pointsTable: equal points in two games are two scores.
    int32_t pointsGame = 0;
    QString resultsPath;
    QString lastResultsFile;
    int32_t pagesToPrint = 0;
    int32_t worksheetKind = 0;
    int32_t worksheetRows = 0;

    PlayerRecord& CurrentRecord() { return players[currentPlayer - 1]; }
    PointsEntry& CurrentPoints() { return pointsTable[currentPlayer]; }
};

extern GameState game;
