// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_Resultados.h"

#include "app/Accessibility.h"
#include "app/BusyCursor.h"
#include "app/Fonts.h"
#include "app/GameState.h"
#include "app/GameEvents.h"
#include "app/Platform.h"
#include "app/ResultsSession.h"
#include "app/Services.h"
#include "app/Windows.h"
#include "forms/ResultsPrintout.h"
#include "forms/TForm_paginas.h"
#include "widgets/TColor95Button.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>

namespace {

const QString kOpenTitle = QStringLiteral("Abrir archivo de Resultados");
const QString kSaveTitle = QStringLiteral("Guardar archivo de Resultados");
const QString kFilter = QStringLiteral("Resultados cuentas (*.rsr);;Todos los archivos (*)");

const QString kNotResults =
    QStringLiteral("E R R O R\n\nEl fichero no es de Resultados\no no pertenece a esta serie.");
const QString kCannotRead = QStringLiteral("E R R O R\n\nProblemas al abrir o leer archivo.");
const QString kTooLong = QStringLiteral(
    "ATENCION\n\nEl fichero de Resultados ya es muy largo.\nDebe guardar en otro archivo, con otro nombre.");
const QString kCannotCreateNew =
    QStringLiteral("E R R O R\n\nEl fichero no existe.\nProblemas para crear archivo nuevo.");
const QString kCannotCreateOrWrite = QStringLiteral("E R R O R\n\nProblemas para crear o grabar en archivo.");
const QString kCannotSave =
    QStringLiteral("Error.\n\nProblemas para guardar resultados.\n\nPrueba con otro archivo");
const QString kNoLastFile = QStringLiteral(
    "Opción no disponible.\n\nNo se ha leído ningún archivo\no\nla última operación de lectura o grabación "
    "de resultados\nno se completó o falló.\n\nUsa la opción 'Guardar como...'.");
// The same words as the worksheets'.
const QString kNoPrinter = QStringLiteral(
    "\nNo se han podido preparar las hojas para imprimir.\n\n"
    "Comprueba la impresora o el archivo elegido y vuelve a intentarlo.\n");

// Key and mouse presses that reach the program while it prints: they are
// taken from the queue and only remembered, so that the printout can ask
// whether to stop.
class InputWatcher : public QObject {
public:
    InputWatcher() { qApp->installEventFilter(this); }
    ~InputWatcher() override { qApp->removeEventFilter(this); }

    bool Pending()
    {
        QCoreApplication::processEvents();
        const bool p = pending_;
        pending_ = false;
        return p;
    }
    void SetWatching(bool on) { watching_ = on; }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (!watching_)
            return false;
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: pending_ = true; return true;
        case QEvent::KeyRelease:
        case QEvent::MouseButtonRelease: return true;
        default: return false;
        }
    }

private:
    bool pending_ = false;
    bool watching_ = true;
};

QLabel* Caption(QWidget* parent, const QString& text, int x, int y, int w, const QFont& font,
                const QColor& colour = Qt::black)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, 20);
    l->setFont(font);
    SetTextColour(l, colour);
    return l;
}

QLabel* Counter(QWidget* parent, const char* name, int x, int y, const QFont& font, const QColor& colour)
{
    QLabel* l = MakeLabel(parent, name, QStringLiteral("0"), x, y, 80, 22, font, colour,
                          Qt::AlignRight | Qt::AlignVCenter);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setMargin(2);
    return l;
}

TColor95Button* Button(QWidget* parent, const char* name, const QString& text, int y)
{
    auto* b = new TColor95Button(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setGeometry(470, y, 98, 30);
    return b;
}

QAction* Entry(QMenu* menu, const char* name, const QString& text)
{
    QAction* a = menu->addAction(text);
    a->setObjectName(QLatin1String(name));
    return a;
}

} // namespace

TForm_Resultados::TForm_Resultados(QWidget* parent)
    : TFirstUseDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("TForm_Resultados"));
    setWindowTitle(QStringLiteral("Control  de  resultados"));
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 11));
    setFixedSize(578, 338);
    FormCreate();
}

void TForm_Resultados::BuildControls()
{
    const QFont plain = font();
    const QFont bold = DesignFont(QStringLiteral("MS Sans Serif"), 13, true);

    Caption(this, QStringLiteral("Jugador/es:"), 10, 24, 72, plain);
    ComboBox_nombres = new QComboBox(this);
    ComboBox_nombres->setObjectName(QStringLiteral("ComboBox_nombres"));
    ComboBox_nombres->setGeometry(82, 22, 220, 22);
    SetHint(ComboBox_nombres, QStringLiteral("Lista de jugadores actuales"));

    Caption(this, QStringLiteral("Fecha :"), 320, 2, 80, plain);
    Edit_dia = new QLineEdit(QStringLiteral("31"), this);
    Edit_dia->setObjectName(QStringLiteral("Edit_dia"));
    Edit_dia->setMaxLength(2);
    Edit_dia->setGeometry(320, 22, 28, 22);
    ComboBox_meses = new QComboBox(this);
    ComboBox_meses->setObjectName(QStringLiteral("ComboBox_meses"));
    ComboBox_meses->addItems({QStringLiteral("Ene"), QStringLiteral("Feb"), QStringLiteral("Mar"),
                              QStringLiteral("Abr"), QStringLiteral("May"), QStringLiteral("Jun"),
                              QStringLiteral("Jul"), QStringLiteral("Ago"), QStringLiteral("Sep"),
                              QStringLiteral("Oct"), QStringLiteral("Nov"), QStringLiteral("Dic")});
    ComboBox_meses->setCurrentIndex(-1);
    ComboBox_meses->setGeometry(352, 22, 60, 22);
    Edit_agno = new QLineEdit(QStringLiteral("2002"), this);
    Edit_agno->setObjectName(QStringLiteral("Edit_agno"));
    Edit_agno->setMaxLength(4);
    Edit_agno->setGeometry(416, 22, 44, 22);

    Label_archivo = MakeLabel(this, "Label_archivo", QString(), 10, 52, 450, 18, plain, Qt::darkBlue,
                              Qt::AlignLeft | Qt::AlignVCenter);
    SetHint(Label_archivo,
            QStringLiteral("Nombre de archivo, si los resultados han sido leídos o guardados"));
    Label_archivo->hide();

    Caption(this, QStringLiteral("                Opciones de juego"), 10, 80, 200, bold);
    Caption(this, QStringLiteral("        Acertadas "), 210, 80, 120, bold, Qt::blue);
    Caption(this, QStringLiteral("           Falladas "), 320, 80, 140, bold, Qt::red);

    const QString rows[5] = {QStringLiteral("Sumas  SIN  llevarse"), QStringLiteral("Sumas  CON  llevadas"),
                             QStringLiteral("Restas  SIN  llevarse"), QStringLiteral("Restas  CON  llevadas"),
                             QStringLiteral("Cálculo   mental")};
    const char* hitNames[5] = {"Label_aci_sumas_sin", "Label_aci_sumas_con", "Label_aci_restas_sin",
                               "Label_aci_restas_con", "Label_aci_cmental"};
    const char* missNames[5] = {"Label_fal_sumas_sin", "Label_fal_sumas_con", "Label_fal_restas_sin",
                                "Label_fal_restas_con", "Label_fal_cmental"};
    QLabel** hitMembers[5] = {&Label_aci_sumas_sin, &Label_aci_sumas_con, &Label_aci_restas_sin,
                              &Label_aci_restas_con, &Label_aci_cmental};
    QLabel** missMembers[5] = {&Label_fal_sumas_sin, &Label_fal_sumas_con, &Label_fal_restas_sin,
                               &Label_fal_restas_con, &Label_fal_cmental};
    for (int i = 0; i < 5; ++i) {
        const int y = 106 + i * 28;
        Caption(this, rows[i], 24, y + 1, 190, plain);
        *hitMembers[i] = Counter(this, hitNames[i], 240, y, bold, Qt::blue);
        *missMembers[i] = Counter(this, missNames[i], 360, y, bold, Qt::red);
    }
    auto* rule = new QFrame(this);
    rule->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    rule->setGeometry(20, 248, 430, 4);
    Caption(this, QStringLiteral("Totales : "), 24, 259, 100, bold);
    Label_aci_total = Counter(this, "Label_aci_total", 240, 258, bold, Qt::blue);
    Label_fal_total = Counter(this, "Label_fal_total", 360, 258, bold, Qt::red);

    Color95Button_abrir = Button(this, "Color95Button_abrir", QStringLiteral("&Abrir..."), 20);
    Color95Button_abrir->setEnabled(false);
    Color95Button_guardar = Button(this, "Color95Button_guardar", QStringLiteral("<< &Guardar"), 104);
    Color95Button_imprimir = Button(this, "Color95Button_imprimir", QStringLiteral("<< &Imprimir"), 144);
    Color95Button_acero = Button(this, "Color95Button_acero", QStringLiteral("A cer&o"), 184);
    SetHint(Color95Button_acero, QStringLiteral("Pone a cero los resultados del jugador seleccionado"));
    Color95Button_cerrar = Button(this, "Color95Button_cerrar", QStringLiteral("&Cerrar"), 290);

    PopupMenu_guardar = new QMenu(this);
    PopupMenu_guardar->setObjectName(QStringLiteral("PopupMenu_guardar"));
    Guardar1 =
        Entry(PopupMenu_guardar, "Guardar1", QStringLiteral("&Guardar (en último archivo leído o guardado)"));
    PopupMenu_guardar->addSeparator();
    Aadiralarchivo1 = Entry(PopupMenu_guardar, "Aadiralarchivo1", QStringLiteral("&Añadir a un archivo..."));
    Guardarcomo1 =
        Entry(PopupMenu_guardar, "Guardarcomo1", QStringLiteral("Guar&dar como... (en archivo nuevo)"));
    PopupMenu_imprimir = new QMenu(this);
    PopupMenu_imprimir->setObjectName(QStringLiteral("PopupMenu_imprimir"));
    Imprimirresultadosactuales1 = Entry(PopupMenu_imprimir, "Imprimirresultadosactuales1",
                                        QStringLiteral("Imprimir resultados actuales"));
    PopupMenu_imprimir->addSeparator();
    Imprimirresultadosdeunarchivo1 = Entry(PopupMenu_imprimir, "Imprimirresultadosdeunarchivo1",
                                           QStringLiteral("Imprimir resultados de un archivo..."));

    setTabOrder(ComboBox_nombres, Edit_dia);
    setTabOrder(Edit_dia, ComboBox_meses);
    setTabOrder(ComboBox_meses, Edit_agno);
    setTabOrder(Edit_agno, Color95Button_abrir);
    setTabOrder(Color95Button_abrir, Color95Button_guardar);
    setTabOrder(Color95Button_guardar, Color95Button_imprimir);
    setTabOrder(Color95Button_imprimir, Color95Button_acero);
    setTabOrder(Color95Button_acero, Color95Button_cerrar);

    connect(ComboBox_nombres, &QComboBox::currentIndexChanged, this,
            &TForm_Resultados::ComboBox_nombresClick);
    connect(Color95Button_abrir, &QAbstractButton::clicked, this,
            &TForm_Resultados::Color95Button_abrirClick);
    connect(Color95Button_guardar, &QAbstractButton::clicked, this,
            &TForm_Resultados::Color95Button_guardarClick);
    connect(Color95Button_imprimir, &QAbstractButton::clicked, this,
            &TForm_Resultados::Color95Button_imprimirClick);
    connect(Color95Button_acero, &QAbstractButton::clicked, this,
            &TForm_Resultados::Color95Button_aceroClick);
    connect(Color95Button_cerrar, &QAbstractButton::clicked, this,
            &TForm_Resultados::Color95Button_cerrarClick);
    connect(Guardar1, &QAction::triggered, this, &TForm_Resultados::Guardar1Click);
    connect(Aadiralarchivo1, &QAction::triggered, this, &TForm_Resultados::Aadiralarchivo1Click);
    connect(Guardarcomo1, &QAction::triggered, this, &TForm_Resultados::Guardarcomo1Click);
    connect(Imprimirresultadosactuales1, &QAction::triggered, this,
            &TForm_Resultados::Imprimirresultadosactuales1Click);
    connect(Imprimirresultadosdeunarchivo1, &QAction::triggered, this,
            &TForm_Resultados::Imprimirresultadosdeunarchivo1Click);

    connect(&Events(), &GameEvents::ResultsFileForgotten, Label_archivo, &QLabel::clear);
}

TForm_Resultados::~TForm_Resultados() = default;

void TForm_Resultados::FormCreate()
{
    headerDate_ = ThePlatform().Today();
    game.players[0].year = headerDate_.year();
    game.players[0].day = uint8_t(headerDate_.day());
    game.players[0].month = uint8_t(headerDate_.month());
    // Centred on the screen.
    const QSize screen = ThePlatform().ScreenSize();
    move((screen.width() - width()) / 2, (screen.height() - height()) / 2);
}

void TForm_Resultados::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

void TForm_Resultados::FormShow()
{
    EnsureControls();
    {
        const QSignalBlocker block(ComboBox_nombres);
        ComboBox_nombres->clear();
        for (int i = 0; i < game.playerCount; ++i)
            ComboBox_nombres->addItem(game.players[i].Name());
        ComboBox_nombres->setCurrentIndex(game.playerCount > 0 ? 0 : -1);
    }
    ShowRecord(0);
    ComboBox_nombres->setFocus();
}

void TForm_Resultados::ShowRecord(int index)
{
    EnsureControls();
    if (index < 0 || index >= kMaxPlayers)
        return;
    const PlayerRecord& r = game.players[index];
    Edit_dia->setText(QStringLiteral("%1").arg(int(r.day), 2, 10, QLatin1Char('0')));
    ComboBox_meses->setCurrentIndex(r.month >= 1 && r.month <= 12 ? r.month - 1 : -1);
    Edit_agno->setText(QString::number(r.year));
    QLabel* hits[5] = {Label_aci_sumas_sin, Label_aci_sumas_con, Label_aci_restas_sin, Label_aci_restas_con,
                       Label_aci_cmental};
    QLabel* misses[5] = {Label_fal_sumas_sin, Label_fal_sumas_con, Label_fal_restas_sin, Label_fal_restas_con,
                         Label_fal_cmental};
    // Counters from a file may be anything: the sums must not overflow.
    qint64 hitTotal = 0, missTotal = 0;
    for (int i = 0; i < PlayerRecord::kSlots; ++i) {
        hits[i]->setText(QString::number(r.hits[i]));
        misses[i]->setText(QString::number(r.misses[i]));
        hitTotal += r.hits[i];
        missTotal += r.misses[i];
    }
    Label_aci_total->setText(QString::number(hitTotal));
    Label_fal_total->setText(QString::number(missTotal));
}

void TForm_Resultados::ComboBox_nombresClick()
{
    EnsureControls();
    const int index = ComboBox_nombres->currentIndex();
    if (index >= 0 && index < game.playerCount)
        ShowRecord(index);
}

void TForm_Resultados::Color95Button_aceroClick()
{
    EnsureControls();
    const int index = ComboBox_nombres->currentIndex();
    if (index < 0 || index >= game.playerCount)
        return;
    PlayerRecord& r = game.players[index];
    for (int i = 0; i < PlayerRecord::kSlots; ++i) {
        r.hits[i] = 0;
        r.misses[i] = 0;
    }
    game.resultsSaved = false;
    ShowRecord(index);
    // The main window's totals belong to the current player: keep them true.
    if (game.currentPlayer >= 1 && game.currentPlayer <= game.playerCount)
        ShowCurrentPlayer();
}

void TForm_Resultados::Color95Button_guardarClick()
{
    EnsureControls();
    // Right-aligned at the button: the menu opens to its left.
    const QPoint corner = Color95Button_guardar->mapToGlobal(QPoint(0, 0));
    PopupMenu_guardar->popup(corner - QPoint(PopupMenu_guardar->sizeHint().width(), 0));
}

void TForm_Resultados::Color95Button_imprimirClick()
{
    EnsureControls();
    const QPoint corner = Color95Button_imprimir->mapToGlobal(QPoint(0, 0));
    PopupMenu_imprimir->popup(corner - QPoint(PopupMenu_imprimir->sizeHint().width(), 0));
}

void TForm_Resultados::Color95Button_abrirClick() { ReadPlayersFromFile(); }

void TForm_Resultados::Color95Button_cerrarClick() { close(); }

void TForm_Resultados::Fail(const QString& text, bool beep)
{
    if (beep)
        ThePlatform().Beep();
    ThePlatform().Ask(text, Platform::Icon::Critical, Platform::Buttons::Ok);
}

void TForm_Resultados::MakeResultsPattern() { game.resultsPath = ResultsSession::FilePattern(); }

bool TForm_Resultados::ChooseFileToRead(const std::function<ResultsSession::Outcome(const QString&)>& tryFile)
{
    QString start = game.resultsPath;
    for (;;) {
        const QString path = ThePlatform().OpenFileName(this, kOpenTitle, start, kFilter);
        if (path.isEmpty())
            return false;
        ResultsSession::Outcome outcome;
        {
            BusyCursor busy;
            outcome = tryFile(path);
        }
        if (outcome == ResultsSession::Outcome::Ok) {
            game.resultsPath = path;
            return true;
        }
        Fail(outcome == ResultsSession::Outcome::NotResults ? kNotResults : kCannotRead);
        start = path;
    }
}

bool TForm_Resultados::ReadPlayersFromFile()
{
    EnsureControls();
    MakeResultsPattern();
    // The whole file is read and checked before anything is replaced, so a
    // file that fails half-way leaves the players as they were.
    std::vector<PlayerRecord> players;
    const bool chosen = ChooseFileToRead(
        [&players](const QString& path) { return ResultsSession::ReadPlayers(path, &players); });
    if (!chosen) {
        game.resultsFileKnown = false;
        return false;
    }
    {
        BusyCursor busy;
        ResultsSession::UsePlayers(game.resultsPath, players);
    }
    {
        const QSignalBlocker block(ComboBox_nombres);
        ComboBox_nombres->clear();
        // The file's own names: an empty file lists none.
        for (const PlayerRecord& r : players)
            ComboBox_nombres->addItem(r.Name());
    }
    Label_archivo->setText(QStringLiteral("Del archivo : '%1'").arg(FileNameOf(game.resultsPath)));
    Label_archivo->setVisible(true);
    ComboBox_nombres->setCurrentIndex(ComboBox_nombres->count() > 0 ? 0 : -1);
    return true;
}

bool TForm_Resultados::WriteWholeFile(const QString& path, bool keepBeyondTable)
{
    ResultsSession::Outcome outcome;
    {
        BusyCursor busy;
        outcome = ResultsSession::SaveWhole(path, headerDate_, keepBeyondTable);
    }
    switch (outcome) {
    case ResultsSession::Outcome::Ok: return true;
    case ResultsSession::Outcome::CannotCreate: Fail(kCannotCreateOrWrite); return false;
    default: Fail(kCannotSave, false); return false;
    }
}

bool TForm_Resultados::AppendToFile()
{
    ResultsSession::Outcome outcome;
    {
        BusyCursor busy;
        outcome = ResultsSession::Append(game.resultsPath, headerDate_);
    }
    switch (outcome) {
    case ResultsSession::Outcome::Ok: return true;
    case ResultsSession::Outcome::NotResults: Fail(kNotResults); return false;
    case ResultsSession::Outcome::TooLong: Fail(kTooLong); return false;
    case ResultsSession::Outcome::CannotCreate: Fail(kCannotCreateNew); return false;
    default: Fail(kCannotSave, false); return false;
    }
}

bool TForm_Resultados::SaveDialogLoop(bool append)
{
    QString start = game.resultsPath;
    for (;;) {
        QString path = ThePlatform().SaveFileName(this, kSaveTitle, start, kFilter);
        if (path.isEmpty())
            return false;
        // The default extension, when the user typed none.
        if (QFileInfo(path).suffix().isEmpty() && !QFileInfo::exists(path))
            path += QStringLiteral(".rsr");
        game.resultsPath = path;
        if (append ? AppendToFile() : WriteWholeFile(path))
            return true;
        start = path;
    }
}

void TForm_Resultados::StampDates()
{
    EnsureControls();
    bool ok = false;
    int year = Edit_agno->text().toInt(&ok);
    if (!ok)
        year = 1999;
    int day = Edit_dia->text().toInt(&ok);
    if (!ok)
        day = 15;
    const int month = ComboBox_meses->currentIndex() + 1;
    for (int i = 0; i < game.playerCount; ++i) {
        game.players[i].year = year;
        game.players[i].day = uint8_t(day);
        game.players[i].month = uint8_t(month);
    }
}

void TForm_Resultados::Guardar1Click()
{
    EnsureControls();
    if (game.resultsFileKnown && !game.lastResultsFile.isEmpty()) {
        WriteWholeFile(game.lastResultsFile, true);
        return;
    }
    Fail(kNoLastFile);
}

void TForm_Resultados::Guardarcomo1Click()
{
    EnsureControls();
    MakeResultsPattern();
    if (!SaveDialogLoop(false))
        return;
    Label_archivo->setText(QStringLiteral("Jugadores del archivo: '%1'").arg(FileNameOf(game.resultsPath)));
    Label_archivo->setVisible(true);
    game.lastResultsFile = game.resultsPath;
}

void TForm_Resultados::Aadiralarchivo1Click()
{
    EnsureControls();
    StampDates();
    MakeResultsPattern();
    if (!SaveDialogLoop(true))
        return;
    Label_archivo->setText(QStringLiteral("Jugadores del archivo: '%1'").arg(FileNameOf(game.resultsPath)));
    Label_archivo->setVisible(true);
}

void TForm_Resultados::Imprimirresultadosactuales1Click()
{
    if (ThePlatform().PrintDialog(&Printer(), this))
        PrintCurrentResults();
}

void TForm_Resultados::Imprimirresultadosdeunarchivo1Click()
{
    MakeResultsPattern();
    if (ThePlatform().PrintDialog(&Printer(), this))
        PrintResultsOfFile();
}

void TForm_Resultados::PrintCurrentResults()
{
    int next = 0;
    PrintRecords(QString(), [&next](PlayerRecord& r) {
        if (next >= game.playerCount || next >= kMaxPlayers)
            return false;
        r = game.players[next++];
        return true;
    });
}

void TForm_Resultados::PrintResultsOfFile()
{
    ResultsSession::PlayerReader reader;
    const bool chosen = ChooseFileToRead([&reader](const QString& path) { return reader.Open(path); });
    if (!chosen)
        return;
    PrintRecords(FileNameOf(game.resultsPath), [&reader](PlayerRecord& r) { return reader.Next(r); });
}

QPrinter& TForm_Resultados::Printer() { return *Form_paginas->Printer(); }

void TForm_Resultados::PrintRecords(const QString& fileName, const std::function<bool(PlayerRecord&)>& next)
{
    QPrinter& printer = Printer();
    const QPageLayout::Orientation saved = printer.pageLayout().orientation();
    const int savedResolution = printer.resolution();
    // The printout's gaps are in device units, sized for a 300 dpi page.
    printer.setResolution(300);
    printer.setPageOrientation(QPageLayout::Landscape);
    printer.setDocName(QStringLiteral("Cifrolo Resultados"));
    {
        BusyCursor busy;
        QPainter painter;
        if (!painter.begin(&printer)) {
            BusyCursor::Lifted lifted;
            ThePlatform().ShowMessage(kNoPrinter);
        } else {
            InputWatcher watcher;
            ResultsPrintout printout(painter, painter.device()->width(), painter.device()->height());
            printout.inputPending = [&watcher] { return watcher.Pending(); };
            printout.askStop = [&watcher] {
                watcher.SetWatching(false);
                bool stop = false;
                {
                    BusyCursor::Lifted lifted;
                    stop = ThePlatform().Ask(QStringLiteral("\n¿ Detener la impresión de Resultados ?\n"),
                                             Platform::Icon::Question,
                                             Platform::Buttons::YesNoDefaultNo) == Platform::Answer::Yes;
                }
                watcher.SetWatching(true);
                return stop;
            };
            printout.newPage = [&printer] { return printer.newPage(); };
            printout.abortJob = [&printer] { printer.abort(); };
            if (printout.Print(ResultsPrintout::SourceLine(fileName), next))
                painter.end();
        }
    }
    printer.setPageOrientation(saved);
    printer.setResolution(savedResolution);
}
