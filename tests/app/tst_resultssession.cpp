// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/ResultsSession.h"
#include "files/ResultsFile.h"
#include "tests/support/TestGame.h"

#include <QTemporaryDir>
#include <QTest>

using ResultsSession::Outcome;
Q_DECLARE_METATYPE(Outcome)

namespace {

// A results file with `count` players named P0, P1, ...
QByteArray FileOf(int count)
{
    std::vector<PlayerRecord> players(size_t(std::max(count, 1)));
    for (int i = 0; i < count; ++i)
        players[size_t(i)].SetName(QStringLiteral("P%1").arg(i));
    return ResultsFile::FileBytes(QDate(2026, 3, 4), players.data(), count);
}

} // namespace

class TestResultsSession : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        StartTestGame();
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
        game.resultsSaved = false;
        game.resultsFileKnown = false;
    }
    void cleanup() { EndTestGame(); }

    // What each operation says of the file it finds; only a save that went
    // through marks the results saved.
    void outcomes_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("existing"); // null: no such file
        QTest::addColumn<Outcome>("outcome");
        const QByteArray none;
        const QByteArray foreign("hola, esto no es un archivo de resultados y ocupa mas de setenta y dos bytes.");
        QTest::newRow("read a results file") << "read" << "a.rsr" << FileOf(3) << Outcome::Ok;
        QTest::newRow("read a missing file") << "read" << "a.rsr" << none << Outcome::CannotRead;
        QTest::newRow("read another kind") << "read" << "a.rsr" << foreign << Outcome::NotResults;
        QTest::newRow("save whole over another kind") << "whole" << "a.rsr" << foreign << Outcome::Ok;
        QTest::newRow("save whole in no folder") << "whole" << "no/a.rsr" << none << Outcome::CannotCreate;
        QTest::newRow("append to a missing file") << "append" << "a.rsr" << none << Outcome::Ok;
        QTest::newRow("append to another kind") << "append" << "a.rsr" << foreign << Outcome::NotResults;
        QTest::newRow("append past the most") << "append" << "a.rsr" << FileOf(49) << Outcome::TooLong;
        QTest::newRow("append up to the most") << "append" << "a.rsr" << FileOf(48) << Outcome::Ok;
        QTest::newRow("append in no folder") << "append" << "no/a.rsr" << none << Outcome::CannotCreate;
    }
    void outcomes()
    {
        QFETCH(QString, operation);
        QFETCH(QString, name);
        QFETCH(QByteArray, existing);
        QFETCH(Outcome, outcome);
        QTemporaryDir dir;
        const QString path = dir.filePath(name);
        if (!existing.isNull())
            WriteFile(path, existing);
        std::vector<PlayerRecord> read;
        const Outcome got = operation == QLatin1String("read")    ? ResultsSession::ReadPlayers(path, &read)
                            : operation == QLatin1String("whole") ? ResultsSession::SaveWhole(path, QDate(2026, 3, 5))
                                                                  : ResultsSession::Append(path, QDate(2026, 3, 5));
        QCOMPARE(got, outcome);
        QCOMPARE(read.size(), size_t(operation == QLatin1String("read") && got == Outcome::Ok ? 3 : 0));
        const bool saved = operation != QLatin1String("read") && got == Outcome::Ok;
        QCOMPARE(game.resultsSaved, saved);
        QCOMPARE(game.resultsFileKnown, saved);
    }

    void usingAFileWithoutPlayersLeavesSinNombre()
    {
        game.currentPlayer = 2;
        game.pointsTable[1].points = 40;
        ResultsSession::UsePlayers(QStringLiteral("/r/vacio.rsr"), {});
        QCOMPARE(game.playerCount, 1);
        QCOMPARE(game.currentPlayer, 1);
        QCOMPARE(game.players[0].Name(), QStringLiteral("Sin nombre"));
        QCOMPARE(game.pointsTable[1].Name(), QStringLiteral("Sin nombre"));
        QCOMPARE(game.pointsTable[1].points, 0);
        QVERIFY(game.resultsSaved);
        QVERIFY(game.resultsFileKnown);
        QCOMPARE(game.lastResultsFile, QStringLiteral("/r/vacio.rsr"));
    }
};

QTEST_MAIN(TestResultsSession)
#include "tst_resultssession.moc"
