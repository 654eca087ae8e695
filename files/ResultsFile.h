// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "files/Records.h"

#include <QDate>
#include <QFile>
#include <QString>
#include <memory>
#include <vector>

class QIODevice;

// The results file (*.rsr): a 72-byte header laid out like a PlayerRecord
// whose name is the signature, then 72-byte player records up to the end.
// There is no count: a final fragment shorter than a record is ignored.
namespace ResultsFile {

inline constexpr char kSignature[] = "TOLV ZARPOLINA RES";
inline constexpr int kMaxRecords = 50;

enum class Check { Ok, CannotRead, NotResults };

// The header of a file written today: the signature, zeros up to the date,
// the date, ten zero counters.
PlayerRecord Header(const QDate& date);
// True when the leading zero-terminated text of a 72-byte block is the
// signature, case and all; whatever follows its zero does not matter.
bool IsHeader(const char* block);

// A record as it lies on disk (name in the OEM code page) and back.
std::array<char, kRecordBytes> Encode(const PlayerRecord& record);
PlayerRecord Decode(const char* bytes);

// Reads a results file record by record through one length-checked buffer.
class Reader {
public:
    Reader() = default;
    // Opens a file, or reads from a device the caller keeps open, and checks
    // the header. After Ok the records follow.
    Check Open(const QString& path);
    Check Open(QIODevice* device);
    // The next whole record, converted; false at the end of the file, at a
    // final fragment, or when reading fails (see Failed).
    bool Next(PlayerRecord& record);
    bool Failed() const { return failed_; }
    // Whole records after the header, from the file's size.
    qint64 RecordCount() const;

private:
    // 0 at the end, -1 on failure, else the bytes read (up to 72).
    qint64 ReadBlock(char* block);

    std::unique_ptr<QFile> file_;
    QIODevice* device_ = nullptr;
    bool failed_ = false;
};

// Header and the first `maxRecords` records of a file; records beyond them
// are not read. On anything but Ok the list is empty: a file that fails
// half-way gives no partial table.
struct Contents {
    Check check = Check::CannotRead;
    std::vector<PlayerRecord> records;
};
Contents Read(const QString& path, int maxRecords = kMaxRecords);
Contents Read(QIODevice* device, int maxRecords = kMaxRecords);

// The bytes of a whole file: header, then the records converted.
QByteArray FileBytes(const QDate& headerDate, const PlayerRecord* players, int count);

enum class Save {
    Ok,
    CannotCreate, // the file could not be created
    CannotWrite,  // writing or the final replacement failed
    NotResults,   // appending: the file is not a results file
    CannotCheck,  // appending: the file could not be read
    TooLong,      // appending: more than kMaxRecords records in all
};

// The whole file, replaced atomically. keepBeyondTable: the records after
// the first kMaxRecords of the file being replaced (those a reader leaves
// out) follow the players unchanged.
Save WriteWhole(const QString& path, const QDate& headerDate, const PlayerRecord* players, int count,
                bool keepBeyondTable = false);
// The players after the records of an existing file (a missing one is
// created with the header), never more than kMaxRecords records in all.
// The new file replaces the old one atomically; a fragment at the old end
// is dropped so that the new records stay aligned.
Save Append(const QString& path, const QDate& headerDate, const PlayerRecord* players, int count);

} // namespace ResultsFile
