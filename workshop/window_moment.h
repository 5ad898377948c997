// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workshop/workshop_state.h"

// The window's moment, which decides what every input does in it: planning
// the bench; making the item (the name box open, a slot still has weeks to
// go); or naming it (the name box open, every slot has its weeks).
enum class WindowMoment { Planning, Making, Naming };

inline WindowMoment MomentOf(const WorkshopState& state) {
    if (!state.NameBoxOpen) return WindowMoment::Planning;
    return state.Making ? WindowMoment::Making : WindowMoment::Naming;
}

// The Make button's caption: "&Make" while planning, "&Name" while the
// name box is open.
inline const char* MakeButtonCaption(WindowMoment moment) {
    return moment == WindowMoment::Planning ? "&Make" : "&Name";
}

// Undo and redo change the bench only while planning: from Make until the
// name is stored, the bench belongs to the item being made.
inline bool BenchUndoAllowed(WindowMoment moment) { return moment == WindowMoment::Planning; }
