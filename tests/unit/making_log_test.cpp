// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/making_log.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "dice/random_source.h"
#include "workshop/base_items.h"
#include "workshop/combination_rules.h"
#include "workshop/item_sheet.h"

namespace {

// Steps: M is Make on weapon n's bench (n the number of Makes so far), N the
// Name of the next letter, E the weeks up to the making's end, P a pick on
// the bench. An item made joins with the totals of its making's end.
TEST(MakingLog, AnItemJoinsOnceNamedAndMadeInEitherOrder) {
    const struct {
        const char* steps;
        std::vector<std::pair<std::string, int>> joined;  // name, the Make it came of
    } rows[] = {
        {"MEN", {{"A", 1}}},
        {"MNE", {{"A", 1}}},
        {"ME", {}},
        {"MN", {}},
        {"MNMEN", {{"B", 2}}},  // made afresh before its end: the first was never made
        {"MEPN", {{"A", 1}}},
        {"MENMNE", {{"A", 1}, {"B", 2}}},
    };
    CatalogTable table;
    table.Build();
    int32_t blur = 0;
    while (table.MagicItem(blur).Name != "Blur") ++blur;
    for (const auto& row : rows) {
        WorkshopState state;
        SeededRandom random(5);
        MakingLog log;
        std::map<int, MakingTotals> totals;  // by the Make they came of
        int makes = 0;
        char name = 'A';
        for (const char* step = row.steps; *step != '\0'; ++step) {
            if (*step == 'M') {
                SetBaseItem(state, WeaponBase(table.Weapon(++makes)));
                Rectify_Magic_Item_list(table, state, blur);
                MakeItem(table, state, log);
                EXPECT_TRUE(state.NameBoxOpen && state.Making && state.MadeItemName.empty());
            } else if (*step == 'E') {
                while (LoggedMakingWeek(table, state, random, log)) {
                }
                totals[makes] = MakingTotalsOf(state);
            } else if (*step == 'P') {
                SetBaseItem(state, WeaponBase(table.Weapon(9)));
            } else {
                const std::vector<std::string> made = state.MadeReport;
                const bool ended = !state.Making;
                const std::vector<std::string> report =
                    NameItem(table, state, log, std::string(1, name));
                // Once made, the report as made, whatever the bench became since.
                if (ended) {
                    EXPECT_EQ(report, WithItemName(std::string(1, name), made)) << row.steps;
                }
                EXPECT_EQ(report.front(), std::string(1, name++)) << row.steps;
                EXPECT_FALSE(state.NameBoxOpen);
            }
        }
        const std::vector<MadeItem>& items = log.Made().Items();
        ASSERT_EQ(items.size(), row.joined.size()) << row.steps;
        for (size_t k = 0; k < items.size(); ++k) {
            const auto& [itemName, make] = row.joined[k];
            EXPECT_EQ(items[k].name, itemName) << row.steps;
            EXPECT_EQ(items[k].plan.BaseItemName, WeaponBase(table.Weapon(make)).name);
            EXPECT_EQ(items[k].money, totals[make].money) << row.steps;
            EXPECT_EQ(items[k].weeks, totals[make].weeks) << row.steps;
        }
    }
}

}  // namespace
