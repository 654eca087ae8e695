// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// Progress window benchmark, on simulated children: opening the window for
// one child with a long history (the report built, the window laid out and
// painted), and a class saved to PDF one page per child. Prints the times.
//
//   bench_progress [sums] [children] [pdf]  (default 20000 and 30; the class's
//                                           PDF is kept when a name is given)
//   bench_progress --ventana               shows the window with a small class
#include "app/GameState.h"
#include "app/PracticeHistory.h"
#include "app/QtPlatform.h"
#include "forms/TForm_progreso.h"
#include "logic/Mistakes.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <cstdio>
#include <map>
#include <random>

namespace {

// A child who forgets carries now and then, or does not know some facts yet.
struct Child {
    QString name;
    double forgetsCarry = 0;
    std::vector<int32_t> weakFacts;  // a * 10 + b
    double slip = 0.03;
};

class Simulator {
public:
    explicit Simulator(uint32_t seed) : rng_(seed) {}

    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(rng_) < p; }
    int32_t Other(int32_t right, int32_t most = 9)
    {
        const int32_t d = Pick(most);
        return d >= right ? d + 1 : d;
    }

    // One sum of a kind started at `at`, answered by the child.
    Practice::Sum Play(const Child& child, ExerciseKind kind, const QDateTime& at, int64_t id)
    {
        Practice::Sum sum;
        sum.id = id;
        sum.player = child.name;
        sum.kind = kind;
        sum.startedAt = at;
        sum.finished = !Chance(0.05);
        if (kind == Kind::Cmental1) {
            const int a = Pick(10), b = Pick(10);
            sum.rows = QStringLiteral("%1+%2=?").arg(a).arg(b);
            Answer(sum, child, a, b);
        } else if (kind == Kind::Sumas1 || kind == Kind::Sumas2) {
            const int a = Pick(10), b = Pick(10);
            sum.rows = QStringLiteral("%1+%2").arg(a).arg(b);
            Answer(sum, child, a, b);
        } else {
            const int columns = kind == Kind::Sumas3b || kind == Kind::Sumas4b ? 3 : 2;
            std::vector<std::vector<int32_t>> digits(size_t(columns), std::vector<int32_t>(2));
            for (auto& column : digits)
                for (int32_t& d : column)
                    d = Pick(10);
            sum.rows = Practice::ColumnRows(digits);
            Columns(sum, child, digits);
        }
        if (!sum.finished && !sum.keys.empty())
            sum.keys.pop_back();
        return sum;
    }

private:
    void Key(Practice::Sum& sum, Practice::Box box, int32_t col, int32_t expected, int32_t first)
    {
        const int64_t ms = 1200 + Pick(3000);
        sum.keys.push_back({int32_t(sum.keys.size()) + 1, col, box, expected, first, ms});
        if (first != expected)
            sum.keys.push_back({int32_t(sum.keys.size()) + 1, col, box, expected, expected, 900 + Pick(1500)});
    }

    bool Weak(const Child& child, int32_t a, int32_t b)
    {
        for (int32_t f : child.weakFacts)
            if (f == a * 10 + b || f == b * 10 + a)
                return Chance(0.7);
        return false;
    }

    void Answer(Practice::Sum& sum, const Child& child, int32_t a, int32_t b)
    {
        const int32_t right = a + b;
        const bool wrong = Weak(child, a, b) || Chance(child.slip);
        Key(sum, Practice::Box::Answer, 0, right, wrong ? Other(right, 18) : right);
    }

    void Columns(Practice::Sum& sum, const Child& child, const std::vector<std::vector<int32_t>>& digits)
    {
        const auto totals = Mistakes::ColumnTotals(digits);
        const int32_t n = int32_t(digits.size());
        for (int32_t c = 0; c < n; ++c) {
            const Mistakes::ColumnTotal& t = totals[size_t(c)];
            if (t.k > 0)
                Key(sum, Practice::Box::Carry, c, t.k, t.k);
            const int32_t right = t.Total() % 10;
            int32_t first = right;
            if (t.k > 0 && Chance(child.forgetsCarry))
                first = t.s % 10;
            else if (Weak(child, digits[size_t(c)][0], digits[size_t(c)][1]) || Chance(child.slip))
                first = Other(right);
            Key(sum, Practice::Box::Result, c, right, first);
        }
        if (totals.back().Total() >= 10)
            Key(sum, Practice::Box::Result, n, totals.back().Total() / 10, totals.back().Total() / 10);
    }

    std::mt19937 rng_;
};

// The history of one child: `count` sums spread over the days before `now`.
std::vector<Practice::Sum> Simulate(Simulator& sim, const Child& child, int count, const QDateTime& now)
{
    constexpr ExerciseKind kinds[] = {Kind::Sumas1, Kind::Sumas2,  Kind::Sumas3,
                                      Kind::Sumas4, Kind::Sumas4b, Kind::Cmental1};
    std::vector<Practice::Sum> sums;
    sums.reserve(size_t(count));
    const int days = std::max(1, std::min(120, count / 25));
    for (int i = 0; i < count; ++i) {
        const int day = days - 1 - int(int64_t(i) * days / count);
        const QDateTime at = now.addDays(-day).addSecs(-3600 + i % 500);
        sums.push_back(sim.Play(child, kinds[sim.Pick(int(std::size(kinds)))], at, i + 1));
    }
    return sums;
}

using Histories = std::map<QString, std::vector<Practice::Sum>>;

// Writes the sums into a history file through the game's own recorder, key
// by key, as the exercise windows report them.
void Record(const QString& file, const std::vector<Practice::Sum>& sums)
{
    PracticeHistory recorder(file);
    for (const Practice::Sum& s : sums) {
        QDateTime at = s.startedAt;
        recorder.SumDealt(s.player, s.kind, s.rows, at);
        for (const Practice::Key& k : s.keys) {
            at = at.addMSecs(k.ms);
            recorder.KeyChecked(k.box, k.col, k.expected, k.typed, at);
        }
        recorder.SumEnded(s.finished, at.addMSecs(500));
    }
}

TForm_progreso::Source InMemory(const Histories& histories)
{
    TForm_progreso::Source s;
    s.players = [&histories](QString*) {
        QStringList names;
        for (const auto& [name, sums] : histories)
            names << name;
        return names;
    };
    s.read = [&histories](const QString& player, const QDateTime&) {
        History::Read r;
        r.ok = true;
        if (const auto it = histories.find(player); it != histories.end())
            r.sums = it->second;
        return r;
    };
    return s;
}

Child Kid(int i)
{
    Child c;
    c.name = QStringLiteral("Niña o niño %1").arg(i + 1, 2, 10, QChar(u'0'));
    if (i % 3 == 0)
        c.forgetsCarry = 0.4;
    if (i % 3 == 1)
        c.weakFacts = {78, 69};
    return c;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QtPlatform platform;
    SetPlatform(&platform);
    const QDateTime now = QDateTime::currentDateTime();
    Simulator sim(20261208);

    if (argc > 1 && QByteArray(argv[1]) == "--ventana") {
        Histories histories;
        Child lucia{QStringLiteral("Lucía"), 0.45, {}, 0.03};
        Child mateo{QStringLiteral("Mateo"), 0.0, {78, 69}, 0.04};
        histories[lucia.name] = Simulate(sim, lucia, 400, now);
        histories[mateo.name] = Simulate(sim, mateo, 300, now);
        // Through a real history file, as the game keeps it.
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("historial.sqlite"));
        for (const auto& [name, sums] : histories)
            Record(file, sums);
        TForm_progreso window;
        window.source = TForm_progreso::FileSource(file);
        window.exec();
        return 0;
    }

    const int count = argc > 1 ? std::max(100, std::atoi(argv[1])) : 20000;
    const int children = argc > 2 ? std::max(1, std::atoi(argv[2])) : 30;

    {
        Histories one;
        one[Kid(0).name] = Simulate(sim, Kid(0), count, now);
        {
            const auto& sums = one.begin()->second;
            QElapsedTimer t;
            t.start();
            const Progress::FactsGrid facts = Progress::Facts(sums);
            const double factsMs = double(t.nsecsElapsed()) / 1e6;
            t.restart();
            const Diagnosis::Result diagnosis = Diagnosis::Diagnose(sums);
            const double diagnosisMs = double(t.nsecsElapsed()) / 1e6;
            t.restart();
            const Progress::Report report = Progress::Build(one.begin()->first, Progress::Period::All, now, sums);
            std::printf("report alone: %.1f ms (facts %.1f ms, diagnosis %.1f ms; %d facts met)\n",
                        double(t.nsecsElapsed()) / 1e6, factsMs, diagnosisMs, facts.Met());
        }
        TForm_progreso window;
        window.source = InMemory(one);
        window.EnsureControls();
        window.ComboBox_periodo->setCurrentIndex(int(std::size(Progress::kPeriods)) - 1);  // Todo
        QElapsedTimer t;
        t.start();
        window.show();  // reads the list, builds the report, lays out
        QApplication::processEvents();
        window.repaint();
        const double ms = double(t.nsecsElapsed()) / 1e6;
        std::printf("open the window, one child, %d sums (history in memory): %8.1f ms (%d sums, %d days)\n", count, ms,
                    window.Shown().sums, int(window.Shown().days.size()));
        window.hide();

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("historial.sqlite"));
        QElapsedTimer w;
        w.start();
        Record(file, one.begin()->second);
        const double writeMs = double(w.nsecsElapsed()) / 1e6;
        TForm_progreso fromFile;
        fromFile.source = TForm_progreso::FileSource(file);
        fromFile.EnsureControls();
        fromFile.ComboBox_periodo->setCurrentIndex(int(std::size(Progress::kPeriods)) - 1);
        w.restart();
        fromFile.show();
        QApplication::processEvents();
        fromFile.repaint();
        std::printf("open the window, one child, %d sums read from historial.sqlite: %8.1f ms (%d sums; "
                    "writing them through the recorder took %.0f ms)\n",
                    count, double(w.nsecsElapsed()) / 1e6, fromFile.Shown().sums, writeMs);
    }

    {
        Histories klass;
        for (int i = 0; i < children; ++i)
            klass[Kid(i).name] = Simulate(sim, Kid(i), 1000, now);
        TForm_progreso window;
        window.source = InMemory(klass);
        window.show();
        QApplication::processEvents();
        QTemporaryDir dir;
        const QString path = argc > 3 ? QString::fromLocal8Bit(argv[3]) : dir.filePath(QStringLiteral("clase.pdf"));
        QElapsedTimer t;
        t.start();
        std::vector<Progress::Report> reports;
        window.CheckBox_todos->setChecked(true);
        window.ReportsToPrint(reports);
        const double built = double(t.nsecsElapsed()) / 1e6;
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        const bool ok = TForm_progreso::PrintReports(&printer, reports);
        const double ms = double(t.nsecsElapsed()) / 1e6;
        std::printf("%d children (1000 sums each) to PDF: %8.1f ms (reports %.1f ms), %s, %lld bytes\n", children,
                    ms, built, ok ? "written" : "FAILED", qint64(QFileInfo(path).size()));
    }
    return 0;
}
