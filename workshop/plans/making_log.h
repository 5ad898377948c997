// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "workshop/bench/workbench_history.h"
#include "workshop/bench/workshop_state.h"
#include "workshop/plans/made_items.h"

class CatalogTable;
class RandomSource;

// The making's bookkeeping: the item Make started is kept until its name is
// stored and its making has ended, in whichever order; then it joins the
// items made this run.
class MakingLog {
public:
    // Make: the item's plan, as the bench stood before the making began. An
    // item started before that has not joined (a making Make started afresh
    // before its end) was never made and never joins.
    void Begin(WorkbenchSnapshot plan, int32_t dx = 0);
    // Its name is stored.
    void Named(std::string name);
    // Its making has ended, with what its report's total line ends on.
    void Ended(const MakingTotals& totals);

    const MadeItems& Made() const { return made_; }
    // Told of each item as it joins the items made (the journal keeps it).
    void OnMade(std::function<void(const MadeItem&)> told) { onMade_ = std::move(told); }

private:
    void JoinWhenDone();

    MadeItems made_;
    std::function<void(const MadeItem&)> onMade_;
    std::optional<MadeItem> item_;  // the item being made, until it joins
    bool named_ = false;
    bool ended_ = false;
};

// Make while planning: the item goes in the log with the bench's plan, the
// name box opens empty and the making starts.
void MakeItem(CatalogTable& table, WorkshopState& state, MakingLog& log);

// Name, while the name box is open: stores the name and closes the box.
// Returns the report the pane shows now: once the making has ended, the
// report kept of the item as it was made, with the name above it, whatever
// picks or a random item put on the bench since; before, the running
// making's report with the name.
std::vector<std::string> NameItem(const CatalogTable& table, WorkshopState& state, MakingLog& log,
                                  std::string name);

// A week of the making (MakingWeek); at its last the item is made. Returns
// whether the report must be redrawn.
bool LoggedMakingWeek(CatalogTable& table, WorkshopState& state, RandomSource& random,
                      MakingLog& log);
