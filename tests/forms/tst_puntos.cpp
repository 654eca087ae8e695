// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "app/GameState.h"
#include "app/Services.h"
#include "app/Windows.h"
#include "files/PointsFile.h"
#include "forms/TForm_directorio.h"
#include "forms/TForm_menu.h"
#include "forms/TForm_puntos.h"
#include "forms/TForm_sumas1.h"
#include "tests/support/TestGame.h"
#include "widgets/TColor95Button.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <cstring>
#include <sys/resource.h>

namespace {

const QString kCannotSave = QStringLiteral("message:Error.\n\nNo se ha podido grabar el archivo de puntuaciones.");

// The ten rows as the window shows them: "name points", '*' before a row
// in red, bold and underlined.
QString Shown(TForm_puntos* w)
{
    QStringList rows;
    for (int i = 0; i < kTopTen; ++i) {
        QLabel* name = w->Label_j[size_t(i)];
        QLabel* points = w->Label_p[size_t(i)];
        const bool red = name->palette().color(QPalette::WindowText) == QColor(0xFF, 0, 0);
        const bool marked = red && name->font().bold() && name->font().underline() &&
                            points->palette().color(QPalette::WindowText) == QColor(0xFF, 0, 0);
        // Anything half-marked is a fault of its own.
        if (!marked && (red || name->font().bold() || name->font().underline() ||
                        points->palette().color(QPalette::WindowText) != QColor(0, 0, 0xFF)))
            rows << QStringLiteral("?");
        rows << (marked ? QStringLiteral("*") : QString()) + name->text() + QLatin1Char(' ') + points->text();
    }
    return rows.join(QLatin1Char('|'));
}

QString Empty(int n) { return QStringList(n, QStringLiteral(" 0")).join(QLatin1Char('|')); }

// A points file written byte by byte, as an independent tool would.
QByteArray FileBytes(const QList<QPair<QByteArray, int32_t>>& records)
{
    QByteArray bytes;
    for (const auto& [name, points] : records) {
        QByteArray r(24, '\0');
        std::memcpy(r.data(), name.constData(), size_t(std::min<qsizetype>(name.size(), 20)));
        std::memcpy(r.data() + 20, &points, 4);
        bytes += r;
    }
    return bytes;
}

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
        QVERIFY(tmp_.isValid());
        game.startDirectory = tmp_.path();
        path_ = tmp_.filePath(QStringLiteral("puntos.psu"));
        QFile::remove(path_);
    }
    void cleanup() { EndTestGame(); }

    void opensOverTheExerciseAndSavesFromTheKeyboard();
    void showingsAndSaves();
    void failedSaves_data();
    void failedSaves();
    void filesWrittenElsewhere_data();
    void filesWrittenElsewhere();
    void pointsFolder_data();
    void pointsFolder();

private:
    // Shows the list from the main window's menu; `inside` runs while it is open.
    void Open(const std::function<void(TForm_puntos*)>& inside = {})
    {
        Fake().OnModal(QStringLiteral("TForm_puntos"), [inside](QDialog* d) {
            if (inside)
                inside(static_cast<TForm_puntos*>(d));
        });
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
    QVERIFY(small.height() < 371);
    QCOMPARE(w->pos(), QPoint(640 - 276, 512 - 185));
    Form_menu->Iniciosumassinllevarse1->trigger();
    QDir::setCurrent(QDir::tempPath());
    SetPoints({"Ana"}, {12});

    bool ran = false;
    Open([&](TForm_puntos* d) {
        ran = true;
        QCOMPARE(QDir::currentPath(), tmp_.path());
        QCOMPARE(d->windowTitle(), QStringLiteral("Control de puntuaciones"));
        QCOMPARE(d->height(), small.height());
        QVERIFY(d->Timer_persiana->isActive());
        d->Timer_persianaTimer();
        QVERIFY(!d->Timer_persiana->isActive());
        QCOMPARE(d->width(), 552);
        QVERIFY(d->height() >= 371 && d->height() <= 375);

        QCOMPARE(Shown(d), "*Ana 12|" + Empty(9));
        QVERIFY(d->Color95Button1->isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(d));
        QCOMPARE(d->focusWidget(), d->Color95Button1);
        // The accelerator presses the button and clicks it a moment later.
        QTest::keyClick(d, Qt::Key_G, Qt::AltModifier);
        QTRY_VERIFY(!d->Color95Button1->isEnabled());
        QCOMPARE(ReadAll(path_).size(), 240);
        QCOMPARE(d->focusWidget(), d->Color95Button2);
        QTest::keyClick(d->focusWidget(), Qt::Key_Escape);
        QVERIFY(!d->isVisible());
    });
    QVERIFY(ran);
    QCOMPARE(Fake().CallsStartingWith(QStringLiteral("modal:")), QStringList{"modal:TForm_puntos"});
    // Rolled up again; the exercise window stays open.
    QVERIFY(w->height() <= small.height() && w->height() > small.height() - 5);
    QCOMPARE(game.exerciseKind, Kind::Sumas1);
    QVERIFY(Form_sumas1->isVisible());
    QCOMPARE(PointsFile::Read(path_)[0].Name(), QStringLiteral("Ana"));
}

// Unsaved entries are gone at the next showing; a saved score does not
// enter a second time until it changes or a new game starts.
void TestPuntos::showingsAndSaves()
{
    SetPoints({"Ana", "Luis"}, {12, 7});
    const QString first = "*Ana 12|*Luis 7|" + Empty(8);
    QString shown;
    Open([&](TForm_puntos* d) { shown = Shown(d); });
    QCOMPARE(shown, first);
    Open([&](TForm_puntos* d) {
        shown = Shown(d);
        d->Color95Button1->click();
    });
    QCOMPARE(shown, first);

    bool enabled = true;
    Open([&](TForm_puntos* d) {
        shown = Shown(d);
        enabled = d->Color95Button1->isEnabled();
    });
    QCOMPARE(shown, "Ana 12|Luis 7|" + Empty(8));
    QVERIFY(!enabled);

    game.currentPlayer = 2;
    ScoreHit();
    Open([&](TForm_puntos* d) {
        shown = Shown(d);
        enabled = d->Color95Button1->isEnabled();
    });
    QCOMPARE(shown, "Ana 12|*Luis 9|Luis 7|" + Empty(7));
    QVERIFY(enabled);

    // A new game: the same points are a new score.
    ResetPoints();
    SetPoints({"Ana"}, {12});
    Open([&](TForm_puntos* d) { shown = Shown(d); });
    QCOMPARE(shown, "Ana 12|*Ana 12|Luis 7|" + Empty(7));
    QCOMPARE(ReadAll(path_).size(), 240);
}

void TestPuntos::failedSaves_data()
{
    QTest::addColumn<bool>("missingFolder");
    QTest::addColumn<QStringList>("calls");
    QTest::newRow("cannot be created") << true << QStringList{};
    QTest::newRow("dies while writing") << false << QStringList{"beep", kCannotSave};
}
// Nothing saved: the button stays for another try, the old list stays whole.
void TestPuntos::failedSaves()
{
    QFETCH(bool, missingFolder);
    QFETCH(QStringList, calls);
    const QByteArray old = FileBytes({{"Eva", 50}, {"Pau", 40}, {"Noa", 3}});
    WriteFile(path_, old);
    SetPoints({"Ana"}, {12});
    if (missingFolder)
        Form_puntos->pointsDirectory = tmp_.filePath(QStringLiteral("no/existe/"));

    bool enabled = false;
    Open([&](TForm_puntos* d) {
        Fake().calls.clear();
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit saved{};
        getrlimit(RLIMIT_FSIZE, &saved);
        rlimit small = saved;
        small.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        d->Color95Button1->click();
        setrlimit(RLIMIT_FSIZE, &saved);
        enabled = d->Color95Button1->isEnabled();
    });
    QCOMPARE(Fake().calls.filter(QRegularExpression(QStringLiteral("^(beep|message:)"))), calls);
    QVERIFY(enabled);
    QCOMPARE(ReadAll(path_), old);
}

void TestPuntos::filesWrittenElsewhere_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("shown");
    const QByteArray three = FileBytes({{"Jos\x82", 50}, {"Pau", 40}, {"Noa", 3}});
    QTest::newRow("three records") << three << "José 50|Pau 40|*Ana 12|Noa 3|" + Empty(6);
    QTest::newRow("two and a fragment") << three.left(60) << "José 50|Pau 40|*Ana 12|" + Empty(7);
    QTest::newRow("a fragment") << three.left(10) << "*Ana 12|" + Empty(9);
    QByteArray full;
    for (int i = 0; i < 12; ++i)
        full += FileBytes({{"<b>Eva</b>\n", 100 - i}});
    QTest::newRow("longer, names like markup") << full
        << "<b>Eva</b>? 100|<b>Eva</b>? 99|<b>Eva</b>? 98|<b>Eva</b>? 97|<b>Eva</b>? 96|<b>Eva</b>? 95|"
           "<b>Eva</b>? 94|<b>Eva</b>? 93|<b>Eva</b>? 92|<b>Eva</b>? 91";
    QTest::newRow("foreign bytes") << QByteArray(300, '\xFF') << QString();
}
// The list of a file from another program, merged with the players; what
// the file held beyond the layout never reaches the screen.
void TestPuntos::filesWrittenElsewhere()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, shown);
    WriteFile(path_, file);
    SetPoints({"Ana"}, {12});
    QString seen;
    int longest = 0;
    bool plain = true;
    bool saved = false;
    Open([&](TForm_puntos* d) {
        seen = Shown(d);
        for (QLabel* l : d->Label_j) {
            longest = std::max(longest, int(l->text().size()));
            plain = plain && l->textFormat() == Qt::PlainText;
        }
        saved = d->Color95Button1->isEnabled();
        d->Color95Button1->click();
    });
    if (!shown.isEmpty())
        QCOMPARE(seen, shown);
    QVERIFY(longest <= 19);
    QVERIFY(plain);
    QCOMPARE(ReadAll(path_).size(), saved ? 240 : file.size());
}

void TestPuntos::pointsFolder_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("folder");
    QTest::newRow("Aceptar") << "xpButton_aceptar" << "otra/";
    QTest::newRow("Cancelar") << "xpButton_cancelar" << "";
}
// The folder dialog is not offered; when shown, its choice moves the file.
void TestPuntos::pointsFolder()
{
    QFETCH(QString, button);
    QFETCH(QString, folder);
    QVERIFY(!Form_menu->Directorioparapuntos1->isVisible());
    QVERIFY(QDir(tmp_.path()).mkpath(QStringLiteral("otra")));
    QDir::setCurrent(tmp_.path());
    QString shownAt;
    Fake().OnModal(QStringLiteral("TForm_directorio"), [&](QDialog* d) {
        auto* w = static_cast<TForm_directorio*>(d);
        shownAt = w->SelectedDirectory();
        w->SelectDirectory(tmp_.filePath(QStringLiteral("otra")));
        Control<QPushButton>(d, button)->click();
    });
    ThePlatform().RunModal(Form_directorio);
    QCOMPARE(shownAt, tmp_.path());
    QCOMPARE(Form_puntos->pointsDirectory, folder.isEmpty() ? QString() : tmp_.filePath(folder));

    SetPoints({"Ana"}, {12});
    Open([](TForm_puntos* d) { d->Color95Button1->click(); });
    QCOMPARE(ReadAll(tmp_.filePath(folder + QStringLiteral("puntos.psu"))).size(), 240);
}

QTEST_MAIN(TestPuntos)
#include "tst_puntos.moc"
