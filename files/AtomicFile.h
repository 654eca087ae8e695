// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QByteArray>
#include <QString>

// Saving without ever leaving a half-written file in place of a good one:
// the new contents go to a temporary file beside the target, which then
// replaces it in one rename. A crash, a full disk or a pulled stick leaves
// the old file as it was.
enum class AtomicResult {
    Ok,
    CannotCreate, // the temporary file (or the target) could not be created
    CannotWrite,  // writing, flushing or the final rename failed
    CannotRead,   // appending: the old contents could not be read
};

AtomicResult WriteAtomically(const QString& path, const QByteArray& bytes);

// Appending the same way: the first `keep` bytes of the existing file (all
// of it when negative) are copied, `tail` is added, and the whole replaces
// the file. A missing file counts as empty.
AtomicResult AppendAtomically(const QString& path, const QByteArray& tail, qint64 keep = -1);
