// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QSize>

class QIODevice;

// What a picture is for decides how large it may sensibly be.
enum class PictureRole {
    Picture, // a background or the notice's picture, shown at most screen-sized
    Face,    // a bonus face, tiled and shown at double size
};

namespace Pictures {

// Whether a picture of this size is reasonable for its role. Anything larger
// would only cost memory (a header may claim any size at all).
bool SizeFits(QSize size, PictureRole role);

enum class Completeness {
    NotJudged, // not a Windows bitmap, or one of a kind not checked here
    Complete,
    Truncated, // fewer pixel bytes than the header announces
};

// Reads a Windows bitmap's header (and, when run-length coded, walks its
// runs) to tell whether all the pixels it announces are in the file, without
// decoding them. Leaves the device's position anywhere.
Completeness CheckBitmap(QIODevice& file);

} // namespace Pictures
