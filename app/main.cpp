// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameFolder.h"
#include "app/PracticeHistory.h"
#include "app/QtPlatform.h"
#include "app/Startup.h"
#include "app/Windows.h"
#include "forms/TForm_menu.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <exception>

int main(int argc, char* argv[])
{
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
    int code = 0;
    try {
        CreateWindows();
        Form_menu->showMaximized();
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
