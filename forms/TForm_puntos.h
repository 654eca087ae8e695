// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TRollOpenDialog.h"
#include "logic/TopTen.h"

#include <array>

class QFrame;
class QLabel;
class QTimer;
class TColor95Button;

// "Control de puntuaciones": the ten best scores ever saved, merged with the
// points of the players in memory; new entries in red, bold and underlined.
// The frame unrolls downwards when shown and rolls up when it closes.
class TForm_puntos : public TRollOpenDialog {
    Q_OBJECT
public:
    explicit TForm_puntos(QWidget* parent = nullptr);

    // Controls, by their design names.
    QLabel* Label_titulo = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    std::array<QLabel*, kTopTen> Label_j{};  // Label_j1 .. Label_j10
    std::array<QLabel*, kTopTen> Label_p{};  // Label_p1 .. Label_p10
    TColor95Button* Color95Button1 = nullptr;
    TColor95Button* Color95Button2 = nullptr;
    QTimer* Timer_persiana = nullptr;

    // Where the points file lies: empty (the game folder) or a folder
    // ending in '/'. It lasts for the run.
    QString pointsDirectory;
    QString PointsPath() const;

    // Handlers, by their design names.
    void FormCreate();
    void FormShow();
    void FormClose() override;
    void Timer_persianaTimer();
    void Color95Button1Click();
    void Color95Button2Click();

    // Operations of the ten-best module.
    void LoadList();
    void MergeList();
    void SaveList();
    void ShowList();

protected:
    void showEvent(QShowEvent* event) override;

private:
    TopTenList list_;
    SavedScores savedScores_;
};
