// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "catalog/magic_item.h"
#include "workshop/bench/workshop_state.h"

class CatalogTable;

// The workbench as it stands at one moment: the base item and the five slots,
// each slot with every field of its record (the making figures included).
struct WorkbenchSnapshot {
    std::string BaseItemName;
    double BaseItemPrice = 0;
    double BaseItemWeeks = 0;
    int32_t HexCount = 0;
    std::vector<TMagicItemKest> Slots;  // slots 1..5 at 0..4

    bool operator==(const WorkbenchSnapshot& other) const;
    bool operator!=(const WorkbenchSnapshot& other) const { return !(*this == other); }
};

// Copies the workbench out of the state and the table's five slots.
WorkbenchSnapshot CaptureWorkbench(const CatalogTable& table, const WorkshopState& state);

// Puts a captured workbench back: the base item into the state and every
// field of the five slots into the table's slot records. Nothing else of the
// state or the catalogs changes.
void RestoreWorkbench(const WorkbenchSnapshot& snapshot, CatalogTable& table, WorkshopState& state);

// The undo and redo steps of the workbench, as whole snapshots. A step is the
// workbench before a change; an undo hands it back and keeps the workbench it
// replaces for a redo. The oldest steps are forgotten beyond the capacity.
class WorkbenchHistory {
public:
    static constexpr size_t kDefaultCapacity = 1000;

    explicit WorkbenchHistory(size_t capacity = kDefaultCapacity) : capacity_(capacity) {}

    // A change of the workbench from before to after. When the two differ,
    // before becomes the newest undo step and the redo steps are dropped;
    // a change that changed nothing leaves the history as it is. Returns
    // whether a step was added.
    bool Record(const WorkbenchSnapshot& before, const WorkbenchSnapshot& after);

    // The workbench to go back to from current, or nothing when there is no
    // step to undo. current is kept for a redo.
    std::optional<WorkbenchSnapshot> Undo(const WorkbenchSnapshot& current);

    // The workbench an undo left, or nothing when there is none. current is
    // kept for an undo.
    std::optional<WorkbenchSnapshot> Redo(const WorkbenchSnapshot& current);

    size_t UndoSteps() const { return undo_.size(); }
    size_t RedoSteps() const { return redo_.size(); }
    size_t Capacity() const { return capacity_; }

private:
    void PushUndo(const WorkbenchSnapshot& snapshot);

    size_t capacity_;
    std::deque<WorkbenchSnapshot> undo_;   // oldest first
    std::vector<WorkbenchSnapshot> redo_;  // the next redo last
};
