// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
// The practice history as the exercise windows fill it: the rows of each
// window family, older files, files that cannot be used, two writers at
// once, and deleting one player.
#include "app/GameFolder.h"
#include "app/GameState.h"
#include "app/History.h"
#include "app/PracticeHistory.h"
#include "app/Windows.h"
#include "forms/TExerciseForm.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_sumas1.h"
#include "tests/support/DigitGrid.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <memory>
#include <unistd.h>

namespace {

// Plays a script: "open:<kind>", "res:<text>", "carry:<text>", "check",
// "close"; keys go to the window opened last.
TExerciseForm* window = nullptr;

void Play(const QStringList& script)
{
    for (const QString& step : script) {
        const QString arg = step.section(u':', 1);
        if (step.startsWith(u"open:")) {
            const int kind = arg.toInt();
            window = ExerciseWindow(kind);
            if (kind == Kind::Sumas1) Form_menu->Label1Click();
            if (kind == Kind::Sumas3) Form_menu->Label3Click();
            if (kind == Kind::Sumas4) Form_menu->Label4Click();
            if (kind == Kind::Cmental1) Form_menu->Clculomental1Click();
        } else if (step == u"check") {
            Control<TColor95Button>(window, QStringLiteral("Color95Button1"))->click();
        } else if (step == u"close") {
            window->close();
        } else {
            Control<QLineEdit>(window, step.startsWith(u"res") ? QStringLiteral("Memo_res") : QStringLiteral("Memo_mellevo"))
                ->setText(arg);
        }
    }
}

// Every sum as "player|kind|rows|finished|started" and its keys as
// "seq,col,box,expected,typed,ms", read with plain SQL as another tool would.
QStringList Rows(const QString& file, const QString& extra = {})
{
    QStringList rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(file);
        db.open();
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT p.name, s.kind, s.rows, s.finished, s.started_at, s.id FROM sums s"
                              " JOIN players p ON p.id = s.player_id ORDER BY s.id"));
        while (q.next()) {
            QStringList sum;
            for (int i = 0; i < 5; ++i)
                sum << q.value(i).toString();
            rows << sum.join(u'|');
            QSqlQuery k(db);
            k.exec(QStringLiteral("SELECT seq, col, box, expected, typed, ms FROM keys WHERE sum_id = %1 ORDER BY seq")
                       .arg(q.value(5).toLongLong()));
            while (k.next())
                rows << QStringLiteral("%1,%2,%3,%4,%5,%6").arg(k.value(0).toString(), k.value(1).toString(),
                    k.value(2).toString(), k.value(3).toString(), k.value(4).toString(), k.value(5).toString());
        }
        if (!extra.isEmpty() && q.exec(extra) && q.next())
            rows << q.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return rows;
}

QStringList HistoryMessages()
{
    return Fake().CallsStartingWith(QStringLiteral("message:")).filter(QStringLiteral("historial"));
}

}  // namespace

class TestHistory : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> dir;
    std::unique_ptr<PracticeHistory> history;
    QString file;

    void Start()
    {
        history = std::make_unique<PracticeHistory>(file);
        SetRecorder(history.get());
    }

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        StartTestGame();
        // The game's own history file lies in the temporary folder.
        SetGameFolderPath(dir->filePath(QStringLiteral("juego")));
        file = HistoryFile();
        QCOMPARE(file, dir->filePath(QStringLiteral("historial.sqlite")));
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
        game.autoTurnChange = false;
        Fake().nowStepMs = 250;
    }
    void cleanup()
    {
        EndTestGame();
        SetGameFolderPath({});
        SetRecorder(nullptr);
        history.reset();
    }

    void familyRows_data()
    {
        QTest::addColumn<bool>("carries");
        QTest::addColumn<std::vector<uint32_t>>("draws");
        QTest::addColumn<QStringList>("script");
        QTest::addColumn<QStringList>("rows");
        const QString t = QStringLiteral("2026-12-07T10:00:00");
        QTest::newRow("single column") << false << std::vector<uint32_t>{3, 4, 2, 2}
            << QStringList{"open:1", "res:8", "check", "res:7", "check", "close"}
            << QStringList{"Ana|1|3+4|1|" + t, "1,0,answer,7,8,250", "2,0,answer,7,7,250"};
        QTest::newRow("carry and wrong digit") << true << GridDraws({"47", "38"})
            << QStringList{"open:4", "res:4", "res:5", "carry:1", "res:8", "close"}
            << QStringList{"Ana|4|47+38|1|" + t, "1,0,result,5,4,250", "2,0,result,5,5,250", "3,1,carry,1,1,250",
                           "4,1,result,8,8,250"};
        QTest::newRow("leading digit") << false << GridDraws({"95", "87"})
            << QStringList{"open:4", "res:2", "res:8", "res:3", "res:1", "close"}
            << QStringList{"Ana|4|95+87|1|" + t, "1,0,result,2,2,250", "2,1,result,8,8,250", "3,2,result,1,3,250",
                           "4,2,result,1,1,250"};
        QTest::newRow("mental") << false << std::vector<uint32_t>{6, 2}
            << QStringList{"open:6", "res:9", "check", "res:8", "check", "close"}
            << QStringList{"Ana|6|6+2=?|1|" + t, "1,0,answer,8,9,250", "2,0,answer,8,8,250"};
        QTest::newRow("abandoned") << false << GridDraws({"12", "34"})
            << QStringList{"open:3", "res:5", "close"}
            << QStringList{"Ana|3|12+34|0|" + t, "1,0,result,6,5,250"};
    }
    void familyRows()
    {
        QFETCH(bool, carries);
        QFETCH(std::vector<uint32_t>, draws);
        QFETCH(QStringList, script);
        QFETCH(QStringList, rows);
        game.showCarries = carries;
        ScriptRandom(draws);
        Start();
        Play(script);
        QCOMPARE(Rows(file), rows);
        // The reader gives back what was written.
        const History::Read read = History::ReadSums(file, QStringLiteral("Ana"));
        QVERIFY(read.ok);
        QCOMPARE(read.sums.size(), size_t(1));
        QCOMPARE(qsizetype(read.sums[0].keys.size()), rows.size() - 1);
        QCOMPARE(read.sums[0].keys.back().typed, rows.back().section(u',', 4, 4).toInt());
    }

    // Files written before this version, or by a tool that sets no version,
    // are upgraded in place and keep their rows.
    void olderSchema_data()
    {
        QTest::addColumn<int>("version");
        QTest::newRow("no version") << 0;
        QTest::newRow("version 1") << 1;
    }
    void olderSchema()
    {
        QFETCH(int, version);
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
            db.setDatabaseName(file);
            db.open();
            QSqlQuery q(db);
            for (const char* sql :
                 {"CREATE TABLE players(id INTEGER PRIMARY KEY, name TEXT NOT NULL UNIQUE)",
                  "CREATE TABLE sums(id INTEGER PRIMARY KEY, player_id INTEGER NOT NULL REFERENCES players(id),"
                  " started_at TEXT NOT NULL, kind INTEGER NOT NULL, rows TEXT NOT NULL, finished INTEGER NOT NULL)",
                  "CREATE TABLE keys(sum_id INTEGER NOT NULL REFERENCES sums(id), seq INTEGER NOT NULL,"
                  " col INTEGER NOT NULL, box TEXT NOT NULL, expected INTEGER NOT NULL, typed INTEGER NOT NULL,"
                  " ms INTEGER NOT NULL, PRIMARY KEY(sum_id, seq))",
                  "INSERT INTO players VALUES(7, 'Ana')",
                  "INSERT INTO sums VALUES(1, 7, '2026-01-05T09:00:00', 1, '1+1', 1)",
                  "INSERT INTO keys VALUES(1, 1, 0, 'answer', 2, 2, 900)"})
                QVERIFY2(q.exec(QLatin1String(sql)), sql);
            QVERIFY(q.exec(QStringLiteral("PRAGMA user_version=%1").arg(version)));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("old"));
        ScriptRandom({3, 4, 2, 2});
        Start();
        Play({"open:1", "res:7", "check", "close"});
        QCOMPARE(Rows(file, QStringLiteral("PRAGMA user_version")),
                 (QStringList{"Ana|1|1+1|1|2026-01-05T09:00:00", "1,0,answer,2,2,900",
                              "Ana|1|3+4|1|2026-12-07T10:00:00", "1,0,answer,7,7,250", "2"}));
        QVERIFY(HistoryMessages().isEmpty());
    }

    // Whatever is wrong with the file, every sum still counts, and the child
    // is told once; a damaged file is set aside and a new one kept.
    void unusableFile_data()
    {
        QTest::addColumn<QString>("spoil");
        QTest::addColumn<int>("kept");  // sums in the history afterwards; -1: no file
        QTest::addColumn<QString>("message");
        QTest::newRow("folder is a file") << "folder" << -1 << "No se puede guardar";
        QTest::newRow("history is a folder") << "history" << -1 << "No se puede guardar";
        QTest::newRow("not a database") << "garbage" << 3 << "estaba dañado";
        QTest::newRow("full disk") << "full" << 1 << "No se puede guardar";
        QTest::newRow("read-only folder") << "readonly" << -1 << "No se puede guardar";
    }
    void unusableFile()
    {
        QFETCH(QString, spoil);
        QFETCH(int, kept);
        QFETCH(QString, message);
        if (spoil == u"folder") {
            WriteFile(dir->filePath(QStringLiteral("resultad")), "x");
            file = dir->filePath(QStringLiteral("resultad/historial.sqlite"));
        } else if (spoil == u"history") {
            QVERIFY(QDir(dir->path()).mkdir(QStringLiteral("historial.sqlite")));
        } else if (spoil == u"readonly") {
            if (geteuid() == 0)
                QSKIP("permissions do not hold back the superuser");
            QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::ExeOwner);
        } else if (spoil == u"garbage") {
            WriteFile(file, QByteArray(5000, 'x'));
        }
        ScriptRandom({3, 4, 2, 2, 1, 1, 5, 5});
        Start();
        std::unique_ptr<FileSizeLimit> full;
        Play({"open:1"});
        for (const char* answer : {"7", "4", "2"}) {
            Play({"res:9", "check", QStringLiteral("res:") + QLatin1String(answer), "check"});
            if (spoil == u"full" && !full)
                full = std::make_unique<FileSizeLimit>(QFileInfo(file + "-wal").size());
        }
        full.reset();
        QFile::setPermissions(dir->path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(Form_sumas1->Label_aciertos->text(), QStringLiteral("3"));
        QCOMPARE(HistoryMessages().size(), 1);
        QVERIFY2(HistoryMessages()[0].contains(message), qPrintable(HistoryMessages()[0]));
        if (kept >= 0)
            QCOMPARE(History::ReadSums(file).sums.size(), size_t(kept));
        if (spoil == u"garbage")
            QCOMPARE(QFile(file + QStringLiteral(".dañado-2026-12-07")).size(), 5000);
    }

    // Two writers (as two game processes) at once lose no sum and no key.
    void twoWriters()
    {
        constexpr int kSums = 150;
        auto write = [this](const QString& player) {
            PracticeHistory h(file);
            QDateTime at(QDate(2026, 12, 7), QTime(9, 0));
            for (int s = 0; s < kSums; ++s) {
                h.SumDealt(player, Kind::Sumas4, QStringLiteral("47+38"), at);
                for (int k = 0; k < 4; ++k)
                    h.KeyChecked(Practice::Box::Result, k, 5, k, at.addMSecs(100 * k));
                h.SumEnded(true, at);
            }
        };
        std::unique_ptr<QThread> other(QThread::create(write, QStringLiteral("x'); DROP TABLE keys; --")));
        other->start();
        write(QStringLiteral("Ana"));
        other->wait();
        QCOMPARE(History::Players(file), (QStringList{"Ana", "x'); DROP TABLE keys; --"}));
        for (const QString& p : History::Players(file)) {
            const History::Read read = History::ReadSums(file, p);
            QCOMPARE(read.sums.size(), size_t(kSums));
            for (const Practice::Sum& s : read.sums)
                QCOMPARE(s.keys.size(), size_t(4));
        }
        QVERIFY(HistoryMessages().isEmpty());
    }

    // "Borrar el historial de un jugador...": the chosen player only, after a Yes.
    void deletePlayer_data()
    {
        QTest::addColumn<Platform::Answer>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("yes") << Platform::Answer::Yes << QStringList{"Luis"};
        QTest::newRow("no") << Platform::Answer::No << QStringList{"Ana", "Luis"};
    }
    void deletePlayer()
    {
        QFETCH(Platform::Answer, answer);
        QFETCH(QStringList, left);
        ScriptRandom({3, 4, 2, 2, 1, 1});
        Start();
        Play({"open:1", "res:7", "check"});
        Form_menu->Color95Button_jugadorsiguienteClick();
        Play({"res:4", "check", "close"});
        Fake().OnModal(QStringLiteral("Dialog_borrarhistorial"), [](QDialog* d) {
            Control<QComboBox>(d, QStringLiteral("ComboBox_jugadores"))->setCurrentText(QStringLiteral("Ana"));
            d->accept();
        });
        Fake().answers.push_back(answer);
        Form_menu->Borrarelhistorial1->trigger();
        QCOMPARE(History::Players(file), left);
        QCOMPARE(Rows(file, QStringLiteral("SELECT count(*) FROM keys")).last(), QString::number(left.size()));
    }
};

QTEST_MAIN(TestHistory)
#include "tst_history.moc"
