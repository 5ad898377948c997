// SPDX-License-Identifier: GPL-3.0-or-later
// Finding a line by typing in the pane, and with the find field: neither
// picks anything nor changes the workbench.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"
#include "workshop/lists/line_search.h"

namespace {

std::string CaretAtLine(int line) { return "selection " + std::to_string(125 * line) + " 0 ||"; }

// Typed names reach their lines, found by the first column alone and
// ignoring case and a variant's leading blank; the bench stays as it was.
TEST(TypeToJump, ReachesTheLineOfTheTypedName) {
    const std::vector<std::string> byName =
        Block(RunFine("press Button_Gem\npress Label1\npane\n"), "pane");
    struct Case {
        const char* list;
        std::string keys;  // "keys" commands and waits between them
        int line;
        const char* focus = "focus RichEdit1\n";  // else the list button keeps it from its click
    };
    const Case cases[] = {
        {"Button_Spell_Book", "keys Fireball\n", EntryLine("Button_Spell_Book", "fireball")},
        {"Button_Gem", "keys DIAM\n", EntryLine("Button_Gem", "diamond")},
        {"Button_Weapon", "keys dirk\n", EntryLine("Button_Weapon", " dirk")},
        // "human" holds the caret; the second h steps on to the next.
        {"Button_Fauna", "keys h\nkeys h\n", EntryLine("Button_Fauna", " hairy human")},
        // After a pause, typing starts afresh: "r", not "dr".
        {"Button_Gem", "keys d\nwait 1100\nkeys r\n", EntryLine("Button_Gem", "ruby")},
        // A blank after a pause starts nothing: "r", not " r".
        {"Button_Gem", "keys d\nwait 1100\nkeys  r\n", EntryLine("Button_Gem", "ruby")},
        // The lines as shown: a list sorted by name.
        {"Button_Gem", "press Label1\nkeys ruby\n",
         static_cast<int>(LineStartingWith(byName, "ruby", 0).value())},
        // Backspace is a keystroke: no pause before the "a" of "ka".
        {"Button_Weapon", "keys k\nwait 250\nkeys r\nwait 250\nkey Backspace\nwait 250\nkeys a\n",
         EntryLine("Button_Weapon", " katana")},
        // A caret key ends the typed text: "e" from the caret, not "ge".
        {"Button_Gem", "keys g\nkey Down\nkeys e\n", EntryLine("Button_Gem", "essonite")},
        // Letters typed on the list button just clicked go to the pane.
        {"Button_Gem", "keys ruby\n", EntryLine("Button_Gem", "ruby"), ""},
    };
    for (const Case& c : cases) {
        const DriverRun run = RunFine(std::string("seed 3\npress ") + c.list + "\n" + c.focus +
                                      "state\n" + c.keys + "selection\nstate\n");
        EXPECT_EQ(Prefixed(run, "selection ").at(0), CaretAtLine(c.line))
            << c.list << " " << c.keys;
        const auto states = StateBlocks(run);
        ASSERT_EQ(states.size(), 2u);
        EXPECT_EQ(states[0], states[1]) << c.keys;
    }
}

// Ctrl+F "light": Enter walks the places in order and round again, Shift+Enter
// and Shift+F3 back; Esc leaves the caret on the place for Enter to pick it,
// as a left press on that line would.
TEST(FindField, WalksThePlacesAndEnterThenPicksTheLineFound) {
    const std::vector<std::string>& pane = ListedPane("Button9_Enchant");
    int count = 0;
    for (const std::string& line : pane) {
        for (size_t at = 0; (at = line.find("ight", at)) != std::string::npos; ++at) {
            count += at > 0 && (line[at - 1] == 'l' || line[at - 1] == 'L');
        }
    }
    ASSERT_GT(count, 2);
    std::string script =
        "press Button9_Enchant\nstate\nfocus RichEdit1\nkey Ctrl+F\nkeys light\nfind\n";
    for (int k = 0; k < count; ++k) script += "key Return\nfind\n";
    script +=
        "key Shift+Return\nfind\nkey Escape\nkey F3\nkey Shift+F3\nkey F3\nfind\nfocused\nstate\n"
        "key Ctrl+F\nfind\nkey Escape\n";
    const DriverRun run = RunFine(script + "selection\nkey Return\nstate\n");
    std::vector<std::string> expected;
    const std::string m = " " + std::to_string(count);
    for (int k = 1; k <= count; ++k)
        expected.push_back("find shown |light| " + std::to_string(k) + m);
    expected.push_back("find shown |light| 1" + m);  // round again
    expected.push_back("find shown |light| " + std::to_string(count) + m);
    expected.push_back("find hidden |light| 1" + m);  // F3 with the field closed
    expected.push_back("find shown |light| 1" + m);   // reopened on the place found
    EXPECT_EQ(Prefixed(run, "find "), expected);
    EXPECT_EQ(Prefixed(run, "focused ").at(0), "focused RichEdit1");
    const auto states = StateBlocks(run);
    ASSERT_EQ(states.size(), 3u);
    EXPECT_EQ(states[0], states[1]);  // finding picked nothing
    // Enter picks the line found, as a left press on it.
    const int line = std::stoi(Prefixed(run, "selection ").at(0).substr(10)) / 125;
    const DriverRun pick =
        RunFine("press Button9_Enchant\npick " + std::to_string(line) + " 0\nstate\n");
    EXPECT_EQ(states[2], StateBlocks(pick).at(0));
    EXPECT_NE(states[2], states[0]);
}

// Enter ends the typed text: "b" puts Blur on, then "l" finds Light, not "bl".
TEST(TypeToJump, EnterEndsTheTypedText) {
    const DriverRun run = RunFine(
        "press Button9_Enchant\ncaret 0\nfocus RichEdit1\nkeys b\nkey Return\nkeys l\n"
        "key Return\nsheet\n");
    const std::vector<std::string> sheet = Block(run, "sheet");
    ASSERT_GE(sheet.size(), 4u);
    EXPECT_EQ(sheet[0].substr(0, 5), "Blur ");
    EXPECT_EQ(sheet[1].substr(0, 6), "Light ");
}

// Over a running making the field keeps its place as the report is redrawn
// week by week; Esc gives the focus back to the name box it came from.
TEST(FindField, HoldsItsPlaceOverAMakingAndGivesTheFocusBack) {
    const DriverRun run = RunFine("press Button9_Enchant\npick " +
                                  std::to_string(EntryLine("Button9_Enchant", "Blur")) + " 1\n" +
                                  "press Button_Make\ntick\nfocus Edit1\nkey Ctrl+F\nkeys o\n"
                                  "find\ntick 2\nfind\nkey Escape\nfocused\n");
    const std::vector<std::string> found = Prefixed(run, "find ");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].substr(0, 17), "find shown |o| 1 ");
    EXPECT_EQ(found[1].substr(0, 17), "find shown |o| 1 ");
    EXPECT_EQ(Prefixed(run, "focused ").at(0), "focused Edit1");
}

// A list command, Random, Make, the hoard field and a message below the pane
// close the field; a pick, a sort, F3 and the making's weeks leave it open.
TEST(FindField, ClosesForAListRandomMakeOrAnotherStripOnly) {
    const std::string closing[] = {"press Button_Gem",    "key Ctrl+H",
                                   "press Button_Random", "press Button_Make",
                                   "key Shift+Alt+R",     "focus RichEdit1\nkey Ctrl+V"};
    const std::string staying[] = {"pick 3 3", "press Label2", "key F3",
                                   "press Button_Make\nkey Ctrl+F\ntick"};
    const auto shown = [](const std::string& command) {
        return Prefixed(RunFine("setclipboard\npress Button9_Enchant\nkey Ctrl+F\nkeys light\n" +
                                command + "\nfind\n"),
                        "find shown ")
                   .size() == 1;
    };
    for (const std::string& command : closing) EXPECT_FALSE(shown(command)) << command;
    for (const std::string& command : staying) EXPECT_TRUE(shown(command)) << command;
}

// Text pasted into the field is one line, its line break a blank, and found.
TEST(FindField, APastedLineBreakBecomesABlank) {
    const DriverRun run = RunFine("setclipboard dagger\\n\nkey Ctrl+F\nkey Ctrl+V\nfind\n");
    const size_t daggers = FindInLines(ListedPane("Button_Weapon"), "dagger ").size();
    ASSERT_GT(daggers, 0u);
    EXPECT_EQ(Prefixed(run, "find "),
              std::vector<std::string>{"find shown |dagger | 1 " + std::to_string(daggers)});
}

}  // namespace
