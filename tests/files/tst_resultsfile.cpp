// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "files/AtomicFile.h"
#include "files/CodePage.h"
#include "files/ResultsFile.h"
#include "tests/support/FileSizeLimit.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>
#include <sys/stat.h>

namespace {

const QDate kDay{2026, 12, 7};

// A record as another program of the series could write it, byte by byte:
// name bytes (OEM) with leftovers after the zero, every counter slot used.
QByteArray RawRecord(const QByteArray& oemName, int seed)
{
    QByteArray b(72, '\0');
    std::memcpy(b.data(), oemName.constData(), size_t(oemName.size()));
    for (int i = oemName.size() + 1; i < 26; ++i)
        b[i] = char(0xC0 + i); // leftovers of an old, longer name
    const int32_t year = 2001 + seed;
    std::memcpy(b.data() + 26, &year, 4); // little-endian machine
    b[30] = char(1 + seed % 28);
    b[31] = char(1 + seed % 12);
    for (int s = 0; s < 10; ++s) {
        const int32_t v = seed * 100 + s - 3;
        std::memcpy(b.data() + 32 + 4 * s, &v, 4);
    }
    return b;
}

QByteArray RawHeader(const QByteArray& signature = "TOLV ZARPOLINA RES")
{
    QByteArray b(72, '\0');
    std::memcpy(b.data(), signature.constData(), size_t(std::min<qsizetype>(signature.size(), 26)));
    const int32_t year = kDay.year();
    std::memcpy(b.data() + 26, &year, 4);
    b[30] = char(kDay.day());
    b[31] = char(kDay.month());
    return b;
}

QByteArray FileOf(int records)
{
    QByteArray f = RawHeader();
    for (int i = 0; i < records; ++i)
        f += RawRecord("Jugador " + QByteArray::number(i), i);
    return f;
}

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(bytes), bytes.size());
}

std::vector<PlayerRecord> Players(const QStringList& names)
{
    std::vector<PlayerRecord> out;
    for (int i = 0; i < names.size(); ++i) {
        PlayerRecord r;
        r.SetName(names[i]);
        r.year = 2026;
        r.day = uint8_t(i + 1);
        r.month = 12;
        r.hits[0] = i;
        r.misses[4] = 32700;
        out.push_back(r);
    }
    return out;
}

} // namespace

Q_DECLARE_METATYPE(ResultsFile::Check)
Q_DECLARE_METATYPE(ResultsFile::Save)

class TestResultsFile : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString Path(const QString& name) const { return dir_.filePath(name); }

private slots:
    void namesAreOemOnDiskAndAnsiInMemory_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("oem");
        QTest::newRow("eñe and capital I acute")
            << QStringLiteral("Íñigo Muñoz") << QByteArray("\xD6\xA4igo Mu\xA4oz");
        QTest::newRow("accents and diaeresis")
            << QStringLiteral("Ángel Güell Pérez") << QByteArray("\xB5ngel G\x81\x65ll P\x82rez");
        QTest::newRow("cedilla, ordinals")
            << QStringLiteral("Çaç ªº ¿¡") << QByteArray("\x80\x61\x87 \xA6\xA7 \xA8\xAD");
        QTest::newRow("not in the OEM page") << QStringLiteral("€uro") << QByteArray("?uro");
    }
    void namesAreOemOnDiskAndAnsiInMemory()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, oem);
        const auto players = Players({name});
        const QString path = Path(QStringLiteral("nombre.rsr"));
        QCOMPARE(ResultsFile::WriteWhole(path, kDay, players.data(), 1), ResultsFile::Save::Ok);
        const QByteArray bytes = ReadAll(path);
        QCOMPARE(bytes.size(), 144);
        QCOMPARE(bytes.mid(72, oem.size() + 1), oem + '\0');
        const auto back = ResultsFile::Read(path);
        QCOMPARE(back.check, ResultsFile::Check::Ok);
        QCOMPARE(int(back.records.size()), 1);
        QCOMPARE(back.records[0].Name(), oem.contains('?') ? QStringLiteral("?uro") : name);
        QCOMPARE(back.records[0].misses[4], 32700);
    }

    void headerIsTheSignatureAndTheStartDate()
    {
        const QByteArray bytes = ResultsFile::FileBytes(kDay, nullptr, 0);
        QCOMPARE(bytes, RawHeader());
    }

    // What another program wrote comes back byte for byte: leftovers after
    // the name's zero, the subtraction slots, dates, negative counters.
    void readingAndWritingKeepEveryByte()
    {
        QByteArray original = RawHeader();
        original += RawRecord("Pe\xA4"
                              "a",
                              1);              // "Peña"
        original += RawRecord("\xB5lvaro", 2); // "Álvaro"
        original += RawRecord("x", 3);
        const QString path = Path(QStringLiteral("ajeno.rsr"));
        Write(path, original);
        const auto read = ResultsFile::Read(path);
        QCOMPARE(read.check, ResultsFile::Check::Ok);
        QCOMPARE(read.records[0].Name(), QStringLiteral("Peña"));
        QCOMPARE(read.records[1].Name(), QStringLiteral("Álvaro"));
        QCOMPARE(read.records[2].hits[2], 300 + 2 - 3);
        const QString copy = Path(QStringLiteral("copia.rsr"));
        QCOMPARE(ResultsFile::WriteWhole(copy, kDay, read.records.data(), 3), ResultsFile::Save::Ok);
        QCOMPARE(ReadAll(copy), original);
    }

    void filesOfEveryShape_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<ResultsFile::Check>("check");
        QTest::addColumn<int>("records");
        using C = ResultsFile::Check;
        QTest::newRow("empty") << QByteArray() << C::CannotRead << 0;
        QTest::newRow("short header") << RawHeader().left(71) << C::CannotRead << 0;
        QTest::newRow("header only") << RawHeader() << C::Ok << 0;
        QTest::newRow("signature not ended") << RawHeader("TOLV ZARPOLINA RESX") << C::NotResults << 0;
        QTest::newRow("signature in lower case") << RawHeader("tolv zarpolina res") << C::NotResults << 0;
        QTest::newRow("signature of 17") << RawHeader("TOLV ZARPOLINA RE") << C::NotResults << 0;
        QByteArray otherDate = RawHeader();
        otherDate[20] = 'z';
        otherDate[30] = char(0xFF);
        QTest::newRow("other bytes after the signature") << otherDate << C::Ok << 0;
        QTest::newRow("one record and a fragment") << FileOf(1) + QByteArray(71, 'q') << C::Ok << 1;
        QTest::newRow("sixty records") << FileOf(60) << C::Ok << 50;
        QTest::newRow("fifty records") << FileOf(50) << C::Ok << 50;
        QTest::newRow("foreign bytes") << QByteArray(500, char(0xAB)) << C::NotResults << 0;
        QTest::newRow("a picture") << QByteArray("BM\x36\x00\x00\x00", 6) + QByteArray(200, '\0')
                                   << C::NotResults << 0;
    }
    void filesOfEveryShape()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(ResultsFile::Check, check);
        QFETCH(int, records);
        const QString path = Path(QStringLiteral("forma.rsr"));
        Write(path, bytes);
        const auto read = ResultsFile::Read(path);
        QCOMPARE(read.check, check);
        QCOMPARE(int(read.records.size()), records);
        if (check == ResultsFile::Check::Ok) {  // saved back with "Guardar": every record returns
            const auto saved = ResultsFile::WriteWhole(path, kDay, read.records.data(), records, true);
            QCOMPARE(saved, ResultsFile::Save::Ok);
            QCOMPARE(ReadAll(path).mid(72), bytes.left(bytes.size() / 72 * 72).mid(72));
        }
        // A file that is not ours is refused when appending too, and left alone.
        const auto players = Players({QStringLiteral("Eva")});
        const auto saved = ResultsFile::Append(path, kDay, players.data(), 1);
        if (check == ResultsFile::Check::NotResults) {
            QCOMPARE(saved, ResultsFile::Save::NotResults);
            QCOMPARE(ReadAll(path), bytes);
        }
    }

    void missingOrUnreadableFilesCannotBeRead()
    {
        QCOMPARE(ResultsFile::Read(Path(QStringLiteral("no-existe.rsr"))).check,
                 ResultsFile::Check::CannotRead);
        QCOMPARE(ResultsFile::Read(dir_.path()).check, ResultsFile::Check::CannotRead);
        const QString pipe = Path(QStringLiteral("tubo.rsr"));  // read, it would wait for a writer
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        QCOMPARE(ResultsFile::Read(pipe).check, ResultsFile::Check::CannotRead);
    }

    void hostileNamesStayBounded()
    {
        QByteArray f = RawHeader();
        f += QByteArray(72, char(0xDB)); // a name of block characters with no zero at all
        const QString path = Path(QStringLiteral("hostil.rsr"));
        Write(path, f);
        const auto read = ResultsFile::Read(path);
        QCOMPARE(read.check, ResultsFile::Check::Ok);
        QCOMPARE(read.records[0].Name(), QString(25, QLatin1Char('?')));
    }

    void appendingCountsTheRecords_data()
    {
        QTest::addColumn<int>("inFile");
        QTest::addColumn<int>("added");
        QTest::addColumn<ResultsFile::Save>("result");
        QTest::newRow("48 + 3") << 48 << 3 << ResultsFile::Save::TooLong;
        QTest::newRow("48 + 2") << 48 << 2 << ResultsFile::Save::Ok;
        QTest::newRow("0 + 50") << 0 << 50 << ResultsFile::Save::Ok;
        QTest::newRow("50 + 1") << 50 << 1 << ResultsFile::Save::TooLong;
        QTest::newRow("60 + 0") << 60 << 0 << ResultsFile::Save::TooLong;
    }
    void appendingCountsTheRecords()
    {
        QFETCH(int, inFile);
        QFETCH(int, added);
        QFETCH(ResultsFile::Save, result);
        const QString path = Path(QStringLiteral("largo.rsr"));
        const QByteArray before = FileOf(inFile);
        Write(path, before);
        QStringList names;
        for (int i = 0; i < added; ++i)
            names << QStringLiteral("Nuevo %1").arg(i);
        const auto players = Players(names);
        QCOMPARE(ResultsFile::Append(path, kDay, players.data(), added), result);
        const QByteArray after = ReadAll(path);
        if (result != ResultsFile::Save::Ok) {
            QCOMPARE(after, before);
            return;
        }
        QCOMPARE(after.size(), 72 * (1 + inFile + added));
        QCOMPARE(after.left(before.size()), before);
        QCOMPARE(after.mid(before.size()), ResultsFile::FileBytes(kDay, players.data(), added).mid(72));
    }

    void appendingToNothingCreatesTheFileAndNeverMerges()
    {
        const QString path = Path(QStringLiteral("nuevo.rsr"));
        QFile::remove(path);
        const auto players = Players({QStringLiteral("Ana"), QStringLiteral("Luis")});
        QCOMPARE(ResultsFile::Append(path, kDay, players.data(), 2), ResultsFile::Save::Ok);
        QCOMPARE(ResultsFile::Append(path, kDay, players.data(), 2), ResultsFile::Save::Ok);
        const auto read = ResultsFile::Read(path);
        QCOMPARE(int(read.records.size()), 4);
        QCOMPARE(read.records[2].Name(), QStringLiteral("Ana"));
        QCOMPARE(ReadAll(path).left(72), RawHeader());
    }

    void appendsOfSeveralGamesAtOnceAllArrive()
    {
        const QString path = Path(QStringLiteral("clase.rsr"));
        std::vector<std::unique_ptr<QProcess>> games;
        for (int g = 0; g < 6; ++g) {
            games.push_back(std::make_unique<QProcess>());
            games.back()->start(QCoreApplication::applicationFilePath(), {QStringLiteral("--append"), path});
        }
        for (auto& game : games)
            QVERIFY(game->waitForFinished(60000) && game->exitCode() == 0);
        QCOMPARE(int(ResultsFile::Read(path).records.size()), 6 * 8);
    }

    void appendingDropsAFragmentSoRecordsStayAligned()
    {
        const QString path = Path(QStringLiteral("trozo.rsr"));
        Write(path, FileOf(2) + QByteArray(30, 'z'));
        const auto players = Players({QStringLiteral("Eva")});
        QCOMPARE(ResultsFile::Append(path, kDay, players.data(), 1), ResultsFile::Save::Ok);
        QCOMPARE(ReadAll(path).size(), 72 * 4);
        QCOMPARE(ResultsFile::Read(path).records[2].Name(), QStringLiteral("Eva"));
    }

    void failedSavesLeaveTheOldFile_data()
    {
        QTest::addColumn<bool>("append");
        QTest::newRow("write whole") << false;
        QTest::newRow("append") << true;
    }
    // A write that dies half-way (here the file size limit, as a full disk
    // would) must leave the old file as it was.
    void failedSavesLeaveTheOldFile()
    {
        QFETCH(bool, append);
        const QString path = Path(QStringLiteral("viejo.rsr"));
        const QByteArray old = FileOf(3);
        Write(path, old);
        QStringList names;
        for (int i = 0; i < 20; ++i)
            names << QStringLiteral("Jugador nuevo %1").arg(i);
        const auto players = Players(names);

        ResultsFile::Save result{};
        {
            const FileSizeLimit limit(400);
            QVERIFY(limit.IsSet());
            result = append ? ResultsFile::Append(path, kDay, players.data(), 20)
                            : ResultsFile::WriteWhole(path, kDay, players.data(), 20);
        }

        QCOMPARE(result, ResultsFile::Save::CannotWrite);
        QCOMPARE(ReadAll(path), old);
        QCOMPARE(
            QDir(dir_.path()).entryList({QStringLiteral("viejo.rsr*")}, QDir::Files | QDir::Hidden).size(),
            1);
    }

    void savesThatCannotHappenSaySo_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<ResultsFile::Save>("whole");
        QTest::addColumn<ResultsFile::Save>("append");
        QTest::newRow("full disk") << QStringLiteral("/dev/full") << ResultsFile::Save::CannotWrite
                                   << ResultsFile::Save::CannotCheck;
        QTest::newRow("missing folder") << QStringLiteral("no/existe/x.rsr")
                                        << ResultsFile::Save::CannotCreate << ResultsFile::Save::CannotCreate;
        QTest::newRow("a folder") << QString() << ResultsFile::Save::CannotCreate
                                  << ResultsFile::Save::CannotCheck;
    }
    void savesThatCannotHappenSaySo()
    {
        QFETCH(QString, path);
        QFETCH(ResultsFile::Save, whole);
        QFETCH(ResultsFile::Save, append);
        const QString target = path.isEmpty()                      ? dir_.path()
                               : path.startsWith(QLatin1Char('/')) ? path
                                                                   : Path(path);
        const auto players = Players({QStringLiteral("Ana")});
        QCOMPARE(ResultsFile::WriteWhole(target, kDay, players.data(), 1), whole);
        QCOMPARE(ResultsFile::Append(target, kDay, players.data(), 1), append);
    }

    void readerStreamsEveryRecordOfAFile()
    {
        QByteArray bytes = FileOf(70);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        ResultsFile::Reader reader;
        QCOMPARE(reader.Open(&buffer), ResultsFile::Check::Ok);
        QCOMPARE(reader.RecordCount(), 70);
        PlayerRecord r;
        int n = 0;
        while (reader.Next(r))
            ++n;
        QCOMPARE(n, 70);
        QVERIFY(!reader.Failed());
    }

    void codePageTablesRoundTripTheSharedLetters()
    {
        // Every CP1252 letter that CP850 also has comes back unchanged.
        int shared = 0;
        for (int b = 1; b < 256; ++b) {
            const unsigned char oem = AnsiToOemByte((unsigned char)b);
            if (oem == '?' && b != '?')
                continue;
            QCOMPARE(int(OemToAnsiByte(oem)), b);
            ++shared;
        }
        QVERIFY(shared > 200);
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // A game of appendsOfSeveralGamesAtOnceAllArrive: eight appends of one player.
    if (argc == 3 && qstrcmp(argv[1], "--append") == 0) {
        int failed = 0;
        for (int i = 0; i < 8; ++i)
            failed += ResultsFile::Append(argv[2], kDay, Players({"Ana"}).data(), 1) != ResultsFile::Save::Ok;
        return failed;
    }
    TestResultsFile test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_resultsfile.moc"
