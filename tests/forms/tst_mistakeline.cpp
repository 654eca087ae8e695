// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
// The line that says what a wrong digit means: shown once the notice has
// closed when the child's history explains the digit, gone at the next key,
// never shown with the option off.
#include "app/GameState.h"
#include "app/MistakeNotes.h"
#include "app/Windows.h"
#include "forms/TForm_cmental1.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_sumas4.h"
#include "logic/MentalArithmetic.h"
#include "tests/support/DigitGrid.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <array>

class TestMistakeLine : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        StartTestGame();
        SetPlayers({QStringLiteral("Ana")});
        game.showCarries = false;
        TheMistakeNotes().Clear();
    }
    void cleanup()
    {
        TheMistakeNotes().SetHistorySource({});
        EndTestGame();
    }

    void forgottenCarry_data()
    {
        QTest::addColumn<bool>("option");
        QTest::addColumn<bool>("stored");       // a stored sum where the carry was forgotten
        QTest::addColumn<QStringList>("lines"); // after each sum's wrong tens digit
        const QString line = QStringLiteral("¿Has sumado la que te llevabas?");
        QTest::newRow("explained") << true << false << QStringList{"", line, line};
        QTest::newRow("option off") << false << false << QStringList{"", "", ""};
        QTest::newRow("from the history") << true << true << QStringList{line, line, line};
    }
    void forgottenCarry()
    {
        QFETCH(bool, option);
        QFETCH(bool, stored);
        QFETCH(QStringList, lines);
        if (stored)
            TheMistakeNotes().SetHistorySource([](const QString& player) {
                Practice::Sum sum;
                sum.player = player;
                sum.kind = Kind::Sumas4;
                sum.rows = QStringLiteral("18+27");
                sum.finished = true;
                for (auto [col, expected, typed] : {std::array{0, 5, 5}, {1, 4, 3}, {1, 4, 4}})
                    sum.keys.push_back(
                        {int32_t(sum.keys.size()) + 1, col, Practice::Box::Result, expected, typed, 900});
                return std::vector<Practice::Sum>{sum};
            });
        if (!option)
            Form_menu->Explicarloserrores1->trigger();
        QCOMPARE(Form_menu->Explicarloserrores1->isChecked(), option);
        const QStringList sums[] = {{"47", "38"}, {"29", "16"}, {"56", "29"}, {"12", "19"}};
        std::vector<uint32_t> draws;
        for (const QStringList& grid : sums)
            for (uint32_t d : GridDraws(grid))
                draws.push_back(d);
        ScriptRandom(draws);
        Form_menu->Label4Click();
        auto* box = Control<QLineEdit>(Form_sumas4, QStringLiteral("Memo_res"));
        auto* label = Control<QLabel>(Form_sumas4, QStringLiteral("Label_explicacion"));
        // Units right, tens without the carry (one less), then right.
        const char* keys[][3] = {{"5", "7", "8"}, {"5", "3", "4"}, {"5", "7", "8"}};
        for (int s = 0; s < 3; ++s) {
            QTest::keyClicks(box, QLatin1String(keys[s][0]));
            QTest::keyClicks(box, QLatin1String(keys[s][1]));
            QCOMPARE(label->isVisible() ? label->text() : QString(), lines[s]);
            if (label->isVisible()) {
                QCOMPARE(label->accessibleName(), lines[s]);
                QVERIFY(QRect(QPoint(0, 0), Form_sumas4->size()).contains(label->geometry()));
            }
            QTest::keyClicks(box, QLatin1String(keys[s][2]));
            QVERIFY(!label->isVisible());
        }
    }

    // A whole answer checked by the button: the line goes by the answer box.
    void addedForTheBlank()
    {
        Mental::CurrentSettings() = Mental::Settings{};
        Mental::CurrentSettings().blank = Mental::Blank::SecondAddend;
        ScriptRandom({6, 2, 3, 4, 5, 1});
        Form_menu->Clculomental1Click();
        auto* box = Control<QLineEdit>(Form_cmental1, QStringLiteral("Memo_res"));
        auto* check = Control<TColor95Button>(Form_cmental1, QStringLiteral("Color95Button1"));
        auto* label = Control<QLabel>(Form_cmental1, QStringLiteral("Label_explicacion"));
        const char* keys[][2] = {{"14", "2"}, {"10", "4"}, {"11", "1"}}; // 6+?=8, 3+?=7, 5+?=6
        for (int s = 0; s < 3; ++s) {
            QTest::keyClicks(box, QLatin1String(keys[s][0]));
            check->click();
            QCOMPARE(label->isVisible(), s >= 1);
            if (s >= 1) {
                QCOMPARE(label->text(), QStringLiteral("No hay que sumarlos: ¿cuánto falta para llegar?"));
                const QRect answer(box->pos(), box->size());
                QVERIFY(label->geometry().adjusted(-8, -8, 8, 8).intersects(answer));
            }
            QTest::keyClicks(box, QLatin1String(keys[s][1]));
            check->click();
        }
        Mental::CurrentSettings() = Mental::Settings{};
    }
};

QTEST_MAIN(TestMistakeLine)
#include "tst_mistakeline.moc"
