// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/SharedHistory.h"

#include "app/ServerHistory.h"

#include <QSqlDatabase>
#include <QUuid>
#include <QtDebug>

namespace {
QString UniqueName(const char* what)
{
    return QStringLiteral("cifrolo-%1-%2").arg(QLatin1String(what), QUuid::createUuid().toString(QUuid::Id128));
}
}  // namespace

namespace SharedHistory {
namespace {
std::optional<ServerAddress::Address>& TheServer()
{
    static std::optional<ServerAddress::Address> server;
    return server;
}
}  // namespace

const std::optional<ServerAddress::Address>& Server() { return TheServer(); }
void SetServer(std::optional<ServerAddress::Address> address) { TheServer() = std::move(address); }

std::unique_ptr<HistorySender> StartFromSetting(const QString& historyFile, QString* problem)
{
    const ServerAddress::Setting setting = ServerAddress::FindForThisUser();
    for (const QString& warning : setting.warnings)
        qWarning("%s", qUtf8Printable(warning));
    if (setting.uri.isEmpty())
        return nullptr;
    QString why;
    const auto address = ServerAddress::Parse(setting.uri, &why);
    if (!address) {
        why = QStringLiteral("%1 (en %2). El historial se guarda solo en este ordenador.").arg(why, setting.source);
        qWarning("%s", qUtf8Printable(why));
        if (problem)
            *problem = why;
        return nullptr;
    }
    qInfo("Historial compartido en %s (de %s)", qUtf8Printable(ServerAddress::Shown(*address)),
          qUtf8Printable(setting.source));
    SetServer(address);
    HistorySender::Options options;
    options.historyFile = historyFile;
    options.address = *address;
    auto sender = std::make_unique<HistorySender>(options);
    sender->Start();
    return sender;
}

namespace {
// One connection per reading, so that any thread may read and a server that
// came back is found again.
template <typename Reading>
auto WithServer(Reading reading, QString* problem) -> std::optional<decltype(reading(std::declval<QSqlDatabase&>()))>
{
    const QString name = UniqueName("lectura");
    std::optional<decltype(reading(std::declval<QSqlDatabase&>()))> result;
    if (ServerHistory::Connect(name, *Server(), problem)) {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (ServerHistory::Prepare(db, problem))
            result = reading(db);
    }
    ServerHistory::Disconnect(name);
    return result;
}
}  // namespace

std::optional<History::Read> ReadSums(const QString& player, const QDateTime& since)
{
    if (!Server())
        return std::nullopt;
    QString problem;
    auto read = WithServer([&](QSqlDatabase& db) { return ServerHistory::ReadSums(db, player, since); }, &problem);
    if (read)
        return read;
    History::Read failed;
    failed.problem = QStringLiteral("No se puede leer el historial del servidor. ") + problem;
    return failed;
}

std::optional<QStringList> Players(QString* problem)
{
    if (!Server())
        return std::nullopt;
    QString why;
    auto names = WithServer([&](QSqlDatabase& db) { return ServerHistory::Players(db, &why); }, &why);
    if (problem && !why.isEmpty())
        *problem = QStringLiteral("No se puede leer el historial del servidor. ") + why;
    return names ? *names : QStringList();
}

std::optional<bool> DeletePlayer(const QString& player, QString* problem)
{
    if (!Server())
        return std::nullopt;
    QString why;
    const auto done = WithServer([&](QSqlDatabase& db) { return ServerHistory::DeletePlayer(db, player, &why); }, &why);
    if (done && *done)
        return true;
    if (problem)
        *problem = QStringLiteral("No se ha podido borrar el historial de %1 en el servidor. ").arg(player) + why;
    return false;
}

}  // namespace SharedHistory
