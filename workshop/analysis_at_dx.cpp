// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/analysis_at_dx.h"

#include <cmath>
#include <optional>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/text_format.h"

namespace {

// Header labels stand 8 pixels in and 8 pixels per character of the pane.
constexpr int LabelLeft(int column) { return 8 + 8 * column; }

// Where each column's figures end (counted from 1) and its caption starts
// (counted from 0). The captions keep two characters between them for the
// sort's arrow, and the last one stands clear of the Make button.
constexpr int kPriceEnd = 34;  // as the analysis: a line picks by its first 28 characters
constexpr int kWeeksEnd = 41, kWeeksCaption = 36;
constexpr int kNineInTenEnd = 47, kNineInTenCaption = 43;
constexpr int kMoneyEnd = 58, kMoneyCaption = 52;
constexpr int kProfitEnd = 67, kProfitCaption = 58;
constexpr int kPriceLabelLeft = 237;  // the analysis's

// A rounded figure an exact one sits just above by the rounding of its sums
// is not rounded up to the next, as the forecast rounds it.
constexpr double kRoundingSlack = 1e-9;
constexpr int kMoneyMinWidth = 4;

const char* const kNoFigure = "-";

// Weeks to one decimal: 4.8, 12.0.
std::string Tenths(double weeks) {
    const int64_t tenths = std::llround(weeks * 10);
    return textfmt::Int(tenths / 10) + textfmt::DecimalSeparator() +
           static_cast<char>('0' + tenths % 10);
}

// Whole weeks at or above the figure.
std::string WholeWeeksUp(double weeks) {
    return textfmt::Int(static_cast<int64_t>(std::ceil(weeks - kRoundingSlack)));
}

std::string Cents(double dollars) { return textfmt::Fixed2(dollars, kMoneyMinWidth); }

std::string Shown(const std::optional<double>& figure, std::string (*format)(double)) {
    return figure ? format(*figure) : kNoFigure;
}

std::string Line(const AnalysisAtDXRow& row) {
    const ItemForecast& f = row.figures;
    return textfmt::LineBuilder()
        .Text(row.name)
        .EndAt(kPriceEnd, row.price == 0 ? kNoFigure : textfmt::Int(row.price))
        .FigureEndAt(kWeeksEnd, Shown(f.weeks, Tenths))
        .FigureEndAt(kNineInTenEnd, Shown(f.weeksNineInTen, WholeWeeksUp))
        .FigureEndAt(kMoneyEnd, Shown(f.money, Cents))
        .FigureEndAt(kProfitEnd, Shown(f.profitPerWeek, Cents))
        .PadTo(textfmt::kListLineWidth)
        .Take();
}

}  // namespace

std::vector<AnalysisAtDXRow> AnalysisAtDXRows(const CatalogTable& table, int32_t dx) {
    std::vector<AnalysisAtDXRow> rows;
    rows.reserve(kMagicItemCount);
    for (int32_t i = 0; i < kMagicItemCount; ++i) {
        const TMagicItemKest& item = table.MagicItem(i);
        rows.push_back({i, item.Name, item.Price, ForecastItemAlone(table, i, dx)});
    }
    return rows;
}

Listing ListAnalysisAtDX(const std::vector<AnalysisAtDXRow>& rows) {
    Listing listing;
    // Stacked labels read as one column: "9 in 10 within", "profit/week".
    listing.labels = {{{LabelLeft(0), "Magic Item"},
                       {kPriceLabelLeft, "Price"},
                       {LabelLeft(kWeeksCaption), "Weeks"},
                       {LabelLeft(kNineInTenCaption), "9 in 10"},
                       {LabelLeft(kNineInTenCaption), "within"},
                       {LabelLeft(kMoneyCaption), "Cost"},
                       {LabelLeft(kMoneyCaption), ""},
                       {LabelLeft(kProfitCaption), "profit/"},
                       {LabelLeft(kProfitCaption), "week"}}};
    listing.lines.reserve(rows.size());
    for (const AnalysisAtDXRow& row : rows) listing.lines.push_back(Line(row));
    listing.returnToTop = true;
    listing.shown = ShownList::MagicItems;
    return listing;
}

std::string AnalysisAtDXName(int32_t dx) { return "Analysis at DX " + textfmt::Int(dx); }
