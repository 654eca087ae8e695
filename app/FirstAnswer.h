// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

class QDialog;

// Once a dialog has answered (a button, Escape or the window manager's close
// ended it), its buttons do nothing until it is shown again: a click still on
// its way, such as the one a mnemonic key animates a tenth of a second after
// the key, must not run a second answer after the first one.
void KeepFirstAnswer(QDialog* dialog);
