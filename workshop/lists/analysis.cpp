// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/analysis.h"

#include "catalog/base_item_sources.h"
#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/text_format.h"
#include "workshop/lists/enchantment_columns.h"
#include "workshop/making/making_figures.h"

namespace {

// The ST units stand left-aligned in 7 columns from column 64; the weekly
// profit follows directly.
constexpr int kUnitsWidth = 7;

// What making the item earns per week: its price less the weekly ingredients
// and ST over all its weeks, less the material it starts from, spread over
// the weeks, of which a pair's or a costly variant's share counts.
double WeeklyProfit(const TMagicItemKest& item, int32_t units) {
    double profit = item.Price - (WeeklySTCost(units) + item.IngredientCost) * item.Weeks;
    const double material = MaterialCost(item) * NoteCodePriceFactor(item.NoteCode);
    profit -= material;
    if (item.Weeks > 0) profit /= item.Weeks;
    return profit * ProfitShareFactor(item.NoteCode);
}

ListForm AnalysisForm() {
    ListForm form{EnchantmentColumns(false), {}, true};
    // The profit per week stands under the last header, after the ST units.
    form.columns.push_back({"", kEnchantmentColumnsWidth, kUnitsWidth, Align::Left});
    form.columns.push_back({"cost/",
                            kEnchantmentColumnsWidth + kUnitsWidth,
                            textfmt::kListLineWidth - kEnchantmentColumnsWidth - kUnitsWidth,
                            Align::Left,
                            Holds::Figures,
                            7,
                            {55, -3},
                            "week",
                            "profit per week"});
    return form;
}
const ListForm kAnalysisForm = AnalysisForm();

}  // namespace

Listing Analyze(const CatalogTable& table) {
    Listing listing(&kAnalysisForm);
    listing.rows.reserve(kMagicItemCount);
    for (int i = 0; i < kMagicItemCount; ++i) {
        const TMagicItemKest& item = table.MagicItem(i);
        const int32_t units = StUnits(item.STPerDay);
        std::vector<Cell> cells = EnchantmentCells(item);
        cells.push_back(Cell::General(units));
        cells.push_back(Cell::General(WeeklyProfit(item, units)));
        listing.Add(std::move(cells));
    }
    listing.returnToTop = true;
    listing.shown = ShownList::MagicItems;
    FinishCatalogList(table, listing);
    return listing;
}
