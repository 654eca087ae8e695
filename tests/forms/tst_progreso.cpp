// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/Windows.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_progreso.h"
#include "tests/support/TestGame.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <map>

namespace {

using Histories = std::map<QString, std::vector<Practice::Sum>>;

// n sums of 47 + 38 on 5 December; the forgetful child types 7 for the tens.
std::vector<Practice::Sum> Sums(const QString& player, int n, bool forgetsCarry)
{
    std::vector<Practice::Sum> sums;
    for (int i = 0; i < n; ++i) {
        Practice::Sum s;
        s.id = i + 1;
        s.player = player;
        s.kind = Kind::Sumas4;
        s.rows = QStringLiteral("47+38");
        s.startedAt = QDateTime(QDate(2026, 12, 5), QTime(17, i));
        s.finished = true;
        s.keys = {{1, 0, Practice::Box::Result, 5, 5, 2000},
                  {2, 1, Practice::Box::Carry, 1, 1, 1500},
                  {3, 1, Practice::Box::Result, 8, forgetsCarry ? 7 : 8, 2500}};
        if (forgetsCarry)
            s.keys.push_back({4, 1, Practice::Box::Result, 8, 8, 1000});
        sums.push_back(s);
    }
    return sums;
}

// The window reads these instead of the game's file; a problem text makes
// the list or the sums unreadable.
void UseHistory(const Histories& histories, const QString& playersProblem = {}, const QString& readProblem = {})
{
    Form_progreso->source.players = [=](QString* problem) {
        *problem = playersProblem;
        QStringList names;
        for (const auto& [name, sums] : histories)
            names << name;
        return playersProblem.isEmpty() ? names : QStringList();
    };
    Form_progreso->source.read = [=](const QString& player, const QDateTime&) {
        History::Read r;
        r.ok = readProblem.isEmpty();
        r.problem = readProblem;
        if (const auto it = histories.find(player); r.ok && it != histories.end())
            r.sums = it->second;
        return r;
    };
}

Histories TwoChildren()
{
    return {{QStringLiteral("Ana"), Sums(QStringLiteral("Ana"), 12, true)},
            {QStringLiteral("Bruno"), Sums(QStringLiteral("Bruno"), 6, false)}};
}

QString Run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput());
}

int PdfPages(const QString& path)
{
    for (const QString& line : Run(QStringLiteral("pdfinfo"), {path}).split(u'\n'))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return -1;
}

}  // namespace

class TestProgreso : public QObject {
    Q_OBJECT
private slots:
    void init() { StartTestGame(); }
    void cleanup() { EndTestGame(); }

    void openedFromTheResultsMenuWithTheGamesPlayersFirst()
    {
        const QList<QAction*> entries = Form_menu->Resultados1->actions();
        QCOMPARE(entries.indexOf(Form_menu->Progresodelosjugadores1), entries.indexOf(Form_menu->Controlderesultados1) + 1);
        QCOMPARE(Form_menu->Progresodelosjugadores1->text(), QStringLiteral("&Progreso de los jugadores..."));
        Histories h = TwoChildren();
        h[QStringLiteral("Zoe")] = Sums(QStringLiteral("Zoe"), 3, false);
        UseHistory(h);
        SetPlayers({QStringLiteral("Zoe"), QStringLiteral("Nadie"), QStringLiteral("Bruno")});
        bool shown = false;
        Fake().OnModal(QStringLiteral("TForm_progreso"), [&](QDialog* d) {
            shown = true;
            QCOMPARE(d->windowTitle(), QStringLiteral("Progreso de los jugadores"));
            QStringList names;
            for (int i = 0; i < Form_progreso->ListBox_jugadores->count(); ++i)
                names << Form_progreso->ListBox_jugadores->item(i)->text();
            QCOMPARE(names, QStringList({"Zoe", "Bruno", "Ana"}));
            QCOMPARE(Form_progreso->Shown().player, QStringLiteral("Zoe"));
            QVERIFY(Form_progreso->Label_aviso->isHidden());
            QVERIFY(d->width() <= 1024 && d->height() <= 768);
        });
        Form_menu->Progresodelosjugadores1->trigger();
        QVERIFY(shown);
    }

    void saysInOneSentenceWhenThereIsNothingToShow_data()
    {
        QTest::addColumn<bool>("anyHistory");
        QTest::addColumn<QString>("playersProblem");
        QTest::addColumn<QString>("readProblem");
        QTest::addColumn<QString>("said");
        QTest::addColumn<bool>("printable");
        QTest::newRow("no history yet") << false << QString() << QString()
                                        << "Todavía no hay sumas guardadas: cuando los jugadores hagan sumas, "
                                           "aquí se verá cómo van."
                                        << false;
        QTest::newRow("the list cannot be read") << true << "No se puede abrir el historial." << QString()
                                                 << "No se puede abrir el historial." << false;
        QTest::newRow("the sums cannot be read") << true << QString() << "El historial está dañado."
                                                 << "El historial está dañado." << true;
    }
    void saysInOneSentenceWhenThereIsNothingToShow()
    {
        QFETCH(bool, anyHistory);
        QFETCH(QString, playersProblem);
        QFETCH(QString, readProblem);
        QFETCH(QString, said);
        QFETCH(bool, printable);
        UseHistory(anyHistory ? TwoChildren() : Histories(), playersProblem, readProblem);
        Fake().OnModal(QStringLiteral("TForm_progreso"), [&](QDialog*) {
            QVERIFY(Form_progreso->Label_aviso->isVisible());
            QCOMPARE(Form_progreso->Label_aviso->text(), said);
            QVERIFY(Form_progreso->Shown().player.isEmpty());
            QCOMPARE(Form_progreso->Button_pdf->isEnabled(), printable);
            // Still usable: nothing to save is no fault.
            Fake().saveFileNames.push_back(QStringLiteral("/nonexistent/x.pdf"));
            QTest::mouseClick(Form_progreso->Button_pdf, Qt::LeftButton);
            QVERIFY(Fake().CallsStartingWith(QStringLiteral("message")).isEmpty());
            QTest::mouseClick(Form_progreso->Button_cerrar, Qt::LeftButton);
        });
        ThePlatform().RunModal(Form_progreso);
    }

    void onePdfPagePerChild_data()
    {
        QTest::addColumn<bool>("everyChild");
        QTest::addColumn<bool>("throughPrinting");
        QTest::addColumn<int>("pages");
        QTest::newRow("the chosen child") << false << false << 1;
        QTest::newRow("every child of the list") << true << false << 2;
        QTest::newRow("printed, every child") << true << true << 2;
    }
    void onePdfPagePerChild()
    {
        QFETCH(bool, everyChild);
        QFETCH(bool, throughPrinting);
        QFETCH(int, pages);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("progreso"));  // ".pdf" is added
        UseHistory(TwoChildren());
        QString sentence;
        Fake().OnModal(QStringLiteral("TForm_progreso"), [&](QDialog*) {
            QVERIFY(!Form_progreso->Shown().sentences.empty());
            sentence = Form_progreso->Shown().sentences.front().text;
            Form_progreso->CheckBox_todos->setChecked(everyChild);
            if (throughPrinting) {
                Fake().previewPdf = pdf + QStringLiteral(".pdf");
                QTest::mouseClick(Form_progreso->Button_imprimir, Qt::LeftButton);
            } else {
                Fake().saveFileNames.push_back(pdf);
                QTest::mouseClick(Form_progreso->Button_pdf, Qt::LeftButton);
            }
        });
        ThePlatform().RunModal(Form_progreso);
        QCOMPARE(Fake().CallsStartingWith(QStringLiteral("message")), QStringList());
        QCOMPARE(PdfPages(pdf + QStringLiteral(".pdf")), pages);
        const QString text = Run(QStringLiteral("pdftotext"), {pdf + QStringLiteral(".pdf"), QStringLiteral("-")})
                                 .simplified();
        QVERIFY2(text.contains(QStringLiteral("Progreso de Ana")), qPrintable(text));
        QCOMPARE(text.contains(QStringLiteral("Progreso de Bruno")), everyChild);
        QVERIFY2(text.contains(sentence), qPrintable(sentence));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList({"progreso.pdf"}));
    }
};

QTEST_MAIN(TestProgreso)
#include "tst_progreso.moc"
