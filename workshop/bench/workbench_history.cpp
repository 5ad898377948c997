// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/bench/workbench_history.h"

#include <tuple>

#include "catalog/catalog_table.h"

namespace {

using entries::kSlotCount;

// Every field of a slot record, for comparing two slots whole.
auto Fields(const TMagicItemKest& s) {
    return std::tie(s.Name, s.Price, s.AdjustedPrice, s.NoteCode, s.Weeks, s.WeeksWorked,
                    s.WeeksLost, s.CostSoFar, s.STPerDay, s.IngredientCost, s.Note1, s.Note2,
                    s.Note3, s.Note4, s.Note5, s.MaterialCost1, s.MaterialCost2, s.MaterialCost3,
                    s.MaterialCost4, s.MaterialCost5, s.CatalogIndex, s.IQ, s.Aux, s.Level,
                    s.WorkDays, s.WorkUnits, s.SpellNumber);
}

}  // namespace

bool WorkbenchSnapshot::operator==(const WorkbenchSnapshot& other) const {
    if (std::tie(BaseItemName, BaseItemPrice, BaseItemWeeks, HexCount) !=
            std::tie(other.BaseItemName, other.BaseItemPrice, other.BaseItemWeeks,
                     other.HexCount) ||
        Slots.size() != other.Slots.size()) {
        return false;
    }
    for (size_t k = 0; k < Slots.size(); ++k) {
        if (Fields(Slots[k]) != Fields(other.Slots[k])) return false;
    }
    return true;
}

WorkbenchSnapshot CaptureWorkbench(const CatalogTable& table, const WorkshopState& state) {
    WorkbenchSnapshot snapshot;
    snapshot.BaseItemName = state.BaseItemName;
    snapshot.BaseItemPrice = state.BaseItemPrice;
    snapshot.BaseItemWeeks = state.BaseItemWeeks;
    snapshot.HexCount = state.HexCount;
    snapshot.Slots.reserve(kSlotCount);
    for (int k = 1; k <= kSlotCount; ++k) snapshot.Slots.push_back(table.Slot(k));
    return snapshot;
}

void RestoreWorkbench(const WorkbenchSnapshot& snapshot, CatalogTable& table,
                      WorkshopState& state) {
    state.BaseItemName = snapshot.BaseItemName;
    state.BaseItemPrice = snapshot.BaseItemPrice;
    state.BaseItemWeeks = snapshot.BaseItemWeeks;
    state.HexCount = snapshot.HexCount;
    for (int k = 1; k <= kSlotCount && k <= static_cast<int>(snapshot.Slots.size()); ++k) {
        table.EditSlot(k) = snapshot.Slots[static_cast<size_t>(k - 1)];
    }
}

bool WorkbenchHistory::Record(const WorkbenchSnapshot& before, const WorkbenchSnapshot& after) {
    if (before == after || capacity_ == 0) return false;
    PushUndo(before);
    redo_.clear();
    return true;
}

std::optional<WorkbenchSnapshot> WorkbenchHistory::Undo(const WorkbenchSnapshot& current) {
    if (undo_.empty()) return std::nullopt;
    WorkbenchSnapshot previous = std::move(undo_.back());
    undo_.pop_back();
    redo_.push_back(current);
    return previous;
}

std::optional<WorkbenchSnapshot> WorkbenchHistory::Redo(const WorkbenchSnapshot& current) {
    if (redo_.empty()) return std::nullopt;
    WorkbenchSnapshot next = std::move(redo_.back());
    redo_.pop_back();
    PushUndo(current);
    return next;
}

void WorkbenchHistory::PushUndo(const WorkbenchSnapshot& snapshot) {
    if (capacity_ == 0) return;
    if (undo_.size() == capacity_) undo_.pop_front();
    undo_.push_back(snapshot);
}
