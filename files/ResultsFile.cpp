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
    if (QFileInfo(path).isDir() || !file_->open(QIODevice::ReadOnly))
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
    // A file shorter than a header cannot hold the signature.
    if (n < kSize || !IsHeader(block))
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
    if (QFileInfo(path).isDir() || !f.open(QIODevice::ReadOnly))
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

Save WriteWhole(const QString& path, const QDate& headerDate, const PlayerRecord* players, int count)
{
    return FromAtomic(WriteAtomically(path, FileBytes(headerDate, players, count)));
}

Save Append(const QString& path, const QDate& headerDate, const PlayerRecord* players, int count)
{
    if (!QFileInfo::exists(path))
        return WriteWhole(path, headerDate, players, count);
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
    return FromAtomic(AppendAtomically(path, tail, kSize * (existing + 1)));
}

} // namespace ResultsFile
