// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/Platform.h"

#include <QString>
#include <memory>

class QSoundEffect;
class TunePlayer;

// The platform of the running program, on Qt, QtMultimedia and FluidSynth.
class QtPlatform : public Platform {
public:
    QtPlatform();
    ~QtPlatform() override;

    void PlaySound(Sound sound) override;
    TuneOpen OpenTune(const QString& path) override;
    void PlayTune() override;
    void StopTune() override;
    void CloseTune() override;
    uint32_t Pause(uint32_t ms) override;
    int RunModal(QDialog* dialog) override;
    bool ModalOpen() override;
    Answer Ask(const QString& text, Icon icon, Buttons buttons) override;
    void ShowMessage(const QString& text) override;
    void Beep() override;
    QString OpenFileName(QWidget* parent, const QString& title, const QString& start,
                         const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& title, const QString& start,
                         const QString& filter) override;
    bool PrintDialog(QPrinter* printer, QWidget* parent) override;
    bool PrintPreview(QPrinter* printer, QWidget* parent, const QString& title,
                      const std::function<bool(QPrinter*)>& paint) override;
    QDate Today() override;
    QDateTime Now() override;
    QSize ScreenSize() override;
    void Alert(QWidget* window) override;
    bool OpenUrl(const QUrl& url) override;
    void Flush(QWidget* window) override;

private:
    void EnsureSounds();

    bool soundsTried_ = false;
    QSoundEffect* sounds_[3] = {};
    std::unique_ptr<TunePlayer> tune_;
    QString tunePath_;  // checked, not yet loaded
};
