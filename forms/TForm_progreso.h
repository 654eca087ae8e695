// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "app/History.h"
#include "forms/TFirstUseDialog.h"
#include "logic/Progress.h"

#include <functional>

class FactsGrid;
class QChartView;
class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPrinter;
class QPushButton;
class QTableWidget;
class QTextBrowser;

// "Progreso de los jugadores": for each child of the practice history, the
// facts known, the sums day by day, the errors in plain words with what to
// practise, and the time per digit; printed or saved as PDF one A4 page per
// child. Reads the history only.
class TForm_progreso : public TFirstUseDialog {
    Q_OBJECT
public:
    explicit TForm_progreso(QWidget* parent = nullptr);

    // Where the window reads the history; the game's file unless replaced.
    struct Source {
        std::function<QStringList(QString* problem)> players;
        std::function<History::Read(const QString& player, const QDateTime& since)> read;
    };
    static Source HistorySource();
    // A given history file's.
    static Source FileSource(const QString& file);
    Source source;

    // Controls, by name: made when the window is first shown (null before).
    QListWidget* ListBox_jugadores = nullptr;
    QComboBox* ComboBox_periodo = nullptr;
    QCheckBox* CheckBox_todos = nullptr;
    QLabel* Label_aviso = nullptr;     // no history, or it cannot be read
    QLabel* Label_resumen = nullptr;
    FactsGrid* Grid_hechos = nullptr;
    QLabel* Label_hecho = nullptr;     // the words of the picked fact
    QChartView* Chart_dias = nullptr;
    QTextBrowser* Memo_errores = nullptr;
    QChartView* Chart_errores = nullptr;
    QTableWidget* Table_tiempos = nullptr;
    QPushButton* Button_imprimir = nullptr;
    QPushButton* Button_pdf = nullptr;
    QPushButton* Button_cerrar = nullptr;

    // Handlers.
    void FormShow();
    void ListBox_jugadoresChange();
    void Button_imprimirClick();
    void Button_pdfClick();

    // The report on screen (empty player when none).
    const Progress::Report& Shown() const { return shown_; }
    Progress::Period CurrentPeriod() const;
    // The reports to print: the chosen child, or every child of the list.
    // False with the problem said when the history cannot be read.
    bool ReportsToPrint(std::vector<Progress::Report>& reports);
    // One page per report; false when the printer cannot be drawn on.
    static bool PrintReports(QPrinter* printer, const std::vector<Progress::Report>& reports);

protected:
    void showEvent(QShowEvent* event) override;
    void BuildControls() override;

private:
    bool LoadReport(const QString& player, Progress::Report& report, QString* problem);
    void ShowReport();
    void Say(const QString& sentence);

    Progress::Report shown_;
};
