// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QString>

class QWidget;

// "Borrar el historial de un jugador...": the names in the history to choose
// from (window Dialog_borrarhistorial), a question, then the deletion.
void DeletePlayerHistory(QWidget* parent, const QString& file);
