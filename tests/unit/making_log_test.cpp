// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/making_log.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "catalog/base_item_sources.h"
#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "dice/random_source.h"
#include "workshop/bench/base_items.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/item_sheet.h"

namespace {

// Steps: M is Make on weapon n with Blur (n counts the Makes), N the Name of
// the next letter, E the weeks up to the making's end, P a pick. Joined: each
// item's name and the Make it came of, with the totals of that making's end
// and the DX it began at, told as it joins.
TEST(MakingLog, AnItemJoinsOnceNamedAndMadeInEitherOrder) {
    const std::pair<std::string, std::string> rows[] = {
        {"MEN", "A1"},  {"MNE", "A1"},   {"ME", ""},         {"MN", ""},
        {"MEPN", "A1"}, {"MNMEN", "B2"}, {"MENMNE", "A1B2"},
    };
    CatalogTable table;
    table.Build();
    int32_t blur = 0;
    while (table.MagicItem(blur).Name != "Blur") ++blur;
    for (const auto& [steps, joined] : rows) {
        WorkshopState state;
        SeededRandom random(5);
        MakingLog log;
        size_t told = 0;
        log.OnMade([&](const MadeItem& item) { told += &item == &log.Made().Items().back(); });
        std::map<int, MakingTotals> totals;
        int makes = 0;
        char name = 'A';
        for (const char step : steps) {
            if (step == 'M') {
                SetBaseItem(state, BaseItemOf(table, {BaseSource::Weapon, ++makes}));
                state.DX = 10 + makes;
                Rectify_Magic_Item_list(table, state, blur);
                MakeItem(table, state, log);
            } else if (step == 'E') {
                while (LoggedMakingWeek(table, state, random, log)) {
                }
                totals[makes] = MakingTotalsOf(state);
            } else if (step == 'P') {
                SetBaseItem(state, BaseItemOf(table, {BaseSource::Weapon, 9}));
            } else {
                const bool made = !state.Making;
                const auto asMade = WithItemName(std::string(1, name), state.MadeReport);
                const auto report = NameItem(table, state, log, std::string(1, name++));
                // Once made, the report as made, whatever the bench became since.
                EXPECT_TRUE(!made || report == asMade) << steps;
            }
        }
        const std::vector<MadeItem>& items = log.Made().Items();
        ASSERT_EQ(2 * items.size(), joined.size()) << steps;
        for (size_t k = 0; k < items.size(); ++k) {
            const int make = joined[2 * k + 1] - '0';
            EXPECT_EQ(items[k].name, joined.substr(2 * k, 1)) << steps;
            EXPECT_EQ(items[k].plan.BaseItemName,
                      BaseItemOf(table, {BaseSource::Weapon, make}).name)
                << steps;
            EXPECT_EQ(items[k].money, totals[make].money) << steps;
            EXPECT_EQ(items[k].weeks, totals[make].weeks) << steps;
            EXPECT_EQ(items[k].dx, 10 + make) << steps;
        }
        EXPECT_EQ(told, items.size()) << steps;
    }
}

}  // namespace
