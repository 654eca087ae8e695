// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/Platform.h"

#include <QByteArray>
#include <QString>
#include <memory>

// Plays the MIDI tune through FluidSynth. Every call is safe on a player that
// is not open; Close() may be called any number of times.
class TunePlayer {
public:
    TunePlayer();
    ~TunePlayer();
    TunePlayer(const TunePlayer&) = delete;
    TunePlayer& operator=(const TunePlayer&) = delete;

    // Failed: not a MIDI file FluidSynth can read. NoOutput: nothing to play
    // it on (no audio device, no sound font); the caller goes on silently.
    Platform::TuneOpen Open(const QString& path);
    // What Open() checks of the file alone, without a device or a sound font.
    static bool Readable(const QString& path);
    // Resumes where Stop() left it; a tune that reached its end starts over.
    void Play();
    // Stops and silences the notes still sounding.
    void Stop();
    void Close();

private:
    struct Engine;
    std::unique_ptr<Engine> engine_;
    bool stopped_ = false;  // paused by Stop(), as opposed to finished
};
