// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/Platform.h"

#include <QString>

// Plays the MIDI tune through FluidSynth.
class TunePlayer {
public:
    TunePlayer();
    ~TunePlayer();
    TunePlayer(const TunePlayer&) = delete;
    TunePlayer& operator=(const TunePlayer&) = delete;

    Platform::TuneOpen Open(const QString& path);
    void Play();
    void Stop();
    void Close();
};
