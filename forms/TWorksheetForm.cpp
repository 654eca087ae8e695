// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/TWorksheetForm.h"

#include "app/BusyCursor.h"
#include "app/Fonts.h"
#include "app/Platform.h"
#include "app/Services.h"

#include <QCloseEvent>
#include <QPrinter>

namespace {

const QString kTitle = QStringLiteral("Cifrolo, imprimir cuentas");

const QString kHeaderLine =
    QStringLiteral("Nombre:.......................................................................... "
                   "Nivel:..................... Fecha:......................................");

}  // namespace

TWorksheetForm::TWorksheetForm(const Worksheet::Job& job, const char* name, QWidget* parent)
    // A window of its own that is never shown: only its report is.
    : QWidget(parent, Qt::Window), data_(job)
{
    setObjectName(QLatin1String(name));
    const Worksheet::Layout& layout = data_.layout();
    const int width = QuickReport1.PageWidth();
    QuickReport1.title = kTitle;
    QRBand1 = QuickReport1.SetPageHeader(QStringLiteral("QRBand1"), layout.headerHeight);
    QRLabel1 = QRBand1->AddLabel(QStringLiteral("QRLabel1"), QRect(0, layout.headerHeight - 30, width, 20),
                                 DesignFont(QStringLiteral("Arial"), 13), kHeaderLine);
    QRBand2 = QuickReport1.SetDetail(QStringLiteral("QRBand2"), layout.detailHeight);
    QuickReport1.onStartPage = [this] { QuickReport1StartPage(); };
    QuickReport1.onNeedData = [this] {
        bool more = false;
        QuickReport1NeedData(more);
        return more;
    };
}

TReportItem* TWorksheetForm::AddCell(const QString& name, const QRect& geometry, const QFont& font,
                                     Qt::Alignment alignment)
{
    TReportItem* item = QRBand2->AddLabel(name, geometry, font, QString(), alignment);
    cells_ << item;
    return item;
}

TReportItem* TWorksheetForm::AddSign(const QString& name, const QString& text, const QRect& geometry,
                                     const QFont& font)
{
    TReportItem* item = QRBand2->AddLabel(name, geometry, font, text, Qt::AlignCenter);
    signs_ << item;
    return item;
}

TReportItem* TWorksheetForm::AddRule(const QString& name, const QRect& geometry)
{
    TReportItem* item = QRBand2->AddShape(name, geometry);
    signs_ << item;
    return item;
}

void TWorksheetForm::AddMemo(int top)
{
    QRMemo_soluciones = QRBand2->AddMemo(QStringLiteral("QRMemo_soluciones"),
                                         QRect(0, top, QuickReport1.PageWidth(), QRBand2->height() - top),
                                         DesignFont(QStringLiteral("Arial"), 13));
}

void TWorksheetForm::QuickReport1StartPage() { data_.StartPage(); }

void TWorksheetForm::QuickReport1NeedData(bool& moreData)
{
    Worksheet::Band band;
    moreData = data_.NeedData(band);
    for (int i = 0; i < cells_.size() && i < band.cells.size(); ++i)
        cells_[i]->text = band.cells[i];
    for (TReportItem* sign : signs_)
        sign->visible = band.filled;
    QRMemo_soluciones->text = band.memo;
}

bool TWorksheetForm::Preview(QPrinter* printer)
{
    {
        BusyCursor busy;
        if (!QuickReport1.Prepare())
            return false;
    }
    printer->setDocName(QuickReport1.title);
    printer->setPageLayout(QuickReport1.pageLayout);
    return ThePlatform().PrintPreview(printer, parentWidget(), QuickReport1.title,
                                      [this](QPrinter* p) { return QuickReport1.Print(p); });
}

void TWorksheetForm::closeEvent(QCloseEvent* event)
{
    FormClose();
    QWidget::closeEvent(event);
}

// Each print command builds its own report: a closed one is done with.
void TWorksheetForm::FormClose() { deleteLater(); }
