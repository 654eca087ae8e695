// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TFirstUseDialog.h"

#include <QDialog>
#include <cstdint>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QRadioButton;
class TxpButton;

// "Número de páginas a imprimir": how many pages of a worksheet, how long
// the print area is and whether the solutions go at each page's foot. Sets
// game.pagesToPrint when confirmed; keeps the area and the choice between
// uses.
class TForm_paginas : public TFirstUseDialog {
    Q_OBJECT
public:
    explicit TForm_paginas(QWidget* parent = nullptr);
    ~TForm_paginas() override;

    void FormShow();
    void xpButton1Click();
    void xpButton2Click();

    // "Imprimir soluciones en pie de página" is chosen.
    bool SolutionsWanted() const;
    // The printer the print dialog set up; the worksheet previews and prints on it.
    QPrinter* Printer();

    // Print area in tenths of a millimetre (A4 at first). The width is kept
    // but no worksheet uses it.
    int32_t printWidth = 2100;
    int32_t printLength = 2970;

    QLabel* Label1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label_ej = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* Edit_ancho = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* Edit_long = nullptr;
    QLabel* Label7 = nullptr;
    QLabel* Label3 = nullptr;
    QGroupBox* GroupBox2 = nullptr;
    QRadioButton* RadioButton_soluciones = nullptr;
    QRadioButton* RadioButton_no_soluciones = nullptr;
    TxpButton* xpButton1 = nullptr;
    TxpButton* xpButton2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    void BuildControls() override;

private:
    std::unique_ptr<QPrinter> printer_;
};
