// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "tests/support/FakePlatform.h"

#include <QDialog>
#include <QPrinter>
#include <QUrl>

void FakePlatform::OnModal(const QString& objectName, ModalHandler handler)
{
    modalHandlers_[objectName].push_back(std::move(handler));
}

QStringList FakePlatform::CallsStartingWith(const QString& prefix) const
{
    QStringList out;
    for (const QString& c : calls)
        if (c.startsWith(prefix))
            out << c;
    return out;
}

void FakePlatform::PlaySound(Sound sound)
{
    static const char* names[] = {"hit", "miss", "key"};
    calls << QStringLiteral("sound:") + QLatin1String(names[int(sound)]);
}

Platform::TuneOpen FakePlatform::OpenTune(const QString& path)
{
    calls << QStringLiteral("tune:open:") + path;
    return tuneOpenResult;
}

void FakePlatform::PlayTune() { calls << QStringLiteral("tune:play"); }
void FakePlatform::StopTune() { calls << QStringLiteral("tune:stop"); }
void FakePlatform::CloseTune() { calls << QStringLiteral("tune:close"); }

bool FakePlatform::ModalOpen() { return modalDepth_ > 0; }

uint32_t FakePlatform::Pause(uint32_t ms)
{
    calls << QStringLiteral("pause:%1").arg(ms);
    return ms;
}

int FakePlatform::RunModal(QDialog* dialog)
{
    const QString name = dialog->objectName();
    calls << QStringLiteral("modal:") + name;
    dialog->setResult(QDialog::Rejected);
    dialog->show();
    ++modalDepth_;
    auto it = modalHandlers_.find(name);
    if (it != modalHandlers_.end() && !it->empty()) {
        ModalHandler handler = std::move(it->front());
        it->pop_front();
        handler(dialog);
    }
    --modalDepth_;
    if (dialog->isVisible())
        dialog->done(QDialog::Rejected);
    return dialog->result();
}

Platform::Answer FakePlatform::Ask(const QString& text, Icon, Buttons buttons)
{
    calls << QStringLiteral("ask:") + text;
    askedButtons << buttons;
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    if (answers.empty())
        return Answer::No;
    const Answer a = answers.front();
    answers.pop_front();
    return a;
}

void FakePlatform::ShowMessage(const QString& text) { calls << QStringLiteral("message:") + text; }
void FakePlatform::Beep() { calls << QStringLiteral("beep"); }

QString FakePlatform::OpenFileName(QWidget*, const QString&, const QString& start, const QString&)
{
    calls << QStringLiteral("open-dialog:") + start;
    if (openFileNames.empty())
        return {};
    const QString n = openFileNames.front();
    openFileNames.pop_front();
    return n;
}

QString FakePlatform::SaveFileName(QWidget*, const QString&, const QString& start, const QString&)
{
    calls << QStringLiteral("save-dialog:") + start;
    if (saveFileNames.empty())
        return {};
    const QString n = saveFileNames.front();
    saveFileNames.pop_front();
    return n;
}

bool FakePlatform::PrintDialog(QPrinter*, QWidget*)
{
    calls << QStringLiteral("print-dialog");
    return printDialogAccepts;
}

bool FakePlatform::PrintPreview(QPrinter* printer, QWidget*, const QString& title,
                                const std::function<bool(QPrinter*)>& paint)
{
    calls << QStringLiteral("print-preview:") + title;
    bool painted = true;
    if (duringPreview)
        duringPreview();
    if (!previewPdf.isEmpty()) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(previewPdf);
        painted = paint(printer);
    }
    return previewWorks && painted;
}

QDate FakePlatform::Today() { return today; }

QDateTime FakePlatform::Now()
{
    const QDateTime at = now;
    now = now.addMSecs(nowStepMs);
    return at;
}
QSize FakePlatform::ScreenSize() { return screen; }
void FakePlatform::Alert(QWidget*) { calls << QStringLiteral("alert"); }

bool FakePlatform::OpenUrl(const QUrl& url)
{
    calls << QStringLiteral("url:") + url.toString();
    return openUrlOpens;
}

void FakePlatform::Flush(QWidget* window)
{
    if (onFlush)
        onFlush(window);
}
