// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDialog>

class TForm_directorio : public QDialog {
    Q_OBJECT
public:
    explicit TForm_directorio(QWidget* parent = nullptr);
};
