// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

// A soak of the window: a seeded random sequence of what a user can do
// (every button, presses in the pane with every mouse button and modifier,
// drags, keys, the spinner, typing and pasting any Unicode in the name box,
// timer ticks, resizes), with the window's promises checked after each step.
// The same seed gives the same actions and the same dice.

struct SoakOutcome {
    int stepsRun = 0;
    std::string failure;  // empty when every check held after every step
    // How much of the window the run reached.
    int namings = 0;      // clicks on "&Name", each checked against the report
    int weeksMade = 0;    // weeks of making the ticks ran
    int randomItems = 0;  // clicks on "&Random"
};

// Runs steps actions on a fresh window. Needs a QApplication.
SoakOutcome RunSoak(uint64_t seed, int steps);
