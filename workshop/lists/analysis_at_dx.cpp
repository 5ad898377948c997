// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/analysis_at_dx.h"

#include <cmath>
#include <optional>

#include "catalog/base_item_sources.h"
#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/text_format.h"

namespace {

// A rounded figure an exact one sits just above by the rounding of its sums
// is not rounded up to the next, as the forecast rounds it.
constexpr double kRoundingSlack = 1e-9;
constexpr int kMoneyMinWidth = 4;

const char* const kNoFigure = "-";

// The name and price stand as in the analysis, so that a line picks by its
// first 28 characters as the analysis's does; the captions keep two
// characters between them for the sort's arrow, and the last one stands
// clear of the Make button.
// clang-format off
const ListForm kAnalysisAtDXForm{{
    {"Magic Item", 0,  29, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Price",      29, 5,  Align::Flush, Holds::Figures, 1, {29, 0}},
    {"Weeks",      34, 7,  Align::Right, Holds::Figures, 2, {36, 3}},
    {"9 in 10",    41, 6,  Align::Right, Holds::Figures, 3, {43, 3}, "within"},
    {"Cost",       47, 11, Align::Right, Holds::Figures, 5, {52, 3}},
    {"profit/",    58, 9,  Align::Right, Holds::Figures, 7, {58, 3}, "week", "profit per week"},
}, {}, true};
// clang-format on

// Weeks to one decimal: 4.8, 12.0.
Cell Tenths(double weeks) {
    const int64_t tenths = std::llround(weeks * 10);
    return Cell::Figure(textfmt::Int(tenths / 10) + textfmt::DecimalSeparator() +
                            static_cast<char>('0' + tenths % 10),
                        static_cast<double>(tenths) / 10);
}

// Whole weeks at or above the figure.
Cell WholeWeeksUp(double weeks) {
    return Cell::Int(static_cast<int64_t>(std::ceil(weeks - kRoundingSlack)));
}

Cell Cents(double dollars) { return Cell::Fixed(dollars, kMoneyMinWidth); }

Cell Shown(const std::optional<double>& figure, Cell (*format)(double)) {
    return figure ? format(*figure) : Cell::Text(kNoFigure);
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

Listing ListAnalysisAtDX(const CatalogTable& table, const std::vector<AnalysisAtDXRow>& rows) {
    Listing listing(&kAnalysisAtDXForm);
    listing.rows.reserve(rows.size());
    for (const AnalysisAtDXRow& row : rows) {
        const ItemForecast& f = row.figures;
        listing.Add(Cell::Text(row.name),
                    row.price == 0 ? Cell::Text(kNoFigure) : Cell::Int(row.price),
                    Shown(f.weeks, Tenths), Shown(f.weeksNineInTen, WholeWeeksUp),
                    Shown(f.money, Cents), Shown(f.profitPerWeek, Cents));
    }
    listing.returnToTop = true;
    listing.shown = ShownList::MagicItems;
    FinishCatalogList(table, listing);
    return listing;
}

std::string AnalysisAtDXName(int32_t dx) { return "Analysis at DX " + textfmt::Int(dx); }
