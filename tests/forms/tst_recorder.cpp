// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
// What the exercise windows tell the practice recorder: one sum of each
// window family, key by key, and the ways a sum ends unfinished.
#include "app/GameState.h"
#include "app/Windows.h"
#include "forms/TForm_cmental1.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_sumas1.h"
#include "forms/TForm_sumas3.h"
#include "forms/TForm_sumas3b.h"
#include "forms/TForm_sumas4.h"
#include "tests/support/DigitGrid.h"
#include "tests/support/RecordingRecorder.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QLineEdit>
#include <QTest>
#include <memory>

namespace {

// Types into a box as the child does: one text change per key.
void Type(QWidget* window, const char* box, const QString& text)
{
    Control<QLineEdit>(window, QLatin1String(box))->setText(text);
}

void Check(QWidget* window) { Control<TColor95Button>(window, QStringLiteral("Color95Button1"))->click(); }

}  // namespace

class TestRecorder : public QObject {
    Q_OBJECT
    std::unique_ptr<RecordingRecorder> rec;

private slots:
    void init()
    {
        StartTestGame();
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Luis")});
        game.autoTurnChange = false;
        rec = std::make_unique<RecordingRecorder>();
    }
    void cleanup()
    {
        EndTestGame();
        rec.reset();
    }

    // Keys typed into the several-column window: a wrong units digit, the
    // right one, the carry, the tens; and a last column of 10 or more typed
    // as two digits with the carry box off.
    void columnSum_data()
    {
        QTest::addColumn<QStringList>("grid");
        QTest::addColumn<bool>("carries");
        QTest::addColumn<QStringList>("keys");  // box:text, in typing order
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("carry box") << QStringList{"47", "38"} << true
                                   << QStringList{"res:4", "res:5", "carry:1", "res:8"}
                                   << QStringList{"dealt:Ana:4:47+38", "key:result:0:5:4", "key:result:0:5:5",
                                                  "key:carry:1:1:1", "key:result:1:8:8", "ended:1"};
        QTest::newRow("leading digit") << QStringList{"95", "87"} << false
                                       << QStringList{"res:2", "res:8", "res:3", "res:1"}
                                       << QStringList{"dealt:Ana:4:95+87", "key:result:0:2:2", "key:result:1:8:8",
                                                      "key:result:2:1:3", "key:result:2:1:1", "ended:1"};
    }
    void columnSum()
    {
        QFETCH(QStringList, grid);
        QFETCH(bool, carries);
        QFETCH(QStringList, keys);
        QFETCH(QStringList, expected);
        game.showCarries = carries;
        // The sum, then the next one, dealt on completion.
        std::vector<uint32_t> draws = GridDraws(grid);
        for (uint32_t d : GridDraws({"15", "16"}))
            draws.push_back(d);
        ScriptRandom(draws);
        Form_menu->Label4Click();
        for (const QString& k : keys) {
            const QStringList part = k.split(u':');
            Type(Form_sumas4, part[0] == u"res" ? "Memo_res" : "Memo_mellevo", part[1]);
        }
        QCOMPARE(rec->reports.mid(0, expected.size()), expected);
    }

    // Whole answers: checked when "Comprobar" is pressed, column 0.
    void wholeAnswers()
    {
        ScriptRandom({3, 4, 2, 2});
        Form_menu->Label1Click();
        Type(Form_sumas1, "Memo_res", QStringLiteral("8"));
        Check(Form_sumas1);
        Type(Form_sumas1, "Memo_res", QStringLiteral("7"));
        Check(Form_sumas1);
        QCOMPARE(rec->reports.mid(0, 5), (QStringList{"dealt:Ana:1:3+4", "key:answer:0:7:8", "key:answer:0:7:7",
                                                       "ended:1", "dealt:Ana:1:2+2"}));
        Form_sumas1->close();

        rec->reports.clear();
        ScriptRandom({6, 2});
        Form_menu->Clculomental1Click();
        Type(Form_cmental1, "Memo_res", QStringLiteral("9"));
        Check(Form_cmental1);
        QCOMPARE(rec->reports, (QStringList{"dealt:Ana:6:6+2=?", "key:answer:0:8:9"}));
    }

    // Unfinished sums end abandoned: closed window, "Más dificil...", a
    // new sum from the menu; a turn passed by hand starts the sum again for
    // the new player.
    void abandoned()
    {
        ScriptGrid({"12", "34"});
        Form_menu->Label3Click();
        Form_menu->Color95Button_jugadorsiguienteClick();
        Type(Form_sumas3, "Memo_res", QStringLiteral("6"));
        ScriptGrid({"123", "456"});
        static_cast<TColumnSumForm*>(Form_sumas3)->HemisphereButton1Click();
        Form_sumas3b->close();
        QCOMPARE(rec->reports, (QStringList{"dealt:Ana:3:12+34", "ended:0", "dealt:Luis:3:12+34",
                                            "key:result:0:6:6", "ended:0", "dealt:Luis:33:123+456", "ended:0"}));
    }
};

QTEST_MAIN(TestRecorder)
#include "tst_recorder.moc"
