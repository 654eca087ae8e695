// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QRect>
#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QPagedPaintDevice;
class QPainter;

// One element of a band: a label, a rule or a memo. Geometry is in report
// pixels (96 to the inch) from the band's top left corner.
struct TReportItem {
    enum class Type { Label, Shape, Memo };
    Type type = Type::Label;
    QString name;
    QRect geometry;
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QString text;
    bool visible = true;

    void Paint(QPainter& painter) const;
};

// A band: a strip of the page as wide as the printable area, holding items
// whose texts and visibility the report's handlers change.
class TReportBand {
public:
    TReportBand(const QString& name, int height);

    TReportItem* AddLabel(const QString& name, const QRect& geometry, const QFont& font,
                          const QString& text = QString(),
                          Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // A filled black rectangle: the rule under a sum.
    TReportItem* AddShape(const QString& name, const QRect& geometry);
    // Word-wrapped text from the top left.
    TReportItem* AddMemo(const QString& name, const QRect& geometry, const QFont& font);
    // The item of that name, or nullptr.
    TReportItem* Item(const QString& name) const;

    const QString& name() const { return name_; }
    int height() const { return height_; }
    const std::vector<std::unique_ptr<TReportItem>>& items() const { return items_; }

private:
    TReportItem* Add(TReportItem item);

    QString name_;
    int height_ = 0;
    std::vector<std::unique_ptr<TReportItem>> items_;
};

// A band as it went onto a page: its place and a copy of its items then.
struct TPrintedBand {
    QString name;
    int top = 0;
    int height = 0;
    std::vector<TReportItem> items;

    const TReportItem* Item(const QString& itemName) const;
};

struct TReportPage {
    std::vector<TPrintedBand> bands;
};

// A small banded report: a page header band at the top of every page and a
// detail band repeated while the data lasts. Prepare() runs the handlers in
// the engine's order and records the pages; the recorded pages then go to
// any paged device (a printer, a PDF file, the preview) or to an image,
// the same every time.
//
// Order: a page starts (onStartPage, then the header band); before every
// detail band onNeedData fills it and answers whether there is data; a band
// that no longer fits below the ones already on the page starts a new page.
class TBandReport {
public:
    TBandReport();

    TReportBand* PageHeader() const { return header_.get(); }
    TReportBand* Detail() const { return detail_.get(); }
    // Creates the bands; a report has one of each.
    TReportBand* SetPageHeader(const QString& name, int height);
    TReportBand* SetDetail(const QString& name, int height);

    QString title;
    // Paper, orientation and margins; A4 portrait with 10 mm margins at first.
    QPageLayout pageLayout;
    std::function<void()> onStartPage;
    std::function<bool()> onNeedData;
    // Guards against a handler that never says the data has ended.
    int maxPages = 1000;

    // Runs the report and records its pages. Returns false when it stopped
    // at maxPages.
    bool Prepare();
    const std::vector<TReportPage>& Pages() const { return pages_; }

    // The printable height and width of a page, in report pixels.
    int PageHeight() const;
    int PageWidth() const;

    // Paints the recorded pages on a paged device, one page each, laid out
    // by pageLayout. False when the device cannot be painted on.
    bool Print(QPagedPaintDevice* device) const;
    // Paints one page's printable area, scaled from report pixels.
    void PaintPage(QPainter& painter, int index) const;
    // One page as an image, scale pixels per report pixel, white paper.
    QImage RenderPage(int index, qreal scale = 1.0) const;

    static constexpr qreal kUnitsPerInch = 96.0;

private:
    void StartPage();
    void PlaceBand(const TReportBand& band);

    std::unique_ptr<TReportBand> header_;
    std::unique_ptr<TReportBand> detail_;
    std::vector<TReportPage> pages_;
    int used_ = 0;  // report pixels taken on the current page
};
