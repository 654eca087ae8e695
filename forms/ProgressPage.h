// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Progress.h"

#include <QRectF>
#include <QString>

class QChart;
class QPainter;

// The pictures of a child's progress, shared by the window and the printed
// page: the days as bars of finished sums with a line of the share right at
// the first try, and the errors as bars of how often each showed.
namespace ProgressPage {

// At most this many days are drawn: the latest ones.
inline constexpr int kMostDays = 31;

// New charts, owned by the caller (or the view they are given to).
QChart* NewDayChart(const std::vector<Progress::Day>& days);
QChart* NewErrorChart(const std::vector<Progress::ErrorCount>& errors);

// "3 dic": the short date under a day's bar.
QString ShortDay(const QDate& date);
// The rich text of the sentences: each error's name, what happened and what
// to practise.
QString SentencesHtml(const std::vector<Progress::Sentence>& sentences);

// One A4 page for a child, drawn into page (device units, portrait).
void Paint(QPainter& painter, const QRectF& page, const Progress::Report& report);

}  // namespace ProgressPage
