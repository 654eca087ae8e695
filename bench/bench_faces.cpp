// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
//
// Bonus-window benchmark: for a face of a given size, shows the bonus window
// once in each of the eight animation styles and prints how long the opening
// and the closing took (a look at the screen at each step included), how
// many of the frames held on screen during the pauses showed something other
// than the face (a frame painted before the window had its new size), and the resident memory before the
// first showing, at the peak and after the last one closed.
//
//   bench_faces [face width] [face height] [--no-look]     (default 64 x 48)
// --no-look skips the look at the screen, which on a very large screen
// costs more than the animation itself.
// Needs a real screen (X11): run it under Xvfb with a window manager.

#include "app/GameState.h"
#include "app/QtPlatform.h"
#include "app/Windows.h"
#include "forms/TForm_muchos_aciertos.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFrame>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {

const QRgb kFace = qRgb(0x30, 0x90, 0x30);

// VmRSS (now) or VmHWM (the peak) of this process, in kB.
long MemoryKb(const char* field = "VmRSS:")
{
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field))).trimmed().split(' ').first().toLong();
    return -1;
}

// The real platform, with a look at the screen before every pause.
class WatchingPlatform final : public QtPlatform {
public:
    bool look = true;
    int framesHeld = 0;
    int framesWithGround = 0;

    uint32_t Pause(uint32_t ms) override
    {
        ++framesHeld;
        if (look && ShowsGround())
            ++framesWithGround;
        return QtPlatform::Pause(ms);
    }

private:
    // Anything but the face where the window is on screen, away from its
    // first row and column (white by design, the tiles start at (1, 1)) and
    // from the central panel: ground that the frame on screen has not
    // painted yet.
    bool ShowsGround()
    {
        const QRect window = Form_muchos_aciertos->AnimationGeometry();
        const QRect g = window.adjusted(1, 1, 0, 0) & QRect(QPoint(0, 0), ScreenSize());
        if (g.isEmpty())
            return false;
        const QRect panel = Form_muchos_aciertos->Panel_central->geometry().translated(window.topLeft());
        const QImage shot =
            QGuiApplication::primaryScreen()->grabWindow(0, g.x(), g.y(), g.width(), g.height()).toImage();
        for (int y = 0; y < shot.height(); y += 4)
            for (int x = 0; x < shot.width(); x += 4)
                if (!panel.contains(g.topLeft() + QPoint(x, y)) && shot.pixel(x, y) != kFace)
                    return true;
        return false;
    }
};

} // namespace

int main(int argc, char** argv)
{
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::printf("bonus window animations: not measured (needs a screen: run under Xvfb with a "
                    "window manager)\n");
        return 0;
    }
    QApplication app(argc, argv);
    const int fw = argc > 1 ? std::max(1, atoi(argv[1])) : 64;
    const int fh = argc > 2 ? std::max(1, atoi(argv[2])) : 48;
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("caras"));
    QImage face(fw, fh, QImage::Format_RGB32);
    face.fill(kFace);
    face.save(dir.filePath(QStringLiteral("caras/cara1.bmp")), "BMP");
    QDir::setCurrent(dir.path());

    WatchingPlatform platform;
    platform.look = !(argc > 3 && QByteArray(argv[3]) == "--no-look");
    SetPlatform(&platform);
    CreateWindows();
    const QSize screen = platform.ScreenSize();
    std::printf("face %d x %d on a %d x %d screen\n", fw, fh, screen.width(), screen.height());
    const long before = MemoryKb();
    for (int style = 1; style <= 8; ++style) {
        QElapsedTimer t;
        qint64 opened = 0, closed = 0;
        int openFrames = 0, openGround = 0;
        platform.framesHeld = platform.framesWithGround = 0;
        // The window's own timer would bring the face in after 500 ms; here
        // the same happens by hand, timed, and a close follows at once.
        QTimer::singleShot(0, [] { Form_muchos_aciertos->Timer1->stop(); });
        QTimer::singleShot(500, [&] {
            t.start();
            Form_muchos_aciertos->Timer1Timer();
            opened = t.elapsed();
            openFrames = platform.framesHeld;
            openGround = platform.framesWithGround;
            t.restart();
            Form_muchos_aciertos->close();
            closed = t.elapsed();
        });
        platform.RunModal(Form_muchos_aciertos);
        std::printf("  style %d: opening %5lld ms (%2d frames, %d unpainted), closing %5lld ms "
                    "(%2d frames, %d unpainted)\n",
                    style, static_cast<long long>(opened), openFrames, openGround,
                    static_cast<long long>(closed), platform.framesHeld - openFrames,
                    platform.framesWithGround - openGround);
    }
    QCoreApplication::processEvents();
    std::printf("  resident memory: %ld kB before, %ld kB at the peak, %ld kB after the last window closed\n",
                before, MemoryKb("VmHWM:"), MemoryKb());
    DestroyWindows();
    SetPlatform(nullptr);
    return 0;
}
