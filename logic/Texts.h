// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QString>
#include <cstdint>

// The clock of the sum on screen: "%3d : %02d", minutes capped at 999.
QString SumTimeText(int32_t seconds);

// The characters of text with separator between each two neighbours.
QString SpreadText(const QString& text, const QString& separator);
