// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/making/making_rules.h"

#include <cmath>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "workshop/making/making_figures.h"

namespace {

// The ST per day the wizard spends on a slot's item, read from the catalog
// record and not from the slot's copy. A slot that names no catalog item
// (the blank record's -1, or anything outside the catalog) spends none.
int32_t CatalogSTPerDay(const CatalogTable& table, const TMagicItemKest& slot) {
    if (slot.CatalogIndex < 0 || slot.CatalogIndex >= kMagicItemCount) return 0;
    return table.MagicItem(slot.CatalogIndex).STPerDay;
}

}  // namespace

bool SlotFinished(const TMagicItemKest& slot) { return slot.WeeksWorked >= slot.Weeks; }

int64_t SuccessfulWeeksNeeded(const TMagicItemKest& slot) {
    // Worked weeks count up 0, 1, 2, ... and stop at the first count that is
    // at least Weeks: that count is Weeks rounded up, or 0.
    if (slot.Weeks <= 0) return 0;
    if (!(slot.Weeks <= static_cast<double>(kMostSuccessfulWeeks))) return kNeverFinished;
    return static_cast<int64_t>(std::ceil(slot.Weeks));
}

double SlotStartingCost(const TMagicItemKest& slot) { return MaterialCost(slot); }

double SlotWeeklyCost(const CatalogTable& table, const TMagicItemKest& slot) {
    return slot.IngredientCost + WeeklySTCost(StUnits(CatalogSTPerDay(table, slot)));
}

double AdjustedBasePriceFor(const CatalogTable& table, double baseItemPrice) {
    double price = baseItemPrice;
    for (int k = 1; k <= entries::kSlotCount; ++k)
        price *= NoteCodePriceFactor(table.Slot(k).NoteCode);
    return price;
}

double AdjustedBasePriceFor(const std::vector<TMagicItemKest>& slots, double baseItemPrice) {
    double price = baseItemPrice;
    for (const TMagicItemKest& slot : slots) price *= NoteCodePriceFactor(slot.NoteCode);
    return price;
}
