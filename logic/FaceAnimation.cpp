// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/FaceAnimation.h"

#include <algorithm>

namespace FaceAnimation {

namespace {

// Geometry of the window while it animates; plain ints so that a width or
// height may go negative on the way out, as the loops expect.
struct Box {
    int l = 0, t = 0, w = 0, h = 0;
    QRect Rect() const { return QRect(l, t, w, h); }
    bool OnScreen(int sw, int sh) const
    {
        return w > 0 && h > 0 && l < sw && t < sh && l + w > 0 && t + h > 0;
    }
};

// Repeats step while more() holds, recording each geometry, never more than
// kMaxSteps times.
template <typename More, typename Step>
QList<QRect> Run(Box& b, More more, Step step)
{
    QList<QRect> out;
    while (more() && out.size() < kMaxSteps) {
        step();
        out << b.Rect();
    }
    return out;
}

}  // namespace

int Step(int face, int screen)
{
    if (face <= 0)
        return face;
    return std::max(face, (std::max(screen, 0) + kEdgeSteps - 1) / kEdgeSteps);
}

QSize DrawnFace(QSize face, QSize screen)
{
    // Twice the face plus 8 pixels of frame each side.
    const QSize room((screen.width() - 16) / 2, (screen.height() - 16) / 2);
    if (face.isEmpty() || room.isEmpty() ||
        (face.width() <= room.width() && face.height() <= room.height()))
        return face;
    return face.scaled(room, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
}

QSize TiledArea(QSize screen, QSize face)
{
    return screen + QSize(std::max(Step(face.width(), screen.width()), 0),
                          std::max(Step(face.height(), screen.height()), 0));
}

QString FaceFileName(int number) { return QStringLiteral("caras/cara%1.bmp").arg(number); }

int FaceToShow(int number, const std::function<bool(const QString&)>& exists)
{
    return exists(FaceFileName(number)) ? number : 1;
}

int NextStyle(int style)
{
    if (style < kFirstStyle || style >= kLastStyle)
        return kFirstStyle;
    return style + 1;
}

Opening OpeningAnimation(int style, int sw, int sh, int faceWidth, int faceHeight)
{
    Opening o;
    if (faceWidth <= 0 || faceHeight <= 0) {
        o.setUp = QRect(0, 0, sw, sh);
        return o;
    }
    const int fw = Step(faceWidth, sw);
    const int fh = Step(faceHeight, sh);
    Box b;  // (0, 0) with no size: where the face display put the window
    // The loops stop on the edge they bring in. For faces much wider than
    // tall (relative to the screen) that edge arrives first, so styles 5 to 8
    // also go on until the other edge is in, each edge stopping where it
    // covers the screen: the window never grows past the tiles.
    switch (style) {
    case 2:
        b = {sw, 0, sw + fw, sh + fh};
        o.setUp = b.Rect();
        o.steps = Run(b, [&] { return b.l > 0; }, [&] { b.l -= fw; });
        break;
    case 4:
        b = {0, 0, sw + fw, 0};
        o.setUp = b.Rect();
        o.steps = Run(b, [&] { return b.h < sh; }, [&] { b.h += fh; });
        break;
    case 5:
        b = {sw, 0, 0, 0};
        o.setUp = b.Rect();
        o.steps = Run(b, [&] { return b.l > 0 || b.h < sh; }, [&] {
            if (b.l > 0) {
                b.w += fw;
                b.l -= fw;
            }
            if (b.h < sh)
                b.h += fh;
        });
        break;
    case 6:
        b = {0, sh, 0, sh + fh};
        o.setUp = b.Rect();
        o.steps = Run(b, [&] { return b.w < sw || b.t > 0; }, [&] {
            if (b.w < sw)
                b.w += fw;
            if (b.t > 0)
                b.t -= fh;
        });
        break;
    case 7:
        b = {sw, sh, sw + fw, sh + fh};
        o.setUp = b.Rect();
        // Past the left edge the window would uncover the right one.
        o.steps = Run(b, [&] { return b.l > 0 || b.t > 0; }, [&] {
            if (b.l > 0)
                b.l -= fw;
            if (b.t > 0)
                b.t -= fh;
        });
        break;
    case 8:
        o.setUp = b.Rect();
        o.steps = Run(b, [&] { return b.w < sw || b.h < sh; }, [&] {
            if (b.w < sw)
                b.w += fw;
            if (b.h < sh)
                b.h += fh;
        });
        break;
    default:  // 1 and 3: rises from the bottom
        b = {0, sh, sw + fw, sh + fh};
        o.setUp = b.Rect();
        o.steps = Run(b, [&] { return b.t > 0; }, [&] { b.t -= fh; });
        break;
    }
    return o;
}

QList<QRect> ClosingAnimation(int style, const QRect& start, int sw, int sh, int faceWidth,
                              int faceHeight)
{
    // With no face ever loaded the steps are 0 and the loops would never end.
    if (faceWidth <= 0 || faceHeight <= 0)
        return {};
    const int fw = Step(faceWidth, sw);
    const int fh = Step(faceHeight, sh);
    Box b{start.x(), start.y(), start.width(), start.height()};
    // Each loop also stops once nothing of the window is left on the screen:
    // with faces of some shapes one edge leaves long before the loop's own.
    const auto keepGoing = [&](bool loop) { return loop && b.OnScreen(sw, sh); };
    switch (style) {
    case 2:
        return Run(b, [&] { return keepGoing(b.l < sw); }, [&] { b.l += fw; });
    case 4:
        return Run(b, [&] { return keepGoing(b.h > 0); }, [&] { b.h -= fh; });
    case 5:
        return Run(b, [&] { return keepGoing(b.h > 0); }, [&] {
            b.l += fw;
            b.h -= fh;
        });
    case 6:
        return Run(b, [&] { return keepGoing(b.w > 0); }, [&] {
            b.w -= fw;
            b.t += fh;
        });
    case 7:
        return Run(b, [&] { return keepGoing(b.l < sw); }, [&] {
            b.l += fw;
            b.t += fh;
        });
    case 8:
        return Run(b, [&] { return keepGoing(b.w > 0); }, [&] {
            b.w -= fw;
            b.h -= fh;
        });
    default:  // 1 and 3: sinks out at the bottom
        return Run(b, [&] { return keepGoing(b.t < sh); }, [&] { b.t += fh; });
    }
}

}  // namespace FaceAnimation
