// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/History.h"
#include "app/HistorySender.h"
#include "app/ServerAddress.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

// A computer room's history on a server, as this run of the game uses it.
namespace SharedHistory {

// The server of this run, set at start-up; readers of the history read it
// instead of the local file when there is one.
const std::optional<ServerAddress::Address>& Server();
void SetServer(std::optional<ServerAddress::Address> address);

// At start-up: reads the setting, logs its warnings, and when a server is
// set makes it this run's server and starts a sender for historyFile.
// Nothing when no server is set; problem then holds a Spanish sentence when
// the setting could not be used.
std::unique_ptr<HistorySender> StartFromSetting(const QString& historyFile, QString* problem);

// The readings of History from this run's server, nothing when none is set.
// A server that cannot be reached gives !ok with a Spanish sentence.
std::optional<History::Read> ReadSums(const QString& player, const QDateTime& since);
std::optional<QStringList> Players(QString* problem);
// Deletes a player's sums on the server; nothing when none is set.
std::optional<bool> DeletePlayer(const QString& player, QString* problem);

}  // namespace SharedHistory
