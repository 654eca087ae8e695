// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

// Without a screen to show it on (no display, or one that cannot be reached)
// the toolkit aborts with a message in English about reinstalling. Between
// these two calls, around the creation of the application, the program says
// in Spanish that it needs a graphical screen and ends with exit code 1.
void GuardStartup();
void EndStartup();

// The text said on the error output.
extern const char* const kNoScreenText;
