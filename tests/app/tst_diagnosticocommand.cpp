// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
// `cifrolo --diagnostico`: one line per player of a history the test writes.
#include "app/HistoryDiagnosis.h"
#include "app/PracticeHistory.h"
#include "tests/support/FakePlatform.h"

#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

namespace {

// Writes finished column sums: for each, the units right, then the tens
// typed as `tens` first (a wrong first try when it differs from the right
// digit), then right.
void WriteSums(PracticeHistory& history, const QString& player, const QStringList& sums, bool forgetCarry)
{
    QDateTime at(QDate(2026, 12, 3), QTime(17, 0));
    for (const QString& rows : sums) {
        const int top = rows.section(u'+', 0, 0).toInt();
        const int bottom = rows.section(u'+', 1, 1).toInt();
        const int units = (top % 10 + bottom % 10) % 10;
        const int carry = (top % 10 + bottom % 10) / 10;
        const int tens = top / 10 + bottom / 10 + carry;
        history.SumDealt(player, Kind::Sumas4, rows, at);
        history.KeyChecked(Practice::Box::Result, 0, units, units, at.addSecs(3));
        if (forgetCarry)
            history.KeyChecked(Practice::Box::Result, 1, tens, tens - carry, at.addSecs(6));
        history.KeyChecked(Practice::Box::Result, 1, tens, tens, at.addSecs(9));
        history.SumEnded(true, at.addSecs(10));
        at = at.addSecs(60);
    }
}

}  // namespace

class TestDiagnosticoCommand : public QObject {
    Q_OBJECT
    FakePlatform platform;

private slots:
    void init() { SetPlatform(&platform); }
    void cleanup() { SetPlatform(nullptr); }

    void linesPerPlayer()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("historial.sqlite"));
        {
            PracticeHistory history(file);
            const QStringList carrying{"47+38", "26+17", "58+25", "19+34", "36+27", "45+29", "18+65", "29+44",
                                       "37+46", "28+53"};
            WriteSums(history, QStringLiteral("Zoé"), carrying, true);
            WriteSums(history, QStringLiteral("Ana"), {"12+34"}, false);
        }
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        QCOMPARE(RunDiagnosisCommand({file}, dir.path(), out, err), 0);
        QCOMPARE(outText, QStringLiteral("Ana\tninguno\t-\nZoé\tolvida-llevada\t-\n"));
        QVERIFY(errText.isEmpty());
    }

    void missingOrForeignFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("not a database") << QByteArray("TOLV ZARPOLINA RES, no es un historial").repeated(40);
    }
    void missingOrForeignFile()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("historial.sqlite"));
        if (!bytes.isEmpty()) {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(bytes);
        }
        QString outText, errText;
        QTextStream out(&outText), err(&errText);
        QCOMPARE(RunDiagnosisCommand({file}, dir.path(), out, err), 1);
        QVERIFY(outText.isEmpty());
        QVERIFY2(errText.contains(QStringLiteral("historial")), qPrintable(errText));
    }
};

QTEST_MAIN(TestDiagnosticoCommand)
#include "tst_diagnosticocommand.moc"
