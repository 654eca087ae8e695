// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/PointsFile.h"

#include "files/AtomicFile.h"
#include "files/CodePage.h"

#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace PointsFile {

namespace {

constexpr int kNameBytes = PointsEntry::kNameBytes;
static_assert(kNameBytes + 4 == kRecordSize);

void PutInt32(char* out, int32_t v)
{
    const auto u = uint32_t(v);
    for (int i = 0; i < 4; ++i)
        out[i] = char((u >> (8 * i)) & 0xFF);
}

int32_t GetInt32(const char* in)
{
    const auto* p = reinterpret_cast<const unsigned char*>(in);
    return int32_t(uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24);
}

}  // namespace

List Decode(const QByteArray& bytes, int* records)
{
    List list{};
    const int n = int(std::min<qsizetype>(bytes.size() / kRecordSize, kRecords));
    for (int i = 0; i < n; ++i) {
        const char* record = bytes.constData() + i * kRecordSize;
        PointsEntry& e = list[size_t(i)];
        // The bytes after the terminator are kept, so that a list saved
        // again gives back what another program put there.
        std::memcpy(e.name, record, kNameBytes);
        if (!std::memchr(e.name, '\0', kNameBytes))
            e.name[kNameBytes - 1] = '\0';
        OemToAnsi(e.name, kNameBytes);
        e.points = GetInt32(record + kNameBytes);
    }
    if (records)
        *records = n;
    return list;
}

QByteArray Encode(const List& list)
{
    QByteArray bytes(kFileSize, '\0');
    for (int i = 0; i < kRecords; ++i) {
        char* record = bytes.data() + i * kRecordSize;
        std::memcpy(record, list[size_t(i)].name, kNameBytes);
        AnsiToOem(record, kNameBytes);
        PutInt32(record + kNameBytes, list[size_t(i)].points);
    }
    return bytes;
}

List Read(const QString& path)
{
    // Opening a pipe for reading would wait for a writer for ever.
    if (!QFileInfo(path).isFile())
        return List{};
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return List{};
    QByteArray bytes;
    while (bytes.size() < kFileSize) {
        const QByteArray part = f.read(kFileSize - bytes.size());
        if (part.isEmpty())
            break;  // the end, or a read error: the records so far count
        bytes.append(part);
    }
    return Decode(bytes);
}

Save Write(const QString& path, const List& list)
{
    switch (WriteAtomically(path, Encode(list))) {
    case AtomicResult::Ok: return Save::Ok;
    case AtomicResult::CannotCreate: return Save::CannotCreate;
    default: return Save::CannotWrite;
    }
}

Save Update(const QString& path, const std::function<List(const List&)>& change)
{
    const FileLock lock(path);
    if (!lock.Locked())
        return Save::CannotWrite;
    return Write(path, change(Read(path)));
}

}  // namespace PointsFile
