// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// A computer room against a real PostgreSQL started here (initdb in a
// temporary folder, loopback only): 30 computers play 200 sums each at once,
// each with its own local history and sender. A little after the start the
// server is stopped for a while and started again. Prints how long sending
// took, whether every sum arrived exactly once, and how long a key and the
// end of a sum took in the game while the server was there and while it was
// away.
//
//   bench_classroom [seconds the server is away]   (default 60)

#include "app/HistorySender.h"
#include "app/PracticeHistory.h"
#include "app/ServerHistory.h"
#include "tests/support/ScratchPostgres.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <memory>
#include <mutex>
#include <vector>

namespace {

constexpr int Computers = 30;
constexpr int SumsEach = 200;
constexpr int KeysEach = 5;

std::atomic<bool> serverAway{false};
std::mutex timesLock;
std::vector<double> keyUp, keyAway, endUp, endAway;  // microseconds

void Play(int computer, const QString& file, HistorySender& sender)
{
    PracticeHistory local(file);
    SendingRecorder recorder(local, sender);
    std::vector<double> kUp, kAway, eUp, eAway;
    const QString player = QStringLiteral("Niña %1").arg(computer % 25 + 1);  // some at two computers
    for (int n = 0; n < SumsEach; ++n) {
        QDateTime at = QDateTime::currentDateTime();
        recorder.SumDealt(player, Kind::Sumas3, QStringLiteral("%1+%2").arg(100 + n).arg(10 + computer), at);
        for (int k = 0; k < KeysEach; ++k) {
            const bool away = serverAway.load();
            QElapsedTimer t;
            t.start();
            recorder.KeyChecked(Practice::Box::Result, k % 2, 5, k == 0 ? 4 : 5, at.addMSecs(300 * k));
            (away ? kAway : kUp).push_back(double(t.nsecsElapsed()) / 1000.0);
        }
        const bool away = serverAway.load();
        QElapsedTimer t;
        t.start();
        recorder.SumEnded(true, at.addMSecs(2000));
        (away ? eAway : eUp).push_back(double(t.nsecsElapsed()) / 1000.0);
        QThread::msleep(15);  // a child types much slower than this
    }
    std::lock_guard lock(timesLock);
    keyUp.insert(keyUp.end(), kUp.begin(), kUp.end());
    keyAway.insert(keyAway.end(), kAway.begin(), kAway.end());
    endUp.insert(endUp.end(), eUp.begin(), eUp.end());
    endAway.insert(endAway.end(), eAway.begin(), eAway.end());
}

void Print(const char* what, std::vector<double> us)
{
    if (us.empty()) {
        std::printf("%-40s none\n", what);
        return;
    }
    std::sort(us.begin(), us.end());
    std::printf("%-40s n %6zu  median %8.1f us  p99 %8.1f us  max %8.1f us\n", what, us.size(), us[us.size() / 2],
                us[us.size() * 99 / 100], us.back());
}

qint64 Count(QSqlDatabase db, const char* sql)
{
    QSqlQuery q(db);
    return q.exec(QString::fromLatin1(sql)) && q.next() ? q.value(0).toLongLong() : -1;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int awaySeconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 60;
    ScratchPostgres server;
    QString problem;
    if (!server.Start(&problem, true)) {
        std::printf("bench_classroom: no PostgreSQL (%s); nothing measured\n", qUtf8Printable(problem));
        return 0;
    }
    QTemporaryDir dir;
    std::vector<std::unique_ptr<HistorySender>> senders;
    for (int c = 0; c < Computers; ++c) {
        HistorySender::Options o;
        o.historyFile = dir.filePath(QStringLiteral("pc%1.sqlite").arg(c));
        o.address = server.Address();
        o.computer = QStringLiteral("pc%1").arg(c);
        o.firstDelayMs = 500;
        o.longestDelayMs = 8000;
        senders.push_back(std::make_unique<HistorySender>(o));
        senders.back()->Start();
    }

    QElapsedTimer clock;
    clock.start();
    std::vector<QThread*> players;
    for (int c = 0; c < Computers; ++c) {
        players.push_back(QThread::create(Play, c, dir.filePath(QStringLiteral("pc%1.sqlite").arg(c)),
                                          std::ref(*senders[size_t(c)])));
        players.back()->start();
    }
    QThread::msleep(1500);
    serverAway.store(true);
    server.Stop();
    std::printf("server stopped at %.1f s for %d s\n", clock.elapsed() / 1000.0, awaySeconds);
    for (QThread* t : players) {
        t->wait();
        delete t;
    }
    std::printf("all %d computers done playing at %.1f s\n", Computers, clock.elapsed() / 1000.0);
    int64_t sentBeforeRestart = 0;
    for (const auto& s : senders)
        sentBeforeRestart += s->Sent();
    QThread::msleep(uint64_t(std::max<qint64>(0, awaySeconds * 1000 - clock.elapsed() + 1500)));
    if (!server.Resume(&problem)) {
        std::printf("the server did not start again: %s\n", qUtf8Printable(problem));
        return 1;
    }
    serverAway.store(false);
    const double restartedAt = clock.elapsed() / 1000.0;
    std::printf("server started again at %.1f s; %lld of %d sums were on it\n", restartedAt,
                static_cast<long long>(sentBeforeRestart), Computers * SumsEach);
    for (;;) {
        int64_t sent = 0;
        for (const auto& s : senders)
            sent += s->Sent();
        if (sent >= Computers * SumsEach || clock.elapsed() > (awaySeconds + 180) * 1000)
            break;
        QThread::msleep(20);
    }
    const double drainedAt = clock.elapsed() / 1000.0;
    int64_t failures = 0;
    for (const auto& s : senders)
        failures += s->Failures();
    senders.clear();

    {
        QSqlDatabase db;
        if (!ServerHistory::Connect(QStringLiteral("check"), server.Address(), &problem)) {
            std::printf("cannot check: %s\n", qUtf8Printable(problem));
            return 1;
        }
        db = QSqlDatabase::database(QStringLiteral("check"));
        const qint64 rows = Count(db, "SELECT count(*) FROM sums");
        const qint64 unique = Count(db, "SELECT count(DISTINCT (computer, started_at, rows)) FROM sums");
        const qint64 keys = Count(db, "SELECT count(*) FROM keys");
        const qint64 players = Count(db, "SELECT count(*) FROM players");
        std::printf("after the restart, all sent in %.1f s (%d computers, %lld failed tries in all)\n",
                    drainedAt - restartedAt, Computers, static_cast<long long>(failures));
        std::printf("on the server: %lld sums (%lld distinct, %d expected), %lld keys (%d expected), %lld players\n",
                    static_cast<long long>(rows), static_cast<long long>(unique), Computers * SumsEach,
                    static_cast<long long>(keys), Computers * SumsEach * KeysEach, static_cast<long long>(players));
        std::printf("every row exactly once: %s\n",
                    rows == Computers * SumsEach && unique == rows && keys == rows * KeysEach ? "yes" : "NO");
    }
    ServerHistory::Disconnect(QStringLiteral("check"));
    Print("key checked, server there", keyUp);
    Print("key checked, server away", keyAway);
    Print("sum ended (local commit), server there", endUp);
    Print("sum ended (local commit), server away", endAway);
    return 0;
}
