// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "tests/support/TestGame.h"

#include "app/GameState.h"
#include "app/Windows.h"
#include "logic/Random.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QImage>
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
    // Values a previous test scripted and did not use must not deal this
    // test's sums.
    ClearRandomScript();
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

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

QByteArray BitmapBytes(int width, int height, const QColor& colour, bool zeroWidth)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");
    if (zeroWidth)
        for (int i = 18; i < 22; ++i)  // biWidth
            bytes[i] = 0;
    return bytes;
}
