// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QList>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>

// The rules of the bonus window of faces: which face comes next, which
// animation style, and the window geometries of each opening and closing
// animation. Pure: the window only applies the geometries one by one.
namespace FaceAnimation {

constexpr int kFirstStyle = 1;
constexpr int kLastStyle = 8;
// An edge crosses the screen in at most this many steps: a small face takes
// bigger steps than its size, so that no face makes the game wait long.
constexpr int kEdgeSteps = 20;
// No sequence is ever longer than this, whatever the sizes it is given.
constexpr int kMaxSteps = kEdgeSteps + 1;

// The step along one axis: the face's size there, or more for a face small
// against the screen.
int Step(int face, int screen);
// The face as drawn: its own size, or smaller (same shape) when twice its
// size and the frame would not fit on the screen.
QSize DrawnFace(QSize face, QSize screen);
// The area the tiles cover: the screen plus one step each way, so that a
// window that overshoots an edge by less than a step still shows tiles.
QSize TiledArea(QSize screen, QSize face);

// "caras/cara<n>.bmp", relative to the working directory.
QString FaceFileName(int number);
// The face number to show: the given one when its file exists, otherwise 1.
int FaceToShow(int number, const std::function<bool(const QString&)>& exists);
// 1, 2, ..., 8, 1, ...
int NextStyle(int style);

struct Opening {
    QRect setUp;         // geometry at which the window is shown
    QList<QRect> steps;  // then each of these, one per pause
};

// The opening of a style on a screen of sw x sh with faces of fw x fh. The
// window starts at (0, 0) with no size; the last geometry covers the screen
// and none is larger than the tiled area. Without a face size (fw or fh not
// positive) it simply covers the screen.
Opening OpeningAnimation(int style, int sw, int sh, int fw, int fh);

// The closing of a style from the window geometry start; the last geometry is
// off the screen or has no area. Without a face size there is no step to
// take, so the closing is empty.
QList<QRect> ClosingAnimation(int style, const QRect& start, int sw, int sh, int fw, int fh);

}  // namespace FaceAnimation
