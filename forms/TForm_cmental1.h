// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QDialog>

class TForm_cmental1 : public QDialog {
    Q_OBJECT
public:
    explicit TForm_cmental1(QWidget* parent = nullptr);

    void ResetKindCounters();
};
