// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/made_items.h"

#include "workshop/bench/item_sheet.h"

MakingTotals MakingTotalsOf(const WorkshopState& state) {
    return {TotalLinePrice(state.HexCount, state.TotalCostSoFar),
            state.WeeksElapsed + state.AdjustedBaseWeeks};
}
