// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/hoard.h"

#include "catalog/catalog_table.h"
#include "catalog/gem.h"
#include "dice/random_source.h"
#include "random/random_item.h"
#include "workshop/bench/item_sheet.h"

namespace {

HoardItem TakeItem(const CatalogTable& table, WorkshopState& scratch, int32_t cutGem) {
    HoardItem item;
    item.bench = CaptureWorkbench(table, scratch);
    if (cutGem > 0) {
        item.gem = cutGem;
        item.gemCarats = GemAt(table, cutGem).Carats;
    }
    // The sheet works out the totals exactly as it would show them.
    BuildItemSheet(table, scratch);
    item.value = TotalLinePrice(scratch.HexCount, scratch.SheetTotalPrice);
    item.weeks = scratch.SheetTotalWeeks;
    for (int k = 1; k <= entries::kSlotCount; ++k) {
        const TMagicItemKest& slot = table.Slot(k);
        if (!slot.Name.empty()) item.enchantments.push_back(SheetSlotLabel(slot));
    }
    return item;
}

}  // namespace

std::vector<HoardItem> RollHoard(CatalogTable& table, const WorkshopState& state,
                                 RandomSource& random, int32_t count) {
    std::vector<HoardItem> hoard;
    if (count < kHoardMinItems || count > kHoardMaxItems) return hoard;
    hoard.reserve(static_cast<size_t>(count));
    // The items are rolled on the real slots, which carry their making
    // figures from one roll to the next as successive presses of Random do,
    // and on a copy of the state; the slots are put back at the end.
    WorkshopState scratch = state;
    const WorkbenchSnapshot bench = CaptureWorkbench(table, scratch);
    random.ReseedFromClock();
    for (int32_t n = 0; n < count; ++n) {
        const RandomItemRoll roll = RollRandomItem(table, scratch, random);
        hoard.push_back(TakeItem(table, scratch, roll.cutGem));
    }
    RestoreWorkbench(bench, table, scratch);
    return hoard;
}

void PutHoardItem(const HoardItem& item, CatalogTable& table, WorkshopState& state) {
    RestoreWorkbench(item.bench, table, state);
    if (item.gem > 0) {
        TGemItemKest& gem = GemToCut(table, item.gem);
        gem.Carats = item.gemCarats;
        gem.Price = gem.Carats * gem.PricePerCarat;
    }
}
