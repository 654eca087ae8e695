// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/HistorySender.h"

#include "app/ServerHistory.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QTimer>
#include <QUuid>
#include <QtDebug>
#include <algorithm>

namespace {
QString UniqueName(const char* what)
{
    return QStringLiteral("cifrolo-%1-%2").arg(QLatin1String(what), QUuid::createUuid().toString(QUuid::Id128));
}
}  // namespace

class HistorySender::Worker : public QObject {
public:
    Worker(HistorySender& owner, Options options)
        : owner_(owner), options_(std::move(options)), localName_(UniqueName("envio-local")),
          serverName_(UniqueName("envio-servidor")), delayMs_(options_.firstDelayMs), retry_(this)
    {
        retry_.setSingleShot(true);
        connect(&retry_, &QTimer::timeout, this, &Worker::Pass);
    }

    // In the worker's thread.
    void Wake()
    {
        if (!retry_.isActive())
            Pass();
    }

    void Close()
    {
        retry_.stop();
        if (QSqlDatabase::contains(localName_)) {
            QSqlDatabase::database(localName_, false).close();
            QSqlDatabase::removeDatabase(localName_);
        }
        if (QSqlDatabase::contains(serverName_))
            ServerHistory::Disconnect(serverName_);
    }

    // Sends batch after batch until nothing is left or something fails.
    void Pass()
    {
        while (!owner_.stopping_.load()) {
            QString problem;
            if (!OpenLocal(&problem)) {
                // No history yet (no sum written): the next sum wakes us.
                if (!problem.isEmpty())
                    qWarning("Historial compartido: %s", qUtf8Printable(problem));
                return;
            }
            QSqlDatabase local = QSqlDatabase::database(localName_, false);
            const auto batch = LocalOutbox::Unsent(local, options_.batch, &problem);
            if (batch.empty()) {
                if (!problem.isEmpty())
                    return LocalTrouble(problem);
                owner_.idle_.store(true);
                return;
            }
            if (!OpenServer(&problem))
                return ServerTrouble(problem);
            QSqlDatabase server = QSqlDatabase::database(serverName_, false);
            int inserted = 0;
            if (!ServerHistory::Send(server, options_.computer, batch, &inserted, &problem))
                return ServerTrouble(problem);
            Reached();
            // Should this fail, the next pass sends the batch again and the
            // server skips what it has.
            if (!LocalOutbox::MarkSent(local, batch, &problem))
                return LocalTrouble(problem);
            owner_.sent_.fetch_add(int64_t(batch.size()));
        }
    }

private:
    bool OpenLocal(QString* problem)
    {
        if (QSqlDatabase::contains(localName_))
            return true;
        if (!QFileInfo::exists(options_.historyFile))
            return false;
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), localName_);
        db.setDatabaseName(options_.historyFile);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
        QSqlQuery q(db);
        if (!db.open() || !q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) ||
            !LocalOutbox::Upgrade(db, problem)) {
            if (problem && problem->isEmpty())
                *problem = db.lastError().text();
            q = QSqlQuery();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(localName_);
            return false;
        }
        return true;
    }

    bool OpenServer(QString* problem)
    {
        if (QSqlDatabase::contains(serverName_) && QSqlDatabase::database(serverName_, false).isOpen())
            return true;
        if (!ServerHistory::Connect(serverName_, options_.address, problem))
            return false;
        QSqlDatabase db = QSqlDatabase::database(serverName_, false);
        return ServerHistory::Prepare(db, problem);
    }

    void Reached()
    {
        delayMs_ = options_.firstDelayMs;
        if (!owner_.reachable_.exchange(true)) {
            qInfo("Historial compartido: el servidor vuelve a responder.");
            emit owner_.ServerBack();
        }
    }

    void ServerTrouble(const QString& problem)
    {
        owner_.failures_.fetch_add(1);
        // Opened again on the next try; removed only when the sender ends.
        QSqlDatabase::database(serverName_, false).close();
        if (owner_.reachable_.exchange(false)) {
            qWarning("Historial compartido: %s", qUtf8Printable(problem));
            emit owner_.ServerLost(problem);
        }
        RetryLater();
    }

    void LocalTrouble(const QString& problem)
    {
        qWarning("Historial compartido, archivo local: %s", qUtf8Printable(problem));
        RetryLater();
    }

    void RetryLater()
    {
        if (owner_.stopping_.load())
            return;
        retry_.start(delayMs_);
        delayMs_ = std::min(delayMs_ * 2, options_.longestDelayMs);
    }

    HistorySender& owner_;
    Options options_;
    QString localName_;
    QString serverName_;
    int delayMs_;
    QTimer retry_;
};

HistorySender::HistorySender(Options options)
{
    if (options.computer.isEmpty())
        options.computer = QSysInfo::machineHostName();
    worker_ = new Worker(*this, std::move(options));
    worker_->moveToThread(&thread_);
    connect(&thread_, &QThread::finished, worker_, &QObject::deleteLater);
    thread_.setObjectName(QStringLiteral("envio del historial"));
}

HistorySender::~HistorySender()
{
    stopping_.store(true);
    if (thread_.isRunning()) {
        QMetaObject::invokeMethod(worker_, [w = worker_] { w->Close(); }, Qt::BlockingQueuedConnection);
        thread_.quit();
        thread_.wait();
    } else {
        delete worker_;
    }
}

void HistorySender::Start()
{
    thread_.start();
    Wake();
}

void HistorySender::Wake()
{
    idle_.store(false);
    QMetaObject::invokeMethod(worker_, [w = worker_] { w->Wake(); }, Qt::QueuedConnection);
}

void SendingRecorder::SumDealt(const QString& player, ExerciseKind kind, const QString& rows, const QDateTime& at)
{
    local_.SumDealt(player, kind, rows, at);
}

void SendingRecorder::KeyChecked(Practice::Box box, int32_t col, int32_t expected, int32_t typed,
                                 const QDateTime& at)
{
    local_.KeyChecked(box, col, expected, typed, at);
}

void SendingRecorder::SumEnded(bool finished, const QDateTime& at)
{
    local_.SumEnded(finished, at);
    sender_.Wake();
}

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

}  // namespace SharedHistory
