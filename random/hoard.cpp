// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/hoard.h"

#include <utility>

#include "catalog/catalog_table.h"
#include "catalog/gem.h"
#include "dice/random_source.h"
#include "random/hoard_worth.h"
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

// Rolls items one after another from a single seeding, each as Random rolls
// one, and hands each to keep until it says the hoard is done. The items are
// rolled on the real slots, which carry their making figures from one roll
// to the next as successive presses of Random do, and on a copy of the
// state; the slots are put back at the end.
template <class Keep>
void RollItems(CatalogTable& table, const WorkshopState& state, RandomSource& random, Keep keep) {
    WorkshopState scratch = state;
    const WorkbenchSnapshot bench = CaptureWorkbench(table, scratch);
    random.ReseedFromClock();
    for (int32_t n = 0; n < kHoardMaxItems; ++n) {
        const RandomItemRoll roll = RollRandomItem(table, scratch, random);
        if (!keep(TakeItem(table, scratch, roll.cutGem))) break;
    }
    RestoreWorkbench(bench, table, scratch);
}

}  // namespace

std::vector<HoardItem> RollHoard(CatalogTable& table, const WorkshopState& state,
                                 RandomSource& random, int32_t count) {
    std::vector<HoardItem> hoard;
    if (count < kHoardMinItems || count > kHoardMaxItems) return hoard;
    hoard.reserve(static_cast<size_t>(count));
    RollItems(table, state, random, [&](HoardItem item) {
        hoard.push_back(std::move(item));
        return hoard.size() < static_cast<size_t>(count);
    });
    return hoard;
}

std::vector<HoardItem> RollHoardToWorth(CatalogTable& table, const WorkshopState& state,
                                        RandomSource& random, int64_t worthCents) {
    std::vector<HoardItem> hoard;
    if (worthCents < kHoardMinWorthCents || worthCents > kHoardMaxWorthCents) return hoard;
    int64_t total = 0;
    RollItems(table, state, random, [&](HoardItem item) {
        const int64_t value = ValueCents(item);
        if (total + value <= worthCents) {
            total += value;
            hoard.push_back(std::move(item));
        }
        // Done once the total is within a tenth under the worth.
        return total * 10 < worthCents * 9;
    });
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
