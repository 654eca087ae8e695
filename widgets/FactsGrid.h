// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Progress.h"

#include <QColor>
#include <QRectF>
#include <QWidget>

class QPainter;

// The 10 x 10 addition facts of one child: each cell coloured from red (mostly
// wrong) through yellow to green (right at the first try), grey where the
// fact never came up, with the number of tries in it and a legend below. The
// same drawing serves the window and the printed page. The mouse or the arrow
// keys pick a cell, which tells its tries in words.
class FactsGrid : public QWidget {
    Q_OBJECT
public:
    explicit FactsGrid(QWidget* parent = nullptr);

    void SetGrid(const Progress::FactsGrid& grid);
    const Progress::FactsGrid& Grid() const { return grid_; }

    // The picked cell as a * 10 + b, or -1; its words ("7 + 8: 12 veces ...").
    int Current() const { return current_; }
    void SetCurrent(int cell);
    QString CurrentText() const;

    // Draws a grid into area; current (-1: none) gets a frame.
    static void Paint(QPainter& painter, const QRectF& area, const Progress::FactsGrid& grid, int current = -1);
    // The cell under a point of area, or -1.
    static int CellAt(const QRectF& area, const QPointF& point);
    static QColor CellColour(const Progress::FactCell& cell);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;

signals:
    // The words of the cell picked by the mouse or the keys.
    void CellPicked(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool event(QEvent* event) override;

private:
    Progress::FactsGrid grid_;
    int current_ = -1;
};
