// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_progreso.h"

#include "app/Accessibility.h"
#include "app/BusyCursor.h"
#include "app/GameFolder.h"
#include "app/GameState.h"
#include "app/Platform.h"
#include "app/Services.h"
#include "forms/ProgressPage.h"
#include "widgets/FactsGrid.h"

#include <QChartView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QShowEvent>
#include <QTableWidget>
#include <QTextBrowser>
#include <QUuid>
#include <QVBoxLayout>
#include <cstdio>

namespace {

const QString kTitle = QStringLiteral("Progreso de los jugadores");

template <typename T>
T* Named(T* control, const char* name)
{
    control->setObjectName(QLatin1String(name));
    return control;
}

QLabel* Heading(const QString& text, QWidget* buddy = nullptr)
{
    auto* label = new QLabel(text);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    if (buddy)
        label->setBuddy(buddy);
    return label;
}

QString Decimal(double value) { return QString::number(value, 'f', 1).replace(u'.', u','); }

// A view gives up its old chart without deleting it.
void SetChart(QChartView* view, QChart* chart)
{
    QChart* old = view->chart();
    view->setChart(chart);
    delete old;
}

void SetupPrinter(QPrinter& printer)
{
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setPageMargins(QMarginsF(12, 12, 12, 12), QPageLayout::Millimeter);
    printer.setDocName(QStringLiteral("Cifrolo Progreso"));
}

}  // namespace

TForm_progreso::Source TForm_progreso::HistorySource()
{
    Source s;
    s.players = [](QString* problem) { return History::Players(HistoryFile(), problem); };
    s.read = [](const QString& player, const QDateTime& since) {
        return History::ReadSums(HistoryFile(), player, since);
    };
    return s;
}

TForm_progreso::Source TForm_progreso::FileSource(const QString& file)
{
    Source s;
    s.players = [file](QString* problem) { return History::Players(file, problem); };
    s.read = [file](const QString& player, const QDateTime& since) { return History::ReadSums(file, player, since); };
    return s;
}

TForm_progreso::TForm_progreso(QWidget* parent)
    : TFirstUseDialog(parent,
                      Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint),
      source(HistorySource())
{
    setObjectName(QStringLiteral("TForm_progreso"));
    setWindowTitle(kTitle);
    setSizeGripEnabled(true);
    setMinimumSize(780, 560);
    // Room for everything on a 1024 x 768 screen, window frame and panel included.
    resize(1000, 690);
    // The controls are made when the window is first shown (BuildControls):
    // a list, a table, a text browser and two charts that most runs never
    // open.
}

void TForm_progreso::BuildControls()
{
    // The players and what to print, on the left.
    ListBox_jugadores = Named(new QListWidget, "ListBox_jugadores");
    ComboBox_periodo = Named(new QComboBox, "ComboBox_periodo");
    for (Progress::Period p : Progress::kPeriods)
        ComboBox_periodo->addItem(Progress::PeriodName(p));
    ComboBox_periodo->setCurrentIndex(1);  // the last month
    CheckBox_todos = Named(new QCheckBox(QStringLiteral("Imprimir &todos los de la lista")), "CheckBox_todos");
    Button_imprimir = Named(new QPushButton(QStringLiteral("&Imprimir...")), "Button_imprimir");
    Button_pdf = Named(new QPushButton(QStringLiteral("Guardar como &PDF...")), "Button_pdf");
    Button_cerrar = Named(new QPushButton(QStringLiteral("&Cerrar")), "Button_cerrar");
    auto* left = new QVBoxLayout;
    left->addWidget(Heading(QStringLiteral("&Jugadores:"), ListBox_jugadores));
    left->addWidget(ListBox_jugadores, 1);
    left->addWidget(Heading(QStringLiteral("P&eriodo:"), ComboBox_periodo));
    left->addWidget(ComboBox_periodo);
    left->addSpacing(12);
    left->addWidget(CheckBox_todos);
    left->addWidget(Button_imprimir);
    left->addWidget(Button_pdf);
    left->addSpacing(12);
    left->addWidget(Button_cerrar);

    // The report, on the right.
    Label_aviso = Named(new QLabel, "Label_aviso");
    Label_aviso->setWordWrap(true);
    QFont big = Label_aviso->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    Label_aviso->setFont(big);
    Label_aviso->hide();
    Label_resumen = Named(new QLabel, "Label_resumen");
    Label_resumen->setFont(big);
    Label_resumen->setWordWrap(true);
    Grid_hechos = Named(new FactsGrid, "Grid_hechos");
    Label_hecho = Named(new QLabel, "Label_hecho");
    Label_hecho->setMinimumHeight(Label_hecho->fontMetrics().height() + 4);
    Chart_dias = Named(new QChartView, "Chart_dias");
    Chart_dias->setRenderHint(QPainter::Antialiasing);
    Chart_dias->setFocusPolicy(Qt::NoFocus);
    Memo_errores = Named(new QTextBrowser, "Memo_errores");
    Memo_errores->setOpenLinks(false);
    Chart_errores = Named(new QChartView, "Chart_errores");
    Chart_errores->setRenderHint(QPainter::Antialiasing);
    Chart_errores->setFocusPolicy(Qt::NoFocus);
    Table_tiempos = Named(new QTableWidget(0, 3), "Table_tiempos");
    Table_tiempos->setHorizontalHeaderLabels(
        {QStringLiteral("Ventana"), QStringLiteral("Por cifra"), QStringLiteral("Cifras")});
    Table_tiempos->verticalHeader()->hide();
    Table_tiempos->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Table_tiempos->setWordWrap(false);
    Table_tiempos->setSelectionMode(QAbstractItemView::NoSelection);
    Table_tiempos->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Table_tiempos->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    Table_tiempos->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    Table_tiempos->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);

    auto* facts = new QVBoxLayout;
    facts->addWidget(Heading(QStringLiteral("Tabla de sumas (el de arriba + el de abajo):")));
    facts->addWidget(Grid_hechos, 1);
    facts->addWidget(Label_hecho);
    auto* top = new QHBoxLayout;
    top->addLayout(facts, 2);
    top->addWidget(Chart_dias, 3);
    auto* times = new QVBoxLayout;
    times->addWidget(Heading(QStringLiteral("Cuántas veces pasó cada error:")));
    times->addWidget(Chart_errores, 3);
    times->addWidget(Heading(QStringLiteral("Tiempo por cifra (mediana):")));
    times->addWidget(Table_tiempos, 2);
    auto* errors = new QVBoxLayout;
    errors->addWidget(Heading(QStringLiteral("Qué le cuesta y qué practicar:")));
    errors->addWidget(Memo_errores, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addLayout(errors, 1);
    bottom->addLayout(times, 1);
    auto* right = new QVBoxLayout;
    right->addWidget(Label_aviso);
    right->addWidget(Label_resumen);
    right->addLayout(top, 1);
    right->addLayout(bottom, 1);

    auto* all = new QHBoxLayout(this);
    all->addLayout(left, 0);
    all->addLayout(right, 1);
    ListBox_jugadores->setMaximumWidth(220);

    SetHint(ListBox_jugadores, QStringLiteral("Jugadores que tienen sumas guardadas"));
    SetHint(ComboBox_periodo, QStringLiteral("Qué tiempo abarca el informe"));
    SetHint(CheckBox_todos, QStringLiteral("Una página por cada jugador de la lista"));
    SetHint(Grid_hechos, QStringLiteral("Cada casilla es una suma de dos cifras: el color dice cuántas veces salió "
                                        "bien a la primera"));
    SetHint(Button_imprimir, QStringLiteral("Imprime una página por jugador"));
    SetHint(Button_pdf, QStringLiteral("Guarda el informe en un archivo PDF"));

    connect(ListBox_jugadores, &QListWidget::currentRowChanged, this, [this] { ListBox_jugadoresChange(); });
    connect(ComboBox_periodo, &QComboBox::currentIndexChanged, this, [this] { ListBox_jugadoresChange(); });
    connect(Grid_hechos, &FactsGrid::CellPicked, Label_hecho, &QLabel::setText);
    connect(Button_imprimir, &QPushButton::clicked, this, &TForm_progreso::Button_imprimirClick);
    connect(Button_pdf, &QPushButton::clicked, this, &TForm_progreso::Button_pdfClick);
    connect(Button_cerrar, &QPushButton::clicked, this, &QDialog::reject);
}

void TForm_progreso::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        FormShow();
}

Progress::Period TForm_progreso::CurrentPeriod() const
{
    const int i = ComboBox_periodo->currentIndex();
    return i >= 0 && i < int(std::size(Progress::kPeriods)) ? Progress::kPeriods[i] : Progress::Period::All;
}

void TForm_progreso::FormShow()
{
    const QString before = ListBox_jugadores->currentItem() ? ListBox_jugadores->currentItem()->text() : QString();
    QString problem;
    QStringList names;
    {
        BusyCursor busy;
        names = source.players ? source.players(&problem) : QStringList();
    }
    // The current game's players first, in turn order; then the rest.
    QStringList ordered;
    for (int i = 0; i < game.playerCount && i < kMaxPlayers; ++i) {
        const QString name = game.players[i].Name();
        if (names.contains(name) && !ordered.contains(name))
            ordered << name;
    }
    for (const QString& name : names)
        if (!ordered.contains(name))
            ordered << name;
    {
        const QSignalBlocker block(ListBox_jugadores);
        ListBox_jugadores->clear();
        ListBox_jugadores->addItems(ordered);
        const int again = int(ordered.indexOf(before));
        ListBox_jugadores->setCurrentRow(ordered.isEmpty() ? -1 : std::max(0, again));
    }
    const bool any = !ordered.isEmpty();
    Button_imprimir->setEnabled(any);
    Button_pdf->setEnabled(any);
    CheckBox_todos->setEnabled(ordered.size() > 1);
    if (!problem.isEmpty())
        Say(problem);
    else if (!any)
        Say(QStringLiteral("Todavía no hay sumas guardadas: cuando los jugadores hagan sumas, aquí se verá cómo "
                           "van."));
    else
        ListBox_jugadoresChange();
    ListBox_jugadores->setFocus();
}

bool TForm_progreso::LoadReport(const QString& player, Progress::Report& report, QString* problem)
{
    const QDateTime now = ThePlatform().Now();
    const Progress::Period period = CurrentPeriod();
    const QDateTime since = Progress::PeriodStart(period, now);
    History::Read read = source.read ? source.read(player, since) : History::Read{};
    if (!read.ok) {
        *problem = read.problem.isEmpty() ? QStringLiteral("No se puede leer el historial de sumas.") : read.problem;
        return false;
    }
    if (since.isValid())
        read.sums = Progress::Since(read.sums, since);
    report = Progress::Build(player, period, now, read.sums);
    return true;
}

void TForm_progreso::ListBox_jugadoresChange()
{
    QListWidgetItem* item = ListBox_jugadores->currentItem();
    if (!item)
        return;
    QString problem;
    bool loaded;
    {
        BusyCursor busy;
        loaded = LoadReport(item->text(), shown_, &problem);
    }
    if (!loaded) {
        Say(problem);
        return;
    }
    ShowReport();
}

void TForm_progreso::Say(const QString& sentence)
{
    shown_ = Progress::Report();
    Label_aviso->setText(sentence);
    Label_aviso->show();
    Label_resumen->clear();
    Grid_hechos->SetGrid({});
    Label_hecho->clear();
    SetChart(Chart_dias, new QChart);
    SetChart(Chart_errores, new QChart);
    Memo_errores->clear();
    Table_tiempos->setRowCount(0);
}

void TForm_progreso::ShowReport()
{
    const Progress::Report& r = shown_;
    Label_aviso->hide();
    Label_resumen->setText(QStringLiteral("%1 — %2").arg(r.player, Progress::Summary(r)));
    Grid_hechos->SetGrid(r.facts);
    Label_hecho->setText(Grid_hechos->Current() >= 0 ? Grid_hechos->CurrentText()
                                                     : QStringLiteral("Señala una casilla para ver sus veces."));
    SetChart(Chart_dias, ProgressPage::NewDayChart(r.days));
    SetChart(Chart_errores, ProgressPage::NewErrorChart(r.errors));
    Memo_errores->setHtml(ProgressPage::SentencesHtml(r.sentences));
    Table_tiempos->setRowCount(int(r.times.size()));
    for (int i = 0; i < int(r.times.size()); ++i) {
        const Progress::Timing& t = r.times[size_t(i)];
        Table_tiempos->setItem(i, 0, new QTableWidgetItem(Progress::FamilyName(t.family)));
        auto* seconds = new QTableWidgetItem(QStringLiteral("%1 s").arg(Decimal(t.medianSeconds)));
        seconds->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Table_tiempos->setItem(i, 1, seconds);
        auto* digits = new QTableWidgetItem(QString::number(t.digits));
        digits->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        Table_tiempos->setItem(i, 2, digits);
    }
    // Every row in sight: the table takes the height it needs from the chart above it.
    Table_tiempos->setMinimumHeight(Table_tiempos->horizontalHeader()->sizeHint().height() +
                                    Table_tiempos->verticalHeader()->length() + 2 * Table_tiempos->frameWidth());
}

bool TForm_progreso::ReportsToPrint(std::vector<Progress::Report>& reports)
{
    reports.clear();
    if (!CheckBox_todos->isChecked()) {
        if (!shown_.player.isEmpty())
            reports.push_back(shown_);
        return !reports.empty();
    }
    BusyCursor busy;
    for (int i = 0; i < ListBox_jugadores->count(); ++i) {
        Progress::Report report;
        QString problem;
        if (!LoadReport(ListBox_jugadores->item(i)->text(), report, &problem)) {
            Say(problem);
            return false;
        }
        reports.push_back(std::move(report));
    }
    return !reports.empty();
}

bool TForm_progreso::PrintReports(QPrinter* printer, const std::vector<Progress::Report>& reports)
{
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    const QRectF page(0, 0, printer->width(), printer->height());
    for (size_t i = 0; i < reports.size(); ++i) {
        if (i > 0 && !printer->newPage())
            return false;
        ProgressPage::Paint(painter, page, reports[i]);
    }
    return painter.end();
}

void TForm_progreso::Button_imprimirClick()
{
    std::vector<Progress::Report> reports;
    if (!ReportsToPrint(reports))
        return;
    QPrinter printer(QPrinter::HighResolution);
    SetupPrinter(printer);
    if (!ThePlatform().PrintPreview(&printer, this, kTitle,
                                    [&reports](QPrinter* p) { return PrintReports(p, reports); })) {
        ThePlatform().Beep();
        ThePlatform().ShowMessage(QStringLiteral("\nNo se pudo imprimir el progreso.\n"));
    }
}

void TForm_progreso::Button_pdfClick()
{
    std::vector<Progress::Report> reports;
    if (!ReportsToPrint(reports))
        return;
    const QString suggested = reports.size() == 1 ? QStringLiteral("progreso-%1.pdf").arg(reports.front().player)
                                                  : QStringLiteral("progreso.pdf");
    QString path = ThePlatform().SaveFileName(this, QStringLiteral("Guardar como PDF"),
                                              QDir(ResultsFolder()).filePath(suggested),
                                              QStringLiteral("Documentos PDF (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");

    // Written beside the chosen name and renamed over it when whole, so a
    // failure never leaves half a file in place of a good one.
    const QString part = QStringLiteral("%1.%2.part").arg(path, QUuid::createUuid().toString(QUuid::Id128).left(8));
    bool saved = false;
    {
        BusyCursor busy;
        QPrinter printer(QPrinter::HighResolution);
        SetupPrinter(printer);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(part);
        saved = PrintReports(&printer, reports) && QFileInfo(part).size() > 0 &&
                std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData()) == 0;
    }
    if (!saved) {
        QFile::remove(part);
        ThePlatform().Beep();
        ThePlatform().ShowMessage(QStringLiteral("E R R O R\n\nNo se pudo guardar el archivo\n%1\n").arg(path));
    }
}
