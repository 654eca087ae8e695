// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDialog>

class TForm_Resultados : public QDialog {
    Q_OBJECT
public:
    explicit TForm_Resultados(QWidget* parent = nullptr);
};
