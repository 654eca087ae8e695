// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#include "forms/WorksheetPrinting.h"

#include "app/GameState.h"
#include "app/Platform.h"
#include "app/Services.h"
#include "forms/TForm_informe_1.h"
#include "forms/TForm_informe_2.h"
#include "forms/TForm_informe_3.h"
#include "forms/TForm_paginas.h"
#include "forms/TForm_repaso.h"
#include "forms/WindowRegistry.h"
#include "logic/MentalArithmetic.h"

#include <QLabel>
#include <array>
#include <exception>

namespace {

const QString kPrintFailed =
    QStringLiteral("\nNo se han podido preparar las hojas para imprimir.\n\n"
                   "Comprueba la impresora o el archivo elegido y vuelve a intentarlo.\n");

// The sample each entry shows in the page dialog ("¯" is the line under the
// addends; blanks line the digits up), the form and the codes it prints.
const std::array<WorksheetPrinting::Entry, 10> kEntries{{
    {QStringLiteral("\n\n   5       \n+  3       \n¯¯¯¯       \n"), Worksheet::Form::Columns, 1, -1},
    {QStringLiteral("\n\n   4 3     \n+  2 5     \n¯¯¯¯¯¯     \n"), Worksheet::Form::Columns, 2, -1},
    {QStringLiteral("\n\n   7 3 4     \n+  1 2 5     \n¯¯¯¯¯¯¯¯     \n"), Worksheet::Form::Columns, 3, -1},
    {QStringLiteral("\n\n   9       \n+  6       \n¯¯¯¯       \n"), Worksheet::Form::Columns, 11, -1},
    {QStringLiteral("\n\n   5 8     \n+  3 8     \n¯¯¯¯¯¯     \n"), Worksheet::Form::Columns, 12, -1},
    {QStringLiteral("\n\n   5 8 4     \n+  6 7 9     \n¯¯¯¯¯¯¯¯     \n"), Worksheet::Form::Columns, 13, -1},
    {QStringLiteral("\n\n   5 8 4     \n   4 6 9     \n+  6 7 3     \n¯¯¯¯¯¯¯¯     \n"),
     Worksheet::Form::Rows, 13, 13},
    {QStringLiteral("\n   5 8 4     \n   4 6 9     \n   3 2 1     \n+  6 7 3     \n¯¯¯¯¯¯¯¯     \n"),
     Worksheet::Form::Rows, 13, 14},
    {QStringLiteral("\n   5 8 4 2   \n   4 6 9 5   \n   1 0 5 2   \n   3 2 1 7   \n+  6 7 3 2   \n"
                    "¯¯¯¯¯¯¯¯¯¯   \n"),
     Worksheet::Form::Rows, 14, 15},
    {QStringLiteral(
         "\n   5 + ... = 12  \n\n   ... + 7 = 12  \n\n   5 + 7 = ....  \n\n  ... + ... = 12  \n\n"),
     Worksheet::Form::Mental, -1, -1},
}};

// The page dialog, then the preview of the job; a kind or rows code below 0
// leaves the last one in place. With needs, the sums are the review's.
void PrintJob(const QString& sample, Worksheet::Form form, int32_t kind, int32_t rows, QWidget* owner,
              const Review::Needs* needs);

}  // namespace

const QString& WorksheetPrinting::ReviewSample()
{
    static const QString sample = QStringLiteral("\n\n   4 7     \n+  3 8     \n¯¯¯¯¯¯     \n");
    return sample;
}

void WorksheetPrinting::PrintReview(QWidget* owner)
{
    const QString player = game.currentPlayer >= 1 && game.currentPlayer <= kMaxPlayers
                               ? game.CurrentRecord().Name()
                               : QString();
    const Review::Needs needs = TForm_repaso::NeedsOf(player);
    PrintJob(ReviewSample(), Worksheet::Form::Columns, -1, -1, owner, &needs);
}

const WorksheetPrinting::Entry& WorksheetPrinting::EntryOf(Sheet sheet) { return kEntries.at(size_t(sheet)); }

void WorksheetPrinting::Print(Sheet sheet, QWidget* owner)
{
    const Entry& e = EntryOf(sheet);
    PrintWorksheet(e.sample, e.form, e.kind, e.rows, owner);
}

void PrintWorksheet(const QString& sample, Worksheet::Form form, int32_t kind, int32_t rows, QWidget* owner)
{
    PrintJob(sample, form, kind, rows, owner, nullptr);
}

namespace {

void PrintJob(const QString& sample, Worksheet::Form form, int32_t kind, int32_t rows, QWidget* owner,
              const Review::Needs* needs)
{
    game.pagesToPrint = 0;
    Form_paginas->EnsureControls();
    Form_paginas->Label_ej->setText(sample);
    ThePlatform().RunModal(Form_paginas);
    // Only a count typed into the dialog goes on; cancelling leaves 0.
    if (game.pagesToPrint <= 0) {
        ReturnToExercise();
        return;
    }
    if (kind >= 0)
        game.worksheetKind = kind;
    if (rows >= 0)
        game.worksheetRows = rows;
    Worksheet::Job job;
    job.form = form;
    job.kind = game.worksheetKind;
    job.rows = game.worksheetRows;
    job.pages = game.pagesToPrint;
    job.lengthTenths = Form_paginas->printLength;
    job.solutions = Form_paginas->SolutionsWanted();
    job.mental = Mental::CurrentSettings();
    if (needs) {
        job.review = true;
        job.needs = *needs;
    }
    bool done = false;
    TWorksheetForm* report = nullptr;
    try {
        report = NewWorksheetForm(job, owner);
        done = report->Preview(Form_paginas->Printer());
    } catch (const std::exception&) {
        done = false;
    }
    if (report)
        report->close();
    // Having no printer is no fault here: the preview and a PDF file work
    // without one. A failure is told, and the menu stays for another try.
    if (!done)
        ThePlatform().ShowMessage(kPrintFailed);
    ReturnToExercise();
}

} // namespace

TWorksheetForm* NewWorksheetForm(const Worksheet::Job& job, QWidget* parent)
{
    switch (job.form) {
    case Worksheet::Form::Columns: return new TForm_informe_1(job, parent);
    case Worksheet::Form::Rows: return new TForm_informe_2(job, parent);
    case Worksheet::Form::Mental: return new TForm_informe_3(job, parent);
    }
    return nullptr;
}
