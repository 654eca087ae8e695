// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QString>
#include <QStringList>

class QTextStream;

// `cifrolo --diagnostico [FILE]`: the diagnosis of every player of the
// practice history, one line each, sorted by name:
//   name <TAB> error ids, most certain first (or ninguno / descuido) <TAB> weak facts ("7+8 6+9", or -)
// Needs no display. Without FILE it reads the game's own history, or the
// computer room's server when one is set. Returns the exit code: 0, or 1
// with a Spanish message on err when the history is missing or unreadable.
int RunDiagnosisCommand(const QStringList& args, const QString& programDir, QTextStream& out,
                        QTextStream& err);

// The history file of the game installed or built in programDir, found
// without entering or seeding the game folder.
QString DefaultHistoryFile(const QString& programDir);
