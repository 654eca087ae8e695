// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/QtPlatform.h"

#include "app/TunePlayer.h"
#include "app/WindowGeometry.h"

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
#include <QScreen>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

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

void QtPlatform::Flush(QWidget* window)
{
    AwaitGeometry(window);
    window->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
