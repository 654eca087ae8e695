// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "widgets/TBandReport.h"

#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

namespace {
constexpr int kSmallestMemoPixels = 7;
}  // namespace

void TReportItem::Paint(QPainter& painter) const
{
    if (!visible)
        return;
    switch (type) {
    case Type::Shape: painter.fillRect(geometry, Qt::black); break;
    case Type::Label:
        painter.setFont(font);
        painter.drawText(geometry, int(alignment) | Qt::TextSingleLine | Qt::TextDontClip, text);
        break;
    case Type::Memo: {
        // A memo never cuts its text: what does not fit its box is set smaller.
        constexpr int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
        QFont f = font;
        painter.setFont(f);
        while (f.pixelSize() > kSmallestMemoPixels &&
               painter.boundingRect(geometry, flags, text).height() > geometry.height()) {
            f.setPixelSize(f.pixelSize() - 1);
            painter.setFont(f);
        }
        painter.drawText(geometry, flags, text);
        break;
    }
    }
}

TReportBand::TReportBand(const QString& name, int height) : name_(name), height_(height) {}

TReportItem* TReportBand::Add(TReportItem item)
{
    items_.push_back(std::make_unique<TReportItem>(std::move(item)));
    return items_.back().get();
}

TReportItem* TReportBand::AddLabel(const QString& name, const QRect& geometry, const QFont& font,
                                   const QString& text, Qt::Alignment alignment)
{
    TReportItem item;
    item.type = TReportItem::Type::Label;
    item.name = name;
    item.geometry = geometry;
    item.font = font;
    item.text = text;
    item.alignment = alignment;
    return Add(std::move(item));
}

TReportItem* TReportBand::AddShape(const QString& name, const QRect& geometry)
{
    TReportItem item;
    item.type = TReportItem::Type::Shape;
    item.name = name;
    item.geometry = geometry;
    return Add(std::move(item));
}

TReportItem* TReportBand::AddMemo(const QString& name, const QRect& geometry, const QFont& font)
{
    TReportItem item;
    item.type = TReportItem::Type::Memo;
    item.name = name;
    item.geometry = geometry;
    item.font = font;
    return Add(std::move(item));
}

TReportItem* TReportBand::Item(const QString& name) const
{
    for (const auto& item : items_)
        if (item->name == name)
            return item.get();
    return nullptr;
}

const TReportItem* TPrintedBand::Item(const QString& itemName) const
{
    for (const TReportItem& item : items)
        if (item.name == itemName)
            return &item;
    return nullptr;
}

TBandReport::TBandReport()
    : pageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                 QPageLayout::Millimeter)
{
}

TReportBand* TBandReport::SetPageHeader(const QString& name, int height)
{
    header_ = std::make_unique<TReportBand>(name, height);
    return header_.get();
}

TReportBand* TBandReport::SetDetail(const QString& name, int height)
{
    detail_ = std::make_unique<TReportBand>(name, height);
    return detail_.get();
}

int TBandReport::PageHeight() const
{
    return int(std::floor(pageLayout.paintRect(QPageLayout::Inch).height() * kUnitsPerInch));
}

int TBandReport::PageWidth() const
{
    return int(std::floor(pageLayout.paintRect(QPageLayout::Inch).width() * kUnitsPerInch));
}

void TBandReport::StartPage()
{
    pages_.emplace_back();
    used_ = 0;
    if (onStartPage)
        onStartPage();
    if (header_)
        PlaceBand(*header_);
}

void TBandReport::PlaceBand(const TReportBand& band)
{
    TPrintedBand printed;
    printed.name = band.name();
    printed.top = used_;
    printed.height = band.height();
    printed.items.reserve(band.items().size());
    for (const auto& item : band.items())
        printed.items.push_back(*item);
    pages_.back().bands.push_back(std::move(printed));
    used_ += band.height();
}

bool TBandReport::Prepare()
{
    pages_.clear();
    StartPage();
    if (!detail_ || !onNeedData)
        return true;
    bool detailOnPage = false;
    while (onNeedData()) {
        // A page takes at least one detail band, however tall.
        if (detailOnPage && used_ + detail_->height() > PageHeight()) {
            if (int(pages_.size()) >= maxPages)
                return false;
            StartPage();
        }
        PlaceBand(*detail_);
        detailOnPage = true;
    }
    return true;
}

void TBandReport::PaintPage(QPainter& painter, int index) const
{
    if (index < 0 || index >= int(pages_.size()))
        return;
    painter.save();
    painter.setPen(Qt::black);
    for (const TPrintedBand& band : pages_[size_t(index)].bands) {
        painter.save();
        painter.translate(0, band.top);
        for (const TReportItem& item : band.items)
            item.Paint(painter);
        painter.restore();
    }
    painter.restore();
}

bool TBandReport::Print(QPagedPaintDevice* device) const
{
    if (!device)
        return false;
    device->setPageLayout(pageLayout);
    QPainter painter;
    if (!painter.begin(device))
        return false;
    const qreal scale = device->logicalDpiY() / kUnitsPerInch;
    for (int i = 0; i < int(pages_.size()); ++i) {
        if (i > 0 && !device->newPage()) {
            painter.end();
            return false;
        }
        painter.save();
        painter.scale(scale, scale);
        PaintPage(painter, i);
        painter.restore();
    }
    return painter.end();
}

QImage TBandReport::RenderPage(int index, qreal scale) const
{
    QImage image(QSize(int(std::ceil(PageWidth() * scale)), int(std::ceil(PageHeight() * scale))),
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(scale, scale);
    PaintPage(painter, index);
    return image;
}
