// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard: picking the caret's line with Enter, buttons clicked by
// Enter and Space, the focus order, and the accelerators.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

const char* const kPrints = "state\nsheet\nselection\n";

// A run's prints with each selection reduced to the line it starts on: after
// a second press on the line it picked, releasing the button leaves the caret
// where it was pressed, with nothing selected, where Enter leaves the pick's
// 28 characters selected; both on the picked line.
std::vector<std::string> WithSelectedLines(const DriverRun& run) {
    std::vector<std::string> out;
    for (const std::string& line : run.out) {
        if (line.compare(0, 10, "selection ") == 0) {
            out.push_back("selection on line " + std::to_string(std::stoi(line.substr(10)) / 125));
        } else {
            out.push_back(line);
        }
    }
    return out;
}

std::string At(int line, int column) { return std::to_string(line) + " " + std::to_string(column); }

// Enter and Shift+Enter on the caret's line give the state, the sheet and the
// selection of a left and a right press on that line, over a few presses on
// the same line.
TEST(KeyboardPick, EnterIsALeftPressAndShiftEnterARightPress) {
    const std::string dagger = At(EntryLine("Button_Weapon", "dagger"), 3);
    const std::string blur = At(EntryLine("Button9_Enchant", "Blur"), 3);
    // A bench to change: Blur on a dagger.
    const std::string bench =
        "press Button_Weapon\npick " + dagger + "\npress Button9_Enchant\npick " + blur + "\n";
    struct Case {
        const char* what;
        const char* list;
        int line;
        int column;
        std::vector<std::string> keys;  // each a press; Return as left, Shift+Return as right
    };
    const Case cases[] = {
        {"a graded magic item",
         "Button9_Enchant",
         EntryLine("Button9_Enchant", "Weapon/Armor +"),
         7,
         {"Return", "Return", "Enter", "Shift+Return", "Shift+Enter", "Shift+Return"}},
        {"a magic item already on",
         "Button9_Enchant",
         EntryLine("Button9_Enchant", "Blur"),
         0,
         {"Shift+Return", "Return", "Return"}},
        {"a weapon variant",
         "Button_Weapon",
         EntryLine("Button_Weapon", " dirk"),
         2,
         {"Return", "Shift+Return"}},
        {"a creature",
         "Button_Fauna",
         EntryLine("Button_Fauna", " unicorn horse"),
         4,
         {"Return", "Shift+Return"}},
        {"a note line",
         "Button9_Enchant",
         EntryLine("Button9_Enchant", "Amulet: vs. all elementals") + 1,
         70,
         {"Return", "Shift+Return"}},
        {"the last character of a line",
         "Button9_Enchant",
         EntryLine("Button9_Enchant", "Light"),
         122,
         {"Return"}},
    };
    for (const Case& c : cases) {
        const std::string list = std::string("press ") + c.list + "\n";
        const int caret = c.line * 125 + c.column;
        std::string byKeys = bench + list + "focus RichEdit1\n";
        std::string byMouse = bench + list;
        for (const std::string& key : c.keys) {
            const bool right = key.compare(0, 6, "Shift+") == 0;
            byKeys += "caret " + std::to_string(caret) + "\nkey " + key + "\n" + kPrints;
            byMouse +=
                "pick " + At(c.line, c.column) + (right ? " right" : " left") + "\n" + kPrints;
        }
        const DriverRun keys = RunFine(byKeys);
        const DriverRun mouse = RunFine(byMouse);
        EXPECT_EQ(WithSelectedLines(keys), WithSelectedLines(mouse)) << c.what;
        EXPECT_EQ(Prefixed(keys, "selection ").size(), c.keys.size()) << c.what;
        EXPECT_EQ(StateBlocks(keys).size(), c.keys.size()) << c.what;
    }
}

// The caret moves with the usual keys, and Enter then picks the line it is on
// as a press there would.
TEST(KeyboardPick, EnterPicksWhereverTheKeysLeftTheCaret) {
    struct Case {
        const char* keys;
        int line;              // the caret's line, or -1 where it depends on the pane's height
        int column = -1;       // the caret's column, where the view's left edge must stay
        bool upwards = false;  // the caret is the selection's start
    };
    const Case cases[] = {
        {"Down Down Down", 3},
        {"Down Down Up Right Right", 1},
        {"End Down", 1},
        {"Ctrl+End", -1, 0},
        {"End Ctrl+End Ctrl+Home", 0, 0},
        {"PgDown", -1},
        {"PgDown PgDown PgUp Home", -1},
        {"Down Shift+Down Shift+Down", 3},  // the caret ends a selection: its line, not the start's
        {"Down Down Down Shift+Up Shift+Up", 1, -1, true},  // or starts it, made upwards
    };
    for (const Case& c : cases) {
        std::string script = "press Button9_Enchant\nfocus RichEdit1\n";
        std::istringstream keys(c.keys);
        for (std::string key; keys >> key;) script += "key " + key + "\n";
        const DriverRun moved = RunFine(script + "selection\nkey Return\nstate\nsheet\n");
        const std::vector<std::string> selection = Prefixed(moved, "selection ");
        ASSERT_EQ(selection.size(), 1u) << c.keys;
        // The caret ends the selection the keys made, if any.
        std::istringstream selected(selection[0].substr(10));
        int start = 0, length = 0;
        selected >> start >> length;
        const int caret = c.upwards ? start : start + length;
        const int line = caret / 125;
        if (c.line >= 0) {
            EXPECT_EQ(line, c.line) << c.keys;
        } else {
            EXPECT_GT(line, 0) << c.keys << ": the caret never left the first line";
        }
        if (c.column >= 0) {
            EXPECT_EQ(caret % 125, c.column) << c.keys;
        }
        const DriverRun picked =
            RunFine("press Button9_Enchant\npick " + At(line, caret % 125) + "\nstate\nsheet\n");
        // What follows the selection, whose text may run over several lines.
        const auto state =
            std::find_if(moved.out.begin(), moved.out.end(),
                         [](const std::string& l) { return l.rfind("BaseItemName ", 0) == 0; });
        const std::vector<std::string> after(state, moved.out.end());
        EXPECT_EQ(after, picked.out) << c.keys;
    }
}

// Enter, the keypad's Enter and Space on a focused button do what a click
// does: run one after the other over every button, the window ends alike.
TEST(KeyboardButtons, EnterAndSpaceClickTheFocusedButton) {
    const char* const buttons[] = {
        "Button_Weapon",  "Button_Equipment", "Button_Scroll", "Button_Spell_Book", "Button_Gem",
        "Button_Jewelry", "Button_Carpet",    "Button_Fauna",  "Button_Potion",     "Button_Job",
        "Button_Analyze", "Button9_Enchant",  "Button_Random", "Button_Make",       "Button_Make",
    };
    const std::string prints = "pane\nlabels\ncontrols\nstate\nsheet\n";
    std::string clicked = "seed 11\n";
    for (const char* button : buttons) clicked += std::string("press ") + button + "\n" + prints;
    const DriverRun reference = RunFine(clicked);
    for (const char* key : {"Return", "Enter", "Space"}) {
        std::string typed = "seed 11\n";
        for (const char* button : buttons) {
            typed += std::string("focus ") + button + "\nfocused\nkey " + key + "\n" + prints;
        }
        const DriverRun run = RunFine(typed);
        const std::vector<std::string> focused = Prefixed(run, "focused ");
        ASSERT_EQ(focused.size(), std::size(buttons)) << key;
        for (size_t i = 0; i < focused.size(); ++i) {
            EXPECT_EQ(focused[i], std::string("focused ") + buttons[i]) << key;
        }
        std::vector<std::string> out;
        for (const std::string& line : run.out) {
            if (line.compare(0, 8, "focused ") != 0) out.push_back(line);
        }
        EXPECT_EQ(out, reference.out) << key;
    }
}

TEST(KeyboardButtons, AcceleratorsClickTheirButtons) {
    struct Case {
        const char* keys;
        const char* button;
    };
    const Case cases[] = {
        {"Alt+E", "Button9_Enchant"},   {"Alt+G", "Button_Gem"},     {"Alt+Q", "Button_Equipment"},
        {"Alt+B", "Button_Spell_Book"}, {"Alt+A", "Button_Analyze"}, {"Alt+R", "Button_Random"},
        {"Alt+M", "Button_Make"},
    };
    const std::string prints = "pane\nlabels\ncontrols\nstate\nsheet\n";
    for (const Case& c : cases) {
        const DriverRun keys = RunFine(std::string("seed 5\nkey ") + c.keys + "\n" + prints);
        const DriverRun click = RunFine(std::string("seed 5\npress ") + c.button + "\n" + prints);
        EXPECT_EQ(keys.out, click.out) << c.keys;
    }
}

// Weapon and Jewelry share Alt+W: it moves the focus between them, and
// Enter then clicks the one focused.
TEST(KeyboardButtons, ASharedAcceleratorMovesTheFocus) {
    const DriverRun run = RunFine(
        "key Alt+W\nfocused\nkey Alt+W\nfocused\nkey Return\npane\nkey Alt+W\nfocused\n"
        "key Enter\npane\n");
    EXPECT_EQ(Prefixed(run, "focused "),
              (std::vector<std::string>{"focused Button_Weapon", "focused Button_Jewelry",
                                        "focused Button_Weapon"}));
    const auto panes = Blocks(run, "pane");
    ASSERT_EQ(panes.size(), 2u);
    EXPECT_EQ(panes[0], ListedPane("Button_Jewelry"));
    EXPECT_EQ(panes[1], ListedPane("Button_Weapon"));
}

// Tab walks the controls in the form's order, past the hidden name box.
TEST(KeyboardFocus, TabFollowsTheFormsOrder) {
    const std::vector<std::string> order = {
        "ListBox1",          "Button_Weapon",   "Button_Equipment", "Button_Scroll",
        "Button_Spell_Book", "Button_Gem",      "Button_Jewelry",   "Button_Carpet",
        "Button_Fauna",      "Button9_Enchant", "Button_Potion",    "Button_Job",
        "Button_Random",     "Button_Analyze",  "Button_Make",      "UpDown1",
        "RichEdit1",
    };
    std::string script = "focused\n";
    for (size_t i = 0; i < order.size(); ++i) script += "key Tab\nfocused\n";
    const DriverRun run = RunFine(script);
    std::vector<std::string> expected = {"focused RichEdit1"};
    for (const std::string& name : order) expected.push_back("focused " + name);
    EXPECT_EQ(Prefixed(run, "focused "), expected);
    // Shift+Tab walks back.
    const DriverRun back = RunFine("key Shift+Tab\nfocused\nkey Shift+Tab\nfocused\n");
    EXPECT_EQ(Prefixed(back, "focused "),
              (std::vector<std::string>{"focused UpDown1", "focused Button_Make"}));
}

TEST(KeyboardFocus, HiddenControlsTakeNoFocusAndAHiddenSpinnerNoClicks) {
    const DriverRun run = RunFine(
        "focus Edit1\nfocused\n"
        "press Button_Make\nfocused\nfocus UpDown1\nfocused\nup 3\ndown\ncontrols\n"
        "focus Edit1\nkey Up\npress Button_Make\ncontrols\nlabels\nstate\n");
    EXPECT_EQ(Prefixed(run, "focused "),
              (std::vector<std::string>{"focused RichEdit1", "focused Edit1", "focused Edit1"}));
    EXPECT_EQ(Prefixed(run, "UpDown1 "),
              (std::vector<std::string>{"UpDown1 hidden 12", "UpDown1 shown 12"}));
    EXPECT_EQ(Prefixed(run, "Label13 ")[0], "Label13 400 144 |DX: 12|");
    EXPECT_EQ(Prefixed(run, "DX ")[0], "DX 12");
}

// With the focus on the spinner its arrow keys step it like its arrows.
TEST(KeyboardFocus, ArrowKeysStepAFocusedSpinner) {
    const DriverRun keys =
        RunFine("focus UpDown1\nkey Up\nkey Up\nkey Up\nkey Down\nlabels\nstate\n");
    const DriverRun clicks = RunFine("up 3\ndown\nlabels\nstate\n");
    EXPECT_EQ(keys.out, clicks.out);
    EXPECT_EQ(Prefixed(keys, "Label13 ")[0], "Label13 400 144 |DX: 14|");
}

TEST(DriverContract, NewCommandsRejectBadArguments) {
    const char* const scripts[] = {
        "key Frobnicate\n",      "key\n",
        "focus Label13\n",       "focus FocusFrame\n",
        "focus Nothing\n",       "geometry Nothing\n",
        "tooltip Timer2\n",      "drag 1 2 3\n",
        "drag 1 2 3 4 alt\n",    "pick 0 0 left alt\n",
        "pick 0 0 shift left\n", "pick 0 0 left shift ctrl\n",
        "clipboard now\n",       "focused RichEdit1\n",
        "accessible\n",          "accessible Nothing\n",
        "accessible Timer1\n",   "accessible Window now\n",
        "press Button_Gem x\n",  "press Button_Gem shift ctrl\n",
    };
    for (const char* script : scripts) {
        const DriverRun run = RunDriver(script);
        EXPECT_EQ(run.exitCode, 2) << script;
        EXPECT_EQ(run.err.find("error: line 1: "), 0u) << script << run.err;
    }
}

}  // namespace
