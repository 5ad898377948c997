// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/analysis.h"

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/text_format.h"
#include "workshop/enchantment_columns.h"
#include "workshop/making_figures.h"

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

}  // namespace

Listing Analyze(const CatalogTable& table) {
    Listing listing;
    listing.labels = EnchantmentLabels();
    listing.labels[7].caption = "cost/";  // the profit per week stands under them
    listing.labels[8].caption = "week";
    listing.lines.reserve(kMagicItemCount);
    for (int i = 0; i < kMagicItemCount; ++i) {
        const TMagicItemKest& item = table.MagicItem(i);
        const int32_t units = StUnits(item.STPerDay);
        listing.lines.push_back(textfmt::LineBuilder(EnchantmentColumns(item))
                                    .Left(kUnitsWidth, textfmt::General(units))
                                    .Text(textfmt::General(WeeklyProfit(item, units)))
                                    .PadTo(textfmt::kListLineWidth)
                                    .Take());
    }
    listing.returnToTop = true;
    listing.shown = ShownList::MagicItems;
    return listing;
}
