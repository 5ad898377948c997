// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "journal/journal_problem.h"
#include "journal/journal_store.h"

struct MadeItem;
struct WorkbenchSnapshot;

// The workshop journal: the items made and named, and the plans kept by
// name, kept between runs in one file (or, for the driver, in memory).
//
// The file is opened at the first call that needs it, so starting the
// program costs nothing. A file that cannot be used, at that first call or at
// a later write, is left as it is: the journal goes on in memory from what
// could still be read of it, and says once what is wrong (TakeProblem).
class WorkshopJournal {
public:
    struct Settings {
        std::string file;          // none: the journal lives in memory only
        int busyTimeoutMs = 4000;  // how long a write waits for another program's lock
        // Seconds since 1970, UTC; the system's clock when none is given.
        std::function<int64_t()> clock;
    };

    explicit WorkshopJournal(Settings settings);
    ~WorkshopJournal();

    // The journal in file from its next use on; one opened before is
    // closed.
    void UseFile(std::string file);
    // Opens the journal now, if it is not open yet.
    void Open();

    std::vector<KeptItem> Items();
    // An item made and named, with its plan as the item sheet's text.
    void KeepItem(const MadeItem& item);

    std::vector<KeptPlan> Plans();
    // Keeps a plan under a name; false, keeping nothing, when a plan of that
    // name is kept and replace is not set.
    bool KeepPlan(const std::string& name, const WorkbenchSnapshot& plan, bool replace);
    std::optional<KeptPlan> RemovePlan(int64_t id);
    bool RestorePlan(const KeptPlan& plan);

    // What keeps the file from being used, once: the first call after it
    // happened says it, every other None.
    JournalProblem TakeProblem();
    const std::string& File() const { return settings_.file; }

private:
    // Runs an operation on the store; where the file fails, goes on in
    // memory and runs it there.
    template <class Operation>
    auto Run(Operation operation);
    // From now on in memory, from what the store still gives.
    void FallBack(JournalProblem problem, JournalStore* salvage);

    Settings settings_;
    std::unique_ptr<JournalStore> store_;
    JournalProblem problem_ = JournalProblem::None;
    bool problemTold_ = false;
};

// The text of a date for lists: "2024-05-01", in the local time zone,
// whatever the locale.
std::string DateText(int64_t secondsSince1970);
