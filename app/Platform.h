// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDate>
#include <QDateTime>
#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>

class QDialog;
class QPrinter;
class QUrl;
class QWidget;

// Everything that reaches outside the program goes through here, so that
// tests can replace it with a recording fake.
class Platform {
public:
    enum class Sound { Hit, Miss, Key };
    enum class Icon { None, Information, Warning, Critical, Question };
    // YesNo: Escape and the close box answer No. YesNoKeep: the questions in
    // which Yes goes back to keep unsaved results; Escape and close answer Yes,
    // so a reflex key never loses them. YesNoDefaultNo: No is the default.
    enum class Buttons { Ok, YesNo, YesNoKeep, YesNoDefaultNo };
    enum class Answer { Ok, Yes, No };
    enum class TuneOpen { Opened, NoOutput, Failed };

    virtual ~Platform() = default;

    // Built-in sounds, asynchronous; a new one cuts off the one playing.
    virtual void PlaySound(Sound sound) = 0;

    // The MIDI tune. OpenTune reports NoOutput (no audio device: play
    // silently without it) apart from Failed (the file cannot be used).
    virtual TuneOpen OpenTune(const QString& path) = 0;
    virtual void PlayTune() = 0;  // resumes; after the end starts again
    virtual void StopTune() = 0;
    virtual void CloseTune() = 0;

    // Blocks without handling events; returns the milliseconds waited.
    virtual uint32_t Pause(uint32_t ms) = 0;

    // Runs a dialog modally and returns its result code.
    virtual int RunModal(QDialog* dialog) = 0;
    // Whether a modal window (dialog, notice, message box) is open now.
    virtual bool ModalOpen() = 0;

    // A message box with the caption "Cifrolo".
    virtual Answer Ask(const QString& text, Icon icon, Buttons buttons) = 0;
    // The plain message box: OK button, the application title as caption.
    virtual void ShowMessage(const QString& text) = 0;
    virtual void Beep() = 0;

    // File dialogs: an empty result means cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& start,
                                 const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& start,
                                 const QString& filter) = 0;
    // The print set-up dialog; false when cancelled.
    virtual bool PrintDialog(QPrinter* printer, QWidget* parent) = 0;
    // The print preview of a paged document, from which the user prints.
    // paint draws every page on the printer it is given and returns false
    // when it cannot; the call returns false when any painting failed.
    virtual bool PrintPreview(QPrinter* printer, QWidget* parent, const QString& title,
                              const std::function<bool(QPrinter*)>& paint) = 0;

    virtual QDate Today() = 0;
    // The local date and time, to the millisecond.
    virtual QDateTime Now() = 0;
    virtual QSize ScreenSize() = 0;
    // Flashes the taskbar entry of a minimized window.
    virtual void Alert(QWidget* window) = 0;
    virtual bool OpenUrl(const QUrl& url) = 0;
    // Puts a window's new geometry and contents on screen now, in the middle
    // of a blocking animation; user input stays queued.
    virtual void Flush(QWidget* window) = 0;
};

Platform& ThePlatform();
// Installs the platform in use; the caller keeps ownership.
void SetPlatform(Platform* platform);
