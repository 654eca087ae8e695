// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/ProgressPage.h"

#include "app/Fonts.h"
#include "widgets/FactsGrid.h"

#include <QAbstractBarSeries>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QHorizontalBarSeries>
#include <QLineSeries>
#include <QPainter>
#include <QTextDocument>
#include <QValueAxis>
#include <algorithm>

namespace ProgressPage {

namespace {

const char* const kShortMonths[12] = {"ene", "feb", "mar", "abr", "may", "jun",
                                      "jul", "ago", "sep", "oct", "nov", "dic"};

const QColor kBars(0x4a, 0x7e, 0xbb);
const QColor kLine(0xe0, 0x7b, 0x00);
const QColor kErrors(0xc8, 0x4b, 0x4b);

// The page is laid out on a sheet 1000 units wide, whatever the device.
constexpr double kSheetWidth = 1000.0;
constexpr double kMargin = 55.0;
// Dates under the bars, at most.
constexpr size_t kDatesShown = 12;

QString Decimal(double value) { return QString::number(value, 'f', 1).replace(u'.', u','); }

// A round top for an axis of counts: 1, 2, 5, 10, 20, 50 ...
int RoundUp(int value)
{
    int step = 1;
    while (true) {
        for (int m : {1, 2, 5})
            if (value <= m * step)
                return m * step;
        step *= 10;
    }
}

// Ticks that fall on whole numbers for a top from RoundUp: 0, 1, 2 / 0, 5 ... 20 / 0, 10 ... 50.
int Ticks(int top)
{
    if (top <= 2)
        return top + 1;
    int lead = top;
    while (lead >= 10)
        lead /= 10;
    return lead == 2 ? 5 : 6;
}

QFont PageFont(double pixels, bool bold = false)
{
    QFont f = DesignFont(QStringLiteral("Arial"), 10, bold);
    f.setPixelSize(std::max(1, int(pixels)));
    return f;
}

// Draws a chart into target, laid out at the target's size in sheet units
// with fonts readable on paper. The chart is deleted.
void RenderChart(QPainter& painter, QChart* chart, const QRectF& target)
{
    const QFont labels = PageFont(15), titles = PageFont(16, true);
    chart->setTitleFont(titles);
    chart->legend()->setFont(labels);
    for (QAbstractAxis* axis : chart->axes()) {
        axis->setLabelsFont(labels);
        axis->setTitleFont(labels);
    }
    for (QAbstractSeries* series : chart->series())
        if (auto* bars = qobject_cast<QAbstractBarSeries*>(series))
            for (QBarSet* set : bars->barSets())
                set->setLabelFont(labels);
    const QSizeF size = target.size();
    QGraphicsScene scene;
    scene.addItem(chart);  // the scene owns it now
    chart->setGeometry(QRectF(QPointF(0, 0), size));
    chart->setBackgroundRoundness(0);
    scene.setSceneRect(QRectF(QPointF(0, 0), size));
    scene.render(&painter, target, scene.sceneRect(), Qt::KeepAspectRatio);
}

}  // namespace

QString ShortDay(const QDate& date)
{
    if (!date.isValid())
        return {};
    return QStringLiteral("%1 %2").arg(date.day()).arg(QLatin1String(kShortMonths[date.month() - 1]));
}

QChart* NewDayChart(const std::vector<Progress::Day>& all)
{
    auto* chart = new QChart;
    const size_t from = all.size() > size_t(kMostDays) ? all.size() - size_t(kMostDays) : 0;
    QString title = from > 0 ? QStringLiteral("Los últimos %1 días con sumas").arg(kMostDays)
                             : QStringLiteral("Sumas de cada día");
    // The axis may leave out the dates at its ends: the title says them.
    if (all.size() > 1)
        title += QStringLiteral(" (%1 – %2)").arg(ShortDay(all[from].date), ShortDay(all.back().date));
    chart->setTitle(title);
    auto* finished = new QBarSet(QStringLiteral("Sumas terminadas"));
    finished->setColor(kBars);
    finished->setBorderColor(kBars.darker(130));
    auto* share = new QLineSeries;
    share->setName(QStringLiteral("% bien a la primera"));
    share->setPen(QPen(kLine, 3));
    share->setPointsVisible(true);
    QStringList dates;
    int most = 0;
    // Many days: every few bars a date, counted back from the latest. The
    // axis wants each category different, so the unnamed ones are made of a
    // different number of zero-width spaces.
    const size_t shown = all.size() - from;
    const size_t every = (shown + kDatesShown - 1) / kDatesShown;
    for (size_t i = from; i < all.size(); ++i) {
        const Progress::Day& d = all[i];
        *finished << d.finished;
        share->append(double(i - from), d.answered > 0 ? 100.0 * d.Share() : 0.0);
        const bool named = (all.size() - 1 - i) % every == 0;
        dates << (named ? ShortDay(d.date) : QString(qsizetype(i - from + 1), QChar(0x200B)));
        most = std::max(most, d.finished);
    }
    auto* bars = new QBarSeries;
    bars->append(finished);
    bars->setBarWidth(0.7);
    chart->addSeries(bars);
    chart->addSeries(share);

    auto* x = new QBarCategoryAxis;
    x->append(dates);
    x->setTruncateLabels(false);
    if (dates.size() > 8)
        x->setLabelsAngle(-90);
    auto* counts = new QValueAxis;
    const int top = RoundUp(std::max(1, most));
    counts->setRange(0, top);
    counts->setTickCount(Ticks(top));
    counts->setLabelFormat(QStringLiteral("%d"));
    counts->setTitleText(QStringLiteral("Sumas"));
    auto* percent = new QValueAxis;
    percent->setRange(0, 100);
    percent->setTickCount(6);
    percent->setLabelFormat(QStringLiteral("%d %%"));
    percent->setTitleText(QStringLiteral("Bien a la primera"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(counts, Qt::AlignLeft);
    chart->addAxis(percent, Qt::AlignRight);
    bars->attachAxis(x);
    bars->attachAxis(counts);
    share->attachAxis(x);
    share->attachAxis(percent);
    chart->legend()->setAlignment(Qt::AlignBottom);
    return chart;
}

QChart* NewErrorChart(const std::vector<Progress::ErrorCount>& errors)
{
    auto* chart = new QChart;
    // Small: its heading lies outside it.
    chart->setMargins(QMargins(36, 2, 8, 2));
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setBackgroundRoundness(0);
    if (errors.empty()) {
        chart->setTitle(QStringLiteral("Ningún error que contar."));
        return chart;
    }
    auto* seen = new QBarSet(QStringLiteral("Veces"));
    seen->setColor(kErrors);
    seen->setBorderColor(kErrors.darker(130));
    QStringList labels;
    int most = 0;
    // Horizontal bars grow upwards: the first error goes on top.
    for (auto it = errors.rbegin(); it != errors.rend(); ++it) {
        *seen << it->seen;
        labels << Progress::ErrorLabel(it->id);
        most = std::max(most, it->seen);
    }
    auto* bars = new QHorizontalBarSeries;
    bars->append(seen);
    bars->setBarWidth(0.6);
    bars->setLabelsVisible(true);
    chart->addSeries(bars);
    auto* y = new QBarCategoryAxis;
    y->append(labels);
    // Whole names: the layout then reserves a little less than the longest
    // takes, which the chart's left margin makes up for.
    y->setTruncateLabels(false);
    auto* x = new QValueAxis;
    const int top = RoundUp(std::max(1, most));
    x->setRange(0, top);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTickCount(Ticks(top));
    x->setTruncateLabels(false);
    chart->addAxis(y, Qt::AlignLeft);
    chart->addAxis(x, Qt::AlignBottom);
    bars->attachAxis(y);
    bars->attachAxis(x);
    chart->legend()->hide();
    return chart;
}

QString SentencesHtml(const std::vector<Progress::Sentence>& sentences)
{
    QString html;
    for (const Progress::Sentence& s : sentences) {
        html += QStringLiteral("<p style=\"margin-bottom:6px\"><b>%1.</b> %2")
                    .arg(Progress::ErrorLabel(s.id).toHtmlEscaped(), s.text.toHtmlEscaped());
        if (!s.practice.isEmpty())
            html += QStringLiteral("<br><i>Para practicar:</i> %1").arg(s.practice.toHtmlEscaped());
        html += QStringLiteral("</p>");
    }
    return html;
}

void Paint(QPainter& painter, const QRectF& page, const Progress::Report& report)
{
    painter.save();
    const double scale = page.width() / kSheetWidth;
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    const double height = page.height() / scale;
    const double width = kSheetWidth - 2 * kMargin;
    double y = kMargin;

    painter.setPen(Qt::black);
    painter.setFont(PageFont(34, true));
    painter.drawText(QRectF(kMargin, y, width, 44), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Progreso de %1").arg(report.player));
    painter.setFont(PageFont(15));
    painter.drawText(QRectF(kMargin, y, width, 44), Qt::AlignRight | Qt::AlignVCenter,
                     QStringLiteral("%1 · %2")
                         .arg(Progress::PeriodName(report.period),
                              Progress::DayText(report.today, QDate())));
    y += 50;
    painter.setFont(PageFont(18));
    painter.drawText(QRectF(kMargin, y, width, 26), Qt::AlignLeft | Qt::AlignVCenter, Progress::Summary(report));
    y += 40;

    // The facts on the left, the days and the times on the right.
    const double gridWidth = 430;
    painter.setFont(PageFont(18, true));
    painter.drawText(QRectF(kMargin, y, gridWidth, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tabla de sumas (el de arriba + el de abajo)"));
    painter.setFont(PageFont(14));
    FactsGrid::Paint(painter, QRectF(kMargin, y + 30, gridWidth, gridWidth * 12.6 / 11.0), report.facts);
    const double right = kMargin + gridWidth + 30;
    const double rightWidth = kMargin + width - right;
    RenderChart(painter, NewDayChart(report.days), QRectF(right, y, rightWidth, 380));

    double ty = y + 400;
    painter.setFont(PageFont(18, true));
    painter.drawText(QRectF(right, ty, rightWidth, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Tiempo por cifra (mediana)"));
    ty += 32;
    painter.setFont(PageFont(15));
    if (report.times.empty()) {
        painter.drawText(QRectF(right, ty, rightWidth, 22), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Sin cifras escritas en este periodo."));
    }
    for (const Progress::Timing& t : report.times) {
        painter.drawText(QRectF(right, ty, rightWidth * 0.62, 22), Qt::AlignLeft | Qt::AlignVCenter,
                         Progress::FamilyName(t.family));
        painter.drawText(QRectF(right + rightWidth * 0.62, ty, rightWidth * 0.38, 22),
                         Qt::AlignRight | Qt::AlignVCenter,
                         QStringLiteral("%1 s (%2 cifras)").arg(Decimal(t.medianSeconds)).arg(t.digits));
        ty += 24;
    }
    y += 30 + gridWidth * 12.6 / 11.0 + 20;
    y = std::max(y, ty + 10);

    painter.setFont(PageFont(18, true));
    painter.drawText(QRectF(kMargin, y, width, 26), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Qué le cuesta y qué practicar"));
    y += 32;
    const double chartRoom = 260;
    QTextDocument text;
    text.setDefaultFont(PageFont(17));
    text.setDocumentMargin(0);
    text.setHtml(SentencesHtml(report.sentences));
    text.setTextWidth(width);
    const double room = height - kMargin - chartRoom - 10 - y;
    painter.save();
    painter.translate(kMargin, y);
    text.drawContents(&painter, QRectF(0, 0, width, std::max(0.0, room)));
    painter.restore();
    y += std::min(room, text.size().height()) + 10;

    if (!report.errors.empty()) {
        const double chartHeight = std::min(260.0, 90.0 + 40.0 * double(report.errors.size()));
        painter.setFont(PageFont(18, true));
        painter.drawText(QRectF(kMargin, y, width, 26), Qt::AlignLeft | Qt::AlignVCenter,
                         QStringLiteral("Cuántas veces pasó cada error"));
        RenderChart(painter, NewErrorChart(report.errors), QRectF(kMargin, y + 30, width, chartHeight - 30));
    }
    painter.restore();
}

}  // namespace ProgressPage
