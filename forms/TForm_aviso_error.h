// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDialog>

class TForm_aviso_error : public QDialog {
    Q_OBJECT
public:
    explicit TForm_aviso_error(QWidget* parent = nullptr);
};
