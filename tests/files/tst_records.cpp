// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/Records.h"

#include <QTest>
#include <cstring>

class TestRecords : public QObject {
    Q_OBJECT
private slots:
    void playerRecordLayout()
    {
        PlayerRecord r;
        r.SetName(QStringLiteral("Ana"));
        r.year = 2026;
        r.day = 7;
        r.month = 12;
        r.hits[0] = 1;
        r.hits[4] = 0x01020304;
        r.misses[1] = -2;
        const auto bytes = RecordBytes(r);
        QCOMPARE(int(bytes.size()), 72);
        QCOMPARE(QByteArray(bytes.data(), 4), QByteArray("Ana\0", 4));
        // year at 26, little-endian; day and month at 30 and 31
        QCOMPARE(uint8_t(bytes[26]), uint8_t(2026 & 0xFF));
        QCOMPARE(uint8_t(bytes[27]), uint8_t(2026 >> 8));
        QCOMPARE(int(bytes[30]), 7);
        QCOMPARE(int(bytes[31]), 12);
        QCOMPARE(int(bytes[32]), 1);                  // hits[0]
        QCOMPARE(uint8_t(bytes[48]), uint8_t(0x04));  // hits[4], low byte first
        QCOMPARE(uint8_t(bytes[51]), uint8_t(0x01));
        QCOMPARE(uint8_t(bytes[56]), uint8_t(0xFE));  // misses[1] = -2
        QCOMPARE(uint8_t(bytes[59]), uint8_t(0xFF));

        const PlayerRecord back = RecordFromBytes(bytes.data());
        QCOMPARE(back.Name(), QStringLiteral("Ana"));
        QCOMPARE(back.year, 2026);
        QCOMPARE(back.hits[4], 0x01020304);
        QCOMPARE(back.misses[1], -2);
    }

    void nameWithoutTerminatorStaysBounded()
    {
        char raw[72];
        std::memset(raw, 'x', sizeof raw);
        const PlayerRecord r = RecordFromBytes(raw);
        QCOMPARE(r.Name().size(), 25);
    }

    void namesAreAnsi_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("ansi");
        QTest::newRow("accents") << QStringLiteral("Íñigo Muñoz") << QByteArray("\xCD\xF1igo Mu\xF1oz");
        QTest::newRow("euro and quotes") << QStringLiteral("€‘x’") << QByteArray("\x80\x91x\x92");
        QTest::newRow("not representable") << QStringLiteral("Ωmega") << QByteArray("?mega");
    }
    void namesAreAnsi()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, ansi);
        PlayerRecord r;
        r.SetName(name);
        QCOMPARE(QByteArray(r.name), ansi);
        if (!ansi.contains('?'))
            QCOMPARE(r.Name(), name);
    }

    void longNamesAreCutToTheField()
    {
        PointsEntry e;
        e.SetName(QString(40, QLatin1Char('a')));
        QCOMPARE(e.Name().size(), 19);
        QCOMPARE(e.name[19], '\0');
    }
};

QTEST_APPLESS_MAIN(TestRecords)
#include "tst_records.moc"
