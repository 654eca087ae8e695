// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/ResultsFile.h"

#include "files/AtomicFile.h"
#include "files/CodePage.h"

#include <QFileInfo>
#include <QIODevice>
#include <cstring>

namespace ResultsFile {

namespace {
constexpr int kSize = kRecordBytes;
} // namespace

PlayerRecord Header(const QDate& date)
{
    PlayerRecord h;
    std::memcpy(h.name, kSignature, sizeof kSignature);
    h.year = date.year();
    h.day = uint8_t(date.day());
    h.month = uint8_t(date.month());
    return h;
}

bool IsHeader(const char* block)
{
    // The signature and its terminator: "TOLV ZARPOLINA RESX" is not ours.
    return std::memcmp(block, kSignature, sizeof kSignature) == 0;
}

std::array<char, kRecordBytes> Encode(const PlayerRecord& record)
{
    auto bytes = RecordBytes(record);
    AnsiToOem(bytes.data(), PlayerRecord::kNameBytes);
    return bytes;
}

PlayerRecord Decode(const char* bytes)
{
    PlayerRecord r = RecordFromBytes(bytes);
    OemToAnsi(r.name, PlayerRecord::kNameBytes);
    return r;
}

Check Reader::Open(const QString& path)
{
    file_ = std::make_unique<QFile>(path);
    // Opening a pipe would wait for a writer for ever; a device never ends.
    if (!QFileInfo(path).isFile() || !file_->open(QIODevice::ReadOnly))
        return Check::CannotRead;
    return Open(file_.get());
}

Check Reader::Open(QIODevice* device)
{
    device_ = device;
    failed_ = false;
    char block[kSize];
    const qint64 n = ReadBlock(block);
    if (n < 0)
        return Check::CannotRead;
    // A file shorter than a header could not be read as one.
    if (n < kSize)
        return Check::CannotRead;
    if (!IsHeader(block))
        return Check::NotResults;
    return Check::Ok;
}

qint64 Reader::ReadBlock(char* block)
{
    qint64 got = 0;
    while (got < kSize) {
        const qint64 n = device_->read(block + got, kSize - got);
        if (n < 0) {
            failed_ = true;
            return -1;
        }
        if (n == 0)
            break;
        got += n;
    }
    return got;
}

bool Reader::Next(PlayerRecord& record)
{
    if (!device_ || failed_)
        return false;
    char block[kSize];
    if (ReadBlock(block) != kSize)
        return false;
    record = Decode(block);
    return true;
}

qint64 Reader::RecordCount() const
{
    if (!device_ || device_->isSequential())
        return 0;
    return std::max<qint64>(0, (device_->size() - kSize) / kSize);
}

Contents Read(QIODevice* device, int maxRecords)
{
    Contents out;
    Reader reader;
    out.check = reader.Open(device);
    if (out.check != Check::Ok)
        return out;
    PlayerRecord r;
    while (int(out.records.size()) < maxRecords && reader.Next(r))
        out.records.push_back(r);
    if (reader.Failed()) {
        out.check = Check::CannotRead;
        out.records.clear();
    }
    return out;
}

Contents Read(const QString& path, int maxRecords)
{
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
        return {};
    return Read(&f, maxRecords);
}

QByteArray FileBytes(const QDate& headerDate, const PlayerRecord* players, int count)
{
    QByteArray bytes;
    bytes.reserve(kSize * (count + 1));
    const auto header = RecordBytes(Header(headerDate)); // the signature is ASCII: not converted
    bytes.append(header.data(), kSize);
    for (int i = 0; i < count; ++i) {
        const auto record = Encode(players[i]);
        bytes.append(record.data(), kSize);
    }
    return bytes;
}

namespace {
Save FromAtomic(AtomicResult r)
{
    switch (r) {
    case AtomicResult::Ok: return Save::Ok;
    case AtomicResult::CannotCreate: return Save::CannotCreate;
    case AtomicResult::CannotWrite: return Save::CannotWrite;
    case AtomicResult::CannotRead: return Save::CannotCheck;
    }
    return Save::CannotWrite;
}
} // namespace

namespace {
// The whole records after the first kMaxRecords of a results file: those a
// reader leaves out of the table. False when the file cannot be read.
bool RecordsBeyondTable(const QString& path, QByteArray& records)
{
    records.clear();
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly))
        return !QFileInfo::exists(path);
    Reader reader;
    switch (reader.Open(&f)) {
    case Check::NotResults: return true; // not ours: nothing to keep
    case Check::CannotRead: return false;
    case Check::Ok: break;
    }
    if (!f.seek(qint64(kSize) * (1 + kMaxRecords)))
        return true;
    records = f.readAll();
    records.truncate(records.size() / kSize * kSize);
    return f.error() == QFileDevice::NoError;
}
} // namespace

Save WriteWhole(const QString& path, const QDate& headerDate, const PlayerRecord* players, int count,
                bool keepBeyondTable)
{
    const FileLock lock(path);
    if (!lock.Locked())
        return Save::CannotWrite;
    QByteArray bytes = FileBytes(headerDate, players, count);
    if (keepBeyondTable) {
        QByteArray beyond;
        if (!RecordsBeyondTable(path, beyond))
            return Save::CannotCheck;
        bytes += beyond;
    }
    return FromAtomic(WriteAtomically(path, bytes));
}

Save Append(const QString& path, const QDate& headerDate, const PlayerRecord* players, int count)
{
    // From the count of the records to the replacement: another game's
    // append in between would be lost.
    const FileLock lock(path);
    if (!lock.Locked())
        return Save::CannotWrite;
    if (!QFileInfo::exists(path))
        return FromAtomic(WriteAtomically(path, FileBytes(headerDate, players, count)));
    qint64 existing = 0;
    {
        Reader reader;
        switch (reader.Open(path)) {
        case Check::NotResults: return Save::NotResults;
        case Check::CannotRead: return Save::CannotCheck;
        case Check::Ok: break;
        }
        existing = reader.RecordCount();
    }
    if (existing + count > kMaxRecords)
        return Save::TooLong;
    QByteArray tail;
    tail.reserve(kSize * count);
    for (int i = 0; i < count; ++i) {
        const auto record = Encode(players[i]);
        tail.append(record.data(), kSize);
    }
    const AtomicResult appended = AppendAtomically(path, tail, kSize * (existing + 1));
    // The file is there: not being able to replace it is a failure to save,
    // not one to create it.
    return appended == AtomicResult::CannotCreate ? Save::CannotWrite : FromAtomic(appended);
}

} // namespace ResultsFile
