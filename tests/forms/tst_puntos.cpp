// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/Services.h"
#include "app/Windows.h"
#include "forms/TForm_directorio.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_puntos.h"
#include "forms/TForm_sumas1.h"
#include "tests/support/FileSizeLimit.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"
#include "widgets/TxpButton.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QColor kRed(0xFF, 0, 0);

// The rows as the window shows them, "name points"; '*' before a row in
// red, bold and underlined, '?' before one only partly so.
QString Shown(TForm_puntos* w)
{
    QStringList rows;
    for (int i = 0; i < kTopTen; ++i) {
        QLabel* name = w->Label_j[size_t(i)];
        QLabel* points = w->Label_p[size_t(i)];
        const QColor nameColour = name->palette().color(QPalette::WindowText);
        const QColor pointsColour = points->palette().color(QPalette::WindowText);
        const bool all =
            nameColour == kRed && name->font().bold() && name->font().underline() && pointsColour == kRed;
        const bool none = nameColour == Qt::black && !name->font().bold() && !name->font().underline() &&
                          pointsColour == QColor(0, 0, 0xFF);
        rows << QString(all ? "*" : none ? "" : "?") + name->text() + ' ' + points->text();
    }
    return rows.join('|');
}

QString Empty(int n) { return QStringList(n, QStringLiteral(" 0")).join('|'); }

QByteArray ReadAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TestPuntos : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        StartTestGame();
        game.startDirectory = tmp_.path();
        path_ = tmp_.filePath(QStringLiteral("puntos.psu"));
        QFile::remove(path_);
    }
    void cleanup() { EndTestGame(); }

    void opensOverTheExerciseAndSavesFromTheKeyboard();
    void showingsAndSaves();
    void failedSaves_data();
    void failedSaves();
    void chosenFolderHoldsTheFile();

private:
    // Shows the list from the main window's menu; `inside` runs while it is open.
    void Open(const std::function<void(TForm_puntos*)>& inside)
    {
        Fake().OnModal(QStringLiteral("TForm_puntos"),
                       [inside](QDialog* d) { inside(static_cast<TForm_puntos*>(d)); });
        Form_menu->Los10mejoresjugadores1->trigger();
    }
    void SetPoints(const QStringList& names, const QList<int>& points)
    {
        SetPlayers(names);
        for (int i = 0; i < points.size(); ++i)
            game.pointsTable[i + 1].points = points[i];
    }

    QTemporaryDir tmp_;
    QString path_;
};

void TestPuntos::opensOverTheExerciseAndSavesFromTheKeyboard()
{
    TForm_puntos* w = Form_puntos;
    const QSize small = w->size();
    QCOMPARE(w->pos(), QPoint(640 - 276, 512 - 185));
    Form_menu->Iniciosumassinllevarse1->trigger();
    QDir::setCurrent(QDir::tempPath());
    // A list from an independent tool: CP850 names, one that looks like markup.
    QByteArray file(240, '\0');
    file.replace(0, 7, QByteArray("Jos\x82\0\0\0", 7)).replace(20, 1, "\x32");
    file.replace(24, 10, "<b>Eva</b>").replace(44, 1, "\x05");
    WriteFile(path_, file);
    SetPoints({"Ana"}, {12});

    bool ran = false;
    Open([&](TForm_puntos* d) {
        ran = true;
        // The file in the game folder, wherever the working folder went.
        QCOMPARE(d->PointsPath(), path_);
        QCOMPARE(d->height(), small.height());
        QVERIFY(d->Timer_persiana->isActive());
        d->Timer_persianaTimer();
        QCOMPARE(d->width(), 552);
        QVERIFY(d->height() >= 371 && d->height() <= 375);

        QCOMPARE(Shown(d), "José 50|*Ana 12|<b>Eva</b> 5|" + Empty(7));
        QCOMPARE(d->Label_j[2]->textFormat(), Qt::PlainText);
        QVERIFY(QTest::qWaitForWindowActive(d));
        QCOMPARE(d->focusWidget(), d->Color95Button1);
        // The accelerator presses the button and clicks it a moment later.
        QTest::keyClick(d, Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(!d->Color95Button1->isEnabled());
        QCOMPARE(d->focusWidget(), d->Color95Button2);
        QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
        QVERIFY(!d->isVisible());
    });
    QVERIFY(ran);
    QVERIFY(w->height() <= small.height() && w->height() > small.height() - 5);
    QCOMPARE(game.exerciseKind, Kind::Sumas1);
    QVERIFY(Form_sumas1->isVisible());
    QByteArray expected = file;
    expected.replace(24, 24, QByteArray("Ana\0", 4) + QByteArray(16, '\0') + QByteArray("\x0C\0\0\0", 4));
    expected.replace(48, 24, file.mid(24, 24));
    QCOMPARE(ReadAll(path_), expected);
}

// Unsaved entries are gone at the next showing; a saved score does not
// enter a second time until it changes.
void TestPuntos::showingsAndSaves()
{
    SetPoints({"Ana", "Luis"}, {12, 7});
    QStringList shown;
    QList<bool> enabled;
    const auto look = [&](TForm_puntos* d) {
        shown << Shown(d);
        enabled << d->Color95Button1->isEnabled();
    };
    Open(look);
    Open([&](TForm_puntos* d) {
        look(d);
        d->Color95Button1->click();
    });
    Open(look);
    game.currentPlayer = 2;
    ScoreHit();
    Open(look);
    const QString first = "*Ana 12|*Luis 7|" + Empty(8);
    QCOMPARE(shown,
             QStringList({first, first, "Ana 12|Luis 7|" + Empty(8), "Ana 12|*Luis 9|Luis 7|" + Empty(7)}));
    QCOMPARE(enabled, QList<bool>({true, true, false, true}));
    QCOMPARE(ReadAll(path_).size(), 240);
}

void TestPuntos::failedSaves_data()
{
    QTest::addColumn<bool>("missingFolder");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("cannot be created") << true << QStringList{};
    QTest::newRow("dies while writing")
        << false
        << QStringList{"beep", "message:Error.\n\nNo se ha podido grabar el archivo de puntuaciones."};
}
// Nothing saved: the button stays for another try, the old list stays whole.
void TestPuntos::failedSaves()
{
    QFETCH(bool, missingFolder);
    QFETCH(QStringList, calls);
    QByteArray old(240, '\0');
    old.replace(0, 3, "Eva").replace(20, 1, "\x32");
    WriteFile(path_, old);
    SetPoints({"Ana"}, {12});
    if (missingFolder)
        Form_puntos->pointsDirectory = tmp_.filePath(QStringLiteral("no/existe/"));
    bool enabled = false;
    Open([&](TForm_puntos* d) {
        QVERIFY(d->Color95Button1->isEnabled());
        Fake().calls.clear();
        // The file size limit stops the write half-way, as a full disk would.
        {
            const FileSizeLimit limit(100);
            QVERIFY(limit.IsSet());
            d->Color95Button1->click();
        }
        enabled = d->Color95Button1->isEnabled();
    });
    QCOMPARE(Fake().calls.mid(0, calls.size()), calls);
    QVERIFY(enabled);
    QCOMPARE(ReadAll(path_), old);
}

// The folder dialog is not offered; when shown, its choice moves the file.
void TestPuntos::chosenFolderHoldsTheFile()
{
    QVERIFY(!Form_menu->Directorioparapuntos1->isVisible());
    QVERIFY(QDir(tmp_.path()).mkpath(QStringLiteral("otra")));
    QDir::setCurrent(tmp_.path());
    QString shownAt;
    Fake().OnModal(QStringLiteral("TForm_directorio"), [&](QDialog* d) {
        auto* w = static_cast<TForm_directorio*>(d);
        shownAt = w->SelectedDirectory();
        w->SelectDirectory(tmp_.filePath(QStringLiteral("otra")));
        w->xpButton_aceptar->click();
    });
    ThePlatform().RunModal(Form_directorio);
    QCOMPARE(shownAt, tmp_.path());
    SetPoints({"Ana"}, {12});
    Open([](TForm_puntos* d) { d->Color95Button1->click(); });
    QCOMPARE(ReadAll(tmp_.filePath(QStringLiteral("otra/puntos.psu"))).size(), 240);
}

QTEST_MAIN(TestPuntos)
#include "tst_puntos.moc"
