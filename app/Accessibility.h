// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

class QWidget;

// Publishes the object name of the window and of every named control in it
// as its accessible description, so assistive tools and end-to-end drivers
// can find controls by name. Call once the window's controls exist.
void PublishControlNames(QWidget* window);

class QString;
// A control's hint: shown as a tool tip and copied into the main window's
// information labels while the mouse is on it.
void SetHint(QWidget* control, const QString& hint);
