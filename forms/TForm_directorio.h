// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "forms/TFirstUseDialog.h"

#include <QDialog>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QTreeView;
class TxpButton;

// "Directorio para guardar puntuaciones": picks the folder of the points
// file for the rest of the run. No command shows it: the points file stays
// in the game folder, where every run finds it.
class TForm_directorio : public TFirstUseDialog {
    Q_OBJECT
public:
    explicit TForm_directorio(QWidget* parent = nullptr);

    // Controls, by their design names.
    QComboBox* DriveComboBox = nullptr;
    QTreeView* DirectoryListBox = nullptr;
    TxpButton* xpButton_aceptar = nullptr;
    TxpButton* xpButton_cancelar = nullptr;

    // Handlers, by their design names.
    void FormShow();
    void DriveComboBoxChange();
    void xpButton_aceptarClick();
    void xpButton_cancelarClick();

    // The folder selected in the list, or empty.
    QString SelectedDirectory() const;
    void SelectDirectory(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void BuildControls() override;

private:
    QFileSystemModel* model_ = nullptr;
};
