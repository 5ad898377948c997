// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/sheet_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/carpet.h"
#include "catalog/catalog_table.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/weapon_list.h"
#include "dice/random_source.h"
#include "random/random_item.h"
#include "workshop/enchantment_list.h"
#include "workshop/item_sheet.h"
#include "workshop/making.h"
#include "workshop/picking.h"
#include "workshop/sheet_text.h"

namespace {

// Every list a pick can be made from: the enchantments first, as most picks are.
std::vector<Listing> PickLists(const CatalogTable& table) {
    return {ListEnchantments(table), ListWeapons(table), ListEquipment(table), ListScrolls(table),
            ListSpellBooks(table),   ListPotions(table), ListGems(table),      ListJewelry(table),
            ListCarpets(table),      ListFauna(table),   ListJobs(table)};
}

// Builds benches the way a user does, from one seed: picks on list lines,
// left or right, now and then a random treasure or a making.
class BenchBuilder {
public:
    BenchBuilder(CatalogTable& table, WorkshopState& state, uint64_t seed)
        : table_(table), state_(state), random_(seed) {}

    void Step(const std::vector<Listing>& lists) {
        const int32_t roll = random_.Below(20);
        if (roll < 5) {
            MakeRandomItem(table_, state_, random_);
        } else if (roll == 5) {
            StartMaking(table_, state_);
            while (MakingWeek(table_, state_, random_)) {
            }
        } else {
            // Half the picks on the enchantments, often the one picked last
            // again (to step it up or down), the rest on any list.
            const size_t n = random_.Below(2) == 0 ? 0 : static_cast<size_t>(random_.Below(11));
            const std::vector<std::string>& lines = lists[n].lines;
            if (n != 0 || random_.Below(2) == 0) {
                line_ =
                    lines[static_cast<size_t>(random_.Below(static_cast<int32_t>(lines.size())))];
                line_.resize(kPickTextLength, ' ');
            }
            PickFromPane(table_, state_, lists[n].shown, line_, random_.Below(4) == 0);
        }
    }

private:
    std::string line_ = std::string(kPickTextLength, ' ');
    CatalogTable& table_;
    WorkshopState& state_;
    SeededRandom random_;
};

// Copies the sheet of the bench and reads it back where the catalogs are as
// at start-up (no gem cut): onto the same bench, the same workbench; onto
// that other, empty one (another run), the same sheet.
void ExpectRoundTrip(const CatalogTable& table, WorkshopState& state, CatalogTable& other,
                     const WorkbenchSnapshot& empty) {
    const std::vector<std::string> sheet = BuildItemSheet(table, state);
    const std::string copied = CopiedSheetText(sheet);
    const WorkbenchSnapshot bench = CaptureWorkbench(table, state);
    const SheetReading reading = ReadItemSheet(other, bench, copied);
    ASSERT_TRUE(reading.plan) << reading.error << "\n" << copied;
    EXPECT_TRUE(*reading.plan == bench) << copied;
    const SheetReading elsewhere = ReadItemSheet(other, empty, copied);
    ASSERT_TRUE(elsewhere.plan) << elsewhere.error << "\n" << copied;
    WorkshopState otherState;
    RestoreWorkbench(*elsewhere.plan, other, otherState);
    EXPECT_EQ(BuildItemSheet(other, otherState), sheet);
}

TEST(SheetReading, EveryBenchReadsBackFromItsCopiedSheet) {
    CatalogTable table;
    table.Build();
    CatalogTable other;
    other.Build();
    const WorkbenchSnapshot empty = CaptureWorkbench(table, WorkshopState());
    const std::vector<Listing> lists = PickLists(table);
    for (uint64_t seed = 1; seed <= 400; ++seed) {
        WorkshopState state;
        RestoreWorkbench(empty, table, state);
        BenchBuilder builder(table, state, seed);
        for (int step = 0; step < 12; ++step) {
            builder.Step(lists);
            ExpectRoundTrip(table, state, other, empty);
            if (HasFailure()) FAIL() << "seed " << seed << ", step " << step;
        }
    }
}

}  // namespace
