// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QPushButton>

// A light, flat push button with rounded corners that lights an orange
// rim under the mouse.
class TxpButton : public QPushButton {
    Q_OBJECT
public:
    explicit TxpButton(QWidget* parent = nullptr);
    explicit TxpButton(const QString& text, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};
