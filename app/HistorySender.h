// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/PracticeRecorder.h"
#include "app/ServerAddress.h"

#include <QObject>
#include <QString>
#include <QThread>
#include <atomic>
#include <memory>

// Moves the sums of the local history to the shared server, oldest first, in
// a thread of its own with its own connections: a server that is down, slow
// or refuses the password never holds a child's key. Every sum is written to
// the local file first; the sender reads those not yet sent, stores them on
// the server and then marks them sent. A sum sent twice (the answer to the
// commit lost) is skipped by the server, so nothing arrives twice. After a
// failure it tries again after a delay that doubles up to a limit.
class HistorySender : public QObject {
    Q_OBJECT
public:
    struct Options {
        QString historyFile;
        ServerAddress::Address address;
        QString computer;  // empty: this computer's host name
        int firstDelayMs = 1000;
        int longestDelayMs = 60000;
        int batch = 50;
    };

    explicit HistorySender(Options options);
    ~HistorySender() override;  // waits for the batch under way

    // Starts the thread, which sends what is waiting, from this run or an
    // earlier one.
    void Start();
    // A sum has been written to the local file: send it. Returns at once.
    void Wake();

    // How many sums this sender has stored on the server, and tried to.
    int64_t Sent() const { return sent_.load(); }
    int64_t Failures() const { return failures_.load(); }
    bool Reachable() const { return reachable_.load(); }
    // True once a pass found nothing left to send (reset by Wake).
    bool Idle() const { return idle_.load(); }

signals:
    // Once when the server cannot be reached (or refuses), once when it is
    // back. problem never holds the password.
    void ServerLost(const QString& problem);
    void ServerBack();

private:
    class Worker;
    friend class Worker;
    QThread thread_;
    Worker* worker_ = nullptr;
    std::atomic<int64_t> sent_{0};
    std::atomic<int64_t> failures_{0};
    std::atomic<bool> reachable_{true};
    std::atomic<bool> idle_{false};
    std::atomic<bool> stopping_{false};
};

// A recorder that hands every report to another one and wakes the sender
// once a sum has been written.
class SendingRecorder final : public PracticeRecorder {
public:
    SendingRecorder(PracticeRecorder& local, HistorySender& sender) : local_(local), sender_(sender) {}
    void SumDealt(const QString& player, ExerciseKind kind, const QString& rows, const QDateTime& at) override;
    void KeyChecked(Practice::Box box, int32_t col, int32_t expected, int32_t typed, const QDateTime& at) override;
    void SumEnded(bool finished, const QDateTime& at) override;

private:
    PracticeRecorder& local_;
    HistorySender& sender_;
};
