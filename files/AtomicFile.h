// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QByteArray>
#include <QLockFile>
#include <QString>
#include <memory>

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

// Held for a whole read-change-replace of a file that two games may change at
// once (two computers of a classroom on one shared folder): a lock file beside
// it ("name.lock"). One left behind by a game that died is taken over after
// kStaleMs. A file that is not a regular one (a device) needs no lock.
class FileLock {
public:
    static constexpr int kWaitMs = 5000;
    static constexpr int kStaleMs = 30000;
    explicit FileLock(const QString& path, int waitMs = kWaitMs);
    // False when another game kept the file longer than waitMs: the change
    // must not be made. Where no lock can be made (a read-only folder) the
    // change goes on and fails, or not, on its own.
    bool Locked() const { return locked_; }

private:
    std::unique_ptr<QLockFile> lock_;
    bool locked_ = false;
};
