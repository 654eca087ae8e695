// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "tests/support/FakePlatform.h"

#include <QByteArray>
#include <QColor>
#include <QString>

class QWidget;

// A fresh game for each test: the fake platform installed, the game state at
// its start values and every window created anew in the start-up order.
// Call from init(); EndTestGame() from cleanup().
FakePlatform& StartTestGame();
void EndTestGame();
FakePlatform& Fake();

// Registers players by name for a test (as the player dialog would).
void SetPlayers(const QStringList& names);

// Writes a file for a test, whole.
void WriteFile(const QString& path, const QByteArray& bytes);
// The bytes of a Windows bitmap filled with one colour; with zeroWidth its
// header announces no width at all.
QByteArray BitmapBytes(int width, int height, const QColor& colour, bool zeroWidth = false);

// Finds a control by object name inside a window. A missing control fails
// the test and comes back as a hidden stand-in owned by the window, so the
// test ends with a failure rather than a crash.
template <typename T>
T* Control(QWidget* window, const QString& name);

#include <QTest>
#include <QWidget>
#include <type_traits>

template <typename T>
T* Control(QWidget* window, const QString& name)
{
    if (T* c = window->findChild<T*>(name))
        return c;
    QTest::qFail(qPrintable(QStringLiteral("control %1 not found in %2").arg(name, window->objectName())),
                 __FILE__, __LINE__);
    if constexpr (std::is_constructible_v<T, QWidget*>) {
        auto* standIn = new T(window);
        if constexpr (std::is_base_of_v<QWidget, T>)
            standIn->hide();
        return standIn;
    } else {
        return nullptr;
    }
}
