// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Services.h"

#include "app/Fonts.h"
#include "app/GameState.h"
#include "app/HintHandler.h"
#include "app/Platform.h"
#include "app/Windows.h"
#include "forms/TExerciseForm.h"
#include "forms/TForm_Acierto.h"
#include "forms/TForm_Resultados.h"
#include "forms/TForm_menu.h"
#include "logic/Scoring.h"
#include "logic/Texts.h"
#include "widgets/TGIFImage.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
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
    game.startDirectory = QDir::currentPath().left(255);
    InstallHintHandler();
    ClearAllSlots();
    // The group's entry is named from the start, not only after a new game.
    game.pointsTable[0].SetName(QStringLiteral("Grupo sin nombre"));
    game.playerCount = 1;
    game.currentPlayer = 1;
    game.players[0].SetName(QStringLiteral("Sin nombre"));
    game.pointsTable[1].SetName(QStringLiteral("Sin nombre"));
}

const QCursor& HandCursor()
{
    // The fingertip is the hot spot.
    static const QCursor cursor(QPixmap(QStringLiteral(":/cursor_mano.png")), 13, 0);
    return cursor;
}

uint32_t Pause(uint32_t ms) { return ThePlatform().Pause(ms); }

void SetBusyCursor(bool restore)
{
    if (restore) {
        if (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
}

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

void ShowSumTime() { Form_menu->Label_tiempo->setText(SumTimeText(game.sumSeconds)); }

void ShowPoints()
{
    const int32_t points = game.CurrentPoints().points;
    Form_menu->Label_puntos->setText(QString::number(points));
    SetTextColour(Form_menu->Label_puntos, points < 0 ? QColor(0xFF, 0, 0) : QColor(0, 0, 0xFF));
}

void ShowCurrentPlayer()
{
    const PlayerRecord& r = game.CurrentRecord();
    Form_menu->Label_nombrejugador->setText(r.Name());
    // The colour follows the player shown, not the one who scored last.
    ShowPoints();
    // Slots 2 and 3 (subtraction) are kept but not part of the totals.
    Form_menu->Label_pacertadas->setText(QString::number(r.hits[0] + r.hits[1] + r.hits[4]));
    Form_menu->Label_pfalladas->setText(QString::number(r.misses[0] + r.misses[1] + r.misses[4]));
    for (ExerciseKind kind : Kind::All)
        if (TExerciseForm* w = ExerciseWindow(kind))
            w->ShowPlayerName();
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
    if (game.hitsSinceNotice < 5) {
        Form_menu->GIFImage1->setVisible(true);
        Form_menu->GIFImage1->start();
        return;
    }
    PlayTune(true);
    ThePlatform().RunModal(Form_Acierto);
    PlayTune(false);
    game.hitsSinceNotice = 0;
    Form_menu->GIFImage2->start();
}

void LoadBackground(const QString& fileName)
{
    const QImage image = ReadPicture(fileName);
    if (image.isNull()) {
        ThePlatform().ShowMessage(QStringLiteral("Error en archivo de dibujo para fondo."));
        game.backgroundLoaded = false;
        return;
    }
    Form_menu->SetBackgroundPicture(QPixmap::fromImage(image));
    QDir::setCurrent(game.startDirectory);
    game.backgroundLoaded = true;
}

void CloseCurrentExercise()
{
    if (TExerciseForm* w = ExerciseWindow(game.exerciseKind))
        w->close();
    game.exerciseKind = Kind::None;
    game.clockRunning = false;
    Form_menu->GIFImage2->start();
}

void ReturnToExercise()
{
    QDialog* w = ExerciseWindow(game.exerciseKind);
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
    const int slot = CounterSlotFor(game.exerciseKind);
    if (slot >= 0) {
        int32_t& counter = hit ? game.CurrentRecord().hits[slot] : game.CurrentRecord().misses[slot];
        counter = BumpCounter(counter);
    }
    ShowCurrentPlayer();
    game.resultsSaved = false;
}
}  // namespace

void ScoreHit() { Score(2, true); }
void ScoreMiss() { Score(-1, false); }

void ResetAllKindCounters()
{
    // Windows that share their partner's counters reset them once more,
    // which does no harm.
    for (ExerciseKind kind : Kind::All)
        if (TExerciseForm* w = ExerciseWindow(kind))
            w->ResetKindCounters();
}

void ResetResults()
{
    ClearAllSlots();
    game.playerCount = 0;
    game.currentPlayer = 0;
    game.resultsSaved = true;
    game.resultsFileKnown = false;
    if (Form_Resultados)
        Form_Resultados->Label_archivo->clear();
}

void ResetPoints()
{
    for (PointsEntry& e : game.pointsTable)
        e = PointsEntry{};
    game.pointsTable[0].SetName(QStringLiteral("Grupo sin nombre"));
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
    window->resize(width, window->height());
    ThePlatform().Flush(window);
    while (window->height() < height) {
        const int before = window->height();
        window->resize(width, before + 5);
        if (window->height() <= before)
            break;  // the window system refuses to grow it
        if (repaint)
            ThePlatform().Flush(window);
    }
    if (!repaint)
        ThePlatform().Flush(window);
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
    Form_menu->close();
}
