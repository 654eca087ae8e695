// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/TunePlayer.h"

TunePlayer::TunePlayer() = default;
TunePlayer::~TunePlayer() = default;

Platform::TuneOpen TunePlayer::Open(const QString&) { return Platform::TuneOpen::NoOutput; }
void TunePlayer::Play() {}
void TunePlayer::Stop() {}
void TunePlayer::Close() {}
