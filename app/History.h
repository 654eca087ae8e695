// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Practice.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <vector>

// Reading the practice history (historial.sqlite, see PracticeRecorder for
// writing it). Every reader of the history goes through here: the progress
// window, the diagnosis from the command line, the review exercise.
namespace History {

struct Read {
    bool ok = false;
    QString problem;                  // a Spanish sentence when !ok
    std::vector<Practice::Sum> sums;  // oldest first, each with its keys in order
};

// The sums of one player (every player when player is empty) started at or
// after since (all when since is not valid). A missing file is !ok.
Read ReadSums(const QString& file, const QString& player = {}, const QDateTime& since = {});

// The names of the players in the history, sorted.
QStringList Players(const QString& file, QString* problem = nullptr);

// Deletes every sum and key of one player, and the player, in one
// transaction. False with a Spanish sentence when the file cannot be changed.
bool DeletePlayer(const QString& file, const QString& player, QString* problem = nullptr);

}  // namespace History
