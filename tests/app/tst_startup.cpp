// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Startup.h"

#include <QApplication>
#include <QProcess>
#include <QTest>
#include <cstring>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void noScreenSaysSoInSpanish_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::addColumn<QString>("display"); // empty: none set
        QTest::newRow("no display") << "xcb"
                                    << "";
        QTest::newRow("a display nobody serves") << "xcb"
                                                 << ":97";
        QTest::newRow("a screen kind that does not exist") << "ninguna"
                                                           << "";
    }
    void noScreenSaysSoInSpanish()
    {
        QFETCH(QString, platform);
        QFETCH(QString, display);
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("DISPLAY"));
        if (!display.isEmpty())
            env.insert(QStringLiteral("DISPLAY"), display);
        QProcess child;
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--arranque")});
        QVERIFY(child.waitForFinished(30000));
        const QByteArray err = child.readAllStandardError();
        QCOMPARE(child.exitStatus(), QProcess::NormalExit); // not aborted
        QCOMPARE(child.exitCode(), 1);
        QCOMPARE(err, QByteArray(kNoScreenText));
    }
};

int main(int argc, char* argv[])
{
    if (argc > 1 && std::strcmp(argv[1], "--arranque") == 0) {
        // The program's own start, as far as the screen.
        GuardStartup();
        QApplication app(argc, argv);
        EndStartup();
        return 0;
    }
    QApplication app(argc, argv);
    TestStartup test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_startup.moc"
