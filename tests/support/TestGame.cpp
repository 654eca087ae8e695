// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "tests/support/TestGame.h"

#include "app/GameState.h"
#include "app/Windows.h"

#include <QApplication>
#include <QDir>
#include <memory>

namespace {
std::unique_ptr<FakePlatform> fake;
QString startDir;
}  // namespace

FakePlatform& StartTestGame()
{
    if (startDir.isEmpty())
        startDir = QDir::currentPath();
    QDir::setCurrent(startDir);
    fake = std::make_unique<FakePlatform>();
    SetPlatform(fake.get());
    game = GameState{};
    CreateWindows();
    fake->calls.clear();
    return *fake;
}

void EndTestGame()
{
    DestroyWindows();
    SetPlatform(nullptr);
    fake.reset();
    QDir::setCurrent(startDir);
}

FakePlatform& Fake() { return *fake; }

void SetPlayers(const QStringList& names)
{
    game.playerCount = int32_t(names.size());
    for (int i = 0; i < names.size(); ++i) {
        game.players[i].SetName(names[i]);
        game.pointsTable[i + 1].SetName(names[i]);
    }
    game.currentPlayer = 1;
}
