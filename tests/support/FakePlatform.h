// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/Platform.h"

#include <QDate>
#include <QList>
#include <QMap>
#include <QSize>
#include <QStringList>
#include <deque>
#include <functional>

// A platform that returns at once, answers from queues and records every
// call in order ("sound:hit", "modal:TForm_aviso_error", "pause:300", ...).
class FakePlatform final : public Platform {
public:
    using ModalHandler = std::function<void(QDialog*)>;

    QStringList calls;
    std::deque<Answer> answers;        // for Ask; an empty queue answers No (Ok for Ok boxes)
    QList<Buttons> askedButtons;       // the buttons of every Ask, in order
    std::deque<QString> openFileNames; // for OpenFileName; empty = cancelled
    std::deque<QString> saveFileNames; // for SaveFileName; empty = cancelled
    bool printDialogAccepts = true;
    bool openUrlOpens = true;  // false: no program takes the file
    // PrintPreview paints into this PDF file when it is set; otherwise it
    // paints nothing. previewWorks false makes it report a failure.
    QString previewPdf;
    bool previewWorks = true;
    // Runs while the preview is open, before it paints.
    std::function<void()> duringPreview;
    TuneOpen tuneOpenResult = TuneOpen::Opened;
    QDate today{2026, 12, 7};
    // Now() answers this and then moves it on by nowStepMs.
    QDateTime now{QDate(2026, 12, 7), QTime(10, 0)};
    int nowStepMs = 0;
    QSize screen{1280, 1024};
    // Runs at every Flush, as the real one lets window-system events in
    // (a close request from the window manager, say).
    std::function<void(QWidget*)> onFlush;

    // The next modal showing of the window with this object name runs the
    // handler while the window is shown (it may click, type, accept). A
    // window still open afterwards is closed with the result Rejected.
    void OnModal(const QString& objectName, ModalHandler handler);
    // Only the calls that start with a prefix ("sound:", "modal:").
    QStringList CallsStartingWith(const QString& prefix) const;

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
    int modalDepth_ = 0;
    QMap<QString, std::deque<ModalHandler>> modalHandlers_;
};
