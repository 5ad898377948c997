// SPDX-License-Identifier: GPL-3.0-or-later
// A short soak of the window, a few hundred random user actions from fixed
// seeds; soak_long runs as many as asked (README).
#include <gtest/gtest.h>

#include "tests/window/soak.h"

namespace {

TEST(Soak, RandomUserActionsKeepEveryPromise) {
    const int steps = 200;
    int namings = 0, weeks = 0, randomItems = 0;
    for (const uint64_t seed : {1u, 2u, 3u, 4u}) {
        const SoakOutcome outcome = RunSoak(seed, steps);
        EXPECT_EQ(outcome.failure, "")
            << "seed " << seed << ", step " << outcome.stepsRun - 1
            << "; repeat with: build/tests/window/soak_long " << steps << " " << seed;
        namings += outcome.namings;
        weeks += outcome.weeksMade;
        randomItems += outcome.randomItems;
    }
    // The runs reach the making, the naming and random treasure.
    EXPECT_GT(namings, 0);
    EXPECT_GT(weeks, 0);
    EXPECT_GT(randomItems, 0);
}

}  // namespace
