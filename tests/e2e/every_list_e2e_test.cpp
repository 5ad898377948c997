// SPDX-License-Identifier: GPL-3.0-or-later
// Finding in every list with Ctrl+Shift+F, and copying a list as a table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = c >= 'A' && c <= 'Z' ? char(c + 32) : c;
    return text;
}

// Every list's lines that hold the text, under its heading, then the count.
std::vector<std::string> FoundEverywhere(const std::string& text) {
    // clang-format off
    const char* const lists[][2] = {
        {"Button_Weapon", "Weapon list"}, {"Button_Equipment", "Equipment list"}, {"Button_Scroll", "Scroll list"},
        {"Button_Spell_Book", "Spell book list"}, {"Button_Potion", "Potion list"}, {"Button_Gem", "Gem list"},
        {"Button_Jewelry", "Jewelry list"}, {"Button_Carpet", "Carpet list"}, {"Button_Fauna", "Fauna list"},
        {"Button_Job", "Job list"}, {"Button9_Enchant", "Enchantment list"}};
    // clang-format on
    std::vector<std::string> found;
    size_t count = 0;
    for (const auto& list : lists) {
        const size_t heading = found.size();
        for (const std::string& line : ListedPane(list[0])) {
            if (Lower(line).find(Lower(text)) == std::string::npos) continue;
            if (found.size() == heading) found.push_back(list[1]);
            found.push_back(line);
            ++count;
        }
    }
    found.push_back(std::to_string(count) + (count == 1 ? " line found" : " lines found"));
    return found;
}

// Ctrl+Shift+F lists every line with the text under its list's heading, anew
// as the text changes; Enter goes to the first line found; Esc ends it and
// Enter then picks the line as its own list does, one undo step.
TEST(FindInEveryList, ListsTheLinesFoundWhichPickAsInTheirOwnList) {
    const DriverRun run = RunFine(
        "state\nkey Ctrl+Shift+F\nkeys ruby\npane\nkey Return\nselection\naccessible RichEdit1\n"
        "key Esc\nfind\nkey Return\nstate\nkey Ctrl+Z\nstate\nkey Ctrl+Shift+F\nkeys "
        "FLIGHT\npane\n");
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
    EXPECT_EQ(Prefixed(run, "accessible ").at(0).find("|Found in every list|"), 34u);
    EXPECT_EQ(Prefixed(run, "find ").at(0), "find hidden |ruby| 1 1");
    const auto states = StateBlocks(run);
    const std::string gem =
        "press Button_Gem\npick " + std::to_string(EntryLine("Button_Gem", "ruby")) + " 3\nstate\n";
    ASSERT_EQ(states.size(), 3u);
    EXPECT_EQ(states[1], StateBlocks(RunFine(gem)).at(0));
    EXPECT_EQ(states[2], states[0]);
}

// Ctrl+A, Ctrl+C in a list: its plain text as before, and an HTML table with
// the list's captions over one row per entry; a selection copies the rows of
// its lines as shown.
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
    ASSERT_EQ(tables[1].size(), gems.size() + 5);
    EXPECT_EQ(Unbar(tables[1][2]), "<tr>" + captions + "</tr>");
    EXPECT_EQ(Unbar(tables[1][3]).rfind("<tr><td>diamond</td><td sdval=\"400\"", 0), 0u);
    // Sorted by cost: the second and third lines shown.
    const std::vector<std::string> sorted = Block(run, "pane");
    ASSERT_EQ(tables[2].size(), 7u);
    for (size_t k : {1, 2}) {
        const std::string name = Unbar(sorted[k]).substr(0, Unbar(sorted[k]).find("  "));
        EXPECT_EQ(Unbar(tables[2][2 + k]).rfind("<tr><td>" + name + "</td>", 0), 0u) << name;
    }
}

}  // namespace
