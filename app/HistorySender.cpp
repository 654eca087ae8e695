// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/HistorySender.h"

#include "app/HistoryDatabase.h"
#include "app/PracticeHistory.h"
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
        : owner_(owner), options_(std::move(options)), serverName_(UniqueName("envio-servidor")), delayMs_(options_.firstDelayMs), retry_(this)
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
        local_.reset();
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
            QSqlDatabase local = local_->Database();
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
        if (local_)
            return true;
        if (!QFileInfo::exists(options_.historyFile))
            return false;
        auto handle = std::make_unique<HistoryDb::Handle>(options_.historyFile, false);
        bool corrupt = false;
        // A file of an earlier version, not yet opened by the recorder in
        // this run, is upgraded here. A damaged one is the recorder's to set
        // aside.
        if (!handle->Open(problem) || !HistorySchema::Prepare(handle->Name(), problem, &corrupt))
            return false;
        local_ = std::move(handle);
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
    std::unique_ptr<HistoryDb::Handle> local_;
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
