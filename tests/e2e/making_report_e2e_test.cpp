// SPDX-License-Identifier: GPL-3.0-or-later
// The making report in the pane: where it leaves the caret, and naming the
// item showing at once, with no week in between.
#include <gtest/gtest.h>

#include "tests/e2e/driver_run.h"
#include "tests/support/text.h"

namespace {

const char* const kGoodWeek = "draws 6:4 6:4 6:4\ntick\n";  // 12 at DX 12
const char* const kLostWeek = "draws 6:6 6:6 6:6\ntick\n";  // 18

// Blur (catalog line 2 of the enchantment list) on the dagger.
const char* const kBlurOnADagger = "pick 0 0\npress Button9_Enchant\npick 2 1\n";

std::vector<std::string> Grep(const DriverRun& run, const std::string& prefix) {
    std::vector<std::string> lines;
    for (const std::string& line : run.out) {
        if (line.compare(0, prefix.size(), prefix) == 0) lines.push_back(line);
    }
    return lines;
}

// After the last character of a text, counting each line break as two.
size_t EndOf(const std::vector<std::string>& lines) {
    size_t end = 0;
    for (const std::string& line : lines) end += line.size() + 2;
    return lines.empty() ? 0 : end - 2;
}

// Every redraw of the report leaves the caret after its last character, as
// adding the lines one by one would: the fresh report that replaces a list,
// a week that changes a few lines only, a week that adds a slot's line, and
// naming, also after a click in the report had moved the caret.
TEST(MakingReport, CaretAtTheEndAfterEveryRedraw) {
    struct Case {
        const char* what;
        std::string steps;
    };
    const Case cases[] = {
        {"Make over the enchantment list", "caret 380\npress Button_Make\n"},
        {"a lost week: same lines, new figures", std::string("press Button_Make\n") + kLostWeek},
        {"a good week: Blur's line appears", std::string("press Button_Make\n") + kGoodWeek},
        {"a week after a click in the report",
         std::string("press Button_Make\n") + kGoodWeek + "pick 0 3\n" + kGoodWeek},
        {"a week with the find field open, the caret on no place found",
         std::string("press Button_Make\n") + kGoodWeek + "key Ctrl+F\nkeys Total\npick 0 3\n" +
             kLostWeek},
        {"naming", std::string("press Button_Make\n") + kGoodWeek +
                       "caret 7\ntype Cloak of Blur\npress Button_Make\n"},
        {"a week after the whole report was selected",
         std::string("press Button_Make\n") + kGoodWeek + "focus RichEdit1\nkey Ctrl+A\n" +
             kLostWeek},
        {"naming once the making has ended, after a click in the report",
         "seed 1\npress Button_Make\ntick 40\npick 0 3\ntype Cloak of Blur\npress Button_Make\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DriverRun run =
            RunDriver(std::string(kBlurOnADagger) + c.steps + "pane\nselection\n");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::vector<std::string> pane = Block(run, "pane");
        ASSERT_GE(pane.size(), 4u);
        EXPECT_EQ(Grep(run, "selection ").back(),
                  "selection " + std::to_string(EndOf(pane)) + " 0 ||");
    }
}

// Naming redraws the report there and then: the name stands above the same
// figures before any further week, both while the making runs and after it
// has ended (when no week will ever redraw it again).
TEST(MakingReport, NamingShowsTheNameAtOnce) {
    struct Case {
        const char* what;
        std::string weeks;  // before naming
        size_t slotLines;   // slots with a good week in the report
    };
    const Case cases[] = {
        {"while making", std::string(kGoodWeek), 1},
        {"after a lost week only", std::string(kLostWeek), 0},
        {"after the making ended",
         std::string(kGoodWeek) + kGoodWeek + kGoodWeek + kGoodWeek + kGoodWeek + "tick\n", 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DriverRun run =
            RunDriver(std::string(kBlurOnADagger) + "press Button_Make\n" + c.weeks +
                      "pane\ntype Cloak of Blur\npress Button_Make\npane\nstate\n");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const auto panes = Blocks(run, "pane");
        ASSERT_EQ(panes.size(), 2u);
        const std::vector<std::string>& before = panes[0];
        const std::vector<std::string>& named = panes[1];
        ASSERT_EQ(before.size(), 4 + c.slotLines);
        std::vector<std::string> expected = {"Cloak of Blur", " "};
        expected.insert(expected.end(), before.begin(), before.end());
        EXPECT_EQ(named, expected);
        EXPECT_EQ(Grep(run, "MadeItemName ")[0], "MadeItemName |Cloak of Blur|");
    }
}

}  // namespace
