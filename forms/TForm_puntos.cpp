// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_puntos.h"

#include "app/Accessibility.h"
#include "app/Fonts.h"
#include "app/GameState.h"
#include "app/Platform.h"
#include "app/Services.h"
#include "files/PointsFile.h"
#include "widgets/TColor95Button.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QTimer>

namespace {

const QColor kFormColour(0xFF, 0xF4, 0xD0);
const QColor kMaroon(0x80, 0x00, 0x00);
const QColor kRed(0xFF, 0x00, 0x00);
const QColor kBlue(0x00, 0x00, 0xFF);
constexpr int kRowHeight = 22;

const QString kCannotSave = QStringLiteral("Error.\n\nNo se ha podido grabar el archivo de puntuaciones.");

QFrame* MakePanel(QWidget* parent, const char* name, int x, int w)
{
    auto* panel = new QFrame(parent);
    panel->setObjectName(QLatin1String(name));
    panel->setGeometry(x, 78, w, 12 + kTopTen * kRowHeight);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    SetBackgroundColour(panel, Qt::white);
    panel->setAutoFillBackground(true);
    return panel;
}

}  // namespace

TForm_puntos::TForm_puntos(QWidget* parent)
    : TRollOpenDialog(WhileRolling::Drop, parent,
                      Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TForm_puntos"));
    setWindowTitle(QStringLiteral("Control de puntuaciones"));
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 11));
    SetBackgroundColour(this, kFormColour);
    resize(552, 371);

    Label_titulo = MakeLabel(this, "Label_titulo", QStringLiteral("Los  10  mejores"), 0, 8, 552, 44,
                             DesignFont(QStringLiteral("Times New Roman"), 32, true, true), kMaroon);
    const QFont heading = DesignFont(QStringLiteral("MS Sans Serif"), 13, true);
    MakeLabel(this, "Label_cabecera_nombres", QStringLiteral("Nombres de jugadores/as: "), 40, 58, 320, 18,
              heading, Qt::black, Qt::AlignLeft | Qt::AlignVCenter);
    MakeLabel(this, "Label_cabecera_puntos", QStringLiteral("Puntos: "), 372, 58, 140, 18, heading, Qt::black,
              Qt::AlignLeft | Qt::AlignVCenter);

    Panel1 = MakePanel(this, "Panel1", 40, 320);
    Panel2 = MakePanel(this, "Panel2", 372, 140);
    const QFont nameFont = DesignFont(QStringLiteral("Arial"), 16);
    const QFont pointsFont = DesignFont(QStringLiteral("Arial"), 16, true);
    const Qt::Alignment right = Qt::AlignRight | Qt::AlignVCenter;
    for (int i = 0; i < kTopTen; ++i) {
        const int y = 6 + i * kRowHeight;
        const QByteArray j = "Label_j" + QByteArray::number(i + 1);
        const QByteArray p = "Label_p" + QByteArray::number(i + 1);
        Label_j[size_t(i)] =
            MakeLabel(Panel1, j.constData(), QString(), 8, y, 300, kRowHeight, nameFont, Qt::black, right);
        // Names come from files: never read as markup.
        Label_j[size_t(i)]->setTextFormat(Qt::PlainText);
        Label_p[size_t(i)] = MakeLabel(Panel2, p.constData(), QStringLiteral("0"), 8, y, 120, kRowHeight,
                                       pointsFont, kBlue, right);
    }

    Color95Button1 = new TColor95Button(QStringLiteral("&Guardar lista"), this);
    Color95Button1->setObjectName(QStringLiteral("Color95Button1"));
    Color95Button1->setGeometry(110, 322, 170, 36);
    SetHint(Color95Button1, QStringLiteral("Guarda la lista actual para futuras ocasiones"));
    Color95Button2 = new TColor95Button(QStringLiteral("&Cerrar"), this);
    Color95Button2->setObjectName(QStringLiteral("Color95Button2"));
    Color95Button2->setGeometry(300, 322, 150, 36);
    for (TColor95Button* b : {Color95Button1, Color95Button2})
        b->setFont(DesignFont(QStringLiteral("MS Sans Serif"), 13, true));
    setTabOrder(Color95Button1, Color95Button2);

    Timer_persiana = new QTimer(this);
    Timer_persiana->setObjectName(QStringLiteral("Timer_persiana"));
    Timer_persiana->setInterval(100);

    connect(Timer_persiana, &QTimer::timeout, this, &TForm_puntos::Timer_persianaTimer);
    connect(Color95Button1, &QAbstractButton::clicked, this, &TForm_puntos::Color95Button1Click);
    connect(Color95Button2, &QAbstractButton::clicked, this, &TForm_puntos::Color95Button2Click);

    PublishControlNames(this);
    FormCreate();
}

QString TForm_puntos::PointsPath() const
{
    // By default in the game folder, whatever the working folder is now.
    QString folder = pointsDirectory;
    if (folder.isEmpty() && !game.startDirectory.isEmpty())
        folder = game.startDirectory + QLatin1Char('/');
    return folder + QLatin1String(PointsFile::kFileName);
}

void TForm_puntos::FormCreate()
{
    Timer_persiana->stop();
    FitForRolling();
}

void TForm_puntos::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_puntos::FormShow()
{
    MergeList();
    // The first button that can take it, as the tab order goes.
    if (Color95Button1->isEnabled())
        Color95Button1->setFocus();
    else
        Color95Button2->setFocus();
    setWindowState(windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized));
    Timer_persiana->start();
}

void TForm_puntos::Timer_persianaTimer()
{
    Timer_persiana->stop();
    RollOpen(false);
    // Open, it keeps its designed size: the blind is the only thing that sizes it.
    setFixedSize(size());
}

void TForm_puntos::LoadList() { ::LoadList(list_, PointsFile::Read(PointsPath())); }

void TForm_puntos::MergeList()
{
    LoadList();
    const bool entered = ::Merge(list_, game.pointsTable, game.playerCount, savedScores_, game.pointsGame);
    Color95Button1->setEnabled(entered);
    ShowList();
}

void TForm_puntos::ShowList()
{
    for (int i = 0; i < kTopTen; ++i) {
        const TopTenEntry& e = list_.entries[size_t(i)];
        QLabel* name = Label_j[size_t(i)];
        QLabel* points = Label_p[size_t(i)];
        QFont f = name->font();
        f.setBold(e.isNew);
        f.setUnderline(e.isNew);
        name->setFont(f);
        // A control character from a foreign file would break the row.
        QString text = AnsiToString(e.name, PointsEntry::kNameBytes);
        for (QChar& c : text)
            if (c.unicode() < 0x20)
                c = QLatin1Char('?');
        name->setText(text);
        SetTextColour(name, e.isNew ? kRed : QColor(Qt::black));
        points->setText(QString::number(e.points));
        SetTextColour(points, e.isNew ? kRed : kBlue);
    }
}

void TForm_puntos::SaveList()
{
    // Merged again into the list as it is now: another game may have saved.
    const auto saved = PointsFile::Update(PointsPath(), [this](const PointsFile::List& current) {
        ::LoadList(list_, current);
        ::Merge(list_, game.pointsTable, game.playerCount, savedScores_, game.pointsGame);
        return ListEntries(list_);
    });
    ShowList();
    switch (saved) {
    case PointsFile::Save::Ok:
        RememberSaved(savedScores_, list_, game.pointsGame);
        Color95Button1->setEnabled(false);
        Color95Button2->setFocus();
        break;
    case PointsFile::Save::CannotCreate:
        // Nothing written; the button stays, to try again.
        break;
    case PointsFile::Save::CannotWrite:
        ThePlatform().Beep();
        ThePlatform().ShowMessage(kCannotSave);
        break;
    }
}

void TForm_puntos::Color95Button1Click() { SaveList(); }

void TForm_puntos::Color95Button2Click() { accept(); }

void TForm_puntos::FormClose()
{
    // A close before the blind opened must not let it unroll the hidden window later.
    Timer_persiana->stop();
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    RollClosed();
}
