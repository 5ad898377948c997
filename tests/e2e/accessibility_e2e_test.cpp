// SPDX-License-Identifier: GPL-3.0-or-later
// The driver's "accessible" print through the real window, after a list
// command, a pick, a spinner step and Make: each control's role and name, the
// sheet's total line as its description, the spinner's value.
#include <gtest/gtest.h>

#include "tests/e2e/e2e_helpers.h"

namespace {

TEST(AccessiblePrint, FollowsAListAPickAStepAndMake) {
    const std::string blur = std::to_string(EntryLine("Button9_Enchant", "Blur"));
    const DriverRun run =
        RunFine("accessible Window\npress Button9_Enchant\naccessible RichEdit1\npick " + blur +
                " 3\nsheet\naccessible ListBox1\nup\naccessible UpDown1\npress Button_Make\n"
                "accessible RichEdit1\naccessible Edit1\naccessible Button_Make\n");
    const std::vector<std::string> sheet = Block(run, "sheet");
    ASSERT_FALSE(sheet.empty());
    // A line as printed up to its description, and what follows it.
    const std::pair<std::string, std::string> expected[] = {
        {"accessible Window frame |Tharnwell| |", "| -"},
        {"accessible RichEdit1 editabletext |Enchantment list| |", "| -"},
        {"accessible ListBox1 list |Item sheet| |" + sheet.back(), "| -"},
        {"accessible UpDown1 spinbox |Wizard's DX| |", "| 13"},
        {"accessible RichEdit1 editabletext |Making report| |", "| -"},
        {"accessible Edit1 editabletext |Item name| |", "| -"},
        {"accessible Button_Make pushbutton |Name| |", "| -"},
    };
    const std::vector<std::string> printed = Prefixed(run, "accessible ");
    ASSERT_EQ(printed.size(), std::size(expected));
    for (size_t k = 0; k < printed.size(); ++k) {
        const auto& [start, end] = expected[k];
        EXPECT_EQ(printed[k].compare(0, start.size(), start), 0) << printed[k];
        EXPECT_TRUE(printed[k].size() >= start.size() + end.size() &&
                    printed[k].compare(printed[k].size() - end.size(), end.size(), end) == 0)
            << printed[k];
    }
    // The pane's description, its tooltip, keeps its line breaks as \n.
    EXPECT_NE(printed[1].find("\\n"), std::string::npos) << printed[1];
}

}  // namespace
