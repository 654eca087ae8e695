// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/Pictures.h"

#include <QByteArray>
#include <QIODevice>
#include <cstdint>
#include <cstdlib>

namespace Pictures {

namespace {

struct Limits {
    int side;
    qint64 pixels;
};

// A face is a small picture, a background at most a screen: both limits
// leave room for a photo from a camera, and keep a decoded picture well under
// a hundred megabytes.
constexpr Limits kPictureLimits{16384, qint64(24) * 1000 * 1000};
constexpr Limits kFaceLimits{4096, qint64(12) * 1000 * 1000};

uint32_t Le32(const QByteArray& b, int at)
{
    return uint32_t(uchar(b[at])) | uint32_t(uchar(b[at + 1])) << 8 | uint32_t(uchar(b[at + 2])) << 16 |
           uint32_t(uchar(b[at + 3])) << 24;
}

uint16_t Le16(const QByteArray& b, int at) { return uint16_t(uchar(b[at]) | uchar(b[at + 1]) << 8); }

// Walks the runs of an RLE4/RLE8 picture: complete when the end-of-picture
// mark is reached before the data ends.
Completeness WalkRuns(QIODevice& file, bool fourBits)
{
    const QByteArray data = file.readAll();
    qsizetype i = 0;
    while (i + 2 <= data.size()) {
        const uchar count = uchar(data[i]);
        const uchar code = uchar(data[i + 1]);
        i += 2;
        if (count != 0)
            continue; // a run of one colour
        if (code == 0)
            continue; // end of line
        if (code == 1)
            return Completeness::Complete; // end of picture
        if (code == 2) {
            i += 2; // a jump
            continue;
        }
        // code pixels given one by one, padded to an even number of bytes
        qsizetype bytes = fourBits ? (code + 1) / 2 : code;
        i += bytes + (bytes & 1);
    }
    return Completeness::Truncated;
}

} // namespace

bool SizeFits(QSize size, PictureRole role)
{
    const Limits& l = role == PictureRole::Face ? kFaceLimits : kPictureLimits;
    return size.width() > 0 && size.height() > 0 && size.width() <= l.side && size.height() <= l.side &&
           qint64(size.width()) * size.height() <= l.pixels;
}

Completeness CheckBitmap(QIODevice& file)
{
    if (file.isSequential())
        return Completeness::NotJudged; // a pipe or a device: no size to compare with
    const qint64 fileSize = file.size();
    const QByteArray head = file.read(54);
    if (head.size() < 26 || !head.startsWith("BM"))
        return Completeness::NotJudged;
    const uint32_t pixelsAt = Le32(head, 10);
    const uint32_t infoSize = Le32(head, 14);
    qint64 width = 0, height = 0;
    int bits = 0;
    uint32_t compression = 0;
    if (infoSize == 12) { // the old OS/2 header
        width = Le16(head, 18);
        height = Le16(head, 20);
        bits = Le16(head, 24);
    } else if (infoSize >= 40 && head.size() >= 34) {
        width = int32_t(Le32(head, 18));
        height = std::llabs(int32_t(Le32(head, 22))); // negative: stored top-down
        bits = Le16(head, 28);
        compression = Le32(head, 30);
    } else {
        return Completeness::NotJudged;
    }
    // The reader refuses these itself, and sizes this large fail the role's
    // limits before any pixel is read.
    if (width <= 0 || height <= 0 || bits <= 0 || bits > 32 || width > (1 << 24) ||
        height > (1 << 24))
        return Completeness::NotJudged;
    switch (compression) {
    case 0:   // plain
    case 3:   // plain, with colour masks
    case 6: { // plain, with colour and alpha masks
        const qint64 stride = (width * bits + 31) / 32 * 4;
        return fileSize < qint64(pixelsAt) + stride * height ? Completeness::Truncated
                                                             : Completeness::Complete;
    }
    case 1: // RLE8
    case 2: // RLE4
        if (pixelsAt >= fileSize || !file.seek(pixelsAt))
            return Completeness::Truncated;
        return WalkRuns(file, compression == 2);
    default: return Completeness::NotJudged;
    }
}

} // namespace Pictures
