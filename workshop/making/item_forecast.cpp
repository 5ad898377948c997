// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/making/item_forecast.h"

#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "workshop/making/forecast.h"
#include "workshop/making/making_figures.h"

namespace {

// The 9-in-10 level among the forecast's levels.
constexpr size_t kNineInTen = 2;
static_assert(kForecastLevels[kNineInTen] == 0.9, "9 in 10 is the third level");

// With no base item the total line's money is counted once.
constexpr int32_t kOneHex = 1;

}  // namespace

ItemForecast ForecastItemAlone(const CatalogTable& table, int32_t catalogIndex, int32_t dx) {
    const TMagicItemKest& item = table.MagicItem(catalogIndex);
    // On an empty bench a pick copies the item onto a blank slot, which
    // keeps the blank's (no) starting material: the material it must start
    // with is the base item's price, counted once it is put on as one.
    TMagicItemKest slot = table.BlankItem();
    slot.Assign(item);
    const MakingForecast forecast = ForecastMaking(table, {slot}, 0, kOneHex, dx);
    ItemForecast figures;
    if (!forecast.finishes) return figures;
    figures.money = forecast.expectedMoney;
    if (forecast.weeksToWork == 0) return figures;
    figures.weeks = forecast.expectedWeeks;
    figures.weeksNineInTen = forecast.weeks[kNineInTen];
    figures.profitPerWeek = (item.Price - forecast.expectedMoney) / forecast.expectedWeeks *
                            ProfitShareFactor(item.NoteCode);
    return figures;
}
