// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// Start-up benchmark: time from process start to the player dialog being on
// screen, and resident memory then, for the game and for a bare Qt window
// with a menu bar that shows a dialog at its first 10 ms tick. Runs both in
// alternation, each in a fresh process, and prints medians and ratios. Then
// measures the game's CPU use while it sits idle: without a sound device, and
// with one (a PulseAudio null sink started for the purpose, when pulseaudio
// is installed), where the tune is open and ready to play.
//
//   bench_startup [runs]        (default 9 runs of each)
// It starts the game in the game folder beside it (../game) so that the
// game's pictures are loaded as in real use.

#include "app/GameState.h"
#include "app/QtPlatform.h"
#include "app/Windows.h"
#include "forms/TForm_jugadores.h"
#include "forms/TForm_menu.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <sys/resource.h>
#include <vector>

namespace {

double MonotonicMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return double(ts.tv_sec) * 1000.0 + double(ts.tv_nsec) / 1e6;
}

double CpuMs()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}

long RssKb()
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

// Prints "shown <monotonic ms> <rss kB>" when the watched dialog appears.
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(bool quit) : quit_(quit) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && !done_) {
            done_ = true;
            std::printf("shown %.3f %ld\n", MonotonicMs(), RssKb());
            std::fflush(stdout);
            if (quit_)
                QTimer::singleShot(0, [o] { static_cast<QDialog*>(o)->done(QDialog::Rejected); });
        }
        return false;
    }

private:
    bool quit_;
    bool done_ = false;
};

int RunGame(int argc, char** argv, bool idle)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cifrolo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Cifrolo"));
    QtPlatform platform;
    SetPlatform(&platform);
    CreateWindows();
    ShowWatcher watcher(true);
    Form_jugadores->installEventFilter(&watcher);
    Form_menu->showMaximized();
    if (idle) {
        // Let the peeking figure finish, then measure a quiet stretch.
        QTimer::singleShot(5000, [] {
            const double c0 = CpuMs(), t0 = MonotonicMs();
            QTimer::singleShot(10000, [c0, t0] {
                std::printf("idle %.3f %.3f %d\n", CpuMs() - c0, MonotonicMs() - t0,
                            int(game.tuneReady));
                std::fflush(stdout);
                std::_Exit(0);
            });
        });
    } else {
        // Leave once the dialog has closed: the figure is what was measured.
        QTimer::singleShot(300, [] { std::_Exit(0); });
    }
    return QApplication::exec();
}

int RunBare(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Opciones"));
    menu->addAction(QStringLiteral("&Terminar"));
    window.resize(720, 615);
    QDialog dialog(&window);
    dialog.resize(593, 335);
    ShowWatcher watcher(true);
    dialog.installEventFilter(&watcher);
    window.showMaximized();
    QTimer::singleShot(10, [&dialog] { dialog.exec(); });
    QTimer::singleShot(300, [] { std::_Exit(0); });
    return QApplication::exec();
}

struct Sample {
    double ms = 0;
    long rssKb = 0;
};

bool Measure(const QString& self, const QString& mode, const QString& dir, Sample* out)
{
    QProcess p;
    p.setWorkingDirectory(dir);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    const double t0 = MonotonicMs();
    p.start(self, {QStringLiteral("--child"), mode});
    if (!p.waitForFinished(60000))
        return false;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 3 && f[0] == "shown") {
            out->ms = f[1].toDouble() - t0;
            out->rssKb = f[2].toLong();
            return true;
        }
    }
    return false;
}

template <typename T>
T Median(std::vector<T> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void MeasureIdle(const QString& self, const QString& dir, const QProcessEnvironment& env,
                 const char* what)
{
    QProcess idle;
    idle.setWorkingDirectory(dir);
    idle.setProcessEnvironment(env);
    idle.start(self, {QStringLiteral("--child"), QStringLiteral("idle")});
    if (!idle.waitForFinished(60000))
        return;
    for (const QByteArray& line : idle.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 4 && f[0] == "idle")
            std::printf("  idle %s: %.1f ms of CPU over %.0f ms (%.3f%%), tune %s, clock ticking\n", what,
                        f[1].toDouble(), f[2].toDouble(), 100.0 * f[1].toDouble() / f[2].toDouble(),
                        f[3] == "1" ? "open" : "not open");
    }
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && QByteArray(argv[1]) == "--child") {
        const QByteArray mode = argv[2];
        if (mode == "game")
            return RunGame(argc, argv, false);
        if (mode == "idle")
            return RunGame(argc, argv, true);
        return RunBare(argc, argv);
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const int runs = argc >= 2 ? std::max(1, atoi(argv[1])) : 9;
    const QString self = QFileInfo(QString::fromLocal8Bit(argv[0])).absoluteFilePath();
    QDir gameDir(QFileInfo(self).absolutePath());
    gameDir.cd(QStringLiteral("../game"));
    const QString dir = gameDir.exists() ? gameDir.path() : QDir::currentPath();

    std::vector<double> gameMs, bareMs;
    std::vector<long> gameKb, bareKb;
    for (int i = 0; i < runs; ++i) {
        Sample g, b;
        if (!Measure(self, QStringLiteral("game"), dir, &g) || !Measure(self, QStringLiteral("bare"), dir, &b)) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        gameMs.push_back(g.ms);
        gameKb.push_back(g.rssKb);
        bareMs.push_back(b.ms);
        bareKb.push_back(b.rssKb);
    }
    const double gm = Median(gameMs), bm = Median(bareMs);
    const long gk = Median(gameKb), bk = Median(bareKb);
    std::printf("start-up to player dialog, median of %d runs (platform %s)\n", runs,
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "xcb" : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  time:   game %8.1f ms   bare window %8.1f ms   ratio %.2f (target <= 1.5)\n", gm, bm, gm / bm);
    std::printf("  memory: game %8ld kB   bare window %8ld kB   ratio %.2f (target <= 1.5)\n", gk, bk,
                double(gk) / double(bk));

    const QString noSound = QDir::temp().filePath(QStringLiteral("cifrolo-bench-nosound"));
    QDir().mkpath(noSound);
    QProcessEnvironment silent = QProcessEnvironment::systemEnvironment();
    silent.insert(QStringLiteral("XDG_RUNTIME_DIR"), noSound);
    silent.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + noSound + QStringLiteral("/none"));
    MeasureIdle(self, dir, silent, "without a sound device");

    // A sound device of its own: a PulseAudio server with a null sink.
    QTemporaryDir pulseDir;
    QProcessEnvironment sound = QProcessEnvironment::systemEnvironment();
    sound.insert(QStringLiteral("XDG_RUNTIME_DIR"), pulseDir.path());
    sound.insert(QStringLiteral("HOME"), pulseDir.path());
    sound.remove(QStringLiteral("PULSE_SERVER"));
    QProcess pulse;
    pulse.setProcessEnvironment(sound);
    pulse.start(QStringLiteral("pulseaudio"),
                {QStringLiteral("-n"), QStringLiteral("--load=module-null-sink"),
                 QStringLiteral("--load=module-native-protocol-unix"), QStringLiteral("--exit-idle-time=-1"),
                 QStringLiteral("-D")});
    if (!pulseDir.isValid() || !pulse.waitForFinished(10000) || pulse.exitCode() != 0) {
        std::printf("  idle with a sound device: not measured (pulseaudio cannot be started)\n");
        return 0;
    }
    MeasureIdle(self, dir, sound, "with a sound device (null sink)");
    QProcess kill;
    kill.setProcessEnvironment(sound);
    kill.start(QStringLiteral("pulseaudio"), {QStringLiteral("--kill")});
    kill.waitForFinished(10000);
    return 0;
}
