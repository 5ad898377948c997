// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workshop/bench/workshop_state.h"

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

// The inputs that would change the bench, as the moments tell them apart.
enum class BenchInput {
    Plan,   // a pick on a list line or a hoard's line, Enter on one, Random
    Paste,  // a whole plan put back: Ctrl+V, a pick on the items made
    Undo,   // undo and redo of the workbench
};

// What such an input does.
enum class BenchAnswer {
    Change,      // it changes the bench
    BeingMade,   // refused with a message: a making runs
    UntilNamed,  // refused with a message: the item made waits for its name
    Nothing,     // nothing at all
};

// While a making runs, from Make to its last week, nothing changes the bench
// the making works on, also when the name was stored before the end. Once the
// making has ended, picks and Random plan the next item while the name box
// waits (the name goes on the report kept of the item made); a plan put back
// and undo wait for the name.
inline BenchAnswer AnswerTo(BenchInput input, const WorkshopState& state) {
    if (state.Making) return BenchAnswer::BeingMade;
    if (MomentOf(state) == WindowMoment::Planning || input == BenchInput::Plan) {
        return BenchAnswer::Change;
    }
    return input == BenchInput::Paste ? BenchAnswer::UntilNamed : BenchAnswer::Nothing;
}
