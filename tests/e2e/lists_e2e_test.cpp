// SPDX-License-Identifier: GPL-3.0-or-later
// Every catalog list through the real buttons: line counts, widths, header
// labels, and where the view is left.
#include <gtest/gtest.h>

#include "tests/e2e/driver_run.h"

namespace {

struct ListCase {
    const char* button;
    size_t lines;                     // 0: not fixed by the list
    const char* firstLineStart;       // the first entry's name
    std::vector<std::string> labels;  // Label1..Label9 as the driver prints them
    bool returnsToTop;
};

std::vector<std::string> LabelLines(const DriverRun& run) {
    std::vector<std::string> labels;
    for (const std::string& line : run.out) {
        if (line.compare(0, 5, "Label") == 0 && labels.size() < 9) labels.push_back(line);
    }
    return labels;
}

std::vector<std::string> Labels(std::initializer_list<std::pair<int, const char*>> values) {
    std::vector<std::string> lines;
    int k = 0;
    for (const auto& [left, caption] : values) {
        ++k;
        const int top = (k == 5 || k == 7 || k == 9) ? 192 : 176;
        lines.push_back("Label" + std::to_string(k) + " " + std::to_string(left) + " " +
                        std::to_string(top) + " |" + caption + "|");
    }
    return lines;
}

const ListCase kLists[] = {
    {"Button_Weapon", 162, "dagger",
     Labels({{8, "Weapon"},
             {222, "damage"},
             {284, "ST"},
             {348, "Cost"},
             {348, ""},
             {402, "WT"},
             {402, ""},
             {468, "Notes"},
             {468, ""}}),
     true},
    {"Button_Equipment", 54, nullptr,
     Labels({{8, "Equipment"},
             {268, "Cost"},
             {330, "WT"},
             {386, "Notes"},
             {386, ""},
             {488, ""},
             {488, ""},
             {524, ""},
             {524, ""}}),
     true},
    {"Button_Scroll", 156, nullptr,
     Labels({{8, "Magic Scroll"},
             {278, "Cost"},
             {340, "WT"},
             {390, "IQ"},
             {390, ""},
             {440, ""},
             {440, ""},
             {580, ""},
             {580, ""}}),
     true},
    {"Button_Spell_Book", 156, nullptr,
     Labels({{8, "Spell Book"},
             {262, "Cost"},
             {324, "WT"},
             {384, "IQ"},
             {384, ""},
             {424, ""},
             {424, ""},
             {580, ""},
             {580, ""}}),
     true},
    {"Button_Potion", 40, "acute hearing",
     Labels({{8, "Potion"},
             {244, "Price"},
             {312, "WT"},
             {352, "Weeks"},
             {352, ""},
             {408, "Notes"},
             {408, ""},
             {466, ""},
             {466, ""}}),
     false},
    {"Button_Gem", 202, "diamond",
     Labels({{8, "Gem"},
             {350, "Cost"},
             {398, "Carats"},
             {464, "WT"},
             {464, ""},
             {536, ""},
             {536, ""},
             {582, ""},
             {582, ""}}),
     true},
    {"Button_Jewelry", 36, "anklet",
     Labels({{8, "Jewelry"},
             {350, "Cost"},
             {412, "WT"},
             {464, ""},
             {464, ""},
             {536, ""},
             {536, ""},
             {582, ""},
             {582, ""}}),
     true},
    {"Button_Carpet", 3, nullptr,
     Labels({{8, "Carpet"},
             {350, "Cost"},
             {412, "WT"},
             {464, ""},
             {464, ""},
             {536, ""},
             {536, ""},
             {582, ""},
             {582, ""}}),
     true},
    {"Button_Fauna", 360, "human",
     Labels({{8, "Floura Fauna"},
             {232, "Cost"},
             {276, "Hexes"},
             {344, "WT"},
             {344, ""},
             {394, "Stat"},
             {394, "Total"},
             {452, "Parts"},
             {452, ""}}),
     true},
    {"Button_Job", 164, "unskilled",
     Labels({{8, "Job"},
             {226, "Prerequisite"},
             {380, ""},
             {398, ""},
             {398, ""},
             {400, "Pay"},
             {400, ""},
             {530, "risk"},
             {530, ""}}),
     false},
    // The lists around the buttons: the analysis at the DX, a hoard, the
    // items made (none yet) and the lines found in every list.
    {"Button_Analyze shift", 127, "Staff",
     Labels({{8, "Magic Item"},
             {237, "Price"},
             {296, "Weeks"},
             {352, "9 in 10"},
             {352, "within"},
             {424, "Cost"},
             {424, ""},
             {472, "profit/"},
             {472, "week"}}),
     true},
    {"Button_Random shift\nkey Return", 0, nullptr,
     Labels({{8, "Treasure"},
             {359, "Value"},
             {421, "Weeks"},
             {483, "Magic"},
             {483, ""},
             {483, ""},
             {483, ""},
             {483, ""},
             {483, ""}}),
     true},
    {"Button_Job\nkey Ctrl+H", 1, "No item has been made",
     Labels({{8, "Item"},
             {168, "Base item"},
             {384, "Making cost"},
             {496, "Weeks"},
             {536, ""},
             {536, ""},
             {536, ""},
             {536, ""},
             {536, ""}}),
     true},
    {"Button_Job\nkey Ctrl+Shift+F\nkeys ruby", 3, "Gem list",
     Labels({{8, "Found in every list"},
             {8, ""},
             {8, ""},
             {8, ""},
             {8, ""},
             {8, ""},
             {8, ""},
             {8, ""},
             {8, ""}}),
     true},
    {"Button9_Enchant", 0, "Staff",
     Labels({{8, "Magic Item"},
             {237, "Price"},
             {288, "Notes"},
             {340, "Weeks"},
             {340, ""},
             {392, "ST"},
             {392, "day"},
             {442, "cost/week"},
             {442, "Ingredients"}}),
     true},
    {"Button_Analyze", 127, "Staff",
     Labels({{8, "Magic Item"},
             {237, "Price"},
             {288, "Notes"},
             {340, "Weeks"},
             {340, ""},
             {392, "ST"},
             {392, "day"},
             {442, "cost/"},
             {442, "week"}}),
     true},
};

TEST(Lists, EveryListThroughItsButton) {
    for (const ListCase& list : kLists) {
        SCOPED_TRACE(list.button);
        // Start from a caret further down, so a reset to the top shows.
        const DriverRun run = RunDriver(std::string("caret 380\npress ") + list.button +
                                        "\npane\nlabels\nselection\n");
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const std::vector<std::string> pane = Block(run, "pane");
        if (list.lines > 0) {
            ASSERT_EQ(pane.size(), list.lines);
        }
        ASSERT_FALSE(pane.empty());
        for (const std::string& line : pane) {
            EXPECT_EQ(line.size(), 123u) << line;
        }
        if (list.firstLineStart != nullptr) {
            const std::string start = list.firstLineStart;
            EXPECT_EQ(pane[0].substr(0, start.size() + 1), start + " ");
        }
        if (!list.labels.empty()) {
            EXPECT_EQ(LabelLines(run), list.labels);
        }

        std::string selection;
        for (const std::string& line : run.out) {
            if (line.compare(0, 10, "selection ") == 0) selection = line;
        }
        const size_t end = 125 * pane.size() - 2;  // after the last character
        EXPECT_EQ(selection, list.returnsToTop ? std::string("selection 0 0 ||")
                                               : "selection " + std::to_string(end) + " 0 ||");
    }
}

TEST(Lists, GoingBackToTheWeaponsGivesTheOpeningScreen) {
    const DriverRun opening = RunDriver("pane\nlabels\n");
    const DriverRun again =
        RunDriver("press Button_Fauna\npress Button_Job\npress Button_Weapon\npane\nlabels\n");
    ASSERT_EQ(again.exitCode, 0) << again.err;
    EXPECT_EQ(opening.out, again.out);
}

TEST(Lists, EnchantmentListEntriesAndAnalysis) {
    const DriverRun run = RunDriver("press Button9_Enchant\npane\npress Button_Analyze\npane\n");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::vector<std::string>> panes = Blocks(run, "pane");
    ASSERT_EQ(panes.size(), 2u);
    // Every magic item has one line in the enchantment list, followed by
    // its further notes, each starting with blanks.
    size_t entries = 0;
    for (const std::string& line : panes[0]) entries += line[0] != ' ';
    EXPECT_EQ(entries, 127u);
    // The analysis has the same first columns as the enchantment list.
    ASSERT_EQ(panes[1].size(), 127u);
    size_t k = 0;
    for (const std::string& line : panes[0]) {
        if (line[0] == ' ') continue;
        EXPECT_EQ(panes[1][k].substr(0, 63), line.substr(0, 63)) << line;
        ++k;
    }
}

}  // namespace
