// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Services.h"

#include "app/GameEvents.h"
#include "app/GameFolder.h"
#include "app/GameState.h"
#include "app/HintHandler.h"
#include "app/Platform.h"
#include "app/WindowAccess.h"
#include "logic/Players.h"
#include "logic/Scoring.h"
#include "logic/Texts.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>

namespace {
// Every slot empty and dated today, so that a player added later never goes
// into a results file with the date 0/0/0.
void ClearAllSlots()
{
    const QDate today = ThePlatform().Today();
    for (PlayerRecord& r : game.players) {
        r = PlayerRecord{};
        r.year = today.year();
        r.day = uint8_t(today.day());
        r.month = uint8_t(today.month());
    }
}
}  // namespace

void InitGameState()
{
    HandCursor();  // loaded once, before the panels use it
    game.startDrive = 0;
    game.startDirectory = GameFolderPath().left(255);
    InstallHintHandler();
    ClearAllSlots();
    // The group's entry is named from the start, not only after a new game.
    game.pointsTable[0].SetName(Players::GroupName());
    UseDefaultPlayer();
    game.currentPlayer = 1;
}

void UseDefaultPlayer()
{
    game.playerCount = 1;
    game.players[0].SetName(Players::DefaultName());
    game.pointsTable[1].SetName(Players::DefaultName());
}

const QCursor& HandCursor()
{
    // The fingertip is the hot spot.
    static const QCursor cursor(QPixmap(QStringLiteral(":/cursor_mano.png")), 13, 0);
    return cursor;
}

uint32_t Pause(uint32_t ms) { return ThePlatform().Pause(ms); }

bool FileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    QFile f(path);
    const bool ok = f.open(QIODevice::ReadOnly);
    f.close();
    return ok;
}

QString FileNameOf(const QString& path) { return QFileInfo(path).fileName(); }

QImage ReadPicture(const QString& path, PictureRole role)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // A bitmap cut short would decode partly, the rest black.
    if (Pictures::CheckBitmap(file) == Pictures::Completeness::Truncated || !file.seek(0))
        return {};
    QImageReader reader(&file);
    const QSize declared = reader.size();
    if (declared.isValid() && !Pictures::SizeFits(declared, role))
        return {};
    const QImage image = reader.read();
    if (image.isNull() || !Pictures::SizeFits(image.size(), role))
        return {};
    return image;
}

void ShowSumTime() { emit Events().ClockTicked(SumTimeText(game.sumSeconds)); }

void ShowPoints() { emit Events().ScoreChanged(game.CurrentPoints().points); }

void ShowCurrentPlayer()
{
    const PlayerRecord& r = game.CurrentRecord();
    // Slots 2 and 3 (subtraction) are kept but not part of the totals.
    emit Events().PlayerChanged(r.Name(), r.hits[0] + r.hits[1] + r.hits[4], r.misses[0] + r.misses[1] + r.misses[4]);
    // The colour follows the player shown, not the one who scored last.
    ShowPoints();
}

void NextPlayer()
{
    game.currentPlayer = Players::NextTurn(game.currentPlayer, game.playerCount);
    ShowCurrentPlayer();
    ReturnToExercise();
}

void PreviousPlayer()
{
    game.currentPlayer = Players::PreviousTurn(game.currentPlayer, game.playerCount);
    ShowCurrentPlayer();
    ReturnToExercise();
}

void PlayersChanged()
{
    emit Events().PlayersChanged(game.playerCount);
    game.currentPlayer = 1;
    ShowCurrentPlayer();
}

void OpenTune()
{
    if (!FileExists(QStringLiteral("acierto.mid")))
        return;
    switch (ThePlatform().OpenTune(QStringLiteral("acierto.mid"))) {
    case Platform::TuneOpen::Opened:
        game.tuneReady = true;
        break;
    case Platform::TuneOpen::NoOutput:
        // Nowhere to play it: the game goes on silently.
        game.tuneReady = false;
        break;
    case Platform::TuneOpen::Failed:
        ThePlatform().ShowMessage(QStringLiteral("Error al abrir archivo de sonido para MediaPlayer."));
        game.tuneReady = false;
        break;
    }
}

void PlayTune(bool on)
{
    if (!game.tuneReady)
        return;
    if (on)
        ThePlatform().PlayTune();
    else
        ThePlatform().StopTune();
}

void PlayHitSound() { ThePlatform().PlaySound(Platform::Sound::Hit); }
void PlayMissSound() { ThePlatform().PlaySound(Platform::Sound::Miss); }
void PlayKeySound() { ThePlatform().PlaySound(Platform::Sound::Key); }

void CelebrateHit()
{
    game.hitsSinceNotice += 1;
    PlayHitSound();
    if (game.hitsSinceNotice < kHitsForBonus) {
        emit Events().SmallCelebration();
        return;
    }
    PlayTune(true);
    ThePlatform().RunModal(HitNoticeDialog());
    PlayTune(false);
    game.hitsSinceNotice = 0;
    emit Events().FaceRestarted();
}

void LoadBackground(const QString& fileName)
{
    const QImage image = ReadPicture(fileName);
    if (image.isNull()) {
        ThePlatform().ShowMessage(QStringLiteral("Error en archivo de dibujo para fondo."));
        game.backgroundLoaded = false;
        return;
    }
    emit Events().BackgroundChanged(image);
    game.backgroundLoaded = true;
}

void CloseCurrentExercise()
{
    if (QDialog* w = ExerciseDialog(game.exerciseKind))
        w->close();
    game.exerciseKind = Kind::None;
    game.clockRunning = false;
    emit Events().FaceRestarted();
}

void ReturnToExercise()
{
    QDialog* w = ExerciseDialog(game.exerciseKind);
    if (w && w->isVisible()) {
        w->raise();
        w->activateWindow();
    }
}

namespace {
void Score(int points, bool hit)
{
    game.CurrentPoints().points += points;
    ShowPoints();
    const int slot = CountingSlot(game.exerciseKind);
    if (slot >= 0) {
        int32_t& counter = hit ? game.CurrentRecord().hits[slot] : game.CurrentRecord().misses[slot];
        counter = BumpCounter(counter);
    }
    ShowCurrentPlayer();
    game.resultsSaved = false;
}
}  // namespace

void ScoreHit() { Score(kHitPoints, true); }
void ScoreMiss() { Score(kMissPoints, false); }

void ResetAllKindCounters() { ResetEveryExerciseCounters(); }

void ResetResults()
{
    ClearAllSlots();
    game.playerCount = 0;
    game.currentPlayer = 0;
    game.resultsSaved = true;
    game.resultsFileKnown = false;
    emit Events().ResultsFileForgotten();
}

void ReadPlayersFromFile()
{
    CloseCurrentExercise();
    if (!game.resultsSaved &&
        ThePlatform().Ask(QStringLiteral("¡¡ Atención !!\n\nEsta opción borra los valores de resultados actuales, que "
                                         "no han sido guardados en disco.\n\n¿Desea volver para guardarlos antes "
                                         "de abrir otro?"),
                          Platform::Icon::Question, Platform::Buttons::YesNoKeep) == Platform::Answer::Yes)
        return;
    ChoosePlayersFile();
}

void ResetPoints()
{
    for (PointsEntry& e : game.pointsTable)
        e = PointsEntry{};
    game.pointsTable[0].SetName(Players::GroupName());
    game.pointsGame += 1;
}

namespace {
void PrepareRoll(QWidget* window)
{
    window->setWindowState(Qt::WindowNoState);
}
}  // namespace

void rollOpenHeight(QWidget* window, int width, int height, bool repaint)
{
    PrepareRoll(window);
    if (!repaint) {
        // Not drawn step by step: one resize. Under a window manager the size
        // changes only once it has answered, so steps taken without waiting
        // would stop at the first one and leave the window a strip.
        window->resize(width, height);
        ThePlatform().Flush(window);
        return;
    }
    window->resize(width, window->height());
    ThePlatform().Flush(window);
    while (window->height() < height) {
        const int before = window->height();
        window->resize(width, before + 5);
        if (window->height() <= before)
            break;  // the window system refuses to grow it
        ThePlatform().Flush(window);
    }
}

QSize ShrinkForRollOpen(QWidget* window)
{
    const QSize full = window->size();
    window->resize(1, 1);
    const QSize screen = ThePlatform().ScreenSize();
    window->move(screen.width() / 2 - full.width() / 2, screen.height() / 2 - full.height() / 2);
    return window->size();
}

void rollClosedHeight(QWidget* window, int height, bool repaint)
{
    PrepareRoll(window);
    while (window->height() > height) {
        const int before = window->height();
        window->resize(window->width(), before - 5);
        if (window->height() >= before)
            break;  // held at a minimum size
        if (repaint)
            ThePlatform().Flush(window);
    }
}

void ExitGame()
{
    if (!game.resultsSaved) {
        const auto answer = ThePlatform().Ask(
            QStringLiteral("\nLos resultados actuales no se han guardado.\n¿ Deseas volver para poder "
                           "guardarlos (Opción 'Control de resultados) ?\n"),
            Platform::Icon::Question, Platform::Buttons::YesNoKeep);
        if (answer == Platform::Answer::Yes)
            return;
    }
    game.exitConfirmed = true;
    // No help viewer of ours stays open after the program, so there is none to close.
    if (game.tuneReady)
        ThePlatform().CloseTune();
    emit Events().GameEnded();
}
