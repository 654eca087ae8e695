// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Platform.h"
#include "app/Windows.h"
#include "forms/TForm_aviso_error.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QLabel>
#include <QTest>

class TestAvisoError : public QObject {
    Q_OBJECT
private slots:
    void init() { StartTestGame(); }
    void cleanup() { EndTestGame(); }

    void showsItsFixedTextsCentred();
    void otherKeysAndCloseRequestsLeaveItOpen_data();
    void otherKeysAndCloseRequestsLeaveItOpen();
    void buttonOrAcceleratorClosesIt_data();
    void buttonOrAcceleratorClosesIt();
};

void TestAvisoError::showsItsFixedTextsCentred()
{
    TForm_aviso_error* n = Form_aviso_error;
    ThePlatform().RunModal(n);
    QCOMPARE(n->windowTitle(), QStringLiteral("  Aviso de fallo"));
    QCOMPARE(n->size(), QSize(476, 232));
    QCOMPARE(Control<QLabel>(n, QStringLiteral("Label1"))->text(),
             QStringLiteral("El número que has pulsado NO es correcto."));
    QCOMPARE(Control<QLabel>(n, QStringLiteral("Label2"))->text(), QStringLiteral("Vuelve a calcularlo."));
    QCOMPARE(Control<TColor95Button>(n, QStringLiteral("Color95Button1"))->text(), QStringLiteral("&Seguir"));
    QVERIFY(!(n->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    // The outer frame is centred on the fake screen of 1280 x 1024.
    const QSize outer = n->frameGeometry().size();
    QCOMPARE(n->pos(), QPoint((1280 - outer.width()) / 2, (1024 - outer.height()) / 2));
}

void TestAvisoError::otherKeysAndCloseRequestsLeaveItOpen_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier);
    QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
    QTest::newRow("a digit") << int(Qt::Key_7) << int(Qt::NoModifier);
    QTest::newRow("another letter") << int(Qt::Key_C) << int(Qt::NoModifier);
    QTest::newRow("Alt and another letter") << int(Qt::Key_C) << int(Qt::AltModifier);
    QTest::newRow("Control S") << int(Qt::Key_S) << int(Qt::ControlModifier);
    QTest::newRow("close request") << 0 << 0;
}

void TestAvisoError::otherKeysAndCloseRequestsLeaveItOpen()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    TForm_aviso_error* n = Form_aviso_error;
    bool stayedOpen = false;
    Fake().OnModal(QStringLiteral("TForm_aviso_error"), [&](QDialog* d) {
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        if (key == 0) {
            d->close();
        } else {
            // Both to the focused button and to the window itself.
            QTest::keyClick(d->focusWidget(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
            QTest::keyClick(d, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        }
        stayedOpen = d->isVisible();
    });
    ThePlatform().RunModal(n);
    QVERIFY(stayedOpen);
}

void TestAvisoError::buttonOrAcceleratorClosesIt_data()
{
    QTest::addColumn<QString>("how");
    QTest::newRow("click") << "click";
    QTest::newRow("Alt+S") << "alt";
    QTest::newRow("S") << "s";
}

void TestAvisoError::buttonOrAcceleratorClosesIt()
{
    QFETCH(QString, how);
    TForm_aviso_error* n = Form_aviso_error;
    bool closed = false;
    Fake().OnModal(QStringLiteral("TForm_aviso_error"), [&](QDialog* d) {
        d->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(d));
        auto* button = Control<TColor95Button>(d, QStringLiteral("Color95Button1"));
        if (how == QLatin1String("click")) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (how == QLatin1String("alt")) {
            // Alt+S goes through the shortcut map, which presses the button
            // for a moment before it clicks; finish the press at once.
            QTest::keyClick(d, Qt::Key_S, Qt::AltModifier);
            QVERIFY(button->isDown());
            button->click();
        } else {
            QTest::keyClick(d->focusWidget(), Qt::Key_S);
        }
        closed = !d->isVisible();
    });
    QCOMPARE(ThePlatform().RunModal(n), int(QDialog::Accepted));
    QVERIFY(closed);
    // Reused for the next wrong answer.
    ThePlatform().RunModal(n);
    QCOMPARE(Fake().calls, (QStringList{QStringLiteral("modal:TForm_aviso_error"),
                                        QStringLiteral("modal:TForm_aviso_error")}));
}

QTEST_MAIN(TestAvisoError)
#include "tst_aviso_error.moc"
