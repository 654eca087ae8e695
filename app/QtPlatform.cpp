// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/QtPlatform.h"

#include "app/TunePlayer.h"
#include "app/WindowGeometry.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPointer>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <utility>

namespace {

QWidget* DialogParent()
{
    if (QWidget* w = QApplication::activeModalWidget())
        return w;
    return QApplication::activeWindow();
}

// A window manager activates a modal window's owner (the main window) when it
// closes, so the keys a child types next would go there. Give the activation
// back to the window that had it when the modal window opened.
class GiveBackActivation {
public:
    GiveBackActivation() : window_(QApplication::activeWindow()) {}
    ~GiveBackActivation()
    {
        // Qt may not know yet that the window manager moved the focus: ask
        // whatever it believes.
        if (window_ && window_->isVisible() && !window_->isMinimized()) {
            window_->raise();
            window_->activateWindow();
        }
    }
    GiveBackActivation(const GiveBackActivation&) = delete;
    GiveBackActivation& operator=(const GiveBackActivation&) = delete;

private:
    QPointer<QWidget> window_;
};

// Paints what waits to be painted and hands it to the display server, without
// handling any other event: input and timers stay queued.
void PaintPending()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
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

Platform::TuneOpen QtPlatform::OpenTune(const QString& path)
{
    // Only the file is checked now. The sound device and the sound font
    // (megabytes) are taken when the tune first plays: most runs start long
    // before the first reward, and many end without one.
    tune_->Close();
    if (!TunePlayer::Readable(path)) {
        tunePath_.clear();
        return TuneOpen::Failed;
    }
    tunePath_ = path;
    return TuneOpen::Opened;
}

void QtPlatform::PlayTune()
{
    // With no device the tune stays closed: the game goes on silently.
    if (!tunePath_.isEmpty())
        tune_->Open(std::exchange(tunePath_, QString()));
    tune_->Play();
}

void QtPlatform::StopTune() { tune_->Stop(); }

void QtPlatform::CloseTune()
{
    tunePath_.clear();
    tune_->Close();
}

uint32_t QtPlatform::Pause(uint32_t ms)
{
    QElapsedTimer t;
    t.start();
    // What a window changed just before (a typed digit, a counter, a carry)
    // is seen during the pause, not after it.
    PaintPending();
    // Sleeping rather than spinning: the program takes no input meanwhile either way.
    while (uint64_t(t.elapsed()) < ms)
        QThread::msleep(ulong(ms - uint64_t(t.elapsed())));
    return uint32_t(t.elapsed());
}

int QtPlatform::RunModal(QDialog* dialog)
{
    GiveBackActivation back;
    return dialog->exec();
}

bool QtPlatform::ModalOpen() { return QApplication::activeModalWidget() != nullptr; }

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
    GiveBackActivation back;
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
    GiveBackActivation back;
    box.exec();
}

void QtPlatform::Beep() { QApplication::beep(); }

namespace {
// A start of "folder/*.rsr" opens the folder; the filter does the rest.
QString DialogStart(const QString& start)
{
    const QFileInfo info(start);
    return info.fileName().contains(QLatin1Char('*')) ? info.path() : start;
}
}  // namespace

QString QtPlatform::OpenFileName(QWidget* parent, const QString& title, const QString& start,
                                 const QString& filter)
{
    GiveBackActivation back;
    return QFileDialog::getOpenFileName(parent, title, DialogStart(start), filter);
}

QString QtPlatform::SaveFileName(QWidget* parent, const QString& title, const QString& start,
                                 const QString& filter)
{
    GiveBackActivation back;
    // No overwrite question: appending to an existing file is one of the
    // reasons to pick it.
    return QFileDialog::getSaveFileName(parent, title, DialogStart(start), filter, nullptr,
                                        QFileDialog::DontConfirmOverwrite);
}

bool QtPlatform::PrintDialog(QPrinter* printer, QWidget* parent)
{
    QPrintDialog dialog(printer, parent);
    GiveBackActivation back;
    return dialog.exec() == QDialog::Accepted;
}

bool QtPlatform::PrintPreview(QPrinter* printer, QWidget* parent, const QString& title,
                              const std::function<bool(QPrinter*)>& paint)
{
    QPrintPreviewDialog dialog(printer, parent);
    dialog.setWindowTitle(title);
    // Above an exercise window, which stays on top too.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
    bool painted = true;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&painted, &paint](QPrinter* p) { painted = paint(p) && painted; });
    // The tool bar takes no focus: give its print action the usual keys.
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    auto* preview = dialog.findChild<QPrintPreviewWidget*>();
    for (QAction* action : dialog.findChildren<QAction*>()) {
        if (action->text() != printText)
            continue;
        if (action->shortcut().isEmpty())
            action->setShortcut(QKeySequence::Print);
        // The printer was chosen before the preview: it prints there at once,
        // without a second print dialog.
        if (preview) {
            QObject::disconnect(action, &QAction::triggered, nullptr, nullptr);
            QObject::connect(action, &QAction::triggered, &dialog, [preview, &dialog] {
                preview->print();
                dialog.accept();
            });
        }
    }
    dialog.setWindowState(Qt::WindowMaximized);
    GiveBackActivation back;
    dialog.exec();
    return painted;
}

QDate QtPlatform::Today() { return QDate::currentDate(); }
QDateTime QtPlatform::Now() { return QDateTime::currentDateTime(); }

QSize QtPlatform::ScreenSize()
{
    if (QScreen* s = QGuiApplication::primaryScreen())
        return s->size();
    return {};
}

void QtPlatform::Alert(QWidget* window) { QApplication::alert(window, 0); }

bool QtPlatform::OpenUrl(const QUrl& url)
{
    // xdg-open starts whenever it exists and fails later, out of sight, when no
    // program takes the file: ask first whether one does.
    if (url.isLocalFile()) {
        const QString type = QMimeDatabase().mimeTypeForFile(url.toLocalFile()).name();
        QProcess query;
        query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"), type});
        const bool answered = query.waitForFinished(3000);
        if (!answered) {
            query.kill();
            query.waitForFinished(1000);
        }
        if (!answered || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0 ||
            query.readAllStandardOutput().trimmed().isEmpty())
            return false;
    }
    return QDesktopServices::openUrl(url);
}

void QtPlatform::Flush(QWidget* window)
{
    AwaitGeometry(window);
    window->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
