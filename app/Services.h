// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "files/Pictures.h"

#include <QSize>
#include <QString>
#include <cstdint>

class QCursor;
class QImage;
class QWidget;

// Shared services of the game. None knows a window's class: they change
// `game`, tell the windows through GameEvents, and reach the windows created
// at start-up only as dialogs (app/Windows.h).

// First steps of the main window's creation.
void InitGameState();
// One player, "Sin nombre": a game where nobody gave a name.
void UseDefaultPlayer();

uint32_t Pause(uint32_t ms);
bool FileExists(const QString& path);
QString FileNameOf(const QString& path);
// The picture in a file, or a null image when it cannot be used: it does not
// decode, or not completely (a file cut short), or its size is absurd for its
// role (judged from the header, before decoding). A picture with no area
// counts as undecodable: nothing could be tiled or stepped by it.
QImage ReadPicture(const QString& path, PictureRole role = PictureRole::Picture);

void ShowSumTime();
void ShowPoints();
void ShowCurrentPlayer();

// The turn passes to the next (previous) player, who is shown; the open
// exercise keeps the keys.
void NextPlayer();
void PreviousPlayer();
// After players were registered or read: the turn goes to the first one.
void PlayersChanged();

void OpenTune();
void PlayTune(bool on);

void CelebrateHit();
void PlayHitSound();
void PlayMissSound();
void PlayKeySound();

void LoadBackground(const QString& fileName);
void CloseCurrentExercise();
// Makes the open exercise window the active one again, so that the keys a
// child types go to its answer box after a click on the main window.
void ReturnToExercise();
void ScoreHit();
void ScoreMiss();
void ResetAllKindCounters();
void ResetResults();
void ResetPoints();
// Closes the open exercise, asks before unsaved results are lost, and
// takes the players of the results file the player chooses.
void ReadPlayersFromFile();

void rollOpenHeight(QWidget* window, int width, int height, bool repaint);
void rollClosedHeight(QWidget* window, int height, bool repaint);
// Before a window first rolls open: shrinks it to its smallest size, placed
// where its full (current) size is centred on the screen, so that it unrolls
// into place. Returns the size it took.
QSize ShrinkForRollOpen(QWidget* window);

void ExitGame();

// The hand cursor (cursor number 30 of the design) of the big buttons.
const QCursor& HandCursor();
