// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameFolder.h"
#include "app/HintHandler.h"
#include "app/HistoryDiagnosis.h"
#include "app/SharedHistory.h"
#include "app/PracticeHistory.h"
#include "app/QtPlatform.h"
#include "app/ReviewFromHistory.h"
#include "app/Startup.h"
#include "app/Windows.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_repaso.h"

#include <QApplication>
#include <QCoreApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTextStream>
#include <QTranslator>
#include <cstring>
#include <exception>

namespace {

// The diagnosis from the command line: no display, no game folder.
int Diagnose(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(2);
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunDiagnosisCommand(args, QCoreApplication::applicationDirPath(), out, err);
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc >= 2 && std::strcmp(argv[1], "--diagnostico") == 0)
        return Diagnose(argc, argv);
    GuardStartup();
    QApplication app(argc, argv);
    EndStartup();
    QApplication::setApplicationName(QStringLiteral("Cifrolo"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icono.png")));

    // "Sí"/"No" and the other standard buttons in Spanish.
    QTranslator qtSpanish;
    if (qtSpanish.load(QLocale(QLocale::Spanish, QLocale::Spain), QStringLiteral("qtbase"),
                       QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    QString folderProblem;
    EnterGameFolder(QApplication::applicationDirPath(), &folderProblem);
    if (!folderProblem.isEmpty())
        QMessageBox::warning(nullptr, QStringLiteral("Cifrolo"), folderProblem);

    QtPlatform platform;
    SetPlatform(&platform);
    // Opens its file at the first sum, not here.
    PracticeHistory history(HistoryFile());
    SetRecorder(&history);
    // A computer room's shared history: sums still unsent from an earlier
    // run leave at once, in the background.
    QString sharedProblem;
    const std::unique_ptr<HistorySender> sender = SharedHistory::StartFromSetting(HistoryFile(), &sharedProblem);
    // Every sum goes to the local file first; with a server, the sender is
    // told of each one as it is written.
    std::optional<SendingRecorder> sending;
    if (sender) {
        sending.emplace(history, *sender);
        SetRecorder(&*sending);
    }
    TForm_repaso::SetNeedsSource(ReviewNeedsFromHistory);
    int code = 0;
    try {
        CreateWindows();
        Form_menu->showMaximized();
        if (!sharedProblem.isEmpty())
            ShowInformation(sharedProblem);
        if (sender) {
            const auto lost = [] {
                ShowInformation(QStringLiteral("No se puede llegar al servidor del historial: las sumas se guardan "
                                               "en este ordenador y se enviarán cuando vuelva."));
            };
            QObject::connect(sender.get(), &HistorySender::ServerLost, Form_menu, lost);
            if (!sender->Reachable())  // lost while the windows were made
                lost();
            QObject::connect(sender.get(), &HistorySender::ServerBack, Form_menu, [] {
                ShowInformation(QStringLiteral("El servidor del historial vuelve a responder: se envían las sumas "
                                               "guardadas en este ordenador."));
            });
        }
        code = QApplication::exec();
    } catch (const std::exception& e) {
        QMessageBox::critical(nullptr, QStringLiteral("Cifrolo"), QString::fromLocal8Bit(e.what()));
        code = 1;
    }
    DestroyWindows();  // ends the sum on screen, abandoned
    SetRecorder(nullptr);
    SetPlatform(nullptr);
    return code;
}
