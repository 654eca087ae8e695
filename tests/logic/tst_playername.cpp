// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "logic/PlayerName.h"

#include <QTest>
#include <iconv.h>

namespace {

// Whether one character goes into a code page and comes back the same.
bool RoundTrips(char32_t c, const char* codePage)
{
    iconv_t to = iconv_open(codePage, "UTF-32LE");
    iconv_t from = iconv_open("UTF-32LE", codePage);
    bool ok = false;
    if (to != iconv_t(-1) && from != iconv_t(-1)) {
        char32_t in = c;
        char encoded[8] = {};
        char* inP = reinterpret_cast<char*>(&in);
        char* outP = encoded;
        size_t inLeft = 4, outLeft = sizeof encoded;
        if (iconv(to, &inP, &inLeft, &outP, &outLeft) != size_t(-1) && outP - encoded == 1) {
            char32_t back = 0;
            char* encP = encoded;
            size_t encLeft = 1;
            char* backP = reinterpret_cast<char*>(&back);
            size_t backLeft = 4;
            ok = iconv(from, &encP, &encLeft, &backP, &backLeft) != size_t(-1) && back == c;
        }
    }
    if (to != iconv_t(-1))
        iconv_close(to);
    if (from != iconv_t(-1))
        iconv_close(from);
    return ok;
}

} // namespace

class TestPlayerName : public QObject {
    Q_OBJECT
private slots:
    void storableIsWhatBothCodePagesHold()
    {
        // Every printable character of the first plane: taken exactly when
        // both code pages keep it.
        int taken = 0;
        for (char32_t c = 0x20; c < 0x10000; ++c) {
            if (c == 0x7F || (c >= 0x80 && c < 0xA0) || (c >= 0xD800 && c < 0xE000))
                continue; // control characters and surrogate halves
            const bool both = RoundTrips(c, "CP1252") && RoundTrips(c, "CP850");
            if (PlayerName::IsStorable(c) != both)
                QFAIL(qPrintable(QStringLiteral("U+%1").arg(uint(c), 4, 16, QLatin1Char('0'))));
            taken += both;
        }
        QCOMPARE(taken, 192);
        for (char32_t c : {0x0u, 0x9u, 0x1Bu, 0x7Fu, 0x85u, 0x1F600u, 0x10FFFFu})
            QVERIFY(!PlayerName::IsStorable(c));
    }

    void storable_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("stored");
        QTest::newRow("plain") << "Ana"
                               << "Ana";
        QTest::newRow("accent typed apart") << QString::fromUtf8("Jose\xcc\x81") << QString::fromUtf8("José");
        QTest::newRow("tilde typed apart")
            << QString::fromUtf8("In\xcc\x83igo") << QString::fromUtf8("Iñigo");
        QTest::newRow("emoji only") << QString::fromUtf8("\xf0\x9f\x98\x80") << "";
        QTest::newRow("emoji inside") << QString::fromUtf8("Eva\xf0\x9f\x98\x80 Gil") << "Eva Gil";
        QTest::newRow("half an emoji") << QString::fromUtf8("Eva\xf0\x9f\x98\x80").left(4) << "Eva";
        QTest::newRow("chinese") << QString::fromUtf8("李小龙") << "";
        QTest::newRow("zero-width space") << QString::fromUtf8("\xe2\x80\x8b") << "";
        QTest::newRow("euro sign, not in the file's code page") << QString::fromUtf8("€uro") << "uro";
        QTest::newRow("blanks kept") << "  Ana  "
                                     << "  Ana  ";
        QTest::newRow("control characters") << "\tLola\r\n"
                                            << "Lola";
    }
    void storable()
    {
        QFETCH(QString, text);
        QFETCH(QString, stored);
        QCOMPARE(PlayerName::Storable(text), stored);
    }
};

QTEST_APPLESS_MAIN(TestPlayerName)
#include "tst_playername.moc"
