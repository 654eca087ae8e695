// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// Start-up benchmark: time from process start to the player dialog being on
// screen, and resident memory then, for the game and for a bare Qt window
// with a menu bar that shows a dialog at its first 10 ms tick. Runs both in
// alternation, each in a fresh process, and prints medians and ratios, with
// the time and the resident memory at each phase of the start side by side
// (Qt ready, windows built, first paint) and what of the memory is Qt's
// libraries, fonts, sound and the pictures the windows hold. Then
// measures the game's CPU use while it sits idle: without a sound device, and
// with one (a PulseAudio null sink started for the purpose, when pulseaudio
// is installed), where the tune is checked and loads at its first playing.
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
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPixmap>
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

// Resident kB of the mappings whose file name matches each group, from
// /proc/self/smaps, and the pictures held by the labels of every window.
struct Split {
    long qt = 0, fonts = 0, sound = 0, pictures = 0;
};

Split MemorySplit()
{
    Split s;
    QFile f(QStringLiteral("/proc/self/smaps"));
    if (f.open(QIODevice::ReadOnly)) {
        long* group = nullptr;
        for (const QByteArray& line : f.readAll().split('\n')) {
            if (!line.isEmpty() && !line.startsWith("Rss:") && line.contains('-') && !line.endsWith(" kB")) {
                const QByteArray path = line.mid(line.lastIndexOf(' ') + 1);
                if (path.contains("libQt6"))
                    group = &s.qt;
                else if (path.contains("/fonts/") || path.contains("fontconfig") || path.contains("freetype") ||
                         path.contains("harfbuzz"))
                    group = &s.fonts;
                else if (path.contains("fluidsynth") || path.contains("pulse") || path.contains(".sf2") ||
                         path.contains("sndfile") || path.contains("asound") || path.contains("qt6/plugins/multimedia"))
                    group = &s.sound;
                else
                    group = nullptr;
            } else if (group && line.startsWith("Rss:")) {
                *group += line.mid(4).trimmed().split(' ').first().toLong();
            }
        }
    }
    for (QWidget* top : QApplication::allWidgets())
        if (auto* label = qobject_cast<QLabel*>(top)) {
            const QPixmap p = label->pixmap();
            if (!p.isNull())
                s.pictures += long(p.width()) * p.height() * p.depth() / 8 / 1024;
        }
    return s;
}

// Prints "<what> <monotonic ms> <rss kB>": the phases of the start.
void Phase(const char* what)
{
    std::printf("%s %.3f %ld\n", what, MonotonicMs(), RssKb());
    std::fflush(stdout);
}

// Prints "shown <monotonic ms> <rss kB>" when the watched dialog appears,
// then "split <Qt kB> <fonts kB> <sound kB> <pictures kB>".
class ShowWatcher : public QObject {
public:
    explicit ShowWatcher(bool quit) : quit_(quit) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Show && !done_) {
            done_ = true;
            Phase("shown");
            const Split m = MemorySplit();
            std::printf("split %ld %ld %ld %ld\n", m.qt, m.fonts, m.sound, m.pictures);
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
    Phase("qt");
    QApplication::setApplicationName(QStringLiteral("Cifrolo"));
    QApplication::setApplicationDisplayName(QStringLiteral("Cifrolo"));
    QtPlatform platform;
    SetPlatform(&platform);
    CreateWindows();
    Phase("built");
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
    Phase("qt");
    QMainWindow window;
    QMenu* menu = window.menuBar()->addMenu(QStringLiteral("&Opciones"));
    menu->addAction(QStringLiteral("&Terminar"));
    window.resize(720, 615);
    QDialog dialog(&window);
    dialog.resize(593, 335);
    Phase("built");
    ShowWatcher watcher(true);
    dialog.installEventFilter(&watcher);
    window.showMaximized();
    QTimer::singleShot(10, [&dialog] { dialog.exec(); });
    QTimer::singleShot(300, [] { std::_Exit(0); });
    return QApplication::exec();
}

// Times from the process start, resident kB at each phase.
struct Sample {
    double qtMs = 0, builtMs = 0, ms = 0;
    long qtKb = 0, builtKb = 0, rssKb = 0;
    Split split;
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
    bool shown = false;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> f = line.split(' ');
        if (f.size() == 3 && f[0] == "qt") {
            out->qtMs = f[1].toDouble() - t0;
            out->qtKb = f[2].toLong();
        } else if (f.size() == 3 && f[0] == "built") {
            out->builtMs = f[1].toDouble() - t0;
            out->builtKb = f[2].toLong();
        } else if (f.size() == 3 && f[0] == "shown") {
            out->ms = f[1].toDouble() - t0;
            out->rssKb = f[2].toLong();
            shown = true;
        } else if (f.size() == 5 && f[0] == "split") {
            out->split = {f[1].toLong(), f[2].toLong(), f[3].toLong(), f[4].toLong()};
        }
    }
    return shown;
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
                        f[3] == "1" ? "ready" : "not ready");
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

    std::vector<Sample> games, bares;
    for (int i = 0; i < runs; ++i) {
        Sample g, b;
        if (!Measure(self, QStringLiteral("game"), dir, &g) || !Measure(self, QStringLiteral("bare"), dir, &b)) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
        games.push_back(g);
        bares.push_back(b);
    }
    // The median of one figure over the runs.
    const auto med = [](const std::vector<Sample>& v, auto field) {
        std::vector<double> x;
        for (const Sample& s : v)
            x.push_back(double(field(s)));
        return Median(x);
    };
    const double gm = med(games, [](const Sample& s) { return s.ms; });
    const double bm = med(bares, [](const Sample& s) { return s.ms; });
    const long gk = long(med(games, [](const Sample& s) { return s.rssKb; }));
    const long bk = long(med(bares, [](const Sample& s) { return s.rssKb; }));
    std::printf("start-up to player dialog, median of %d runs (platform %s)\n", runs,
                qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ? "xcb" : qgetenv("QT_QPA_PLATFORM").constData());
    std::printf("  time:   game %8.1f ms   bare window %8.1f ms   ratio %.2f (target <= 1.15)\n", gm, bm, gm / bm);
    std::printf("  memory: game %8ld kB   bare window %8ld kB   ratio %.2f (target <= 1.15)\n", gk, bk,
                double(gk) / double(bk));
    std::printf("  time split (ms from process start, medians)      game     bare\n");
    const auto row = [&](const char* what, auto field) {
        std::printf("    %-44s %8.1f %8.1f\n", what, med(games, field), med(bares, field));
    };
    row("Qt ready (QApplication made)", [](const Sample& s) { return s.qtMs; });
    row("windows built", [](const Sample& s) { return s.builtMs; });
    row("first paint of the player dialog", [](const Sample& s) { return s.ms; });
    std::printf("  memory split (kB resident, medians)              game     bare\n");
    row("at Qt ready", [](const Sample& s) { return s.qtKb; });
    row("at windows built", [](const Sample& s) { return s.builtKb; });
    row("at first paint", [](const Sample& s) { return s.rssKb; });
    row("  of it Qt libraries", [](const Sample& s) { return s.split.qt; });
    row("  of it fonts (files, fontconfig, FreeType)", [](const Sample& s) { return s.split.fonts; });
    row("  of it sound (libraries, sound font)", [](const Sample& s) { return s.split.sound; });
    row("  of it pictures held by the windows", [](const Sample& s) { return s.split.pictures; });

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
