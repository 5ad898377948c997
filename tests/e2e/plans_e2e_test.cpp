// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping plans: a copied sheet pasted back with Ctrl+V, and the items made
// this run listed with Ctrl+H and picked back onto the bench.
#include <gtest/gtest.h>

#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

std::string Pick(const char* list, const std::string& entry) {
    return std::string("press ") + list + "\npick " + std::to_string(EntryLine(list, entry)) +
           " 3\n";
}

std::string DaggerWithBlur() {
    return Pick("Button_Weapon", "dagger") + Pick("Button9_Enchant", "Blur");
}

bool Prints(const DriverRun& run, const std::string& text) {
    for (const std::string& line : run.out) {
        if (line.find(text) != std::string::npos) return true;
    }
    return false;
}

// Copy, a random item and a list, paste: the bench and the sheet as copied,
// the pane as listed, and one undo back to the random item.
TEST(KeepPlans, APastedSheetGivesBackTheCopiedBenchInOneUndoStep) {
    for (const char* focus : {"RichEdit1", "ListBox1", "Button_Job"}) {
        const char* const look = "state\nsheet\npane\n";
        const DriverRun run =
            RunFine("seed 3\n" + DaggerWithBlur() + Pick("Button9_Enchant", "Light") +
                    "key Ctrl+Shift+C\n" + look + "press Button_Random\npress Button_Gem\n" + look +
                    "focus " + focus + "\nkey Ctrl+V\n" + look + "key Ctrl+Z\n" + look);
        const auto states = StateBlocks(run), sheets = Blocks(run, "sheet");
        ASSERT_EQ(states.size(), 4u) << focus;
        EXPECT_NE(sheets[1], sheets[0]) << focus;
        EXPECT_TRUE(states[2] == states[0] && sheets[2] == sheets[0]) << focus;
        EXPECT_EQ(Blocks(run, "pane")[2], Blocks(run, "pane")[1]) << focus;
        EXPECT_EQ(states[3], states[1]) << focus;
    }
}

// Anything but a sheet changes nothing, not the undo steps either, and says
// why, near the pane and to a screen reader.
TEST(KeepPlans, ARefusedPasteChangesNothingAndSaysWhy) {
    std::vector<std::string> sheet = Block(RunFine(DaggerWithBlur() + "sheet\n"), "sheet");
    sheet.at(2).replace(0, 5, "Blurr");
    const std::pair<std::string, std::string> rows[] = {
        {SetClipboard(sheet), "|No plan pasted: line 3: no magic item called 'Blurr'|"},
        {"setclipboard\n", "|No plan pasted: the clipboard holds no text|"},
    };
    const std::string look = "state\nsheet\npane\n", undo = "key Ctrl+Z\nstate\n";
    for (const auto& [clipboard, message] : rows) {
        const DriverRun run = RunFine(DaggerWithBlur() + clipboard + look + "key Ctrl+V\n" + look +
                                      "accessible RichEdit1\n" + undo);
        const auto states = StateBlocks(run);
        ASSERT_EQ(states.size(), 3u) << message;
        EXPECT_TRUE(Prints(run, message)) << message;
        EXPECT_TRUE(states[1] == states[0] && Blocks(run, "sheet")[1] == Blocks(run, "sheet")[0] &&
                    Blocks(run, "pane")[1] == Blocks(run, "pane")[0])
            << message;
        EXPECT_EQ(states[2], StateBlocks(RunFine(DaggerWithBlur() + undo)).at(0)) << message;
    }
}

// The last two figures of a line: a total line's money and weeks.
std::vector<std::string> Totals(const std::string& line) {
    std::istringstream words(line);
    const std::vector<std::string> all{std::istream_iterator<std::string>(words), {}};
    return {all.end() - 2, all.end()};
}

// Two items made and named, one before its making ends and one after: Ctrl+H
// lists both with their reports' totals; a pick, or a typed name and Enter,
// puts an item's plan back as one undo step; from Make until the name is
// stored a pick and a paste are refused.
TEST(KeepPlans, TheItemsMadeAreListedAndPickedBack) {
    const DriverRun run = RunFine(
        "seed 7\n" + DaggerWithBlur() + "sheet\npress Button_Make\ntype Glimmer\n" +
        "press Button_Make\ntick 300\npane\n" + Pick("Button9_Enchant", "Light") +
        "sheet\npress Button_Make\ntick 300\ntype Second\npress Button_Make\npane\nkey Ctrl+H\n" +
        "pane\naccessible RichEdit1\npick 0 3\nsheet\nkeys sec\nkey Return\nsheet\nkey Ctrl+Z\n" +
        "sheet\npress Button_Make\ntick 300\nkey Ctrl+H\nstate\npick 1 3\naccessible RichEdit1\n" +
        "key Ctrl+V\nstate\naccessible RichEdit1\n");
    const auto panes = Blocks(run, "pane");
    const auto sheets = Blocks(run, "sheet");
    ASSERT_EQ(panes.size(), 3u);
    ASSERT_EQ(panes[2].size(), 2u);
    EXPECT_EQ(panes[2][0].rfind("Glimmer", 0), 0u);
    EXPECT_EQ(panes[2][1].substr(20, 14), "dagger        ");
    EXPECT_EQ(Totals(panes[2][0]), Totals(panes[0].back()));
    EXPECT_EQ(Totals(panes[2][1]), Totals(panes[1].back()));
    EXPECT_TRUE(Prints(run, "accessible RichEdit1 editabletext |Items made|"));
    EXPECT_EQ(sheets.at(2), sheets[0]);  // Glimmer's plan
    EXPECT_EQ(sheets.at(3), sheets[1]);  // Second's, found by typing
    EXPECT_EQ(sheets.at(4), sheets[0]);  // one undo back
    const auto states = StateBlocks(run);
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[1], states[0]);
    for (const char* refused : {"|No plan put back: ", "|No plan pasted: "}) {
        EXPECT_TRUE(Prints(run, refused + std::string("the bench belongs to the item being made")));
    }
}

}  // namespace
