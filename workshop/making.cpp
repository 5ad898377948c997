#include "workshop/making.h"

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/making_time.h"
#include "random/random_source.h"
#include "workshop/making_figures.h"

namespace {

using entries::kSlotCount;

// A slot is finished once it has all its successful weeks; an empty slot
// (0 weeks) always is.
bool Finished(const TMagicItemKest& slot) { return slot.WeeksWorked >= slot.Weeks; }

// The ST per day the wizard spends on a slot's item, read from the catalog
// record and not from the slot's copy. A slot that names no catalog item
// (the blank record's -1, or anything outside the catalog) spends none.
int32_t CatalogSTPerDay(const CatalogTable& table, const TMagicItemKest& slot) {
    if (slot.CatalogIndex < 0 || slot.CatalogIndex >= kMagicItemCount) return 0;
    return table.MagicItem(slot.CatalogIndex).STPerDay;
}

}  // namespace

std::array<HeaderLabel, 9> MakingReportLabels() {
    return {{{8, "Item"},
             {232, ""},
             {276, ""},
             {344, ""},
             {336, "cost"},
             {394, ""},
             {386, "weeks"},
             {452, ""},
             {452, ""}}};
}

void StartMaking(CatalogTable& table, WorkshopState& state) {
    state.Making = true;
    state.MakingDone = false;
    for (int k = 1; k <= kSlotCount; ++k) table.EditSlot(k).WeeksWorked = 0;
    for (int k = 1; k <= kSlotCount; ++k) table.EditSlot(k).WeeksLost = 0;
    for (int k = 1; k <= kSlotCount; ++k) {
        TMagicItemKest& slot = table.EditSlot(k);
        slot.CostSoFar = MaterialCost(slot);
    }
    state.WeeksElapsed = 0;
    // Each slot's code makes the base item dearer to work; the factors
    // compound in slot order.
    state.AdjustedBasePrice = state.BaseItemPrice;
    for (int k = 1; k <= kSlotCount; ++k) {
        state.AdjustedBasePrice *= NoteCodePriceFactor(table.Slot(k).NoteCode);
    }
    state.AdjustedBaseWeeks = WeeksOfMakingFor(state.AdjustedBasePrice);
    state.BaseItemWeeks = state.AdjustedBaseWeeks;
    state.TotalCostSoFar = state.AdjustedBasePrice;
}

bool MakingWeek(CatalogTable& table, WorkshopState& state, RandomSource& random) {
    bool allFinished = true;
    for (int k = 1; k <= kSlotCount; ++k) {
        if (!Finished(table.Slot(k))) allFinished = false;
    }
    if (allFinished) {
        state.MakingDone = true;
        state.Making = false;
    }
    if (!state.Making) return false;

    state.WeeksElapsed += 1;
    int32_t roll = 0;
    for (int die = 0; die < 3; ++die) roll += random.Die(6);

    TMagicItemKest* slot = nullptr;
    for (int k = 1; k <= kSlotCount && slot == nullptr; ++k) {
        if (!Finished(table.Slot(k))) slot = &table.EditSlot(k);
    }
    // There is always an unfinished slot here: otherwise Making was ended above.
    if (roll <= state.DX) {
        slot->WeeksWorked += 1;
    } else {
        slot->WeeksLost += 1;
    }
    // A lost week costs as much as a worked one.
    slot->CostSoFar += slot->IngredientCost;
    slot->CostSoFar += WeeklySTCost(StUnits(CatalogSTPerDay(table, *slot)));

    if (state.MakingDone) state.Making = false;
    state.TotalCostSoFar = state.AdjustedBasePrice;
    for (int k = 1; k <= kSlotCount; ++k) state.TotalCostSoFar += table.Slot(k).CostSoFar;
    return true;
}
