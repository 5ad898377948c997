// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// An item made and named, as the journal keeps it. Texts are Latin-1 but
// the plan, which is the item sheet as a copy of it puts it on the clipboard
// (UTF-8), for the reader behind Ctrl+V.
struct KeptItem {
    int64_t id = 0;  // its number in the journal, in the order kept
    std::string name;
    std::string baseItem;
    std::string plan;
    double money = 0;  // what its making took, as its report's total line
    double weeks = 0;
    int32_t dx = 0;    // the wizard's DX the making began at
    int64_t made = 0;  // when it was kept, in seconds since 1970 (UTC)
};

// A plan kept by name, with what its sheet showed when it was kept, so that
// it lists as it was even where the catalogs no longer read it.
struct KeptPlan {
    int64_t id = 0;  // in the order kept; a plan replaced is kept anew
    std::string name;
    std::string baseItem;
    std::vector<std::string> enchantments;  // as the sheet names them
    double price = 0;                       // as the sheet totals them
    double weeks = 0;
    std::string plan;
    int64_t kept = 0;
};

// Where the journal's entries are kept: its file, or memory. Each write is
// whole or not at all; a store on a file throws JournalFailure when the file
// fails.
class JournalStore {
public:
    virtual ~JournalStore() = default;

    // Oldest first.
    virtual std::vector<KeptItem> Items() = 0;
    virtual std::vector<KeptPlan> Plans() = 0;
    // The store numbers the entry.
    virtual void AddItem(const KeptItem& item) = 0;
    // False, keeping nothing, when a plan of that name is kept and replace
    // is not set.
    virtual bool PutPlan(const KeptPlan& plan, bool replace) = 0;
    // The plan removed, or none when no plan has that number (any more).
    virtual std::optional<KeptPlan> RemovePlan(int64_t id) = 0;
    // A plan removed, back under its number; false when its name has been
    // kept again since.
    virtual bool RestorePlan(const KeptPlan& plan) = 0;
};

// The store of a journal kept in memory: of the driver's runs, and of a run
// whose file cannot be used.
class MemoryStore : public JournalStore {
public:
    MemoryStore() = default;
    // Starting from what a file held.
    MemoryStore(std::vector<KeptItem> items, std::vector<KeptPlan> plans);

    std::vector<KeptItem> Items() override { return items_; }
    std::vector<KeptPlan> Plans() override { return plans_; }
    void AddItem(const KeptItem& item) override;
    bool PutPlan(const KeptPlan& plan, bool replace) override;
    std::optional<KeptPlan> RemovePlan(int64_t id) override;
    bool RestorePlan(const KeptPlan& plan) override;

private:
    std::vector<KeptItem> items_;
    std::vector<KeptPlan> plans_;  // by number
    int64_t lastItem_ = 0;
    int64_t lastPlan_ = 0;
};
