// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/made_items.h"

#include <gtest/gtest.h>

namespace {

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
