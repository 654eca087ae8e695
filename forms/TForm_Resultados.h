// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/ResultsSession.h"
#include "files/ResultsFile.h"
#include "forms/TFirstUseDialog.h"
#include "logic/PlayerRecords.h"

#include <QDate>
#include <functional>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPrinter;
class TColor95Button;

// "Control  de  resultados": one player's hits and misses at a time, and
// the results files: save, save as, append, read, print.
class TForm_Resultados : public TFirstUseDialog {
    Q_OBJECT
public:
    explicit TForm_Resultados(QWidget* parent = nullptr);
    ~TForm_Resultados() override;

    // Controls, by their design names.
    QComboBox* ComboBox_nombres = nullptr;
    QLineEdit* Edit_dia = nullptr;
    QComboBox* ComboBox_meses = nullptr;
    QLineEdit* Edit_agno = nullptr;
    QLabel* Label_aci_sumas_sin = nullptr;
    QLabel* Label_aci_sumas_con = nullptr;
    QLabel* Label_aci_restas_sin = nullptr;
    QLabel* Label_aci_restas_con = nullptr;
    QLabel* Label_aci_cmental = nullptr;
    QLabel* Label_fal_sumas_sin = nullptr;
    QLabel* Label_fal_sumas_con = nullptr;
    QLabel* Label_fal_restas_sin = nullptr;
    QLabel* Label_fal_restas_con = nullptr;
    QLabel* Label_fal_cmental = nullptr;
    QLabel* Label_aci_total = nullptr;
    QLabel* Label_fal_total = nullptr;
    QLabel* Label_archivo = nullptr;
    TColor95Button* Color95Button_abrir = nullptr;
    TColor95Button* Color95Button_guardar = nullptr;
    TColor95Button* Color95Button_imprimir = nullptr;
    TColor95Button* Color95Button_acero = nullptr;
    TColor95Button* Color95Button_cerrar = nullptr;
    QMenu* PopupMenu_guardar = nullptr;
    QAction* Guardar1 = nullptr;
    QAction* Aadiralarchivo1 = nullptr;
    QAction* Guardarcomo1 = nullptr;
    QMenu* PopupMenu_imprimir = nullptr;
    QAction* Imprimirresultadosactuales1 = nullptr;
    QAction* Imprimirresultadosdeunarchivo1 = nullptr;

    // Handlers, by their design names.
    void FormCreate();
    void FormShow();
    void ComboBox_nombresClick();
    void Color95Button_aceroClick();
    void Color95Button_guardarClick();
    void Color95Button_imprimirClick();
    void Color95Button_abrirClick();
    void Color95Button_cerrarClick();
    void Guardar1Click();
    void Aadiralarchivo1Click();
    void Guardarcomo1Click();
    void Imprimirresultadosactuales1Click();
    void Imprimirresultadosdeunarchivo1Click();

    // Operations of the results module.
    // resultsPath = "<results folder>/*.rsr"; the folder is created when
    // missing.
    void MakeResultsPattern();
    // Open dialog until a file passes `tryFile` (then resultsPath is that
    // file) or the user cancels.
    bool ChooseFileToRead(const std::function<ResultsSession::Outcome(const QString&)>& tryFile);
    // The main window's read: replaces the players by those of a chosen
    // file. False when nothing was read; the players are then untouched.
    bool ReadPlayersFromFile();
    // False on failure, already reported.
    // keepBeyondTable: "Guardar" keeps the records a read left out of the table.
    bool WriteWholeFile(const QString& path, bool keepBeyondTable = false);
    bool AppendToFile();
    // The save dialog until the operation succeeds or the user cancels.
    bool SaveDialogLoop(bool append);
    void StampDates();
    void ShowRecord(int index);

    void PrintCurrentResults();
    void PrintResultsOfFile();
    // The printer the print dialog sets up (tests point it at a PDF file):
    // the page dialog's, one for the whole run.
    QPrinter& Printer();

protected:
    void showEvent(QShowEvent* event) override;
    void BuildControls() override;

private:
    // Prints what `next` hands out; `fileName` empty for the players in memory.
    void PrintRecords(const QString& fileName, const std::function<bool(PlayerRecord&)>& next);
    void Fail(const QString& text, bool beep = true);

    QDate headerDate_;
};
