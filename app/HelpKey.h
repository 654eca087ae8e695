// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <functional>

class QObject;
class QWidget;

// F1 in any window of the game calls `open` with the window in front (the
// modal one when there is one), so the help can open at its topic. The key
// works as long as `owner` lives.
void InstallHelpKey(QObject* owner, std::function<void(QWidget*)> open);
