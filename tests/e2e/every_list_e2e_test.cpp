// SPDX-License-Identifier: GPL-3.0-or-later
// Finding in every list with Ctrl+Shift+F, and copying a list as a table.
#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

const std::string& Blanks() {
    static const std::string blanks(28, ' ');
    return blanks;
}

std::string Lower(std::string text) {
    for (char& c : text) c = c >= 'A' && c <= 'Z' ? char(c + 32) : c;
    return text;
}

// Every list's entries with a line that holds the text, whole (a note line
// starts with 28 blanks and belongs to the line above), under its heading,
// then the count.
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
        const std::vector<std::string>& lines = ListedPane(list[0]);
        for (size_t first = 0, end = 0; first < lines.size(); first = end) {
            bool holds = false;
            for (end = first;
                 end < lines.size() && (end == first || lines[end].rfind(Blanks(), 0) == 0);
                 ++end) {
                holds = holds || Lower(lines[end]).find(Lower(text)) != std::string::npos;
            }
            if (!holds) continue;
            if (found.size() == heading) found.push_back(list[1]);
            found.insert(found.end(), lines.begin() + long(first), lines.begin() + long(end));
            count += end - first;
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

// The lines found in every list: the field counts the same places open and
// closed, F3 never stops in a heading, a note copies as its entry's row, and
// Ctrl+2 sorts each list by its own second column (the weapons by damage,
// "-" last, each with its notes).
TEST(FindInEveryList, CountsCopiesAndSortsOnTheEntriesFound) {
    const DriverRun run = RunFine(
        "key Ctrl+Shift+F\nkeys bow\nfind\nkey Esc\nfind\nfocus RichEdit1\nkey Ctrl+A\n"
        "key Ctrl+C\nclipboard html\nkey Ctrl+2\npane\nkey Ctrl+Shift+F\nkey Ctrl+A\nkeys ST\n"
        "key Esc\ncaret 0\nkey F3\nselection\n");
    const auto finds = Prefixed(run, "find ");
    ASSERT_EQ(finds.size(), 2u);
    EXPECT_EQ(finds[0], "find shown |bow| 0 8");
    EXPECT_EQ(finds[1], "find hidden |bow| 0 8");
    std::string html;
    for (const std::string& line : Block(run, "clipboard")) html += Unbar(line) + "\n";
    EXPECT_NE(html.find("<tr><td>hunter</td><td>tracking bow</td>"), std::string::npos) << html;
    EXPECT_NE(html.find("<td>fires every other turn. every turn if adjDX 14+</td>"),
              std::string::npos);
    const std::vector<std::string> sorted = Block(run, "pane");
    const char* const byDamage[] = {
        "Weapon list", "heavy crossbow", "",          "light crossbow",   "",
        "long bow",    "horse bow",      "small bow", "crossbow quarrel", "cranequin",
        "Job list",    "hunter",         "",          "11 lines found"};
    ASSERT_EQ(sorted.size(), std::size(byDamage));
    for (size_t k = 0; k < sorted.size(); ++k) {
        std::string name = byDamage[k];
        name.resize(16, ' ');
        EXPECT_EQ(Unbar(sorted[k]).substr(0, 16), name) << k;
    }
    const std::string selection = Prefixed(run, "selection ").at(0);
    EXPECT_GE(std::stoi(selection.substr(10)), 125) << selection;
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
