// SPDX-License-Identifier: GPL-3.0-or-later
// Finding in every list with Ctrl+Shift+F, and copying a list as a table.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
    return text;
}

// The lines of every list that hold the text, each list's under its
// heading, then the count, as the lists themselves show them.
std::vector<std::string> FoundEverywhere(const std::string& text) {
    const std::pair<const char*, const char*> lists[] = {
        {"Button_Weapon", "Weapon list"},       {"Button_Equipment", "Equipment list"},
        {"Button_Scroll", "Scroll list"},       {"Button_Spell_Book", "Spell book list"},
        {"Button_Potion", "Potion list"},       {"Button_Gem", "Gem list"},
        {"Button_Jewelry", "Jewelry list"},     {"Button_Carpet", "Carpet list"},
        {"Button_Fauna", "Fauna list"},         {"Button_Job", "Job list"},
        {"Button9_Enchant", "Enchantment list"}};
    std::vector<std::string> found;
    size_t count = 0;
    for (const auto& [button, name] : lists) {
        bool headed = false;
        for (const std::string& line : ListedPane(button)) {
            if (Lower(line).find(Lower(text)) == std::string::npos) continue;
            if (!headed) found.push_back(name);
            headed = true;
            found.push_back(line);
            ++count;
        }
    }
    found.push_back(std::to_string(count) + (count == 1 ? " line found" : " lines found"));
    return found;
}

// Ctrl+Shift+F lists every line with the text under its list's heading, anew
// as the text changes; Enter goes to the first line found; Esc ends it.
TEST(FindInEveryList, ListsEveryLineWithTheTextUnderItsListsHeading) {
    const DriverRun run = RunFine(
        "key Ctrl+Shift+F\nkeys ruby\npane\nkey Return\nselection\naccessible RichEdit1\n"
        "key Backspace\nkey Backspace\nkey Backspace\nkey Backspace\nkeys FLIGHT\npane\nfind\n"
        "key Esc\nfind\n");
    const auto panes = Blocks(run, "pane");
    ASSERT_EQ(panes.size(), 2u);
    for (size_t k = 0; k < panes.size(); ++k) {
        const std::vector<std::string> expected = FoundEverywhere(k == 0 ? "ruby" : "flight");
        ASSERT_EQ(panes[k].size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(Unbar(panes[k][i]).rfind(expected[i], 0), 0u) << expected[i];
        }
    }
    EXPECT_EQ(Prefixed(run, "selection ").at(0), "selection 125 0 ||");
    EXPECT_EQ(Prefixed(run, "accessible ")
                  .at(0)
                  .rfind("accessible RichEdit1 editabletext |Found in every list| ", 0),
              0u);
    EXPECT_EQ(Prefixed(run, "find "),
              (std::vector<std::string>{"find shown |FLIGHT| 0 8", "find hidden |FLIGHT| 0 8"}));
}

// A found line picks what it picks in its own list, as one undo step; a
// heading picks nothing.
TEST(FindInEveryList, FoundLinesPickAsInTheirOwnList) {
    struct Case {
        const char* button;
        const char* entry;
        const char* text;
        int line;
    };
    const Case cases[] = {
        {"Button_Gem", "ruby", "ruby", 1},
        {"Button9_Enchant", "Blur", "blur", 0},
        {"Button_Weapon", " dirk", "dirk", 1},
    };
    for (const Case& c : cases) {
        const std::string own = std::string("press ") + c.button + "\npick " +
                                std::to_string(EntryLine(c.button, c.entry)) + " 3\nstate\n";
        const std::string found = std::string("state\nkey Ctrl+Shift+F\nkeys ") + c.text +
                                  "\nkey Esc\npick " + std::to_string(c.line) +
                                  " 3\nstate\nkey Ctrl+Z\nstate\n";
        const auto states = StateBlocks(RunFine(found));
        ASSERT_EQ(states.size(), 3u);
        EXPECT_EQ(states[0], states[2]) << c.text;
        EXPECT_EQ(states[1], c.line == 0 ? states[0] : StateBlocks(RunFine(own)).at(0)) << c.text;
    }
}

// Ctrl+A, Ctrl+C in a list: its plain text as before, and an HTML table with
// the list's captions over one row per entry; a selection copies its rows
// as shown.
TEST(CopyTable, CopiesTheListAsATableBesideItsText) {
    const DriverRun run = RunFine(
        "press Button_Gem\nlabels\nfocus RichEdit1\nkey Ctrl+A\nkey Ctrl+C\nclipboard\n"
        "clipboard html\npress Label2\npane\ndrag 1 0 3 0 ctrl\nkey Ctrl+C\nclipboard html\n");
    const std::vector<std::string>& gems = ListedPane("Button_Gem");
    std::vector<std::string> plain;
    for (const std::string& line : Block(run, "clipboard")) plain.push_back(Unbar(line));
    EXPECT_EQ(plain, gems);
    std::string captions;
    for (const std::string& label : Prefixed(run, "Label")) {
        const std::string caption = Unbar(label.substr(label.find('|')));
        if (std::stoi(label.substr(5)) <= 9 && !caption.empty())
            captions += "<th>" + caption + "</th>";
    }
    const auto tables = Blocks(run, "clipboard");
    ASSERT_EQ(tables.size(), 3u);
    const std::vector<std::string>& all = tables[1];
    ASSERT_EQ(all.size(), gems.size() + 5);
    EXPECT_EQ(Unbar(all[2]), "<tr>" + captions + "</tr>");
    EXPECT_EQ(Unbar(all[3]), "<tr><td>diamond</td><td>400</td><td>1</td><td>0.0002</td></tr>");
    const std::vector<std::string> sorted = Block(run, "pane");
    const std::vector<std::string>& two = tables[2];
    ASSERT_EQ(two.size(), 7u);
    for (int k : {1, 2}) {
        const std::string name = Unbar(sorted[static_cast<size_t>(k)]).substr(0, 32);
        EXPECT_EQ(Unbar(two[static_cast<size_t>(2 + k)]).substr(0, 8 + name.find(' ')),
                  "<tr><td>" + name.substr(0, name.find(' ')));
    }
}

}  // namespace
