// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/bench/wizard_dx.h"

#include <gtest/gtest.h>

TEST(WizardDX, FollowsTheSpinnerWithinFiveToSixteen) {
    const std::pair<int, int> cases[] = {{1, 5},   {4, 5},   {5, 5},    {12, 12},
                                         {16, 16}, {17, 16}, {999, 16}, {-3, 5}};
    for (const auto& [position, dx] : cases) EXPECT_EQ(DXFromSpinner(position), dx) << position;
}
