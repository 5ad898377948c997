// SPDX-License-Identifier: GPL-3.0-or-later
#include <algorithm>
#include <utility>

#include "journal/journal_store.h"

MemoryStore::MemoryStore(std::vector<KeptItem> items, std::vector<KeptPlan> plans)
    : items_(std::move(items)), plans_(std::move(plans)) {
    for (const KeptItem& item : items_) lastItem_ = std::max(lastItem_, item.id);
    for (const KeptPlan& plan : plans_) lastPlan_ = std::max(lastPlan_, plan.id);
}

void MemoryStore::AddItem(const KeptItem& item) {
    items_.push_back(item);
    items_.back().id = ++lastItem_;
}

bool MemoryStore::PutPlan(const KeptPlan& plan, bool replace) {
    const auto same = std::find_if(plans_.begin(), plans_.end(),
                                   [&](const KeptPlan& kept) { return kept.name == plan.name; });
    if (same != plans_.end()) {
        if (!replace) return false;
        plans_.erase(same);
    }
    plans_.push_back(plan);
    plans_.back().id = ++lastPlan_;
    return true;
}

std::optional<KeptPlan> MemoryStore::RemovePlan(int64_t id) {
    const auto at = std::find_if(plans_.begin(), plans_.end(),
                                 [&](const KeptPlan& kept) { return kept.id == id; });
    if (at == plans_.end()) return std::nullopt;
    KeptPlan removed = std::move(*at);
    plans_.erase(at);
    return removed;
}

bool MemoryStore::RestorePlan(const KeptPlan& plan) {
    for (const KeptPlan& kept : plans_) {
        if (kept.name == plan.name || kept.id == plan.id) return false;
    }
    const auto at = std::find_if(plans_.begin(), plans_.end(),
                                 [&](const KeptPlan& kept) { return kept.id > plan.id; });
    plans_.insert(at, plan);
    return true;
}
