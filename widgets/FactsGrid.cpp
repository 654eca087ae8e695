// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "widgets/FactsGrid.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

namespace {

const QColor kNeverMet(0xd4, 0xd4, 0xd4);
const QColor kLines(0x80, 0x80, 0x80);

// The grid with its headings is 11 x 11 cells; the legend takes 1.6 cells
// below it.
constexpr double kLegendCells = 1.6;

struct Geometry {
    QRectF grid;  // the 11 x 11 cells, headings included
    double cell = 0;
    QRectF legend;
};

Geometry Layout(const QRectF& area)
{
    Geometry g;
    g.cell = std::max(0.0, std::min(area.width() / 11.0, area.height() / (11.0 + kLegendCells)));
    const double side = g.cell * 11.0;
    const double left = area.left() + (area.width() - side) / 2;
    g.grid = QRectF(left, area.top(), side, side);
    g.legend = QRectF(left, g.grid.bottom() + g.cell * 0.3, side, g.cell * (kLegendCells - 0.3));
    return g;
}

QRectF Cell(const Geometry& g, int a, int b)
{
    return QRectF(g.grid.left() + (b + 1) * g.cell, g.grid.top() + (a + 1) * g.cell, g.cell, g.cell);
}

QFont SizedFont(const QFont& base, double pixels, bool bold)
{
    QFont f(base);
    f.setPixelSize(std::max(1, int(pixels)));
    f.setBold(bold);
    return f;
}

}  // namespace

FactsGrid::FactsGrid(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void FactsGrid::SetGrid(const Progress::FactsGrid& grid)
{
    grid_ = grid;
    update();
    if (current_ >= 0)
        emit CellPicked(CurrentText());
}

void FactsGrid::SetCurrent(int cell)
{
    cell = cell < 0 || cell > 99 ? -1 : cell;
    if (cell == current_)
        return;
    current_ = cell;
    update();
    // Screen readers tell the picked cell as the grid's name.
    setAccessibleName(CurrentText());
    if (current_ >= 0)
        emit CellPicked(CurrentText());
}

QString FactsGrid::CurrentText() const
{
    if (current_ < 0)
        return {};
    return Progress::FactText(current_ / 10, current_ % 10, grid_.cells[size_t(current_)]);
}

QColor FactsGrid::CellColour(const Progress::FactCell& cell)
{
    if (cell.tries == 0)
        return kNeverMet;
    // Red (0) through yellow (60) to green (120), light enough to read on.
    return QColor::fromHsvF(float(cell.Share() * 120.0 / 360.0), 0.6f, 0.95f);
}

void FactsGrid::Paint(QPainter& painter, const QRectF& area, const Progress::FactsGrid& grid, int current)
{
    const Geometry g = Layout(area);
    if (g.cell <= 0)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QFont base = painter.font();
    const double line = std::max(1.0, g.cell / 40.0);

    // Headings: "+" in the corner, the top digit down the side, the one
    // below along the top.
    painter.setFont(SizedFont(base, g.cell * 0.5, true));
    painter.setPen(Qt::black);
    painter.drawText(QRectF(g.grid.topLeft(), QSizeF(g.cell, g.cell)), Qt::AlignCenter, QStringLiteral("+"));
    for (int i = 0; i < 10; ++i) {
        painter.drawText(QRectF(g.grid.left() + (i + 1) * g.cell, g.grid.top(), g.cell, g.cell), Qt::AlignCenter,
                         QString::number(i));
        painter.drawText(QRectF(g.grid.left(), g.grid.top() + (i + 1) * g.cell, g.cell, g.cell), Qt::AlignCenter,
                         QString::number(i));
    }

    painter.setFont(SizedFont(base, g.cell * 0.38, false));
    for (int a = 0; a < 10; ++a) {
        for (int b = 0; b < 10; ++b) {
            const Progress::FactCell& c = grid.At(a, b);
            const QRectF r = Cell(g, a, b);
            painter.fillRect(r, CellColour(c));
            painter.setPen(QPen(kLines, line));
            painter.drawRect(r);
            if (c.tries > 0) {
                painter.setPen(Qt::black);
                painter.drawText(r, Qt::AlignCenter, QString::number(c.tries));
            }
        }
    }
    if (current >= 0 && current < 100) {
        painter.setPen(QPen(Qt::black, line * 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(Cell(g, current / 10, current % 10).adjusted(line, line, -line, -line));
    }

    // Legend: the colour scale from wrong to right, the grey of facts that
    // never came up, and what the numbers are.
    const QRectF& L = g.legend;
    painter.setFont(SizedFont(base, std::min(g.cell * 0.36, L.height() * 0.4), false));
    const double barHeight = L.height() * 0.42;
    const QRectF bar(L.left() + g.cell, L.top(), g.cell * 5, barHeight);
    QLinearGradient gradient(bar.topLeft(), bar.topRight());
    for (int i = 0; i <= 4; ++i) {
        Progress::FactCell c;
        c.tries = 4;
        c.right = i;
        gradient.setColorAt(i / 4.0, CellColour(c));
    }
    painter.fillRect(bar, gradient);
    painter.setPen(QPen(kLines, line));
    painter.drawRect(bar);
    const QRectF grey(bar.right() + g.cell * 0.6, L.top(), barHeight, barHeight);
    painter.fillRect(grey, kNeverMet);
    painter.drawRect(grey);
    painter.setPen(Qt::black);
    painter.drawText(QRectF(grey.right() + g.cell * 0.15, L.top(), L.right() - grey.right(), barHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("no ha salido"));
    const QRectF under(bar.left(), bar.bottom(), L.right() - bar.left(), L.bottom() - bar.bottom());
    painter.drawText(under, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("mal"));
    painter.drawText(QRectF(bar.left(), bar.bottom(), bar.width(), under.height()), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("bien"));
    painter.drawText(QRectF(grey.left(), bar.bottom(), L.right() - grey.left(), under.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("el número: veces"));
    painter.restore();
}

int FactsGrid::CellAt(const QRectF& area, const QPointF& point)
{
    const Geometry g = Layout(area);
    if (g.cell <= 0)
        return -1;
    const int b = int((point.x() - g.grid.left()) / g.cell) - 1;
    const int a = int((point.y() - g.grid.top()) / g.cell) - 1;
    if (point.x() < g.grid.left() || point.y() < g.grid.top() || a < 0 || a > 9 || b < 0 || b > 9)
        return -1;
    return a * 10 + b;
}

QSize FactsGrid::sizeHint() const { return {320, heightForWidth(320)}; }
QSize FactsGrid::minimumSizeHint() const { return {220, heightForWidth(220)}; }
int FactsGrid::heightForWidth(int width) const { return int(width * (11.0 + kLegendCells) / 11.0); }

void FactsGrid::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    Paint(painter, QRectF(rect()).adjusted(2, 2, -2, -2), grid_, current_);
    if (hasFocus() && current_ < 0) {
        painter.setPen(QPen(palette().highlight().color(), 2));
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void FactsGrid::mouseMoveEvent(QMouseEvent* event)
{
    const int cell = CellAt(QRectF(rect()).adjusted(2, 2, -2, -2), event->position());
    if (cell >= 0)
        SetCurrent(cell);
    QWidget::mouseMoveEvent(event);
}

void FactsGrid::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    mouseMoveEvent(event);
}

void FactsGrid::keyPressEvent(QKeyEvent* event)
{
    const int cell = current_ < 0 ? 0 : current_;
    int a = cell / 10, b = cell % 10;
    switch (event->key()) {
    case Qt::Key_Left: b = std::max(0, b - 1); break;
    case Qt::Key_Right: b = std::min(9, b + 1); break;
    case Qt::Key_Up: a = std::max(0, a - 1); break;
    case Qt::Key_Down: a = std::min(9, a + 1); break;
    case Qt::Key_Home: a = b = 0; break;
    case Qt::Key_End: a = b = 9; break;
    default: QWidget::keyPressEvent(event); return;
    }
    SetCurrent(a * 10 + b);
}

void FactsGrid::focusInEvent(QFocusEvent* event)
{
    if (current_ < 0)
        SetCurrent(0);
    QWidget::focusInEvent(event);
}

bool FactsGrid::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const int cell = CellAt(QRectF(rect()).adjusted(2, 2, -2, -2), help->pos());
        if (cell >= 0)
            QToolTip::showText(help->globalPos(),
                               Progress::FactText(cell / 10, cell % 10, grid_.cells[size_t(cell)]), this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(event);
}
