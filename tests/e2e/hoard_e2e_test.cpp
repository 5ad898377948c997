// SPDX-License-Identifier: GPL-3.0-or-later
// A hoard rolled with Shift and Random: the rolls of Random listed and summed,
// its lines picked by their place, its count held to 1 to 1,000.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

const char* const kRollHoard =
    "seed 5\nstate\npress Button_Random shift\nkeys 25\nkey Return\nstate\n";

// The dollars a text shows after its first '$' ("$4,870" in "... worth $4,870 of ...").
double Dollars(const std::string& text) {
    std::string figure;
    for (size_t at = text.find('$') + 1; at < text.size() && text[at] != ' '; ++at)
        if (text[at] != ',') figure += text[at];
    return std::stod(figure);
}

std::vector<std::string> Words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;) words.push_back(word);
    return words;
}

// The hoard is the 25 items 25 presses of Random give, each with its sheet's
// total, and its sum; a pick on the 7th item's note line, or Enter on its
// own line, puts that roll on the bench, the sum line picks nothing, and
// Ctrl+Z takes the pick back.
TEST(Hoard, ListsTheRollsOfRandomAndPutsAPickedOneOnTheBench) {
    const DriverRun hoard = RunFine(std::string(kRollHoard) + "labels\npane\n");
    std::string presses = "seed 5\n";
    for (int n = 0; n < 25; ++n) presses += "press Button_Random\nsheet\nstate\n";
    const DriverRun random = RunFine(presses);
    const auto sheets = Blocks(random, "sheet");
    const auto rolls = StateBlocks(random);
    const std::vector<std::string> pane = Block(hoard, "pane");
    ASSERT_EQ(sheets.size(), 25u);
    EXPECT_EQ(Prefixed(hoard, "Label1 ")[0], "Label1 8 176 |Treasure|");
    std::vector<int> itemLines;
    double sum = 0;
    for (size_t k = 0; k + 1 < pane.size(); ++k) {
        if (pane[k][0] == ' ') continue;  // a note line
        ASSERT_LT(itemLines.size(), sheets.size());
        const std::vector<std::string>& sheet = sheets[itemLines.size()];
        itemLines.push_back(static_cast<int>(k));
        const std::vector<std::string> total = Words(sheet.back());  // Total, value, weeks
        EXPECT_EQ(Words(pane[k].substr(36, 22)),
                  std::vector<std::string>(total.begin() + 1, total.end()));
        const std::string name = pane[k].substr(0, pane[k].find_last_not_of(' ', 35) + 1);
        EXPECT_EQ(sheet[0].compare(0, name.size(), name), 0) << sheet[0];
        sum += std::stod(total[1]);
    }
    ASSERT_EQ(itemLines.size(), 25u);
    EXPECT_EQ(pane.back().substr(0, 16), "Total: 25 items ");
    EXPECT_NEAR(std::stod(pane.back().substr(36, 14)), sum, 0.005);

    const int seventh = itemLines[6];
    const int note = pane[seventh + 1][0] == ' ' ? seventh + 1 : seventh;
    const DriverRun picks = RunFine(std::string(kRollHoard) + "pick " + std::to_string(note) +
                                    " 70\nstate\npick " + std::to_string(pane.size() - 1) +
                                    " 3\nstate\nfocus RichEdit1\nkey Ctrl+Z\nstate\ncaret " +
                                    std::to_string(125 * seventh) + "\nkey Return\nstate\npane\n");
    const auto states = StateBlocks(picks);
    ASSERT_EQ(states.size(), 6u);
    EXPECT_EQ(states[1], states[0]);  // rolling leaves the bench alone
    EXPECT_EQ(states[2], rolls[6]);
    EXPECT_EQ(states[3], states[2]);  // the sum line
    EXPECT_EQ(states[4], states[0]);  // Ctrl+Z
    EXPECT_EQ(states[5], rolls[6]);
    EXPECT_EQ(Block(picks, "pane"), pane);  // the hoard stays on show
}

// Counts outside 1 to 1,000, or no number, roll nothing and leave the field
// open for the next; the count rolled last is offered again, and the field
// takes the find field's place.
TEST(Hoard, TheFieldRollsOneToAThousandItemsAndRefusesTheRest) {
    const struct {
        const char* typed;
        const char* sum;  // nullptr: refused
    } rows[] = {{"0", nullptr},   {"1001", nullptr}, {"abc", nullptr}, {"-3", nullptr},
                {"1000", "1000"}, {"12a", nullptr},  {"1", "1 item"},  {" ", nullptr}};
    std::string script = "seed 5\nstate\npress Button_Random shift\n";
    for (const auto& row : rows)
        script += std::string("keys ") + row.typed + "\nkey Return\npane\n";
    const DriverRun run = RunFine(script +
                                  "key Esc\nkey Ctrl+F\nkeys x\npress Button_Random shift\nfind\n"
                                  "key Return\npane\nstate\n");
    const auto panes = Blocks(run, "pane");
    ASSERT_EQ(panes.size(), std::size(rows) + 1);
    std::vector<std::string> shown = ListedPane("Button_Weapon");
    for (size_t k = 0; k < std::size(rows); ++k) {
        if (rows[k].sum == nullptr) {
            EXPECT_EQ(panes[k], shown) << rows[k].typed;
            continue;
        }
        shown = panes[k];
        EXPECT_EQ(shown.back().find(std::string("Total: ") + rows[k].sum), 0u) << shown.back();
    }
    EXPECT_EQ(Prefixed(run, "find ")[0].find("find hidden |x| "), 0u);
    EXPECT_EQ(panes.back().back().find("Total: 1 item "), 0u);
    EXPECT_EQ(StateBlocks(run).front(), StateBlocks(run).back());
}

// "$5000" lists a hoard whose item values add up to its sum line, within the
// worth; a worth that is none, or beyond $1 to $10,000,000, rolls nothing.
TEST(Hoard, RolledToAWorthStaysWithinItAndABadWorthRollsNothing) {
    const DriverRun run = RunFine(
        "seed 5\nstate\npress Button_Random shift\nkeys $5000\nkey Return\npane\n"
        "keys $0.50\nkey Return\npane\nkeys $10,000,001\nkey Return\npane\n"
        "keys 5000$$\nkey Return\npane\nstate\n");
    const auto panes = Blocks(run, "pane");
    ASSERT_EQ(panes.size(), 4u);
    const std::vector<std::string>& hoard = panes[0];
    double sum = 0;
    size_t items = 0;
    for (size_t k = 0; k + 1 < hoard.size(); ++k) {
        if (hoard[k][0] != ' ') sum += std::stod(hoard[k].substr(36, 14)), ++items;
    }
    const std::string& total = hoard.back();
    EXPECT_EQ(total.rfind(std::to_string(items) + " items worth $", 0), 0u) << total;
    EXPECT_NE(total.find(" of $5,000  "), std::string::npos) << total;
    EXPECT_NEAR(Dollars(total), sum, 0.005);
    EXPECT_LE(sum, 5000);
    EXPECT_GE(sum, 4500);
    for (size_t k = 1; k < panes.size(); ++k) EXPECT_EQ(panes[k], hoard);
    EXPECT_EQ(StateBlocks(run).front(), StateBlocks(run).back());
}

// Shift+Alt+S with 3 lists the hoard's items as three shares whose headings
// add up to the hoard's total; a pick in a share puts its item on the bench
// as a pick in the hoard does; counts outside 2 to 12 share nothing; copied,
// the table has a Share column.
TEST(Hoard, SharedAmongThreeUnderHeadingsThatAddUpToTheHoard) {
    const std::string roll = "seed 5\npress Button_Random shift\nkeys 12\nkey Return\n";
    const std::string share = roll + "pane\nkey Shift+Alt+S\nkeys 3\nkey Return\npane\n";
    const DriverRun run = RunFine(share + "keys 13\nkey Return\nkeys 1\nkey Return\npane\n" +
                                  "key Esc\nkey Ctrl+A\nkey Ctrl+C\nclipboard html\n");
    const auto panes = Blocks(run, "pane");
    ASSERT_EQ(panes.size(), 3u);
    const std::vector<std::string>& hoard = panes[0];
    const std::vector<std::string>& shares = panes[1];
    EXPECT_EQ(panes[2], shares);
    double headings = 0;
    int count = 0;
    int line = -1;  // of the first item in the second share
    for (size_t k = 0; k + 1 < shares.size(); ++k) {
        if (shares[k].rfind("Share ", 0) == 0) {
            EXPECT_EQ(shares[k].rfind("Share " + std::to_string(++count) + ": $", 0), 0u);
            headings += Dollars(shares[k]);
            if (count == 2) line = static_cast<int>(k + 1);
        } else {
            EXPECT_NE(std::find(hoard.begin(), hoard.end(), shares[k]), hoard.end()) << shares[k];
        }
    }
    EXPECT_EQ(count, 3);
    EXPECT_EQ(shares.size(), hoard.size() + 3);
    EXPECT_NEAR(headings, std::stod(hoard.back().substr(36, 14)), 0.005);
    EXPECT_EQ(shares.back().rfind("Richest share $", 0), 0u);
    const auto html = Block(run, "clipboard");
    ASSERT_GT(html.size(), 3u);
    EXPECT_EQ(html[2].rfind("<tr><th>Share</th><th>Treasure</th>", 0), 0u) << html[2];

    const int inHoard = static_cast<int>(
        std::find(hoard.begin(), hoard.end(), shares.at(static_cast<size_t>(line))) -
        hoard.begin());
    const auto fromShare =
        StateBlocks(RunFine(share + "pick " + std::to_string(line) + " 3\nstate\n"));
    const auto fromHoard =
        StateBlocks(RunFine(roll + "pick " + std::to_string(inHoard) + " 3\nstate\n"));
    ASSERT_EQ(fromShare.size(), 1u);
    EXPECT_EQ(fromShare, fromHoard);
}

}  // namespace
