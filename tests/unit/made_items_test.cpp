// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/made_items.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/support/text.h"

namespace {

MadeItem Made(std::string name, std::string base, double money, double weeks) {
    MadeItem item;
    item.name = std::move(name);
    item.plan.BaseItemName = std::move(base);
    item.money = money;
    item.weeks = weeks;
    return item;
}

TEST(MadeItems, OneLinePerItemInMakingOrderEachPickingItsOwn) {
    MadeItems made;
    EXPECT_EQ(made.List().lines, std::vector<std::string>{
                                     Padded("No item has been made and named in this run.", 123)});
    EXPECT_EQ(made.At(made.List().rows.at(0).pick), nullptr);

    made.Add(Made("Glimmer", "dirk (dagger)", 3250, 9.5));
    made.Add(Made(std::string(40, 'n'), std::string(45, 'b'), 123456.785, 1000));
    const Listing listing = made.List();
    EXPECT_EQ(listing.shown, ShownList::MadeItems);
    // The money is what the making cost, not what the item is worth.
    EXPECT_EQ(listing.Header()[2].caption, "Making cost");
    EXPECT_EQ(listing.Header()[3].caption, "Weeks");
    const std::vector<std::string> expected = {
        Padded("Glimmer" + B(13) + "dirk (dagger)" + B(13) + B(5) + "3250.00" + B(4) + "9.50", 123),
        Padded(std::string(19, 'n') + B(1) + std::string(25, 'b') + B(1) + B(3) + "123456.79" +
                   B(1) + "1000.00",
               123),
    };
    EXPECT_EQ(listing.lines, expected);
    EXPECT_EQ(made.At(listing.rows.at(0).pick)->name, "Glimmer");
    EXPECT_EQ(made.At(listing.rows.at(1).pick), &made.Items()[1]);
    EXPECT_EQ(made.At({PickKind::MadeItem, {}, 2, 0}), nullptr);
}

TEST(MadeItems, TotalsAreTheReportsMoneyPerHexAndWeeksWithTheBaseItems) {
    WorkshopState state;
    state.TotalCostSoFar = 1500;
    state.WeeksElapsed = 7;
    state.BaseItemWeeks = 3;  // as planned; the making counts the adjusted weeks
    state.AdjustedBaseWeeks = 0.25;
    for (const int32_t hexes : {0, 1, 3}) {
        state.HexCount = hexes;
        const MakingTotals totals = MakingTotalsOf(state);
        EXPECT_EQ(totals.money, hexes == 3 ? 4500 : 1500) << hexes;
        EXPECT_EQ(totals.weeks, 7.25);
    }
}

}  // namespace
