// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/PlayerRecords.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <functional>

class QPainter;

// The results printout, drawn straight onto a page of width W and height H
// in device units: a heading on every page, one line per record with the
// hits and misses in columns, a new page when the page is full, and a stop
// when the user asks for one.
class ResultsPrintout {
public:
    ResultsPrintout(QPainter& painter, int width, int height);
    virtual ~ResultsPrintout() = default;

    // "Archivo: x.rsr" or "Resultados actuales en memoria."
    static QString SourceLine(const QString& fileName);
    // " %2d (%d/%s/%d) %-24s"; a month outside 0..12 prints as blanks.
    static QString RecordLine(int number, const PlayerRecord& record);

    // Set by the caller; the defaults never stop and add nothing.
    std::function<bool()> inputPending = [] { return false; };
    std::function<bool()> askStop = [] { return false; };
    std::function<bool()> newPage = [] { return true; };
    std::function<void()> abortJob = [] {};

    // Prints the records that `next` hands out, one after the other.
    // False when the user stopped it.
    bool Print(const QString& sourceLine, const std::function<bool(PlayerRecord&)>& next);

protected:
    // One text at (x, y), its top at y; centred on x or starting at it.
    virtual void Text(int x, int y, const QString& text, bool centred);
    virtual void Line(int y);
    int TextHeight() const;

    QPainter& painter_;

private:
    void SetFont(int points, bool underline, const QColor& colour);
    int Heading(const QString& sourceLine);
    int ColumnA(int i) const { return width_ / 3 + i * (width_ / 3) / 6; }
    int ColumnB(int i) const { return 2 * width_ / 3 + i * (width_ / 3) / 6; }

    int width_;
    int height_;
    QString family_;
};
