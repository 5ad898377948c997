// SPDX-License-Identifier: GPL-3.0-or-later
// The forecast of a making in the window: the Make button's tooltip follows
// the picks and the DX spinner, through real clicks.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

// 3d6 rolls (of 216) at most the DX.
int GoodRolls(int dx) {
    int good = 0;
    for (int a = 1; a <= 6; ++a)
        for (int b = 1; b <= 6; ++b)
            for (int c = 1; c <= 6; ++c) good += (a + b + c <= dx) ? 1 : 0;
    return good;
}

// The number the text gives between "Expect " and " weeks", read with the
// given decimal separator.
double ExpectedWeeks(std::string line, char separator) {
    const size_t from = line.find("Expect ");
    const size_t to = line.find(" weeks", from);
    if (from == std::string::npos || to == std::string::npos) return -1;
    std::string number = line.substr(from + 7, to - from - 7);
    for (char& c : number) {
        if (c == separator) c = '.';
    }
    return std::strtod(number.c_str(), nullptr);
}

TEST(ForecastTooltip, FollowsThePickAndTheSpinner) {
    const int blur = EntryLine("Button9_Enchant", "Blur");
    const DriverRun run = RunFine(
        "decimal .\n"
        "tooltip Button_Make\n"
        "press Button9_Enchant\npick " +
        std::to_string(blur) +
        " 3\n"
        "tooltip Button_Make\nup\ntooltip Button_Make\ntooltip UpDown1\n"
        "down 2\ntooltip Button_Make\n"
        "decimal ,\ndown 7\ntooltip Button_Make\n"
        "up 99\ntooltip Button_Make\ntooltip UpDown1\n"
        "state\n");
    const auto tips = Blocks(run, "tooltip");
    ASSERT_EQ(tips.size(), 8u);
    // Blur alone needs five good weeks; the empty bench needs none.
    EXPECT_EQ(tips[0][0].rfind("With nothing on the bench", 0), 0u) << tips[0][0];
    ASSERT_EQ(Prefixed(run, "Slot1 ")[0].rfind("Slot1 |Blur| ", 0), 0u);
    struct Step {
        size_t tip;
        int dx;
        char separator;
    };
    const Step steps[] = {
        {1, 12, '.'},  // the pick
        {2, 13, '.'},  // up
        {4, 11, '.'},  // down 2
        {5, 5, ','},   // down 7 stops at DX 5; a comma from now on
        {6, 16, ','},  // up 99 stops at DX 16
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.dx);
        // The odds on the first line, what to expect on the second.
        const std::string line = tips[step.tip][0] + " " + tips[step.tip].at(1);
        const std::string opening = "At DX " + std::to_string(step.dx) + " each week succeeds on " +
                                    std::to_string(GoodRolls(step.dx)) + " of 216 rolls. Expect ";
        EXPECT_EQ(line.rfind(opening, 0), 0u) << line;
        EXPECT_NEAR(ExpectedWeeks(line, step.separator), 5.0 * 216 / GoodRolls(step.dx), 0.05)
            << line;
    }
    for (size_t k = 2; k < 7; ++k) EXPECT_NE(tips[k][0], tips[k - 1][0]) << k;
    // The spinner tells the chance at its DX.
    EXPECT_EQ(tips[3][0].rfind("At DX 13 a week of making succeeds on 181 of 216 rolls", 0), 0u)
        << tips[3][0];
    EXPECT_EQ(tips[7][0].rfind("At DX 16 a week of making succeeds on 212 of 216 rolls", 0), 0u)
        << tips[7][0];
}

}  // namespace
