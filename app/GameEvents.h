// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QImage>
#include <QObject>
#include <QString>
#include <cstdint>

// What the services tell the windows. The services know no window: they
// change `game` and say so here; the main window (and any other listener)
// shows it. Signals are delivered at once, in the order they are sent.
class GameEvents : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

signals:
    void ScoreChanged(int32_t points);
    // The player shown, with the hits and misses that count in the totals.
    void PlayerChanged(const QString& name, int32_t hits, int32_t misses);
    void ClockTicked(const QString& text);
    void Hint(const QString& text);
    // Players were registered, read or reset: how many there are now.
    void PlayersChanged(int32_t count);
    // A right answer short of the big notice.
    void SmallCelebration();
    // The face starts its run again (after the big notice, or an exercise closed).
    void FaceRestarted();
    void BackgroundChanged(const QImage& picture);
    // The results in memory no longer come from (or went to) a named file.
    void ResultsFileForgotten();
    // The player confirmed the end of the game.
    void GameEnded();
};

// The one instance of the run.
GameEvents& Events();
