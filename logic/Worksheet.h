// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Cifrolo developers
#pragma once

#include "logic/MentalArithmetic.h"
#include "logic/Review.h"
#include "logic/SumDigits.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

// Printed worksheets: which sums go into each band of a report, how many
// bands a page takes and which band carries the solutions.
namespace Worksheet {

// The three reports: two numbers in columns, three to five rows, mental
// arithmetic.
enum class Form { Columns, Rows, Mental };

// Heights of a report's bands in report pixels, and how many detail bands
// make one group (one page on A4).
struct Layout {
    int32_t headerHeight = 0;
    int32_t detailHeight = 0;
    int32_t groupSize = 0;
};

const Layout& LayoutOf(Form form);

// Detail bands that get sums in each group, for a print-area length in
// tenths of a millimetre; at least 1.
int32_t FitBands(int32_t lengthTenths, const Layout& layout);

// Everything a report needs to know, taken when it is built.
struct Job {
    Form form = Form::Columns;
    int32_t kind = 1;   // worksheetKind
    int32_t rows = 13;  // worksheetRows, for the rows report
    int32_t pages = 1;  // pagesToPrint
    int32_t lengthTenths = 2970;
    bool solutions = true;
    Mental::Settings mental;
    // A review sheet: the columns report, its sums dealt for these needs.
    bool review = false;
    Review::Needs needs;
};

// --- Two numbers in columns (kinds 1, 2, 3 and 11, 12, 13) ---------------

// Places of a column sum: hundreds, tens, units.
enum Place { Hundreds = 0, Tens = 1, Units = 2 };

// Columns a kind uses: 1 to 3.
int32_t ColumnsOf(int32_t kind);
// The rule for one place of sum 0, 1 or 2 of a band; places the kind does
// not use stay blank.
struct PlaceRule {
    bool used = false;
    PairRule rule = PairRule::Free;
};
PlaceRule RuleFor(int32_t kind, int sum, Place place);

// One sum of a column band: its two addends, place by place.
struct BandSum {
    std::array<DigitPair, 3> places;  // by Place
    std::array<bool, 3> used{};
};

// The three sums of a band: all hundreds first (sums 1, 2, 3), then all
// tens, then all units.
std::array<BandSum, 3> DrawColumnBand(int32_t kind);
// The written result: "12" for 7 + 5, "07" for 04 + 03, "1998" for 999 + 999.
QString ColumnSolution(const BandSum& sum, int32_t columns);

// The three sums of a review band: two rows of up to three columns each,
// as the review deals them for the needs. A sum dealt with three rows keeps
// its top two when no two-row one comes after a few tries.
std::array<BandSum, 3> DealReviewBand(Review::Dealer& dealer, const Review::Needs& needs);
// Columns a band sum uses: 1 to 3.
int32_t ColumnsOf(const BandSum& sum);

// --- Rows of whole numbers (kinds 13, 14 with 13, 14, 15 rows) ------------

int32_t RowLimitOf(int32_t kind);  // 1000 or 10000
int32_t RowCountOf(int32_t rows);  // 3, 4 or 5

struct RowSum {
    std::array<int32_t, 5> rows{};  // [0] is row 1, the bottom one beside the "+"
    int32_t count = 0;
    int32_t Total() const;
};

// One number of a row: never below 10.
int32_t DrawRowNumber(int32_t limit);
// The three sums of a band, each drawn from its top row down.
std::array<RowSum, 3> DrawRowBand(int32_t kind, int32_t rows);

// --- Mental arithmetic -----------------------------------------------------

// The blank of the printed mental sums.
inline const QString kBlank = QStringLiteral(".......");

// The four sums of a band, dealt as the mental-arithmetic window deals them.
std::array<Mental::Sum, 4> DrawMentalBand(const Mental::Settings& settings);

// --- Bands -------------------------------------------------------------------

// The texts of one detail band's labels, in the order of CellNames().
struct Band {
    bool filled = false;  // sums, signs and rules shown
    QStringList cells;
    QString memo;  // the solutions memo under the band
};

// Names of the labels of a report's detail band, in the order of Band::cells.
QStringList CellNames(Form form);

// The report's data source: the engine calls StartPage() as each page
// starts and NeedData() before every detail band.
class Report {
public:
    explicit Report(const Job& job);

    const Job& job() const { return job_; }
    const Layout& layout() const { return layout_; }

    void StartPage();
    // Fills the band; false once the bands asked for are all delivered (the
    // band then goes unprinted and the counters start again from 0).
    bool NeedData(Band& band);

    int32_t fit() const { return fit_; }
    int32_t total() const { return total_; }
    int32_t position() const { return position_; }
    int32_t delivered() const { return delivered_; }

private:
    // Draws the band's sums into the cells and returns their solutions.
    QString FillBand(QStringList& cells);

    Job job_;
    Layout layout_;
    Review::Dealer dealer_;
    qsizetype cellCount_ = 0;
    int32_t fit_ = 1;
    int32_t total_ = 0;
    int32_t position_ = 0;
    int32_t delivered_ = 0;
    QString solutions_;
    QString memo_;
};

}  // namespace Worksheet
