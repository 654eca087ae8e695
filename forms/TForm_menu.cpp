// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TForm_menu.h"

#include "app/Accessibility.h"
#include "app/Fonts.h"
#include "app/GameFolder.h"
#include "app/GameEvents.h"
#include "app/GameState.h"
#include "app/HistoryDeletion.h"
#include "app/HelpKey.h"
#include "app/Platform.h"
#include "app/Services.h"
#include "app/Windows.h"
#include "forms/TExerciseForm.h"
#include "forms/TForm_Resultados.h"
#include "forms/TForm_ayuda.h"
#include "forms/TForm_cmental1.h"
#include "forms/TForm_jugadores.h"
#include "forms/TForm_progreso.h"
#include "forms/TForm_puntos.h"
#include "forms/TForm_repaso.h"
#include "forms/TForm_sumas1.h"
#include "forms/TForm_sumas2.h"
#include "forms/TForm_sumas3.h"
#include "forms/TForm_sumas4.h"
#include "forms/TForm_sumas5.h"
#include "forms/WorksheetPrinting.h"
#include "widgets/TBackground.h"
#include "widgets/TColor95Button.h"
#include "widgets/TGIFImage.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

namespace {

const QString kNoSaveQuestionNewGame = QStringLiteral(
    "¡¡ Atención !!\n\nEsta opción borra los valores de resultados actuales, que no han sido "
    "guardados en disco.\n\n¿Desea volver para guardarlos antes de iniciar nueva jugada?");

const QString kResolutionWarning = QStringLiteral(
    "\nEste programa ha diso diseñado para una resolución mínima de pantalla de 640x480 pixels. "
    "\n\nSi se usa una resolución menor, algunas zonas de la pantalla de juego, no serán "
    "visibles.\n\nSe recomienda cambiar la resolución de la pantalla, como mínimo a 640x480.\n");

// The section of the help that a window's help context stands for; none
// (the first page) for the main window and windows without a topic.
QString HelpSection(const QWidget* window)
{
    if (!window)
        return {};
    if (const auto* exercise = qobject_cast<const TExerciseForm*>(window))
        return exercise->HelpContext() > 0 ? QStringLiteral("ejercicios") : QString();
    static const QHash<QString, QString> sections = {
        {QStringLiteral("TForm_jugadores"), QStringLiteral("jugadores")},
        {QStringLiteral("TForm_Resultados"), QStringLiteral("resultados")},
        {QStringLiteral("TForm_puntos"), QStringLiteral("mejores")},
        {QStringLiteral("TForm_paginas"), QStringLiteral("fichas")},
        {QStringLiteral("TForm_aviso_error"), QStringLiteral("avisos")},
        {QStringLiteral("TForm_Acierto"), QStringLiteral("avisos")},
        {QStringLiteral("TForm_muchos_aciertos"), QStringLiteral("avisos")},
    };
    return sections.value(window->objectName());
}

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption, const QString& hint)
{
    auto* a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    a->setStatusTip(hint);
    return a;
}

// The background pictures are drawn from the picture itself wherever they are
// seen, never kept as pictures as large as the client area (megabytes on a
// large screen, redone at every resize).
class TiledPicture : public QLabel {
public:
    using QLabel::QLabel;
    void SetTile(const QPixmap& tile)
    {
        tile_ = tile;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        if (tile_.isNull())
            return;
        QPainter p(this);
        // From the top-left corner, in one call for all the copies.
        p.drawTiledPixmap(rect(), tile_);
    }

private:
    QPixmap tile_;
};

class StretchedPicture : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent*) override
    {
        const QPixmap picture = pixmap();
        if (picture.isNull())
            return;
        QPainter p(this);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawPixmap(contentsRect(), picture);
    }
};

QGroupBox* MakeBox(QWidget* parent, const char* name, const QString& title, int x, int y, int w, int h)
{
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(x, y, w, h);
    return box;
}

}  // namespace

TForm_menu::TForm_menu(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("TForm_menu"));
    setWindowTitle(QStringLiteral("   Cifrolo   "));
    setFont(DesignFont(QStringLiteral("MS Sans Serif"), 11));
    BuildControls();
    BuildMenus();
    resize(720, 615 + menuBar()->sizeHint().height());
    PublishControlNames(this);
    ListenToGame();
    FormCreate();
}

void TForm_menu::ListenToGame()
{
    GameEvents& events = Events();
    connect(&events, &GameEvents::ScoreChanged, this, [this](int32_t points) {
        Label_puntos->setText(QString::number(points));
        SetTextColour(Label_puntos, points < 0 ? QColor(0xFF, 0, 0) : QColor(0, 0, 0xFF));
    });
    connect(&events, &GameEvents::PlayerChanged, this, [this](const QString& name, int32_t hits, int32_t misses) {
        Label_nombrejugador->setText(name);
        Label_pacertadas->setText(QString::number(hits));
        Label_pfalladas->setText(QString::number(misses));
    });
    connect(&events, &GameEvents::ClockTicked, Label_tiempo, &QLabel::setText);
    connect(&events, &GameEvents::Hint, this, [this](const QString& text) {
        Label_ayudas_hint1->setText(text);
        Label_ayudas_hint2->setText(text);
    });
    connect(&events, &GameEvents::PlayersChanged, this, &TForm_menu::UpdateTurnButtons);
    connect(&events, &GameEvents::SmallCelebration, this, [this] {
        GIFImage1->setVisible(true);
        GIFImage1->start();
    });
    connect(&events, &GameEvents::FaceRestarted, GIFImage2, &TGIFImage::start);
    connect(&events, &GameEvents::BackgroundChanged, this,
            [this](const QImage& picture) { SetBackgroundPicture(QPixmap::fromImage(picture)); });
    connect(&events, &GameEvents::GameEnded, this, &QWidget::close);
}

void TForm_menu::BuildControls()
{
    Client = new QWidget(this);
    Client->setObjectName(QStringLiteral("Client"));
    SetBackgroundColour(Client, QColor(0xA6, 0xCA, 0xF0));
    setCentralWidget(Client);
    Client->installEventFilter(this);

    Image_fondopantalla = new TiledPicture(Client);
    Image_fondopantalla->setObjectName(QStringLiteral("Image_fondopantalla"));
    Image_fondopantalla_tmp = new StretchedPicture(Client);
    Image_fondopantalla_tmp->setObjectName(QStringLiteral("Image_fondopantalla_tmp"));
    Image_fondopantalla_tmp->setScaledContents(true);

    const QFont hintFont = DesignFont(QStringLiteral("MS Sans Serif"), 13);
    QFont hintBold = hintFont;
    hintBold.setBold(true);
    Label_ayudas_hint1 = MakeLabel(Client, "Label_ayudas_hint1", QStringLiteral("Información :"), 300,
                                   15, 301, 76, hintBold, Qt::black);
    Label_ayudas_hint1->setWordWrap(true);
    // From the top, and wrapped clear of the figure that peeks out over the
    // label's right part.
    Label_ayudas_hint1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    // The label spans x 300 to 601; the figure starts at x 475.
    Label_ayudas_hint1->setContentsMargins(0, 0, 601 - 475, 0);
    Label_ayudas_hint2 = MakeLabel(Client, "Label_ayudas_hint2", QStringLiteral("Información :"), 10,
                                   398, 591, 21, hintFont, Qt::black);
    SetBackgroundColour(Label_ayudas_hint2, QColor(0xFF, 0xFF, 0x80));

    GIFImage1 = new TGIFImage(Client);
    GIFImage1->setObjectName(QStringLiteral("GIFImage1"));
    GIFImage1->setGeometry(10, 395, 241, 146);
    GIFImage1->setStretch(true);
    GIFImage1->setLoop(false);
    GIFImage1->setSpeed(75);
    GIFImage1->setFileName(QStringLiteral(":/anim/celebra.gif"));
    GIFImage1->hide();

    GIFImage2 = new TGIFImage(Client);
    GIFImage2->setObjectName(QStringLiteral("GIFImage2"));
    GIFImage2->setGeometry(475, -5, 124, 125);
    GIFImage2->setAutoSize(true);
    GIFImage2->setLoop(false);
    GIFImage2->setSpeed(50);
    GIFImage2->setFileName(QStringLiteral(":/anim/asoma.gif"));
    SetHint(GIFImage2, QStringLiteral("Haz clic y me asomo"));
    GIFImage2->hide();

    const QColor blue(0x00, 0x40, 0x80), light(0x00, 0x80, 0xFF), dark(0x00, 0x42, 0x84);
    const QString oneColumn = QStringLiteral("Sumas de 1 sola columna");
    const QString severalColumns = QStringLiteral("Sumas de varias columnas");
    Panel1 = MakeBigButton("Panel1", "Label1", &Label1, QStringLiteral("Sumas, inicio SIN llevadas"),
                           oneColumn, 108, blue, light, dark, Qt::white);
    Panel3 = MakeBigButton("Panel3", "Label2", &Label2, QStringLiteral("Sumas, inicio CON llevadas"),
                           oneColumn, 163, blue, light, dark, Qt::white);
    Panel2 = MakeBigButton("Panel2", "Label3", &Label3, QStringLiteral("Sumas, SIN llevarse"),
                           severalColumns, 223, blue, light, dark, Qt::yellow);
    Panel4 = MakeBigButton("Panel4", "Label4", &Label4, QStringLiteral("Sumas, CON llevadas"),
                           severalColumns, 278, blue, light, dark, Qt::yellow);
    Panel5 = MakeBigButton("Panel5", "Label5", &Label5, QStringLiteral("Sumas, perfeccionamiento"),
                           QStringLiteral("Sumas de varias columnas y varias filas"), 338,
                           QColor(0x40, 0x00, 0x80), QColor(0xBB, 0x77, 0xFF), QColor(0x66, 0x00, 0xCC),
                           Qt::cyan);

    const QFont boxFont = font();
    GroupBox_jugador = MakeBox(Client, "GroupBox_jugador", QStringLiteral("  Jugador actual  "), 10, 10,
                               276, 81);
    Label_nombrejugador = MakeLabel(GroupBox_jugador, "Label_nombrejugador", QStringLiteral("Sin nombre"),
                                    14, 19, 248, 25, DesignFont(QStringLiteral("Arial"), 16, true),
                                    Qt::blue);
    SetHint(Label_nombrejugador, QStringLiteral("Jugador/a que tiene el turno para jugar"));
    Color95Button_jugadoranterior = new TColor95Button(GroupBox_jugador);
    Color95Button_jugadoranterior->setObjectName(QStringLiteral("Color95Button_jugadoranterior"));
    Color95Button_jugadoranterior->setText(QStringLiteral("<< Anterior"));
    Color95Button_jugadoranterior->setGeometry(12, 49, 125, 28);
    SetHint(Color95Button_jugadoranterior, QStringLiteral("Cambia el turno al  jugador anterior"));
    Color95Button_jugadorsiguiente = new TColor95Button(GroupBox_jugador);
    Color95Button_jugadorsiguiente->setObjectName(QStringLiteral("Color95Button_jugadorsiguiente"));
    Color95Button_jugadorsiguiente->setText(QStringLiteral("Siguiente >>"));
    Color95Button_jugadorsiguiente->setGeometry(138, 49, 125, 28);
    SetHint(Color95Button_jugadorsiguiente, QStringLiteral("Cambia el turno al  jugador siguiente"));
    for (TColor95Button* b : {Color95Button_jugadoranterior, Color95Button_jugadorsiguiente}) {
        b->setFaceColor(QColor(0x89, 0xB8, 0xEB));
        b->setGradientStyle(TColor95Button::GradientStyle::Vertical);
        b->setFont(boxFont);
    }
    connect(Color95Button_jugadoranterior, &QAbstractButton::clicked, this,
            &TForm_menu::Color95Button_jugadoranteriorClick);
    connect(Color95Button_jugadorsiguiente, &QAbstractButton::clicked, this,
            &TForm_menu::Color95Button_jugadorsiguienteClick);

    GroupBox_puntos = MakeBox(Client, "GroupBox_puntos", QStringLiteral("  Puntos  "), 10, 95, 121, 61);
    SetHint(GroupBox_puntos, QStringLiteral("Puntos del jugador actual"));
    Label_puntos = MakeLabel(GroupBox_puntos, "Label_puntos", QStringLiteral("0"), 4, 18, 113, 38,
                             DesignFont(QStringLiteral("MS Sans Serif"), 24, true), Qt::blue);

    GroupBox_controlpalabras = MakeBox(Client, "GroupBox_controlpalabras", QStringLiteral("  Total  "),
                                       10, 165, 121, 156);
    GroupBox_pacertadas = MakeBox(GroupBox_controlpalabras, "GroupBox_pacertadas",
                                  QStringLiteral("  Aciertos  "), 8, 22, 106, 59);
    SetTextColour(GroupBox_pacertadas, Qt::blue);
    SetHint(GroupBox_pacertadas, QStringLiteral("Aciertos totales del jugador actual"));
    Label_pacertadas = MakeLabel(GroupBox_pacertadas, "Label_pacertadas", QStringLiteral("0"), 4, 18, 98,
                                 36, DesignFont(QStringLiteral("MS Sans Serif"), 19, true), Qt::blue);
    GroupBox_pfalladas = MakeBox(GroupBox_controlpalabras, "GroupBox_pfalladas",
                                 QStringLiteral("  Fallos  "), 8, 87, 106, 54);
    SetTextColour(GroupBox_pfalladas, Qt::red);
    SetHint(GroupBox_pfalladas, QStringLiteral("Fallos totales del jugador actual"));
    Label_pfalladas = MakeLabel(GroupBox_pfalladas, "Label_pfalladas", QStringLiteral("0"), 4, 18, 98, 32,
                                DesignFont(QStringLiteral("MS Sans Serif"), 19, true), Qt::red);

    GroupBox1 = MakeBox(Client, "GroupBox1", QStringLiteral("  Tiempo   "), 10, 330, 121, 61);
    SetHint(GroupBox1, QStringLiteral("Tiempo tardado en la operación actual"));
    Label_tiempo = MakeLabel(GroupBox1, "Label_tiempo", QStringLiteral("000:00"), 4, 18, 113, 38,
                             DesignFont(QStringLiteral("Arial"), 21), Qt::black);

    // The pictures above everything else they overlap.
    GIFImage1->raise();
    GIFImage2->raise();
    connect(GIFImage1, &TGIFImage::wrapAnimation, this, &TForm_menu::GIFImage1WrapAnimation);
    connect(GIFImage2, &TGIFImage::wrapAnimation, this, &TForm_menu::GIFImage2WrapAnimation);
    connect(GIFImage2, &TGIFImage::clicked, this, &TForm_menu::GIFImage2Click);

    Timer_icono = new QTimer(this);
    Timer_icono->setObjectName(QStringLiteral("Timer_icono"));
    Timer_icono->setInterval(10);
    connect(Timer_icono, &QTimer::timeout, this, &TForm_menu::Timer_iconoTimer);
}

QFrame* TForm_menu::MakeBigButton(const char* panelName, const char* labelName, QLabel** label,
                                  const QString& caption, const QString& hint, int top,
                                  const QColor& colour, const QColor& from, const QColor& to,
                                  const QColor& text)
{
    auto* panel = new QFrame(Client);
    panel->setObjectName(QLatin1String(panelName));
    panel->setGeometry(151, top, 450, 54);
    panel->setFrameStyle(QFrame::Box | QFrame::Plain);
    panel->setLineWidth(1);
    SetBackgroundColour(panel, colour);
    // The hand appears when the pointer first comes over the panel (see
    // eventFilter): its picture is not read before.
    SetHint(panel, hint);
    auto* fill = new TBackground(panel);
    fill->setColors(from, to);
    auto* l = MakeLabel(panel, labelName, caption, 15, 10, 420, 31,
                        DesignFont(QStringLiteral("Times New Roman"), 27, true, true), text);
    SetHint(l, hint);
    // The panel takes the label's clicks: both run the same entry.
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    panel->installEventFilter(this);
    *label = l;
    return panel;
}

void TForm_menu::BuildMenus()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    Opciones1 = bar->addMenu(QStringLiteral("&Opciones"));
    Opciones1->setObjectName(QStringLiteral("Opciones1"));
    Iniciarnuevojuego1 = AddEntry(Opciones1, "Iniciarnuevojuego1", QStringLiteral("Iniciar &nueva jugada..."),
                                  QStringLiteral("Iniciar nuevo juego, con nuevos jugadores y nuevos resultados"));
    Los10mejoresjugadores1 = AddEntry(Opciones1, "Los10mejoresjugadores1",
                                      QStringLiteral("&Los 10 mejores jugadores..."),
                                      QStringLiteral("Lista de los 10 mejores jugadores"));
    Directorioparapuntos1 = AddEntry(Opciones1, "Directorioparapuntos1",
                                     QStringLiteral("Directorio para puntos..."), QString());
    Directorioparapuntos1->setVisible(false);
    Opciones1->addSeparator();
    Terminar1 = AddEntry(Opciones1, "Terminar1", QStringLiteral("&Terminar"), QStringLiteral("Acabar el juego"));

    Juegos1 = bar->addMenu(QStringLiteral("&Juegos"));
    Juegos1->setObjectName(QStringLiteral("Juegos1"));
    const QString oneColumn = QStringLiteral("Sumas de 1 sola columna");
    const QString severalColumns = QStringLiteral("Sumas de varias columnas");
    Iniciosumassinllevarse1 = AddEntry(Juegos1, "Iniciosumassinllevarse1",
                                       QStringLiteral("&Inicio sumas sin llevarse"), oneColumn);
    Iniciosumasconllevadas1 = AddEntry(Juegos1, "Iniciosumasconllevadas1",
                                       QStringLiteral("Inicio &sumas con llevadas"), oneColumn);
    Juegos1->addSeparator();
    Sumassinllevarse1 = AddEntry(Juegos1, "Sumassinllevarse1", QStringLiteral("Su&mas sin llevarse"),
                                 severalColumns);
    Sumasconllevadas1 = AddEntry(Juegos1, "Sumasconllevadas1", QStringLiteral("Sumas &con llevadas"),
                                 severalColumns);
    Juegos1->addSeparator();
    Perfeccionamientodesumas1 = AddEntry(Juegos1, "Perfeccionamientodesumas1",
                                         QStringLiteral("&Perfeccionamiento de sumas"),
                                         QStringLiteral("Sumas de varias columnas y varias filas"));
    Juegos1->addSeparator();
    Clculomental1 = AddEntry(Juegos1, "Clculomental1", QStringLiteral("C&álculo mental"),
                             QStringLiteral("Cuentas horizontales, para calcular mentalmente. Valores de "
                                            "los sumandos configurables."));
    Repaso1 = AddEntry(Juegos1, "Repaso1", QStringLiteral("&Repaso"),
                       QStringLiteral("Cuentas elegidas para repasar los errores de cada jugador"));
    exerciseEntries_ = {Iniciosumassinllevarse1, Iniciosumasconllevadas1, Sumassinllevarse1,
                        Sumasconllevadas1, Perfeccionamientodesumas1, Clculomental1, Repaso1};
    for (QAction* a : exerciseEntries_)
        a->setCheckable(true);

    Configuracin1 = bar->addMenu(QStringLiteral("&Configuración"));
    Configuracin1->setObjectName(QStringLiteral("Configuracin1"));
    Cambiodeturnojugadoresautomtico1 = AddEntry(
        Configuracin1, "Cambiodeturnojugadoresautomtico1", QStringLiteral("Cambio de jugador &automático"),
        QStringLiteral("Pasa el turno automáticamente al terminar una cuenta"));
    Cambiodeturnojugadoresmanual1 = AddEntry(
        Configuracin1, "Cambiodeturnojugadoresmanual1", QStringLiteral("Cambio de jugador &manual"),
        QStringLiteral("Para cambiar el turno de jugador, usar los botones de 'Jugador actual'"));
    Configuracin1->addSeparator();
    Editarvisualizarlasquemellevo = AddEntry(
        Configuracin1, "Editarvisualizarlasquemellevo", QStringLiteral("&Editar y visualizar las que me llevo"),
        QStringLiteral("Permitir o no, que se editen y se vean los números que me llevo"));
    Explicarloserrores1 = AddEntry(Configuracin1, "Explicarloserrores1", QStringLiteral("Explicar los &errores"),
                                   QStringLiteral("Después de un fallo, decir con una frase qué ha podido pasar"));
    for (QAction* a : {Cambiodeturnojugadoresautomtico1, Cambiodeturnojugadoresmanual1,
                       Editarvisualizarlasquemellevo, Explicarloserrores1})
        a->setCheckable(true);
    Cambiodeturnojugadoresautomtico1->setChecked(true);
    Editarvisualizarlasquemellevo->setChecked(true);
    Explicarloserrores1->setChecked(game.explainMistakes);

    const QString printHint = QStringLiteral("Impresión de sumas en papel");
    Impresin1 = bar->addMenu(QStringLiteral("&Impresión"));
    Impresin1->setObjectName(QStringLiteral("Impresin1"));
    Impresin1->menuAction()->setStatusTip(printHint);
    DesumasSinllevadas1 = Impresin1->addMenu(QStringLiteral("De sumas &Sin llevadas"));
    DesumasSinllevadas1->setObjectName(QStringLiteral("DesumasSinllevadas1"));
    DesumasSinllevadas1->menuAction()->setStatusTip(printHint);
    Conunacolumna1 = AddEntry(DesumasSinllevadas1, "Conunacolumna1", QStringLiteral("Con &una columna"), printHint);
    Condoscolumnas1 = AddEntry(DesumasSinllevadas1, "Condoscolumnas1", QStringLiteral("Con &dos columnas"), printHint);
    Contrescolumnas1 = AddEntry(DesumasSinllevadas1, "Contrescolumnas1", QStringLiteral("Con &tres columnas"), printHint);
    DesumasConllevadas1 = Impresin1->addMenu(QStringLiteral("De sumas &Con llevadas"));
    DesumasConllevadas1->setObjectName(QStringLiteral("DesumasConllevadas1"));
    DesumasConllevadas1->menuAction()->setStatusTip(printHint);
    Conunacolumna2 = AddEntry(DesumasConllevadas1, "Conunacolumna2", QStringLiteral("Con &una columna"), printHint);
    Condoscolumnas2 = AddEntry(DesumasConllevadas1, "Condoscolumnas2", QStringLiteral("Con &dos columnas"), printHint);
    Contrescolumnas2 = AddEntry(DesumasConllevadas1, "Contrescolumnas2", QStringLiteral("Con &tres columnas"), printHint);
    DesumasConllevadas1->addSeparator();
    Contresfilas1 = AddEntry(DesumasConllevadas1, "Contresfilas1", QStringLiteral("Con tres &filas"), printHint);
    Concuatrofilas1 = AddEntry(DesumasConllevadas1, "Concuatrofilas1", QStringLiteral("Con cuatro fi&las"), printHint);
    Concincofilas1 = AddEntry(DesumasConllevadas1, "Concincofilas1", QStringLiteral("Con &cinco filas"), printHint);
    Clculomental2 = AddEntry(Impresin1, "Clculomental2", QStringLiteral("Cálculo &mental"),
                             QStringLiteral("Imprimir cuentas horizontales para calcular mentalmente"));
    Hojaderepaso1 =
        AddEntry(Impresin1, "Hojaderepaso1", QStringLiteral("Hoja de &repaso"),
                 QStringLiteral("Imprimir sumas elegidas para repasar los errores del jugador actual"));

    Resultados1 = bar->addMenu(QStringLiteral("&Resultados"));
    Resultados1->setObjectName(QStringLiteral("Resultados1"));
    Leerjugadoresdearchivo1 = AddEntry(
        Resultados1, "Leerjugadoresdearchivo1", QStringLiteral("&Leer jugadores y resultados de archivo..."),
        QStringLiteral("Leer jugadores y resultados de un archivo, para jugar con ellos"));
    Agnadirnuevosjugadores1 = AddEntry(Resultados1, "Agnadirnuevosjugadores1",
                                       QStringLiteral("&Añadir nuevos jugadores..."),
                                       QStringLiteral("Añade más jugadores para jugar"));
    Resultados1->addSeparator();
    Controlderesultados1 = AddEntry(Resultados1, "Controlderesultados1",
                                    QStringLiteral("&Control de resultados..."),
                                    QStringLiteral("Ventana para ver, guardar, etc. los resultados"));
    Progresodelosjugadores1 = AddEntry(Resultados1, "Progresodelosjugadores1",
                                       QStringLiteral("&Progreso de los jugadores..."),
                                       QStringLiteral("Qué sumas sabe cada jugador, qué le cuesta y qué practicar"));
    Borrarelhistorial1 = AddEntry(Resultados1, "Borrarelhistorial1",
                                  QStringLiteral("&Borrar el historial de un jugador..."),
                                  QStringLiteral("Borra del historial de prácticas todo lo que jugó un jugador"));
    connect(Borrarelhistorial1, &QAction::triggered, this, &TForm_menu::Borrarelhistorial1Click);

    Ayuda1 = bar->addMenu(QStringLiteral("&Ayuda"));
    Ayuda1->setObjectName(QStringLiteral("Ayuda1"));
    Ayuda2 = AddEntry(Ayuda1, "Ayuda2", QStringLiteral("A&yuda"), QString());
    Ayuda1->addSeparator();
    Autor1 = AddEntry(Ayuda1, "Autor1", QStringLiteral("&Autor..."), QString());

    connect(Iniciarnuevojuego1, &QAction::triggered, this, &TForm_menu::Iniciarnuevojuego1Click);
    connect(Los10mejoresjugadores1, &QAction::triggered, this, &TForm_menu::Los10mejoresjugadores1Click);
    connect(Terminar1, &QAction::triggered, this, &TForm_menu::Terminar1Click);
    connect(Iniciosumassinllevarse1, &QAction::triggered, this, &TForm_menu::Iniciosumassinllevarse1Click);
    connect(Iniciosumasconllevadas1, &QAction::triggered, this, &TForm_menu::Iniciosumasconllevadas1Click);
    connect(Clculomental1, &QAction::triggered, this, &TForm_menu::Clculomental1Click);
    connect(Repaso1, &QAction::triggered, this, &TForm_menu::Repaso1Click);
    connect(Sumassinllevarse1, &QAction::triggered, this, &TForm_menu::Sumassinllevarse1Click);
    connect(Sumasconllevadas1, &QAction::triggered, this, &TForm_menu::Sumasconllevadas1Click);
    connect(Perfeccionamientodesumas1, &QAction::triggered, this,
            &TForm_menu::Perfeccionamientodesumas1Click);
    connect(Cambiodeturnojugadoresautomtico1, &QAction::triggered, this,
            &TForm_menu::Cambiodeturnojugadoresautomtico1Click);
    connect(Cambiodeturnojugadoresmanual1, &QAction::triggered, this,
            &TForm_menu::Cambiodeturnojugadoresmanual1Click);
    connect(Editarvisualizarlasquemellevo, &QAction::triggered, this,
            &TForm_menu::EditarvisualizarlasquemellevoClick);
    connect(Explicarloserrores1, &QAction::triggered, this, &TForm_menu::Explicarloserrores1Click);
    connect(Agnadirnuevosjugadores1, &QAction::triggered, this, &TForm_menu::Agnadirnuevosjugadores1Click);
    connect(Leerjugadoresdearchivo1, &QAction::triggered, this, &TForm_menu::Leerjugadoresdearchivo1Click);
    connect(Controlderesultados1, &QAction::triggered, this, &TForm_menu::Controlderesultados1Click);
    connect(Progresodelosjugadores1, &QAction::triggered, this, &TForm_menu::Progresodelosjugadores1Click);
    connect(Conunacolumna1, &QAction::triggered, this, &TForm_menu::Conunacolumna1Click);
    connect(Condoscolumnas1, &QAction::triggered, this, &TForm_menu::Condoscolumnas1Click);
    connect(Contrescolumnas1, &QAction::triggered, this, &TForm_menu::Contrescolumnas1Click);
    connect(Conunacolumna2, &QAction::triggered, this, &TForm_menu::Conunacolumna2Click);
    connect(Condoscolumnas2, &QAction::triggered, this, &TForm_menu::Condoscolumnas2Click);
    connect(Contrescolumnas2, &QAction::triggered, this, &TForm_menu::Contrescolumnas2Click);
    connect(Contresfilas1, &QAction::triggered, this, &TForm_menu::Contresfilas1Click);
    connect(Concuatrofilas1, &QAction::triggered, this, &TForm_menu::Concuatrofilas1Click);
    connect(Concincofilas1, &QAction::triggered, this, &TForm_menu::Concincofilas1Click);
    connect(Clculomental2, &QAction::triggered, this, &TForm_menu::Clculomental2Click);
    connect(Hojaderepaso1, &QAction::triggered, this, &TForm_menu::Hojaderepaso1Click);
    connect(Ayuda2, &QAction::triggered, this, &TForm_menu::Ayuda2Click);
    InstallHelpKey(this, [this](QWidget* front) { ShowHelp(HelpSection(front)); });
    connect(Autor1, &QAction::triggered, this, &TForm_menu::Autor1Click);
}

void TForm_menu::FormCreate() { InitGameState(); }

void TForm_menu::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shownOnce_) {
        shownOnce_ = true;
        FormShow();
    }
}

void TForm_menu::FormShow()
{
    const QSize screen = ThePlatform().ScreenSize();
    if (screen.width() < 640 || screen.height() < 480)
        ThePlatform().Ask(kResolutionWarning, Platform::Icon::Information, Platform::Buttons::Ok);
    if (FileExists(QStringLiteral("fondo.bmp")))
        LoadBackground(QStringLiteral("fondo.bmp"));
    Timer_icono->start();
}

void TForm_menu::Timer_iconoTimer()
{
    if (!firstTickDone_) {
        firstTickDone_ = true;
        Timer_icono->stop();
        Timer_icono->setInterval(1000);
        OpenTune();
        RunNewGameDialog();
        GIFImage2->setVisible(true);
        GIFImage2->start();
        Timer_icono->start();
    }
    // A modal window (a notice, a dialog, a question) holds up the clock, as
    // the handler that opened it is held up.
    if (ThePlatform().ModalOpen())
        return;
    if (isMinimized()) {
        ThePlatform().Alert(this);
    } else if (game.clockRunning) {
        game.sumSeconds += 1;
        ShowSumTime();
    }
}

void TForm_menu::closeEvent(QCloseEvent* event)
{
    // Only "Terminar" ends the game.
    if (!game.exitConfirmed)
        event->ignore();
    else
        QMainWindow::closeEvent(event);
}

bool TForm_menu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Client && event->type() == QEvent::Resize) {
        Image_fondopantalla->setGeometry(Client->rect());
        Image_fondopantalla_tmp->setGeometry(Client->rect());
        return false;
    }
    auto* panel = qobject_cast<QFrame*>(watched);
    if (panel && (panel == Panel1 || panel == Panel2 || panel == Panel3 || panel == Panel4 || panel == Panel5)) {
        if (event->type() == QEvent::Enter && !panel->testAttribute(Qt::WA_SetCursor))
            panel->setCursor(HandCursor());
        if (event->type() == QEvent::MouseButtonPress &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            pressedPanel_ = panel;
            PanelMouseDown(panel);
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            const bool inside = panel->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint());
            const bool wasPressed = pressedPanel_ == panel;
            pressedPanel_ = nullptr;
            PanelMouseUp(panel);
            if (inside && wasPressed)
                RunPanel(panel);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TForm_menu::PanelMouseDown(QFrame* panel)
{
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setLineWidth(2);
    ThePlatform().Flush(panel);
    Pause(100);
}

void TForm_menu::PanelMouseUp(QFrame* panel)
{
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(2);
    panel->repaint();
}

void TForm_menu::RunPanel(QFrame* panel)
{
    if (panel == Panel1)
        Label1Click();
    else if (panel == Panel3)
        Label2Click();
    else if (panel == Panel2)
        Label3Click();
    else if (panel == Panel4)
        Label4Click();
    else if (panel == Panel5)
        Label5Click();
}

void TForm_menu::Label1Click() { Iniciosumassinllevarse1->trigger(); }
void TForm_menu::Label2Click() { Iniciosumasconllevadas1->trigger(); }
void TForm_menu::Label3Click() { Sumassinllevarse1->trigger(); }
void TForm_menu::Label4Click() { Sumasconllevadas1->trigger(); }
void TForm_menu::Label5Click() { Perfeccionamientodesumas1->trigger(); }

void TForm_menu::SetBackgroundPicture(const QPixmap& picture)
{
    // No more of a picture larger than the screen is ever seen than a
    // screen's worth: the top-left corner when tiled, the whole shrunk when
    // stretched.
    const QSize screen = ThePlatform().ScreenSize();
    const bool larger = screen.isValid() && !screen.isEmpty() &&
                        (picture.width() > screen.width() || picture.height() > screen.height());
    Image_fondopantalla_tmp->setPixmap(
        larger ? picture.scaled(screen, Qt::IgnoreAspectRatio, Qt::SmoothTransformation) : picture);
    static_cast<TiledPicture*>(Image_fondopantalla)
        ->SetTile(larger ? picture.copy(QRect(QPoint(0, 0), screen)) : picture);
}

void TForm_menu::Color95Button_jugadoranteriorClick() { PreviousPlayer(); }

void TForm_menu::Color95Button_jugadorsiguienteClick() { NextPlayer(); }

void TForm_menu::UpdateTurnButtons()
{
    const bool several = game.playerCount > 1;
    Color95Button_jugadoranterior->setEnabled(several);
    Color95Button_jugadorsiguiente->setEnabled(several);
}

void TForm_menu::GIFImage1WrapAnimation()
{
    GIFImage1->stop();
    GIFImage1->hide();
}

void TForm_menu::GIFImage2WrapAnimation() { GIFImage2->stop(); }

void TForm_menu::GIFImage2Click() { GIFImage2->start(); }

void TForm_menu::OpenExercise(QDialog* window, QAction* entry)
{
    CloseCurrentExercise();
    window->show();
    // Showing deals the first sum, which makes this the open exercise.
    ReturnToExercise();
    for (QAction* a : exerciseEntries_)
        a->setChecked(a == entry);
}

void TForm_menu::Iniciosumassinllevarse1Click() { OpenExercise(Form_sumas1, Iniciosumassinllevarse1); }
void TForm_menu::Iniciosumasconllevadas1Click() { OpenExercise(Form_sumas2, Iniciosumasconllevadas1); }
void TForm_menu::Clculomental1Click() { OpenExercise(Form_cmental1, Clculomental1); }
void TForm_menu::Repaso1Click() { OpenExercise(Form_repaso, Repaso1); }
void TForm_menu::Sumassinllevarse1Click() { OpenExercise(Form_sumas3, Sumassinllevarse1); }
void TForm_menu::Sumasconllevadas1Click() { OpenExercise(Form_sumas4, Sumasconllevadas1); }
void TForm_menu::Perfeccionamientodesumas1Click() { OpenExercise(Form_sumas5, Perfeccionamientodesumas1); }

void TForm_menu::Cambiodeturnojugadoresautomtico1Click()
{
    Cambiodeturnojugadoresautomtico1->setChecked(true);
    game.autoTurnChange = true;
    Cambiodeturnojugadoresmanual1->setChecked(false);
    ReturnToExercise();
}

void TForm_menu::Cambiodeturnojugadoresmanual1Click()
{
    Cambiodeturnojugadoresmanual1->setChecked(true);
    game.autoTurnChange = false;
    Cambiodeturnojugadoresautomtico1->setChecked(false);
    ReturnToExercise();
}

void TForm_menu::EditarvisualizarlasquemellevoClick()
{
    game.showCarries = !game.showCarries;
    Editarvisualizarlasquemellevo->setChecked(game.showCarries);
    ReturnToExercise();
}

void TForm_menu::Explicarloserrores1Click()
{
    game.explainMistakes = !game.explainMistakes;
    Explicarloserrores1->setChecked(game.explainMistakes);
    ReturnToExercise();
}

void TForm_menu::Iniciarnuevojuego1Click()
{
    CloseCurrentExercise();
    if (!game.resultsSaved &&
        ThePlatform().Ask(kNoSaveQuestionNewGame, Platform::Icon::Question, Platform::Buttons::YesNoKeep) ==
            Platform::Answer::Yes)
        return;
    RunNewGameDialog();
}

void TForm_menu::RunNewGameDialog()
{
    // With no players registered the dialog starts a new game; cancelled,
    // the old players are still there.
    const int32_t saved = game.playerCount;
    game.playerCount = 0;
    if (ThePlatform().RunModal(Form_jugadores) != QDialog::Accepted)
        game.playerCount = saved;
}

void TForm_menu::Los10mejoresjugadores1Click()
{
    // The exercise window stays open.
    ThePlatform().RunModal(Form_puntos);
}

void TForm_menu::Agnadirnuevosjugadores1Click()
{
    CloseCurrentExercise();
    ThePlatform().RunModal(Form_jugadores);
}

void TForm_menu::Leerjugadoresdearchivo1Click() { ReadPlayersFromFile(); }

void TForm_menu::Borrarelhistorial1Click()
{
    DeletePlayerHistory(this, HistoryFile());
    ReturnToExercise();
}

void TForm_menu::Controlderesultados1Click()
{
    CloseCurrentExercise();
    ThePlatform().RunModal(Form_Resultados);
}

void TForm_menu::Progresodelosjugadores1Click()
{
    CloseCurrentExercise();
    ThePlatform().RunModal(Form_progreso);
}

void TForm_menu::Terminar1Click()
{
    CloseCurrentExercise();
    if (ThePlatform().Ask(QStringLiteral("\n¿Estás seguro de que deseas terminar \n\ndefinitivamente este juego?\n"),
                          Platform::Icon::Question, Platform::Buttons::YesNo) == Platform::Answer::Yes)
        ExitGame();
}

void TForm_menu::Ayuda2Click() { ShowHelp(QString()); }

void TForm_menu::ShowHelp(const QString& section)
{
    const QString page = QDir(game.startDirectory).filePath(QStringLiteral("ayuda/index.html"));
    QUrl url = QUrl::fromLocalFile(page);
    if (!section.isEmpty())
        url.setFragment(section);
    if (QFileInfo(page).isFile() && ThePlatform().OpenUrl(url))
        return;
    // No program opens web pages (or the page is gone): show it ourselves.
    if (!Form_ayuda)
        Form_ayuda = new TForm_ayuda(this);
    Form_ayuda->ShowPage(page);
    if (!section.isEmpty())
        Form_ayuda->TextBrowser_ayuda->scrollToAnchor(section);
    Form_ayuda->show();
    Form_ayuda->raise();
    Form_ayuda->activateWindow();
}

void TForm_menu::Autor1Click()
{
    ThePlatform().ShowMessage(QStringLiteral(
        "\nCifrolo\n\nUn juego para aprender a sumar en columnas,\ncifra a cifra y con las que me llevo.\n\n"
        "Hecho con cariño por el equipo de Cifrolo, 2026.\n"));
}

// The print entries: each prints its sheet of the table in forms/WorksheetPrinting.
void TForm_menu::Conunacolumna1Click() { WorksheetPrinting::Print(WorksheetPrinting::Sheet::OneColumn, this); }
void TForm_menu::Condoscolumnas1Click() { WorksheetPrinting::Print(WorksheetPrinting::Sheet::TwoColumns, this); }
void TForm_menu::Contrescolumnas1Click() { WorksheetPrinting::Print(WorksheetPrinting::Sheet::ThreeColumns, this); }
void TForm_menu::Conunacolumna2Click() { WorksheetPrinting::Print(WorksheetPrinting::Sheet::OneColumnCarrying, this); }
void TForm_menu::Condoscolumnas2Click() { WorksheetPrinting::Print(WorksheetPrinting::Sheet::TwoColumnsCarrying, this); }
void TForm_menu::Contrescolumnas2Click() { WorksheetPrinting::Print(WorksheetPrinting::Sheet::ThreeColumnsCarrying, this); }
void TForm_menu::Contresfilas1Click() { WorksheetPrinting::Print(WorksheetPrinting::Sheet::ThreeRows, this); }
void TForm_menu::Concuatrofilas1Click() { WorksheetPrinting::Print(WorksheetPrinting::Sheet::FourRows, this); }
void TForm_menu::Concincofilas1Click() { WorksheetPrinting::Print(WorksheetPrinting::Sheet::FiveRows, this); }
void TForm_menu::Clculomental2Click() { WorksheetPrinting::Print(WorksheetPrinting::Sheet::Mental, this); }
void TForm_menu::Hojaderepaso1Click() { WorksheetPrinting::PrintReview(this); }
