// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/ResultsPrintout.h"

#include "app/Fonts.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr int kMargin = 20;
const char* const kMonths[13] = {"   ", "Ene", "Feb", "Mar", "Abr", "May", "Jun",
                                 "Jul", "Ago", "Sep", "Oct", "Nov", "Dic"};

QString Count(qint64 v) { return QStringLiteral("%1").arg(v, 5); }

} // namespace

ResultsPrintout::ResultsPrintout(QPainter& painter, int width, int height)
    : painter_(painter), width_(width), height_(height),
      family_(DesignFont(QStringLiteral("Arial"), 10).family())
{
}

QString ResultsPrintout::SourceLine(const QString& fileName)
{
    if (fileName.isEmpty())
        return QStringLiteral("Resultados actuales en memoria.");
    return QStringLiteral("Archivo: %1").arg(fileName);
}

QString ResultsPrintout::RecordLine(int number, const PlayerRecord& r)
{
    // A file from elsewhere may hold any month; only 0..12 have a name.
    const char* month = r.month <= 12 ? kMonths[r.month] : kMonths[0];
    return QStringLiteral(" %1 (%2/%3/%4) %5")
        .arg(number, 2)
        .arg(int(r.day))
        .arg(QLatin1String(month))
        .arg(r.year)
        .arg(r.Name(), -24);
}

void ResultsPrintout::SetFont(int points, bool underline, const QColor& colour)
{
    QFont f(family_);
    f.setPointSize(points);
    f.setUnderline(underline);
    painter_.setFont(f);
    painter_.setPen(colour);
}

int ResultsPrintout::TextHeight() const { return QFontMetrics(painter_.font(), painter_.device()).height(); }

void ResultsPrintout::Text(int x, int y, const QString& text, bool centred)
{
    const int h = TextHeight();
    constexpr int kWide = 1 << 20;
    if (centred)
        painter_.drawText(QRect(x - kWide / 2, y, kWide, h), Qt::AlignHCenter | Qt::AlignTop, text);
    else
        painter_.drawText(QRect(x, y, kWide, h), Qt::AlignLeft | Qt::AlignTop, text);
}

void ResultsPrintout::Line(int y)
{
    painter_.setPen(Qt::black);
    painter_.drawLine(0, y, width_, y);
}

int ResultsPrintout::Heading(const QString& sourceLine)
{
    int y = kMargin;
    SetFont(12, true, Qt::black);
    const QString title = QStringLiteral("Juego con las Zarpolina, archivo de RESULTADOS");
    const int titleWidth = QFontMetrics(painter_.font(), painter_.device()).horizontalAdvance(title);
    Text(width_ / 2 - titleWidth / 2, y, title, false);
    y += TextHeight() + 20;

    SetFont(10, false, Qt::black);
    Text(kMargin, y, sourceLine, false);
    y += TextHeight() + 20;

    Text(ColumnA(2), y, QStringLiteral("A C I E R T O S"), true);
    painter_.setPen(Qt::red);
    Text(ColumnB(2), y, QStringLiteral("F A L L O S"), true);
    y += TextHeight() + 15;

    painter_.setPen(Qt::black);
    Text(kMargin, y, QStringLiteral(" Número, fecha y nombre:"), false);
    const QString headings[6] = {QStringLiteral("Sumas:"),    QStringLiteral("S.llevadas:"),
                                 QStringLiteral("Restas:"),   QStringLiteral("R.llevadas:"),
                                 QStringLiteral("C.Mental:"), QStringLiteral("TOTAL:")};
    for (int i = 0; i < 6; ++i)
        Text(ColumnA(i) - (i == 1 || i == 3 ? 20 : 0), y, headings[i], false);
    painter_.setPen(Qt::red);
    for (int i = 0; i < 6; ++i)
        Text(ColumnB(i) - (i == 1 || i == 3 ? 20 : 0), y, headings[i], false);
    y += TextHeight() + 20;
    Line(y);
    return y + 20;
}

bool ResultsPrintout::Print(const QString& sourceLine, const std::function<bool(PlayerRecord&)>& next)
{
    int y = Heading(sourceLine);
    PlayerRecord r;
    int number = 0;
    while (next(r)) {
        ++number;
        painter_.setPen(Qt::black);
        Text(kMargin, y, RecordLine(number, r), false);
        // Sums of counters from any file: wide enough never to overflow.
        qint64 hits = 0, misses = 0;
        for (int i = 0; i < PlayerRecord::kSlots; ++i) {
            Text(ColumnA(i), y, Count(r.hits[i]), false);
            hits += r.hits[i];
        }
        Text(ColumnA(5), y, Count(hits), false);
        painter_.setPen(Qt::red);
        for (int i = 0; i < PlayerRecord::kSlots; ++i) {
            Text(ColumnB(i), y, Count(r.misses[i]), false);
            misses += r.misses[i];
        }
        Text(ColumnB(5), y, Count(misses), false);
        const int lineHeight = TextHeight();
        y += lineHeight + 25;

        if (inputPending() && askStop()) {
            painter_.setPen(Qt::black);
            Text(kMargin, y + 25, QStringLiteral("------ Impresión detenida -------"), false);
            abortJob();
            return false;
        }
        // A new page also when the next line would not fit whole.
        if (y > height_ - 30 || y + lineHeight > height_) {
            if (!newPage())
                break;
            y = Heading(sourceLine);
        }
    }
    y += 20;
    Line(y);
    return true;
}
