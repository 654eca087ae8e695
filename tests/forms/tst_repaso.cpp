// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/MistakeNotes.h"
#include "app/ReviewFromHistory.h"
#include "app/Windows.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_repaso.h"
#include "logic/Mistakes.h"
#include "tests/support/TestGame.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

// Types the sum on screen right, digit by digit, carries included, until
// the next one is dealt (never the same digits).
void TypeRight(TForm_repaso* w)
{
    auto* res = Control<QLineEdit>(w, QStringLiteral("Memo_res"));
    auto* carry = Control<QLineEdit>(w, QStringLiteral("Memo_mellevo"));
    const Review::Digits start = w->Sum().Digits();
    for (int keys = 0; keys < 20 && w->Sum().Digits() == start; ++keys) {
        if (w->Sum().AwaitingCarry())
            carry->setText(QString::number(w->Sum().ExpectedCarry()));
        else
            res->setText(QString::number(w->Sum().ExpectedResult()));
    }
    QVERIFY(w->Sum().Digits() != start);
}

} // namespace

class TestRepaso : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        StartTestGame();
        SetPlayers({QStringLiteral("Ana"), QStringLiteral("Bea")});
        TForm_repaso::SetNeedsSource([](const QString& player) {
            return Review::NeedsFromIds(
                {player == u"Ana" ? QStringLiteral("lleva-siempre-uno") : QStringLiteral("hecho:7+8")});
        });
    }
    void cleanup()
    {
        TForm_repaso::SetNeedsSource({});
        EndTestGame();
    }

    // The game's needs: a player's history read once, then this run's keys
    // as they come.
    void needsFollowTheKeys()
    {
        int asked = 0;
        TheMistakeNotes().Clear();
        TheMistakeNotes().SetHistorySource([&asked](const QString&) {
            ++asked;
            return std::vector<Practice::Sum>{};
        });
        QVERIFY(ReviewNeedsFromHistory(QStringLiteral("Ana")).suspectErrors.isEmpty());
        for (int i = 0; i < 2; ++i) {
            TheMistakeNotes().Dealt(QStringLiteral("Ana"), Kind::Sumas4, QStringLiteral("19+19"));
            TheMistakeNotes().Key(Practice::Box::Result, 0, 8, 8);
            TheMistakeNotes().Key(Practice::Box::Result, 1, 3, 2);
        }
        QCOMPARE(ReviewNeedsFromHistory(QStringLiteral("Ana")).suspectErrors, QStringList{"olvida-llevada"});
        QCOMPARE(asked, 1);
        TheMistakeNotes().SetHistorySource({});
        TheMistakeNotes().Clear();
    }

    void openedFromTheMenu()
    {
        QCOMPARE(Form_menu->Repaso1->text(), QStringLiteral("&Repaso"));
        QCOMPARE(Form_menu->Repaso1->statusTip(),
                 QStringLiteral("Cuentas elegidas para repasar los errores de cada jugador"));
        Form_menu->Repaso1->trigger();
        QVERIFY(Form_repaso->isVisible());
        QCOMPARE(game.exerciseKind, Kind::Repaso);
        QCOMPARE(Form_repaso->windowTitle(), QStringLiteral("Repaso de Ana"));
    }

    // Sums finished one after another with the turn passing by itself: each
    // is built for the player whose turn it is, shows only its own digits,
    // and counts in that player's slot of its kind.
    void eachSumForTheCurrentPlayer()
    {
        game.autoTurnChange = true;
        game.showCarries = true;
        Form_menu->Repaso1->trigger();
        for (int i = 0; i < 12; ++i) {
            const int player = game.currentPlayer;
            const QString aim = Form_repaso->Aim();
            if (!aim.isEmpty())
                QCOMPARE(aim == u"lleva-siempre-uno", player == 1);
            const Review::Digits digits = Form_repaso->Sum().Digits();
            const char* const columns[] = {"u", "d", "c", "um", "dm"};
            for (size_t c = 0; c < std::size(columns); ++c)
                QCOMPARE(Control<QLabel>(Form_repaso, QStringLiteral("Label_%1_f1").arg(columns[c]))->isVisible(),
                         c < digits.size());
            const int slot = Review::ResultsSlot(digits);
            const int32_t before = game.players[size_t(player - 1)].hits[size_t(slot)];
            const int32_t other = game.players[size_t(player - 1)].hits[size_t(1 - slot)];
            TypeRight(Form_repaso);
            QVERIFY(game.players[size_t(player - 1)].hits[size_t(slot)] > before);
            QCOMPARE(game.players[size_t(player - 1)].hits[size_t(1 - slot)], other);
            QCOMPARE(game.currentPlayer, 3 - player);
            QCOMPARE(Form_repaso->windowTitle(),
                     QStringLiteral("Repaso de ") + (player == 1 ? "Bea" : "Ana"));
        }
    }

    // Clean sums aimed at an error earn the line; sums left unanswered
    // (the window closed) never do.
    void encouragement_data()
    {
        QTest::addColumn<bool>("answered");
        QTest::newRow("answered right") << true;
        QTest::newRow("closed unanswered") << false;
    }
    void encouragement()
    {
        QFETCH(bool, answered);
        game.autoTurnChange = false;
        Form_repaso->EnsureControls();
        auto* line = Control<QLabel>(Form_repaso, QStringLiteral("Label_animo"));
        bool shown = false;
        for (int i = 0; i < 15; ++i) {
            if (!answered || i == 0)
                Form_menu->Repaso1->trigger();
            if (answered)
                TypeRight(Form_repaso);
            if (!line->text().isEmpty()) {
                shown = true;
                QCOMPARE(line->text(), QStringLiteral("¡Ya te llevas lo que toca, aunque sean 2!"));
            }
            if (!answered)
                Form_repaso->close();
        }
        QCOMPARE(shown, answered);
    }
};

QTEST_MAIN(TestRepaso)
#include "tst_repaso.moc"
