// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// Practice history benchmark, in a temporary folder:
//  - recording one key and committing one sum through the game's recorder;
//  - a generated year of a classroom (30 children, 200 sums a day each,
//    five keys a sum on average): the size of the file and the time to read
//    all the sums and keys of one child through the history's reader.
//
//   bench_history [days [folder]]   (default 180 days, in a temporary folder;
//                                    a year already in the folder is reused)

#include "app/History.h"
#include "app/HistoryDatabase.h"
#include "app/PracticeHistory.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <algorithm>
#include <cstdio>
#include <random>
#include <time.h>
#include <vector>

namespace {

constexpr int kChildren = 30;
constexpr int kSumsADay = 200;

QString Child(int i) { return QStringLiteral("Niña nº %1").arg(i + 1); }

// The processor time of this thread: on a shared, loaded machine the wall
// clock measures the other users as much as this program.
double CpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

// The recorder as the game drives it: keys, then the sum's commit.
void RecordingCosts(const QString& file)
{
    PracticeHistory history(file);
    std::vector<double> keyMs, sumMs;
    QDateTime at(QDate(2026, 12, 7), QTime(9, 0));
    for (int s = 0; s < 2000; ++s) {
        history.SumDealt(Child(s % kChildren), 4, QStringLiteral("47+38"), at);
        for (int k = 0; k < 5; ++k) {
            at = at.addMSecs(1500);
            QElapsedTimer t;
            t.start();
            history.KeyChecked(k == 2 ? Practice::Box::Carry : Practice::Box::Result, k / 2, 5, k, at);
            keyMs.push_back(double(t.nsecsElapsed()) / 1e6);
        }
        QElapsedTimer t;
        t.start();
        history.SumEnded(true, at);
        sumMs.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::printf("recording one key          median %8.4f ms\n", Median(keyMs));
    std::printf("one sum's commit (5 keys)  median %8.4f ms   max %8.3f ms\n", Median(sumMs),
                *std::max_element(sumMs.begin(), sumMs.end()));
    if (!history.Working())
        std::printf("  (the history failed)\n");
}

// A year of a classroom, written straight into the game's schema, a day per
// transaction; the children's sums interleave as in a classroom.
bool GenerateYear(const QString& file, int days, qlonglong* sums, qlonglong* keys)
{
    HistoryDb::Handle handle(file, false);
    QString error;
    bool corrupt = false;
    if (!handle.Open(&error) || !HistorySchema::Prepare(handle.Name(), &error, &corrupt)) {
        std::printf("cannot make %s: %s\n", qPrintable(file), qPrintable(error));
        return false;
    }
    std::mt19937 random(20261207);
    QSqlQuery q(handle.Database()), addSum(handle.Database()), addKey(handle.Database());
    for (int c = 0; c < kChildren; ++c) {
        q.prepare(QStringLiteral("INSERT INTO players(id, name) VALUES(?, ?)"));
        q.bindValue(0, c + 1);
        q.bindValue(1, Child(c));
        q.exec();
    }
    addSum.prepare(QStringLiteral("INSERT INTO sums(id, player_id, started_at, kind, rows, finished) VALUES(?, ?, ?, ?, ?, ?)"));
    std::vector<qint64> nextId(kChildren);
    for (int c = 0; c < kChildren; ++c)
        nextId[size_t(c)] = HistorySchema::FirstSumId(c + 1);
    addKey.prepare(QStringLiteral("INSERT INTO keys(sum_id, seq, col, box, expected, typed, ms) VALUES(?, ?, ?, ?, ?, ?, ?)"));
    const QString boxes[] = {QStringLiteral("result"), QStringLiteral("carry"), QStringLiteral("answer")};
    const QDateTime first(QDate(2025, 9, 8), QTime(9, 0));
    for (int d = 0; d < days; ++d) {
        q.exec(QStringLiteral("BEGIN"));
        for (int s = 0; s < kSumsADay; ++s)
            for (int c = 0; c < kChildren; ++c) {
                const int a = int(random() % 90 + 10), b = int(random() % 90 + 10);
                const qint64 id = nextId[size_t(c)]++;
                addSum.bindValue(0, id);
                addSum.bindValue(1, c + 1);
                addSum.bindValue(2, first.addDays(d).addSecs(s * 12 + c).toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")));
                addSum.bindValue(3, 4);
                addSum.bindValue(4, QStringLiteral("%1+%2").arg(a).arg(b));
                addSum.bindValue(5, random() % 20 ? 1 : 0);
                if (!addSum.exec()) {
                    std::printf("%s\n", qPrintable(addSum.lastError().text()));
                    return false;
                }
                ++*sums;
                const int n = 3 + int(random() % 5);  // 3 to 7, five on average
                for (int k = 1; k <= n; ++k) {
                    const int expected = int(random() % 10);
                    addKey.bindValue(0, id);
                    addKey.bindValue(1, k);
                    addKey.bindValue(2, (k - 1) / 2);
                    addKey.bindValue(3, boxes[k % 2]);
                    addKey.bindValue(4, expected);
                    addKey.bindValue(5, random() % 6 ? expected : int(random() % 10));
                    addKey.bindValue(6, int(400 + random() % 6000));
                    addKey.exec();
                    ++*keys;
                }
            }
        q.exec(QStringLiteral("COMMIT"));
    }
    q.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int days = argc > 1 ? std::max(1, std::atoi(argv[1])) : 180;
    QTemporaryDir temporary;
    const QDir dir(argc > 2 ? QString::fromLocal8Bit(argv[2]) : temporary.path());

    RecordingCosts(dir.filePath(QStringLiteral("grabar.sqlite")));

    const QString year = dir.filePath(QStringLiteral("historial.sqlite"));
    qlonglong sums = 0, keys = 0;
    QElapsedTimer t;
    t.start();
    // A year kept in a folder from an earlier run is measured again as it is.
    if (QFileInfo::exists(year)) {
        std::printf("reusing %s\n", qPrintable(year));
    } else {
        if (!GenerateYear(year, days, &sums, &keys))
            return 1;
        std::printf("generated %d days: %lld sums, %lld keys in %.1f s\n", days, sums, keys,
                    double(t.elapsed()) / 1000.0);
    }
    std::printf("size on disk               %8.1f MB\n", double(QFileInfo(year).size()) / 1e6);

    std::vector<double> readMs, readCpuMs;
    size_t childKeys = 0;
    for (int r = 0; r < 5; ++r) {
        t.restart();
        const double cpu = CpuMs();
        const History::Read read = History::ReadSums(year, Child(r * 7 % kChildren));
        readCpuMs.push_back(CpuMs() - cpu);
        readMs.push_back(double(t.nsecsElapsed()) / 1e6);
        childKeys = 0;
        for (const Practice::Sum& s : read.sums)
            childKeys += s.keys.size();
        if (!read.ok)
            std::printf("read failed: %s\n", qPrintable(read.problem));
    }
    std::printf("all keys of one child      median %8.1f ms   (processor %.1f ms; %zu keys, ReadSums, 5 children)\n",
                Median(readMs), Median(readCpuMs), childKeys);
    return 0;
}
