// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QString>

// The game opens its pictures, tune, help and points file by names relative
// to its working folder, and keeps results in "resultad" beside that folder.
// Installed, those files lie read-only under the prefix, so each user plays in
// a folder of their own, $XDG_DATA_HOME/cifrolo/juego, seeded with copies of
// the installed files. Copies, not links: a parent can replace a picture with
// any tool, and the game and its results outlive the package.
//
// A list of what was copied (".instalados", in sha256sum's format) tells an
// untouched copy, which an upgrade refreshes, from the user's own file, which
// it never overwrites; a copy the user deleted stays deleted.

inline constexpr const char* SeedListName = ".instalados";
// Beside it, the sizes and times of the files last hashed, so that a start
// reads again only the files that changed since.
inline constexpr const char* HashMemoryName = ".instalados.fechas";

// The installed game files for a program in programDir (<prefix>/bin), or an
// empty text when the program runs from its build folder.
QString InstalledGameFiles(const QString& programDir);

// $XDG_DATA_HOME, or ~/.local/share when it is unset or not absolute.
QString UserDataHome();

// Copies into userGameDir what is new or untouched since the last copy, and
// makes "resultad" beside it. False with a Spanish text when a folder cannot
// be made or a file cannot be written.
bool SeedGameFolder(const QString& installedDir, const QString& userGameDir, QString* problem);

// At start-up: when installed, seeds the user's folder and makes it current.
// When that folder cannot be made, the installed folder becomes current, so
// the game still shows its pictures; problem then says why nothing can be
// saved. Returns false only in that case.
bool EnterGameFolder(const QString& programDir, QString* problem);

// The folder the game plays in, absolute: the one EnterGameFolder entered, or,
// before that (tests), the working folder of the moment.
QString GameFolderPath();
// Fixes the game folder; an empty text goes back to the working folder.
void SetGameFolderPath(const QString& folder);
// Absolute paths beside the game folder: the results files' folder and the
// practice history. Every writer uses these, never a path relative to the
// working folder.
QString ResultsFolder();
QString HistoryFile();
// The folder a program in programDir plays in (its own folder when it runs
// from the build, the user's copy when installed), found without seeding it,
// and the history file beside a game folder.
QString GameFolderFor(const QString& programDir);
QString HistoryFileBeside(const QString& gameFolder);
