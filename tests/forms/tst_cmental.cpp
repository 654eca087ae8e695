// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/Windows.h"
#include "forms/TForm_cmental1.h"
#include "forms/TForm_menu.h"
#include "logic/MentalArithmetic.h"
#include "logic/Random.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

QAction* Item(const QString& name)
{
    auto* a = Form_cmental1->findChild<QAction*>(name);
    if (!a)
        qWarning("menu item %s not found", qPrintable(name));
    return a;
}

QString Shown(const char* label) { return Control<QLabel>(Form_cmental1, QLatin1String(label))->text(); }

void Type(const QString& text)
{
    Form_cmental1->Memo_res->clear();
    QTest::keyClicks(Form_cmental1->Memo_res, text);
    Form_cmental1->Color95Button1->click();
}

}  // namespace

class TestCmental : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        StartTestGame();
        ClearRandomScript();
    }
    void cleanup() { EndTestGame(); }

    void dealsBySettings_data();
    void dealsBySettings();
    void menuItemsSetTheSettingAndReplaceTheSumUnscored_data();
    void menuItemsSetTheSettingAndReplaceTheSumUnscored();
    void everySecondCorrectAnswerCelebrates();
    void wrongAnswerKeepsTheSum();
    void answersReadAsNumbers_data();
    void answersReadAsNumbers();
    void opensFromTheMainWindowWithoutKeySounds();
};

void TestCmental::dealsBySettings_data()
{
    QTest::addColumn<QString>("firstItem");
    QTest::addColumn<QString>("secondItem");
    QTest::addColumn<QString>("blankItem");
    QTest::addColumn<QList<uint32_t>>("raw");
    QTest::addColumn<QList<int>>("dealt");  // a, b, r, answer
    QTest::addColumn<int>("boxLeft");

    // A draw is the raw value modulo the bound.
    QTest::newRow("start: both up to 10, blank result")
        << "Hasta101" << "Hasta102" << "Enelresultado" << QList<uint32_t>{25, 14} << QList<int>{3, 3, 6, 6} << 405;
    QTest::newRow("table of 7: only the first addend is drawn")
        << "Hasta101" << "Fijo71" << "Enelresultado" << QList<uint32_t>{21} << QList<int>{10, 7, 17, 17} << 405;
    QTest::newRow("table of 4, blank addend 2: the answer is 4")
        << "Hasta101" << "Fijo41" << "Enelsumando2" << QList<uint32_t>{9} << QList<int>{9, 4, 13, 4} << 290;
    QTest::newRow("table of 10 is still fixed")
        << "Hasta201" << "Fijo101" << "Enelsumando1" << QList<uint32_t>{20} << QList<int>{20, 10, 30, 20} << 175;
    QTest::newRow("sin límite both: up to 450")
        << "sinlimite1" << "sinlimite2" << "Enelresultado" << QList<uint32_t>{250, 200} << QList<int>{250, 200, 450, 450} << 405;
    QTest::newRow("sin límite wraps at 251 and 201")
        << "sinlimite1" << "sinlimite2" << "Enelsumando1" << QList<uint32_t>{251, 201} << QList<int>{0, 0, 0, 0} << 175;
    QTest::newRow("up to 100 and up to 50")
        << "Hasta701" << "Hasta502" << "Enelsumando2" << QList<uint32_t>{100, 101} << QList<int>{100, 50, 150, 50} << 290;
}

void TestCmental::dealsBySettings()
{
    QFETCH(QString, firstItem);
    QFETCH(QString, secondItem);
    QFETCH(QString, blankItem);
    QFETCH(QList<uint32_t>, raw);
    QFETCH(QList<int>, dealt);
    QFETCH(int, boxLeft);
    Form_cmental1->show();
    for (const QString& name : {firstItem, secondItem, blankItem})
        Item(name)->trigger();

    ScriptRandom(std::vector<uint32_t>(raw.begin(), raw.end()));
    Form_cmental1->NewSum();
    QCOMPARE(ScriptedRandomLeft(), size_t(0));
    QCOMPARE(Shown("Label_sumando1"), QString::number(dealt[0]));
    QCOMPARE(Shown("Label_sumando2"), QString::number(dealt[1]));
    QCOMPARE(Shown("Label_resultado"), QString::number(dealt[2]));
    QCOMPARE(Form_cmental1->ExpectedAnswer(), dealt[3]);
    QCOMPARE(Form_cmental1->Memo_res->x(), boxLeft);
    QCOMPARE(game.exerciseKind, Kind::Cmental1);

    Type(QString::number(dealt[3]));
    QCOMPARE(Form_cmental1->KindHits(), 1);
}

void TestCmental::menuItemsSetTheSettingAndReplaceTheSumUnscored_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("firstBound");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("blank");
    QTest::addColumn<QStringList>("checked");
    QTest::addColumn<QStringList>("unchecked");

    const int result = int(Mental::Blank::Result);
    QTest::newRow("first addend up to 30")
        << "Hasta301" << 31 << 11 << result << QStringList{"Hasta301", "Hasta102", "Elegidoalazarhasta1"}
        << QStringList{"Hasta101", "sinlimite1"};
    QTest::newRow("fixed +3 takes every random mark")
        << "Fijo31" << 11 << 3 << result << QStringList{"Fijo31", "Hasta101"}
        << QStringList{"Elegidoalazarhasta1", "Hasta102", "Fijo11", "Fijo101"};
    QTest::newRow("second addend up to 100")
        << "Hasta1001" << 11 << 101 << result << QStringList{"Hasta1001", "Elegidoalazarhasta1"}
        << QStringList{"Hasta102", "sinlimite2"};
    QTest::newRow("blank in addend 1")
        << "Enelsumando1" << 11 << 11 << int(Mental::Blank::FirstAddend) << QStringList{"Enelsumando1"}
        << QStringList{"Enelsumando2", "Enelresultado"};
}

void TestCmental::menuItemsSetTheSettingAndReplaceTheSumUnscored()
{
    QFETCH(QString, item);
    QFETCH(int, firstBound);
    QFETCH(int, second);
    QFETCH(int, blank);
    QFETCH(QStringList, checked);
    QFETCH(QStringList, unchecked);
    Form_cmental1->show();
    const int32_t points = game.CurrentPoints().points;
    Form_cmental1->Memo_res->setText(QStringLiteral("12"));
    Fake().calls.clear();

    ScriptRandom({5, 6});
    Item(item)->trigger();
    QVERIFY(ScriptedRandomLeft() < 2);  // a new sum was dealt
    QVERIFY(Form_cmental1->Memo_res->text().isEmpty());
    const Mental::Settings& s = Mental::CurrentSettings();
    QCOMPARE(s.firstBound, firstBound);
    QCOMPARE(s.secondSetting, second);
    QCOMPARE(int(s.blank), blank);
    for (const QString& name : checked)
        QVERIFY2(Item(name)->isChecked(), qPrintable(name));
    for (const QString& name : unchecked)
        QVERIFY2(!Item(name)->isChecked(), qPrintable(name));
    // Nothing scored, nothing played.
    QCOMPARE(Form_cmental1->KindHits() + Form_cmental1->KindMisses(), 0);
    QCOMPARE(game.CurrentPoints().points, points);
    QVERIFY(Fake().CallsStartingWith(QStringLiteral("sound:")).isEmpty());
}

void TestCmental::everySecondCorrectAnswerCelebrates()
{
    Form_cmental1->show();
    QStringList hits;
    for (int i = 0; i < 4; ++i) {
        Fake().calls.clear();
        Type(QString::number(Form_cmental1->ExpectedAnswer()));
        hits << QString::number(Fake().CallsStartingWith(QStringLiteral("sound:hit")).size());
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("pause:300")).size(), 1);
    }
    QCOMPARE(hits, (QStringList{"0", "1", "0", "1"}));
    QCOMPARE(game.hitsSinceNotice, 2);
    QCOMPARE(Form_cmental1->KindHits(), 4);
    QCOMPARE(game.players[0].hits[4], 4);  // the mental-arithmetic slot
    QCOMPARE(game.CurrentPoints().points, 8);
}

void TestCmental::wrongAnswerKeepsTheSum()
{
    Form_cmental1->show();
    const QStringList before{Shown("Label_sumando1"), Shown("Label_sumando2"), Shown("Label_resultado")};
    Fake().calls.clear();
    Type(QString::number(Form_cmental1->ExpectedAnswer() + 1));
    QCOMPARE(Fake().calls.mid(0, 2), (QStringList{"sound:miss", "modal:TForm_aviso_error"}));
    QCOMPARE((QStringList{Shown("Label_sumando1"), Shown("Label_sumando2"), Shown("Label_resultado")}), before);
    QVERIFY(Form_cmental1->Memo_res->text().isEmpty());
    QCOMPARE(Form_cmental1->KindMisses(), 1);
    QCOMPARE(game.players[0].misses[4], 1);
    QCOMPARE(game.CurrentPoints().points, -1);
}

void TestCmental::answersReadAsNumbers_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("inBox");
    QTest::addColumn<int>("hits");
    QTest::addColumn<int>("misses");
    // The sum is 6 + 1 = 7: the table of 1, the first addend scripted.
    QTest::newRow("plain") << "7" << "7" << 1 << 0;
    QTest::newRow("leading zeros") << "007" << "007" << 1 << 0;
    QTest::newRow("letters never reach the box") << "a7b" << "7" << 1 << 0;
    QTest::newRow("at most three characters") << "0007" << "000" << 0 << 1;
    QTest::newRow("empty: nothing happens") << "" << "" << 0 << 0;
}

void TestCmental::answersReadAsNumbers()
{
    QFETCH(QString, typed);
    QFETCH(QString, inBox);
    QFETCH(int, hits);
    QFETCH(int, misses);
    Form_cmental1->show();
    Item(QStringLiteral("Fijo11"))->trigger();
    ScriptRandom({6});
    Form_cmental1->NewSum();
    QCOMPARE(Form_cmental1->ExpectedAnswer(), 7);

    QTest::keyClicks(Form_cmental1->Memo_res, typed);
    QCOMPARE(Form_cmental1->Memo_res->text(), inBox);
    QVERIFY(Fake().CallsStartingWith(QStringLiteral("sound:key")).isEmpty());
    Form_cmental1->Color95Button1->click();
    QCOMPARE(Form_cmental1->KindHits(), hits);
    QCOMPARE(Form_cmental1->KindMisses(), misses);
}

void TestCmental::opensFromTheMainWindowWithoutKeySounds()
{
    Form_menu->Clculomental1->trigger();
    QVERIFY(Form_cmental1->isVisible());
    QVERIFY(Form_menu->Clculomental1->isChecked());
    QCOMPARE(game.exerciseKind, Kind::Cmental1);
    QVERIFY(game.clockRunning);
    // Settings outlive the window.
    Item(QStringLiteral("Fijo51"))->trigger();
    Form_cmental1->close();
    QCOMPARE(game.exerciseKind, Kind::None);
    Form_menu->Clculomental1->trigger();
    QCOMPARE(Shown("Label_sumando2"), QStringLiteral("5"));
}

QTEST_MAIN(TestCmental)
#include "tst_cmental.moc"
