// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

class QWidget;

// A new geometry asked for a window takes effect a moment later, once the
// window manager has had its say. A frame painted before that is drawn at
// the old geometry, and the part of the window that then appears stays
// unpainted until the next update, a whole animation step later. This waits
// (briefly: a window manager may refuse the geometry, or answer with another)
// until the window system has reported it, handling no user input meanwhile.
void AwaitGeometry(QWidget* window);
