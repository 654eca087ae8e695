// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Worksheet.h"
#include "widgets/TBandReport.h"

#include <QList>
#include <QWidget>

class QPrinter;

// The frame of the three worksheet reports: a page header band with the
// lines for name, level and date, a detail band of sums with the solutions
// memo at its foot, and the two handlers the report engine calls. Each
// print command builds one; it frees itself when closed.
class TWorksheetForm : public QWidget {
    Q_OBJECT
public:
    TWorksheetForm(const Worksheet::Job& job, const char* name, QWidget* parent);

    void QuickReport1StartPage();
    void QuickReport1NeedData(bool& moreData);
    void FormClose();

    // Runs the report and shows its preview on the printer, from which the
    // user prints. False when the pages could not be made or painted.
    bool Preview(QPrinter* printer);

    TBandReport QuickReport1;
    TReportBand* QRBand1 = nullptr;  // page header
    TReportBand* QRBand2 = nullptr;  // detail
    TReportItem* QRLabel1 = nullptr;
    TReportItem* QRMemo_soluciones = nullptr;

    const Worksheet::Report& data() const { return data_; }

protected:
    void closeEvent(QCloseEvent* event) override;

    // For the derived reports: the digit labels in the order of the band's
    // cells, and the signs and rules shown only on filled bands.
    TReportItem* AddCell(const QString& name, const QRect& geometry, const QFont& font,
                         Qt::Alignment alignment = Qt::AlignCenter);
    TReportItem* AddSign(const QString& name, const QString& text, const QRect& geometry, const QFont& font);
    TReportItem* AddRule(const QString& name, const QRect& geometry);
    void AddMemo(int top);

private:
    Worksheet::Report data_;
    QList<TReportItem*> cells_;
    QList<TReportItem*> signs_;
};
