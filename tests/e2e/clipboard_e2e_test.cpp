// SPDX-License-Identifier: GPL-3.0-or-later
// Selecting without picking, and copying the pane and the item sheet.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

std::string At(int line, int column) { return std::to_string(line) + " " + std::to_string(column); }

// Blur and Light on a dagger: a bench that a stray pick would change.
std::string PlannedBench() {
    return "press Button_Weapon\npick " + At(EntryLine("Button_Weapon", "dagger"), 3) +
           "\npress Button9_Enchant\npick " + At(EntryLine("Button9_Enchant", "Blur"), 3) +
           "\npick " + At(EntryLine("Button9_Enchant", "Light"), 3) + "\n";
}

// What a selection from one character up to another holds, line by line as
// the clipboard prints it.
std::vector<std::string> Between(const std::vector<std::string>& pane, int line1, int column1,
                                 int line2, int column2) {
    if (line1 == line2) {
        return {pane[static_cast<size_t>(line1)].substr(static_cast<size_t>(column1),
                                                        static_cast<size_t>(column2 - column1))};
    }
    std::vector<std::string> lines = {
        pane[static_cast<size_t>(line1)].substr(static_cast<size_t>(column1))};
    for (int k = line1 + 1; k < line2; ++k) lines.push_back(pane[static_cast<size_t>(k)]);
    // A selection ending at the start of a line ends with a line break.
    if (column2 > 0) lines.push_back(pane[static_cast<size_t>(line2)].substr(0, column2));
    return lines;
}

// A drag with Shift or Ctrl held selects from the first character up to the
// second, copies just that, and picks nothing: the bench, the sheet and the
// pane stay as they were.
TEST(SelectWithoutPicking, ShiftOrCtrlDragCopiesExactlyThoseCharacters) {
    const std::vector<std::string>& pane = ListedPane("Button9_Enchant");
    const int blur = EntryLine("Button9_Enchant", "Blur");
    const int light = EntryLine("Button9_Enchant", "Light");
    struct Case {
        const char* modifier;
        int line1, column1, line2, column2;
    };
    const Case cases[] = {
        {"ctrl", blur, 0, blur + 3, 0},  // three whole lines, Blur first
        {"shift", blur, 0, blur + 3, 0},
        {"ctrl", light, 0, light - 3, 0},  // upwards, Light last
        {"shift", light, 0, light - 3, 0},
        {"ctrl", blur, 5, blur + 2, 17},  // into the middle of lines
        {"shift", blur + 1, 30, blur + 1, 44},
        {"ctrl", light, 110, light + 2, 3},  // scrolled sideways on the way
    };
    const std::string prints = "state\nsheet\npane\n";
    for (const Case& c : cases) {
        const std::string what = std::string(c.modifier) + " " + At(c.line1, c.column1) + " to " +
                                 At(c.line2, c.column2);
        // A Shift-selection runs from where the caret was: put it at the start.
        const std::string caret = std::string(c.modifier) == "shift"
                                      ? "caret " + std::to_string(c.line1 * 125 + c.column1) + "\n"
                                      : "";
        const DriverRun run =
            RunFine(PlannedBench() + prints + caret + "drag " + At(c.line1, c.column1) + " " +
                    At(c.line2, c.column2) + " " + c.modifier + "\n" + prints +
                    "focus RichEdit1\nkey Ctrl+C\nclipboard\n");
        const bool down = c.line2 * 125 + c.column2 > c.line1 * 125 + c.column1;
        const std::vector<std::string> expected =
            down ? Between(pane, c.line1, c.column1, c.line2, c.column2)
                 : Between(pane, c.line2, c.column2, c.line1, c.column1);
        EXPECT_EQ(Block(run, "clipboard"), expected) << what;
        const auto states = StateBlocks(run);
        ASSERT_EQ(states.size(), 2u) << what;
        EXPECT_EQ(states[0], states[1]) << what;
        const auto sheets = Blocks(run, "sheet");
        ASSERT_EQ(sheets.size(), 2u) << what;
        EXPECT_EQ(sheets[0], sheets[1]) << what;
        EXPECT_EQ(sheets[0].size(), 6u) << what;  // dagger, Blur, Light, the total, two blanks
        const auto panes = Blocks(run, "pane");
        ASSERT_EQ(panes.size(), 2u) << what;
        EXPECT_EQ(panes[0], panes[1]) << what;
    }
}

// A press with Shift or Ctrl, of any button, also a double press, picks
// nothing; the same press without them still picks.
TEST(SelectWithoutPicking, ModifiedPressesPickNothing) {
    const std::string blur = At(EntryLine("Button9_Enchant", "Blur"), 3);
    const std::string weapon = At(EntryLine("Button9_Enchant", "Weapon/Armor +"), 3);
    const char* const presses[] = {"left shift", "left ctrl",   "right shift",
                                   "right ctrl", "middle ctrl", "ctrl"};
    for (const char* press : presses) {
        const DriverRun run =
            RunFine(PlannedBench() + "state\npick " + blur + " " + press + "\npick " + weapon +
                    " " + press + "\npick " + weapon + " " + press + "\nstate\n");
        const auto states = StateBlocks(run);
        ASSERT_EQ(states.size(), 2u) << press;
        EXPECT_EQ(states[0], states[1]) << press;
    }
    // Without a held key the press picks: Blur comes off.
    const DriverRun plain = RunFine(PlannedBench() + "state\npick " + blur + " left\nstate\n");
    const auto states = StateBlocks(plain);
    ASSERT_EQ(states.size(), 2u);
    EXPECT_NE(states[0], states[1]);
}

TEST(CopyPane, CtrlACtrlCCopiesTheWholePaneAndAPickItsSelection) {
    // From the pane, and right after a button: its list, or after Random
    // the list still on show.
    for (const char* press :
         {"Button9_Enchant\nfocus RichEdit1", "Button_Weapon\nfocus RichEdit1",
          "Button_Fauna\nfocus RichEdit1", "Button_Gem", "Button_Gem\npress Button_Random",
          "Button_Analyze shift", "Button_Job\nfocus Button_Jewelry"}) {
        const DriverRun run = RunFine(std::string("press ") + press +
                                      "\nkey Ctrl+A\nkey Ctrl+C\npane\nclipboard\nfocused\n");
        EXPECT_EQ(Block(run, "clipboard"), Block(run, "pane")) << press;
        EXPECT_GT(Block(run, "pane").size(), 5u) << press;
        EXPECT_EQ(Prefixed(run, "focused ").at(0), "focused RichEdit1") << press;
    }
    // A pick leaves the line's first 28 characters selected; Ctrl+C copies them.
    const int blur = EntryLine("Button9_Enchant", "Blur");
    const DriverRun run =
        RunFine("press Button9_Enchant\npick " + At(blur, 9) + "\nkey Ctrl+C\nclipboard\n");
    EXPECT_EQ(Block(run, "clipboard"),
              std::vector<std::string>{ListedPane("Button9_Enchant")[blur].substr(0, 28)});
}

// Ctrl+Shift+C copies the item sheet from anywhere in the window, Ctrl+C with
// the sheet focused too: every line exactly as shown, trailing blanks kept.
TEST(CopySheet, EveryLineExactlyAsShown) {
    const char* const ways[] = {
        "focus RichEdit1\nkey Ctrl+Shift+C\n",  "focus ListBox1\nkey Ctrl+Shift+C\n",
        "focus Button_Gem\nkey Ctrl+Shift+C\n", "focus UpDown1\nkey Ctrl+Shift+C\n",
        "focus ListBox1\nkey Ctrl+C\n",
    };
    for (const char* way : ways) {
        const DriverRun run = RunFine(PlannedBench() + "sheet\n" + way + "clipboard\n");
        const std::vector<std::string> sheet = Block(run, "sheet");
        ASSERT_EQ(sheet.size(), 6u) << way;
        EXPECT_EQ(Block(run, "clipboard"), sheet) << way;
    }
    // While the name box has the focus, during a making.
    const DriverRun naming = RunFine(PlannedBench() +
                                     "press Button_Make\ntype Glimmer\nfocused\nsheet\n"
                                     "key Ctrl+Shift+C\nclipboard\ncontrols\n");
    EXPECT_EQ(Prefixed(naming, "focused ")[0], "focused Edit1");
    EXPECT_EQ(Block(naming, "clipboard"), Block(naming, "sheet"));
    EXPECT_EQ(Prefixed(naming, "Edit1 ")[0], "Edit1 shown |Glimmer|");
}

}  // namespace
