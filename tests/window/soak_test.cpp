// A short soak of the window, a few hundred random user actions from fixed
// seeds; soak_long runs as many as asked (README).
#include <gtest/gtest.h>

#include "tests/window/soak.h"

namespace {

TEST(Soak, RandomUserActionsKeepEveryPromise) {
    for (const uint64_t seed : {1u, 2u, 3u}) {
        const int steps = 150;
        const SoakOutcome outcome = RunSoak(seed, steps);
        EXPECT_EQ(outcome.failure, "")
            << "seed " << seed << ", step " << outcome.stepsRun - 1
            << "; repeat with: build/tests/window/soak_long " << steps << " " << seed;
        EXPECT_EQ(outcome.stepsRun, steps);
    }
}

}  // namespace
