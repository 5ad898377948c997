// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/making/making.h"

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/making_time.h"
#include "dice/random_source.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/making/making_rules.h"

namespace {

using entries::kSlotCount;

}  // namespace

ListHeader MakingReportHeader() {
    return {{{{0, 3}, "Item"},
             {{28, 3}, ""},
             {{34, -1}, ""},
             {{42, 3}, ""},
             {{41, 3}, "cost"},
             {{49, -3}, ""},
             {{48, -3}, "weeks"},
             {{56, -1}, ""},
             {{56, -1}, ""}}};
}

void StartMaking(CatalogTable& table, WorkshopState& state) {
    state.Making = true;
    state.MakingDone = false;
    state.MadeReport.clear();
    for (int k = 1; k <= kSlotCount; ++k) table.EditSlot(k).WeeksWorked = 0;
    for (int k = 1; k <= kSlotCount; ++k) table.EditSlot(k).WeeksLost = 0;
    for (int k = 1; k <= kSlotCount; ++k) {
        TMagicItemKest& slot = table.EditSlot(k);
        slot.CostSoFar = SlotStartingCost(slot);
    }
    state.WeeksElapsed = 0;
    state.AdjustedBasePrice = AdjustedBasePriceFor(table, state.BaseItemPrice);
    // The making counts the weeks of the adjusted price; the plan keeps the
    // base item's weeks as they were planned.
    state.AdjustedBaseWeeks = WeeksOfMakingFor(state.AdjustedBasePrice);
    state.TotalCostSoFar = state.AdjustedBasePrice;
}

bool MakingWeek(CatalogTable& table, WorkshopState& state, RandomSource& random) {
    bool allFinished = true;
    for (int k = 1; k <= kSlotCount; ++k) {
        if (!SlotFinished(table.Slot(k))) allFinished = false;
    }
    if (allFinished) {
        // The item is made: its report is kept as it stands now, for the
        // name to go on, however the bench is planned on afterwards.
        if (state.Making) {
            WorkshopState unnamed = state;
            unnamed.MadeItemName.clear();
            state.MadeReport = BuildMakingReport(table, unnamed);
        }
        state.MakingDone = true;
        state.Making = false;
    }
    if (!state.Making) return false;

    state.WeeksElapsed += 1;
    int32_t roll = 0;
    for (int die = 0; die < kMakingDice; ++die) roll += random.Die(kMakingDieFaces);

    TMagicItemKest* slot = nullptr;
    for (int k = 1; k <= kSlotCount && slot == nullptr; ++k) {
        if (!SlotFinished(table.Slot(k))) slot = &table.EditSlot(k);
    }
    // There is always an unfinished slot here: otherwise Making was ended above.
    if (WeekSucceeds(roll, state.DX)) {
        slot->WeeksWorked += 1;
    } else {
        slot->WeeksLost += 1;
    }
    // A lost week costs as much as a worked one.
    slot->CostSoFar += SlotWeeklyCost(table, *slot);

    if (state.MakingDone) state.Making = false;
    state.TotalCostSoFar = state.AdjustedBasePrice;
    for (int k = 1; k <= kSlotCount; ++k) state.TotalCostSoFar += table.Slot(k).CostSoFar;
    return true;
}
