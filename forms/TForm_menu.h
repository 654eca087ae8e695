// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <cstdint>

class QAction;
class QDialog;
class QFrame;
class QGroupBox;
class QLabel;
class QMenu;
class QTimer;
class TColor95Button;
class TForm_ayuda;
class TGIFImage;

// The main window: big buttons, menus, the player panel and the clock.
class TForm_menu : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm_menu(QWidget* parent = nullptr);

    // Lays out the background picture: tiled beneath, stretched on top.
    void SetBackgroundPicture(const QPixmap& picture);

    // Controls, by their design names.
    QWidget* Client = nullptr;
    QLabel* Image_fondopantalla = nullptr;
    QLabel* Image_fondopantalla_tmp = nullptr;
    QLabel* Label_ayudas_hint1 = nullptr;
    QLabel* Label_ayudas_hint2 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    QFrame* Panel3 = nullptr;
    QFrame* Panel4 = nullptr;
    QFrame* Panel5 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QGroupBox* GroupBox_jugador = nullptr;
    QLabel* Label_nombrejugador = nullptr;
    TColor95Button* Color95Button_jugadoranterior = nullptr;
    TColor95Button* Color95Button_jugadorsiguiente = nullptr;
    QGroupBox* GroupBox_puntos = nullptr;
    QLabel* Label_puntos = nullptr;
    QGroupBox* GroupBox_controlpalabras = nullptr;
    QGroupBox* GroupBox_pacertadas = nullptr;
    QLabel* Label_pacertadas = nullptr;
    QGroupBox* GroupBox_pfalladas = nullptr;
    QLabel* Label_pfalladas = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label_tiempo = nullptr;
    TGIFImage* GIFImage1 = nullptr;
    TGIFImage* GIFImage2 = nullptr;
    QTimer* Timer_icono = nullptr;

    // Menus and their entries.
    QMenu* Opciones1 = nullptr;
    QMenu* Juegos1 = nullptr;
    QMenu* Configuracin1 = nullptr;
    QMenu* Impresin1 = nullptr;
    QMenu* DesumasSinllevadas1 = nullptr;
    QMenu* DesumasConllevadas1 = nullptr;
    QMenu* Resultados1 = nullptr;
    QMenu* Ayuda1 = nullptr;
    QAction* Iniciarnuevojuego1 = nullptr;
    QAction* Los10mejoresjugadores1 = nullptr;
    QAction* Directorioparapuntos1 = nullptr;
    QAction* Terminar1 = nullptr;
    QAction* Iniciosumassinllevarse1 = nullptr;
    QAction* Iniciosumasconllevadas1 = nullptr;
    QAction* Sumassinllevarse1 = nullptr;
    QAction* Sumasconllevadas1 = nullptr;
    QAction* Perfeccionamientodesumas1 = nullptr;
    QAction* Clculomental1 = nullptr;
    QAction* Repaso1 = nullptr;
    QAction* Cambiodeturnojugadoresautomtico1 = nullptr;
    QAction* Cambiodeturnojugadoresmanual1 = nullptr;
    QAction* Editarvisualizarlasquemellevo = nullptr;
    QAction* Explicarloserrores1 = nullptr;
    QAction* Conunacolumna1 = nullptr;
    QAction* Condoscolumnas1 = nullptr;
    QAction* Contrescolumnas1 = nullptr;
    QAction* Conunacolumna2 = nullptr;
    QAction* Condoscolumnas2 = nullptr;
    QAction* Contrescolumnas2 = nullptr;
    QAction* Contresfilas1 = nullptr;
    QAction* Concuatrofilas1 = nullptr;
    QAction* Concincofilas1 = nullptr;
    QAction* Clculomental2 = nullptr;
    QAction* Hojaderepaso1 = nullptr;
    QAction* Leerjugadoresdearchivo1 = nullptr;
    QAction* Agnadirnuevosjugadores1 = nullptr;
    QAction* Controlderesultados1 = nullptr;
    QAction* Progresodelosjugadores1 = nullptr;
    QAction* Borrarelhistorial1 = nullptr;
    QAction* Ayuda2 = nullptr;
    QAction* Autor1 = nullptr;
    // The game's own help window, made the first time no browser shows the help.
    TForm_ayuda* Form_ayuda = nullptr;

    // Handlers, by their design names.
    void FormCreate();
    void FormShow();
    void Timer_iconoTimer();
    void Label1Click();
    void Label2Click();
    void Label3Click();
    void Label4Click();
    void Label5Click();
    void PanelMouseDown(QFrame* panel);
    void PanelMouseUp(QFrame* panel);
    void Color95Button_jugadoranteriorClick();
    void Color95Button_jugadorsiguienteClick();
    void GIFImage1WrapAnimation();
    void GIFImage2WrapAnimation();
    void GIFImage2Click();
    void Iniciarnuevojuego1Click();
    void Los10mejoresjugadores1Click();
    void Terminar1Click();
    void Iniciosumassinllevarse1Click();
    void Iniciosumasconllevadas1Click();
    void Clculomental1Click();
    void Repaso1Click();
    void Sumassinllevarse1Click();
    void Sumasconllevadas1Click();
    void Perfeccionamientodesumas1Click();
    void Cambiodeturnojugadoresautomtico1Click();
    void Cambiodeturnojugadoresmanual1Click();
    void EditarvisualizarlasquemellevoClick();
    void Explicarloserrores1Click();
    void Agnadirnuevosjugadores1Click();
    void Leerjugadoresdearchivo1Click();
    void Controlderesultados1Click();
    void Progresodelosjugadores1Click();
    void Borrarelhistorial1Click();
    void Conunacolumna1Click();
    void Condoscolumnas1Click();
    void Contrescolumnas1Click();
    void Conunacolumna2Click();
    void Condoscolumnas2Click();
    void Contrescolumnas2Click();
    void Contresfilas1Click();
    void Concuatrofilas1Click();
    void Concincofilas1Click();
    void Clculomental2Click();
    void Hojaderepaso1Click();
    void Ayuda2Click();
    // The help, at a section of it (an anchor of the page) or at its start.
    void ShowHelp(const QString& section);
    void Autor1Click();

    // Enables the two turn buttons when more than one player is registered.
    void UpdateTurnButtons();

    // Closes the open exercise window, shows the given one and moves the
    // check mark to its entry.
    void OpenExercise(QDialog* window, QAction* entry);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    // Shows what the services report: points, player, clock, hints, faces.
    void ListenToGame();
    void BuildMenus();
    QFrame* MakeBigButton(const char* panelName, const char* labelName, QLabel** label,
                          const QString& caption, const QString& hint, int top,
                          const QColor& colour, const QColor& from, const QColor& to,
                          const QColor& text);
    void RunPanel(QFrame* panel);
    void RunNewGameDialog();

    bool firstTickDone_ = false;
    bool shownOnce_ = false;
    QFrame* pressedPanel_ = nullptr;
    QList<QAction*> exerciseEntries_;
};
