// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Practice.h"

#include <QString>
#include <vector>

// The short, kind line an exercise window shows a child beside a wrong digit
// when the child's own history says what the mistake is. history: the
// child's sums, oldest first, the last one holding the key just typed.
// Empty when the key is right, is no first try, or nothing explains it with
// confidence.
QString MistakeLine(const std::vector<Practice::Sum>& history);
