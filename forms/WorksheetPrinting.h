// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/Worksheet.h"

#include <QString>
#include <cstdint>

class QWidget;
class TWorksheetForm;

// Printing worksheets: what the print menu's entries print, and the page
// dialog, preview and failure notice that each goes through.
namespace WorksheetPrinting {

// The print menu's entries, in menu order.
enum class Sheet {
    OneColumn,
    TwoColumns,
    ThreeColumns,
    OneColumnCarrying,
    TwoColumnsCarrying,
    ThreeColumnsCarrying,
    ThreeRows,
    FourRows,
    FiveRows,
    Mental,
};

struct Entry {
    QString sample;  // shown in the page dialog
    Worksheet::Form form;
    int32_t kind;  // below 0 leaves the last one in place
    int32_t rows;  // below 0 leaves the last one in place
};

const Entry& EntryOf(Sheet sheet);

// A print entry of the window owner: the page dialog with the entry's
// sample, then the worksheet's preview.
void Print(Sheet sheet, QWidget* owner);

// "Hoja de repaso": two-row sums dealt by the review for the current player.
void PrintReview(QWidget* owner);
// The page dialog's sample for it.
const QString& ReviewSample();

}  // namespace WorksheetPrinting

// The page dialog with the sample, then the worksheet's preview. A kind or
// rows code below 0 leaves the last one in place.
void PrintWorksheet(const QString& sample, Worksheet::Form form, int32_t kind, int32_t rows, QWidget* owner);

// The report of a job's form, owned by parent.
TWorksheetForm* NewWorksheetForm(const Worksheet::Job& job, QWidget* parent);
