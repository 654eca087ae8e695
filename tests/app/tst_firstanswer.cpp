// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/Platform.h"
#include "app/Windows.h"
#include "forms/TForm_menu.h"
#include "tests/support/TestGame.h"

#include <QAbstractButton>
#include <QDialog>
#include <QSignalSpy>
#include <QTest>

class TestFirstAnswer : public QObject {
    Q_OBJECT
private slots:
    void init() { StartTestGame(); }
    void cleanup() { EndTestGame(); }

    void aClickAfterTheDialogAnsweredDoesNothing_data();
    void aClickAfterTheDialogAnsweredDoesNothing();
};

void TestFirstAnswer::aClickAfterTheDialogAnsweredDoesNothing_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("button");
    const QList<QPair<QString, QString>> rows = {
        {"TForm_jugadores", "xpButton2"},          {"TForm_jugadores", "xpButton1"},
        {"TForm_aviso_error", "Color95Button1"},   {"TForm_Acierto", "Color95Button1"},
        {"TForm_Resultados", "Color95Button_cerrar"}, {"TForm_Resultados", "Color95Button_acero"},
        {"TForm_puntos", "Color95Button2"},
        {"TForm_paginas", "xpButton1"},            {"TForm_paginas", "xpButton2"},
        {"TForm_directorio", "xpButton_aceptar"},  {"TForm_directorio", "xpButton_cancelar"},
    };
    for (const auto& [window, button] : rows)
        QTest::newRow(qPrintable(window + QLatin1Char(' ') + button)) << window << button;
}

void TestFirstAnswer::aClickAfterTheDialogAnsweredDoesNothing()
{
    QFETCH(QString, window);
    QFETCH(QString, button);
    SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
    auto* dialog = Form_menu->findChild<QDialog*>(window);
    QVERIFY(dialog);
    auto* b = Control<QAbstractButton>(dialog, button);
    QSignalSpy clicks(b, &QAbstractButton::clicked);

    // Closed first (the window manager's close), then the click a mnemonic
    // key animated arrives.
    Fake().OnModal(dialog->objectName(), [](QDialog* d) { d->done(QDialog::Rejected); });
    ThePlatform().RunModal(dialog);
    b->click();
    QCOMPARE(clicks.count(), 0);
    QCOMPARE(game.playerCount, 2);

    // Shown again, it answers again.
    Fake().OnModal(dialog->objectName(), [b](QDialog*) { b->click(); });
    ThePlatform().RunModal(dialog);
    QCOMPARE(clicks.count(), 1);
}

QTEST_MAIN(TestFirstAnswer)
#include "tst_firstanswer.moc"
