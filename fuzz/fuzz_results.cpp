// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
// libFuzzer target for the results file reader: any bytes must give a
// verdict without crashing, and what was read must write and read back to
// the same records.
#include "files/ResultsFile.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const ResultsFile::Contents read = ResultsFile::Read(&buffer);
    if (read.check != ResultsFile::Check::Ok) {
        if (!read.records.empty())
            std::abort(); // a refused file never yields a partial table
        return 0;
    }
    if (read.records.size() > size_t(ResultsFile::kMaxRecords) || (size - 72) / 72 < read.records.size())
        std::abort();
    for (const PlayerRecord& r : read.records)
        (void)r.Name();

    QByteArray again =
        ResultsFile::FileBytes(QDate(2026, 12, 7), read.records.data(), int(read.records.size()));
    QBuffer second(&again);
    second.open(QIODevice::ReadOnly);
    const ResultsFile::Contents back = ResultsFile::Read(&second);
    if (back.check != ResultsFile::Check::Ok || back.records.size() != read.records.size())
        std::abort();
    for (size_t i = 0; i < back.records.size(); ++i) {
        const PlayerRecord& a = read.records[i];
        const PlayerRecord& b = back.records[i];
        if (a.year != b.year || a.day != b.day || a.month != b.month ||
            std::memcmp(a.hits, b.hits, sizeof a.hits) != 0 ||
            std::memcmp(a.misses, b.misses, sizeof a.misses) != 0)
            std::abort();
    }
    return 0;
}
