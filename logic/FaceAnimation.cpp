// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/FaceAnimation.h"

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

Opening OpeningAnimation(int style, int sw, int sh, int fw, int fh)
{
    Opening o;
    if (fw <= 0 || fh <= 0) {
        o.setUp = QRect(0, 0, sw, sh);
        return o;
    }
    Box b;  // (0, 0) with no size: where the face display put the window
    // The loops stop on the edge they bring in. For faces much wider than
    // tall (relative to the screen) that edge arrives first, so styles 5 to 8
    // also go on until the other edge is in.
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
            b.w += fw;
            b.l -= fw;
            b.h += fh;
        });
        break;
    case 6:
        b = {0, sh, 0, sh + fh};
        o.setUp = b.Rect();
        o.steps = Run(b, [&] { return b.w < sw || b.t > 0; }, [&] {
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
            b.w += fw;
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

QList<QRect> ClosingAnimation(int style, const QRect& start, int sw, int sh, int fw, int fh)
{
    // With no face ever loaded the steps are 0 and the loops would never end.
    if (fw <= 0 || fh <= 0)
        return {};
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
