// SPDX-License-Identifier: GPL-3.0-or-later
// Making an item week by week, and random treasure, with scripted dice.
#include <gtest/gtest.h>

#include <charconv>
#include <iterator>
#include <sstream>

#include "tests/e2e/driver_run.h"
#include "tests/e2e/e2e_helpers.h"

namespace {

std::string PickEnchantment(const std::string& name) {
    return "press Button9_Enchant\npick " + std::to_string(EntryLine("Button9_Enchant", name)) +
           " 1\n";
}

std::string Shortest(double value) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    std::string text(buffer, end);
    if (text.find('.') == std::string::npos) text += ".0";
    return text;
}

DriverRun RunOk(const std::string& script) {
    DriverRun run = RunDriver(script);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run;
}

// The last two figures of a line: its money and weeks.
std::vector<std::string> Totals(const std::string& line) {
    std::istringstream words(line);
    const std::vector<std::string> all{std::istream_iterator<std::string>(words), {}};
    return {all.end() - 2, all.end()};
}

const char* const kSuccess = "draws 6:4 6:4 6:4\n";  // 12: a good week at DX 12
const char* const kFailure = "draws 6:6 6:6 6:6\n";  // 18: a lost week

TEST(Making, BlurOnADaggerWeekByWeek) {
    std::string script =
        "pick 0 0\n" + PickEnchantment("Blur") + "press Button_Make\npane\ntrace on\n";
    script += std::string(kSuccess) + "tick\npane\n" + kFailure + "tick\npane\n";
    for (int week = 0; week < 4; ++week) script += std::string(kSuccess) + "tick\n";
    script += "pane\nstate\ntick\nstate\n";
    const DriverRun run = RunOk(script);
    const auto panes = Blocks(run, "pane");
    ASSERT_EQ(panes.size(), 4u);

    const std::string base = "dagger" + std::string(34, ' ') + "10.00" + "   0.07";
    const std::string total = "            Total  ";
    EXPECT_EQ(panes[0], (std::vector<std::string>{
                            base, " ", " ", total + std::string(21, ' ') + "10.00" + "   0.07"}));
    // 15 a week of ingredients and 3 started units of 25 ST at 50.
    EXPECT_EQ(panes[1], (std::vector<std::string>{
                            base, " ", "Blur" + std::string(35, ' ') + "165" + "      1", " ",
                            total + std::string(20, ' ') + "175.00" + "   1.07"}));
    EXPECT_EQ(panes[2], (std::vector<std::string>{
                            base, " ", "Blur" + std::string(35, ' ') + "330" + "      2", " ",
                            total + std::string(20, ' ') + "340.00" + "   2.07"}));
    EXPECT_EQ(panes[3][2], "Blur" + std::string(35, ' ') + "990" + "      6");

    EXPECT_EQ(Prefixed(run, "draw ").size(), 18u);  // the last tick takes no draw
    const auto making = Prefixed(run, "Making ");
    ASSERT_EQ(making.size(), 2u);
    EXPECT_EQ(making[0], "Making true");
    EXPECT_EQ(making[1], "Making false");
    EXPECT_EQ(Prefixed(run, "MakingDone ")[1], "MakingDone true");
}

TEST(Making, EmptyBenchEndsOnTheFirstTick) {
    const DriverRun run = RunOk("press Button_Make\nstate\ntrace on\ntick\nstate\ncontrols\n");
    EXPECT_TRUE(Prefixed(run, "draw ").empty());
    EXPECT_EQ(Prefixed(run, "Making "), (std::vector<std::string>{"Making true", "Making false"}));
    EXPECT_EQ(Prefixed(run, "WeeksElapsed ")[1], "WeeksElapsed 0.0");
    // The name box stays open until the item is named.
    EXPECT_EQ(Prefixed(run, "Button_Make ")[0], "Button_Make |&Name|");
    EXPECT_EQ(Prefixed(run, "Edit1 ")[0], "Edit1 shown ||");
    EXPECT_EQ(Prefixed(run, "UpDown1 ")[0], "UpDown1 hidden 12");
}

TEST(Making, NamingKeepsTheMakingRunningAndMakeRestarts) {
    const DriverRun run =
        RunOk(PickEnchantment("Blur") + "press Button_Make\nlabels\n" + kSuccess +
              "tick\ntype Cloak of Blur\npress Button_Make\ncontrols\nlabels\nstate\n" + kSuccess +
              "tick\npane\nstate\npress Button_Make\nstate\ncontrols\n");
    const auto label13 = Prefixed(run, "Label13 ");
    ASSERT_EQ(label13.size(), 2u);
    EXPECT_EQ(label13[0], "Label13 400 144 |Name item|");
    EXPECT_EQ(label13[1], "Label13 400 144 |DX: 12|");
    EXPECT_EQ(Prefixed(run, "Label1 ")[0], "Label1 8 176 |Item|");
    EXPECT_EQ(Prefixed(run, "Label5 ")[0], "Label5 336 192 |cost|");
    EXPECT_EQ(Prefixed(run, "Label7 ")[0], "Label7 386 192 |weeks|");

    EXPECT_EQ(Prefixed(run, "Button_Make "),
              (std::vector<std::string>{"Button_Make |&Make|", "Button_Make |&Name|"}));
    EXPECT_EQ(Prefixed(run, "Edit1 ")[0], "Edit1 hidden ||");
    EXPECT_EQ(Prefixed(run, "UpDown1 ")[0], "UpDown1 shown 12");
    const auto making = Prefixed(run, "Making ");
    EXPECT_EQ(making, (std::vector<std::string>{"Making true", "Making true", "Making true"}));
    const auto names = Prefixed(run, "MadeItemName ");
    EXPECT_EQ(names, (std::vector<std::string>{"MadeItemName |Cloak of Blur|",
                                               "MadeItemName |Cloak of Blur|", "MadeItemName ||"}));
    const auto elapsed = Prefixed(run, "WeeksElapsed ");
    EXPECT_EQ(elapsed, (std::vector<std::string>{"WeeksElapsed 1.0", "WeeksElapsed 2.0",
                                                 "WeeksElapsed 0.0"}));
    const auto pane = Blocks(run, "pane").back();
    ASSERT_GE(pane.size(), 2u);
    EXPECT_EQ(pane[0], "Cloak of Blur");
    EXPECT_EQ(pane[1], " ");
}

TEST(Making, NoteCodeFactorsCompoundInSlotOrder) {
    // Cleansing (D) 50000, W.O.C. (F) 20000, Lightning spell (D) 15000: slots D, F, D.
    const DriverRun run =
        RunOk("pick 0 0\n" + PickEnchantment("Lightning spell") + PickEnchantment("W.O.C.") +
              PickEnchantment("Cleansing") + "press Button_Make\nstate\n");
    const double adjusted = 10 * 1.1 * 1.3 * 1.1;
    EXPECT_EQ(Prefixed(run, "AdjustedBasePrice ")[0], "AdjustedBasePrice " + Shortest(adjusted));
    EXPECT_EQ(Prefixed(run, "AdjustedBaseWeeks ")[0],
              "AdjustedBaseWeeks " +
                  Shortest(static_cast<double>(static_cast<long double>(adjusted) * (1.0L / 150))));
}

// Saddle and bridle ($60, 0.40 weeks) with the Lightning spell, whose note
// code makes the base item dearer to work: the making counts 0.44 weeks, but
// the sheet keeps the 0.40 planned, during the making, after it, when an
// undo brings the plan back and in the sheet's copy; the report counts 0.44.
TEST(Making, TheSheetKeepsThePlanWhileTheMakingCountsTheAdjustedWeeks) {
    const DriverRun run = RunOk(
        "seed 3\npress Button_Equipment\npick 17 3\npress Button9_Enchant\npick 44 2\nsheet\n"
        "press Button_Make\ntick 2\npick 0 3\nsheet\ntick 5000\npane\nfocus Edit1\ntype Zap\n"
        "key Return\npress Button_Weapon\npick 5 3\nfocus RichEdit1\nkey Ctrl+Z\nsheet\n"
        "key Ctrl+Shift+C\nclipboard\nstate\n");
    const auto sheets = Blocks(run, "sheet");
    ASSERT_EQ(sheets.size(), 3u);
    ASSERT_EQ(sheets[0].at(0).substr(0, 15), "saddle & bridle");
    EXPECT_EQ(Totals(sheets[0][0]).back(), "0.40");
    EXPECT_EQ(sheets[1], sheets[0]);
    EXPECT_EQ(sheets[2], sheets[0]);
    EXPECT_EQ(Blocks(run, "clipboard").at(0), sheets[0]);
    EXPECT_EQ(Prefixed(run, "BaseItemWeeks ").at(0), "BaseItemWeeks 0.4");
    const auto report = Blocks(run, "pane").at(0);
    EXPECT_EQ(Totals(report.at(0)).back(), "0.44");
}

TEST(Making, TheWindowTimerRunsTheWeeks) {
    const DriverRun run = RunOk("pick 0 0\n" + PickEnchantment("Dazzle Gem") +
                                "press Button_Make\n" + "wait 300\nstate\n");
    // Only the window's own timer can have run weeks here.
    const auto elapsed = Prefixed(run, "WeeksElapsed ");
    ASSERT_EQ(elapsed.size(), 1u);
    EXPECT_NE(elapsed[0], "WeeksElapsed 0.0");
}

TEST(RandomItem, ScriptedDrawsAllConsumed) {
    struct Case {
        const char* what;
        const char* draws;
        size_t drawCount;
        size_t slots;
    };
    const Case cases[] = {
        {"a scroll is never enchanted", "45:22 156:1", 2, 0},
        {"a spell book with four enchantment steps", "45:16 156:1 5:5 53:2 53:1 53:3 53:4", 7, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const DriverRun run = RunOk(std::string("trace on\ndraws ") + c.draws +
                                    "\npress Button_Random\nstate\nsheet\n");
        EXPECT_EQ(Prefixed(run, "draw ").size(), c.drawCount);
        size_t filled = 0;  // slots printed with a name: "SlotK |NAME| ..."
        for (const std::string& slot : Prefixed(run, "Slot")) filled += slot[7] != '|';
        EXPECT_EQ(filled, c.slots);
        EXPECT_FALSE(Blocks(run, "sheet").empty());
    }
}

TEST(RandomItem, ADrawForAnotherBoundStopsTheDriver) {
    const DriverRun run = RunDriver("draws 6:1\npress Button_Random\n");
    EXPECT_EQ(run.exitCode, 3);
    EXPECT_NE(run.err.find("error: draw asked below 45, script says 6:1"), std::string::npos)
        << run.err;
}

TEST(RandomItem, SeededRunsRepeat) {
    const std::string script =
        "seed 1234\npress Button_Random\npress Button_Random\nsheet\nstate\n";
    const DriverRun first = RunOk(script);
    const DriverRun second = RunOk(script);
    EXPECT_EQ(first.out, second.out);
}

}  // namespace
