// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A device or a pipe cannot be replaced by a rename (and must not be):
// it is written straight through.
AtomicResult WriteThrough(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return AtomicResult::CannotCreate;
    if (f.write(bytes) != bytes.size())
        return AtomicResult::CannotWrite;
    f.close();
    return f.error() == QFileDevice::NoError ? AtomicResult::Ok : AtomicResult::CannotWrite;
}

} // namespace

AtomicResult WriteAtomically(const QString& path, const QByteArray& bytes)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return WriteThrough(path, bytes);
    QSaveFile f(path);
    f.setDirectWriteFallback(false);
    // Unbuffered, so that a short write (disk full, size limit) shows in the
    // count: a buffered flush would take part of the bytes for all of them.
    if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return AtomicResult::CannotCreate;
    if (f.write(bytes) != bytes.size() || f.size() != bytes.size()) {
        f.cancelWriting();
        f.commit();
        return AtomicResult::CannotWrite;
    }
    return f.commit() ? AtomicResult::Ok : AtomicResult::CannotWrite;
}

AtomicResult AppendAtomically(const QString& path, const QByteArray& tail, qint64 keep)
{
    QByteArray bytes;
    if (QFileInfo::exists(path)) {
        QFile old(path);
        if (!old.open(QIODevice::ReadOnly))
            return AtomicResult::CannotRead;
        bytes = keep < 0 ? old.readAll() : old.read(keep);
        if (old.error() != QFileDevice::NoError || (keep >= 0 && bytes.size() != keep))
            return AtomicResult::CannotRead;
    }
    bytes.append(tail);
    return WriteAtomically(path, bytes);
}

FileLock::FileLock(const QString& path, int waitMs)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile()) {
        locked_ = true;
        return;
    }
    lock_ = std::make_unique<QLockFile>(path + QStringLiteral(".lock"));
    lock_->setStaleLockTime(kStaleMs);
    locked_ = lock_->tryLock(waitMs) || lock_->error() != QLockFile::LockFailedError;
}
