// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/QtPlatform.h"

#include "app/TunePlayer.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QMoveEvent>
#include <QResizeEvent>
#include <QScreen>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QWindow>

namespace {

QWidget* DialogParent()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

}  // namespace

QtPlatform::QtPlatform() : tune_(std::make_unique<TunePlayer>()) {}

QtPlatform::~QtPlatform() = default;

void QtPlatform::EnsureSounds()
{
    if (soundsTried_)
        return;
    soundsTried_ = true;
    // Without an output device the multimedia back end is best left alone.
    if (QMediaDevices::audioOutputs().isEmpty())
        return;
    const char* names[3] = {":/sounds/acierto_cuenta.wav", ":/sounds/fallo_numero.wav",
                            ":/sounds/tecla.wav"};
    for (int i = 0; i < 3; ++i) {
        sounds_[i] = new QSoundEffect(qApp);
        sounds_[i]->setSource(QUrl(QStringLiteral("qrc") + QLatin1String(names[i])));
    }
}

void QtPlatform::PlaySound(Sound sound)
{
    EnsureSounds();
    const int index = int(sound);
    if (!sounds_[index])
        return;
    for (QSoundEffect* s : sounds_)
        if (s && s != sounds_[index])
            s->stop();
    sounds_[index]->stop();
    sounds_[index]->play();
}

Platform::TuneOpen QtPlatform::OpenTune(const QString& path) { return tune_->Open(path); }
void QtPlatform::PlayTune() { tune_->Play(); }
void QtPlatform::StopTune() { tune_->Stop(); }
void QtPlatform::CloseTune() { tune_->Close(); }

uint32_t QtPlatform::Pause(uint32_t ms)
{
    QElapsedTimer t;
    t.start();
    // Sleeping rather than spinning: the program takes no input meanwhile either way.
    while (uint64_t(t.elapsed()) < ms)
        QThread::msleep(ulong(ms - uint64_t(t.elapsed())));
    return uint32_t(t.elapsed());
}

int QtPlatform::RunModal(QDialog* dialog) { return dialog->exec(); }

Platform::Answer QtPlatform::Ask(const QString& text, Icon icon, Buttons buttons)
{
    QMessageBox box(DialogParent());
    box.setWindowTitle(QStringLiteral("Cifrolo"));
    box.setText(text);
    switch (icon) {
    case Icon::None: box.setIcon(QMessageBox::NoIcon); break;
    case Icon::Information: box.setIcon(QMessageBox::Information); break;
    case Icon::Warning: box.setIcon(QMessageBox::Warning); break;
    case Icon::Critical: box.setIcon(QMessageBox::Critical); break;
    case Icon::Question: box.setIcon(QMessageBox::Question); break;
    }
    if (buttons == Buttons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
    } else {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(buttons == Buttons::YesNoDefaultNo ? QMessageBox::No : QMessageBox::Yes);
        box.setEscapeButton(buttons == Buttons::YesNoKeep ? QMessageBox::Yes : QMessageBox::No);
    }
    const int r = box.exec();
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    return r == QMessageBox::Yes ? Answer::Yes : Answer::No;
}

void QtPlatform::ShowMessage(const QString& text)
{
    QMessageBox box(DialogParent());
    box.setWindowTitle(QStringLiteral("Cifrolo"));
    box.setText(text);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

void QtPlatform::Beep() { QApplication::beep(); }

QString QtPlatform::OpenFileName(QWidget* parent, const QString& title, const QString& start,
                                 const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, title, start, filter);
}

QString QtPlatform::SaveFileName(QWidget* parent, const QString& title, const QString& start,
                                 const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, start, filter);
}

bool QtPlatform::PrintDialog(QPrinter* printer, QWidget* parent)
{
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

QDate QtPlatform::Today() { return QDate::currentDate(); }

QSize QtPlatform::ScreenSize()
{
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->size();
    return {};
}

void QtPlatform::Alert(QWidget* window) { QApplication::alert(window, 0); }

bool QtPlatform::OpenUrl(const QUrl& url) { return QDesktopServices::openUrl(url); }

namespace {

// The geometry the window system last reported for a window: a new one asked
// for takes effect a moment later, once the window manager has had its say.
class ReportedGeometry : public QObject {
public:
    explicit ReportedGeometry(QWindow* window) : QObject(window), rect_(window->geometry())
    {
        window->installEventFilter(this);
    }
    static ReportedGeometry* Of(QWindow* window)
    {
        if (auto* r = window->findChild<ReportedGeometry*>(QString(), Qt::FindDirectChildrenOnly))
            return r;
        return new ReportedGeometry(window);
    }
    QRect Rect() const { return rect_; }
    // Reports since the last call: the window manager has answered (it may
    // have answered with another geometry than the one asked for).
    bool Answered()
    {
        const bool answered = reports_ != seen_;
        seen_ = reports_;
        return answered;
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->spontaneous()) {
            if (event->type() == QEvent::Resize) {
                rect_.setSize(static_cast<QResizeEvent*>(event)->size());
                ++reports_;
            } else if (event->type() == QEvent::Move) {
                rect_.moveTopLeft(static_cast<QMoveEvent*>(event)->pos());
                ++reports_;
            }
        }
        return false;
    }

private:
    QRect rect_;
    int reports_ = 0;
    int seen_ = 0;
};

}  // namespace

void QtPlatform::Flush(QWidget* window)
{
    // A frame painted before the new geometry has arrived is drawn at the old
    // one, and the part of the window that then appears stays unpainted
    // until the next update, a whole animation step later. So the new
    // geometry is awaited (briefly: a window manager may refuse it), and the
    // finished frame painted after it.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (QWindow* handle = window->windowHandle(); handle && window->isVisible()) {
        ReportedGeometry* reported = ReportedGeometry::Of(handle);
        QElapsedTimer waited;
        waited.start();
        while (reported->Rect() != window->geometry() && !reported->Answered() &&
               waited.elapsed() < 30) {
            QThread::msleep(1);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        reported->Answered();
    }
    window->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
