// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "workshop/bench/workbench_history.h"
#include "workshop/bench/workshop_state.h"

// One item made and named in this run.
struct MadeItem {
    std::string name;        // as the wizard named it (Latin-1)
    WorkbenchSnapshot plan;  // the workbench as it stood when Make was pressed
    double money = 0;        // what the making took, as its report's total line
    double weeks = 0;
    int32_t dx = 0;  // the wizard's DX when Make was pressed
};

// What a making has taken so far, as the making report's total line shows
// it: the money once per hex, the weeks with the base item's.
struct MakingTotals {
    double money = 0;
    double weeks = 0;
};
MakingTotals MakingTotalsOf(const WorkshopState& state);

// The items made and named in this run, oldest first, in memory; the
// workshop journal keeps them between runs.
class MadeItems {
public:
    void Add(MadeItem item) { items_.push_back(std::move(item)); }
    const std::vector<MadeItem>& Items() const { return items_; }

private:
    std::vector<MadeItem> items_;
};
