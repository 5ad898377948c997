// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/making_log.h"

#include <utility>

#include "workshop/bench/item_sheet.h"
#include "workshop/bench/window_moment.h"
#include "workshop/making/making.h"

void MakingLog::Begin(WorkbenchSnapshot plan, int32_t dx) {
    item_ = MadeItem{};
    item_->plan = std::move(plan);
    item_->dx = dx;
    named_ = false;
    ended_ = false;
}

void MakingLog::Named(std::string name) {
    if (!item_) return;
    item_->name = std::move(name);
    named_ = true;
    JoinWhenDone();
}

void MakingLog::Ended(const MakingTotals& totals) {
    if (!item_) return;
    item_->money = totals.money;
    item_->weeks = totals.weeks;
    ended_ = true;
    JoinWhenDone();
}

void MakingLog::JoinWhenDone() {
    if (!named_ || !ended_) return;
    made_.Add(std::move(*item_));
    item_.reset();
    if (onMade_) onMade_(made_.Items().back());
}

void MakeItem(CatalogTable& table, WorkshopState& state, MakingLog& log) {
    // Before the making sets the base item's weeks.
    log.Begin(CaptureWorkbench(table, state), state.DX);
    state.MadeItemName.clear();
    state.NameBoxOpen = true;
    StartMaking(table, state);
}

std::vector<std::string> NameItem(const CatalogTable& table, WorkshopState& state, MakingLog& log,
                                  std::string name) {
    const bool made = MomentOf(state) == WindowMoment::Naming && !state.MadeReport.empty();
    state.MadeItemName = std::move(name);
    state.NameBoxOpen = false;
    log.Named(state.MadeItemName);
    if (!made) return BuildMakingReport(table, state);
    state.SheetTotalPrice = state.TotalCostSoFar;
    return WithItemName(state.MadeItemName, state.MadeReport);
}

bool LoggedMakingWeek(CatalogTable& table, WorkshopState& state, RandomSource& random,
                      MakingLog& log) {
    const bool wasMaking = state.Making;
    const bool redraw = MakingWeek(table, state, random);
    if (wasMaking && !state.Making) log.Ended(MakingTotalsOf(state));
    return redraw;
}
