// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// Results file benchmark: reading, writing (atomically) and appending a file
// of 50 players, in a temporary folder. Prints the median and the slowest
// time per operation over many rounds.
//
//   bench_results [rounds]        (default 2000)

#include "files/ResultsFile.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

void Measure(const char* what, int rounds, const std::function<bool()>& op)
{
    std::vector<double> us;
    us.reserve(size_t(rounds));
    for (int i = 0; i < rounds; ++i) {
        QElapsedTimer t;
        t.start();
        if (!op()) {
            std::printf("%-34s failed\n", what);
            return;
        }
        us.push_back(double(t.nsecsElapsed()) / 1000.0);
    }
    std::sort(us.begin(), us.end());
    std::printf("%-34s median %8.1f us   p99 %8.1f us   max %8.1f us\n", what, us[us.size() / 2],
                us[us.size() * 99 / 100], us.back());
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(10, std::atoi(argv[1])) : 2000;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("cincuenta.rsr"));
    const QString appended = dir.filePath(QStringLiteral("anadido.rsr"));
    const QDate today = QDate::currentDate();

    std::vector<PlayerRecord> players(50);
    for (int i = 0; i < 50; ++i) {
        players[size_t(i)].SetName(QStringLiteral("Jugadora Nº %1 Peña").arg(i + 1));
        players[size_t(i)].year = 2026;
        players[size_t(i)].day = uint8_t(i % 28 + 1);
        players[size_t(i)].month = uint8_t(i % 12 + 1);
        for (int s = 0; s < 5; ++s)
            players[size_t(i)].hits[s] = i * s;
    }

    std::printf("results file of 50 players (%d bytes), %d rounds\n", 72 * 51, rounds);
    Measure("write whole (temporary + rename)", rounds, [&] {
        return ResultsFile::WriteWhole(path, today, players.data(), 50) == ResultsFile::Save::Ok;
    });
    Measure("read 50 players", rounds, [&] { return ResultsFile::Read(path).records.size() == 50; });
    Measure("encode 50 records in memory", rounds,
            [&] { return ResultsFile::FileBytes(today, players.data(), 50).size() == 72 * 51; });
    Measure("write 25, then append 25", rounds, [&] {
        if (ResultsFile::WriteWhole(appended, today, players.data(), 25) != ResultsFile::Save::Ok)
            return false;
        return ResultsFile::Append(appended, today, players.data() + 25, 25) == ResultsFile::Save::Ok;
    });
    return 0;
}
