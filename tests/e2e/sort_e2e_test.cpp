// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting the list on show by a column: a press on its header label or
// Ctrl+1 to Ctrl+9 in the pane; picks, copying, finding and typing work on
// the shown order.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/job.h"
#include "tests/e2e/e2e_helpers.h"
#include "tests/support/catalog_checks.h"
#include "workshop/lists/analysis.h"
#include "workshop/lists/line_search.h"
#include "workshop/lists/list_sort.h"

namespace {

constexpr SortOrder kUp = SortOrder::Ascending, kDown = SortOrder::Descending;

// Each step's pane is the list in that order, the header says so to a
// screen reader, and every label keeps its caption and place.
TEST(SortByHeader, PressesAndKeysSortReverseAndRestoreTheList) {
    struct Case {
        const char* button;
        Listing (*list)(const CatalogTable&);
        int header;
        std::vector<std::pair<std::string, SortOrder>> steps;
    };
    const Case cases[] = {
        // The stacked label under "cost/" heads the same column: it reverses.
        {"Button_Analyze",
         Analyze,
         7,
         {{"press Label8", kDown}, {"press Label9", kUp}, {"press Label8", SortOrder::Catalog}}},
        {"Button_Gem", ListGems, 1, {{"press Label2", kDown}, {"press Button_Gem", {}}}},
        {"Button_Fauna", ListFauna, 0, {{"press Label1", kUp}, {"key Ctrl+1", kDown}}},
        {"Button_Job", ListJobs, 5, {{"key Ctrl+3", kDown}}},  // the third column: Pay
    };
    for (const Case& c : cases) {
        const std::string label = "Label" + std::to_string(c.header + 1);
        std::string script = std::string("press ") + c.button + "\nfocus RichEdit1\nlabels\n";
        for (const auto& step : c.steps)
            script += step.first + "\npane\naccessible " + label + "\n";
        const DriverRun run = RunFine(script + "labels\n");
        const Listing listing = c.list(BuiltTable());
        const auto panes = Blocks(run, "pane");
        const auto said = Prefixed(run, "accessible ");
        ASSERT_EQ(panes.size(), c.steps.size());
        for (size_t k = 0; k < panes.size(); ++k) {
            const SortedListing sorted = SortListing(listing, c.header, c.steps[k].second);
            EXPECT_EQ(panes[k], sorted.lines) << c.button << " " << k;
            EXPECT_EQ(said.at(k), "accessible " + label + " columnheader |" +
                                      listing.Header()[c.header].caption + "| |" + sorted.state +
                                      "| -");
        }
        const auto labels = Prefixed(run, "Label");
        EXPECT_TRUE(std::equal(labels.begin(), labels.begin() + 13, labels.begin() + 13));
    }
}

// A press or Enter on a sorted line gives the state and selection that a
// press on the same entry in catalog order gives; Ctrl+A, Ctrl+C copy the
// sorted lines.
TEST(SortByHeader, APickOnASortedLinePicksItsEntry) {
    struct Case {
        const char* button;
        const char* sort;
        int line;
        const char* pick;  // after "pick LINE"; none: Enter on the line
    };
    const Case cases[] = {
        {"Button_Fauna", "press Label6", 3, " 5 right"},  // a variant, by Stat Total
        {"Button_Analyze", "press Label8", 0, " 2"},
        {"Button_Weapon", "press Label2", 4, " 0 middle"},
        {"Button_Gem", "key Ctrl+2", 2, nullptr},
    };
    for (const Case& c : cases) {
        const auto pick = [&c](long line) {
            return (c.pick ? "pick " + std::to_string(line) + c.pick
                           : "caret " + std::to_string(125 * line + 4) + "\nkey Return") +
                   "\nstate\nselection\n";
        };
        const std::string list = std::string("press ") + c.button + "\nfocus RichEdit1\n";
        const DriverRun sorted = RunFine(list + c.sort + "\n" + pick(c.line) +
                                         "pane\nkey Ctrl+A\nkey Ctrl+C\nclipboard\n");
        const std::vector<std::string> pane = Block(sorted, "pane");
        const std::vector<std::string>& listed = ListedPane(c.button);
        const long at = std::find(listed.begin(), listed.end(), pane.at(c.line)) - listed.begin();
        const DriverRun plain = RunFine(list + pick(at));
        EXPECT_EQ(StateBlocks(sorted), StateBlocks(plain)) << c.button;
        EXPECT_EQ(Unbar(Prefixed(sorted, "selection ").at(0)),
                  Unbar(Prefixed(plain, "selection ").at(0)));
        EXPECT_EQ(Block(sorted, "clipboard"), pane);
    }
}

// Typing and the find field go through the lines in the order shown; a
// week's redraw of a making takes the pane back, with the report's headers,
// and ends the sort.
TEST(SortByHeader, TypingFindingAndAMakingFollowThePane) {
    const DriverRun run = RunFine(
        "press Button_Gem\npress Label2\nfocus RichEdit1\nkeys e\nselection\nkey Ctrl+Home\n"
        "key Ctrl+F\nkeys ruby\nkey Escape\nselection\npane\npress Button9_Enchant\npick " +
        std::to_string(EntryLine("Button9_Enchant", "Blur")) +
        " 1\npress Button_Make\nlabels\npress Button9_Enchant\npress Label2\naccessible Label2\n"
        "tick\nlabels\naccessible Label2\npane\npress Label2\npane\n");
    const std::vector<std::string> gems = Block(run, "pane");
    const auto at = [](size_t line) { return "selection " + std::to_string(125 * line) + " "; };
    const auto selections = Prefixed(run, "selection ");
    EXPECT_EQ(selections.at(0).rfind(at(LineStartingWith(gems, "e", 0).value()), 0), 0u);
    EXPECT_EQ(selections.at(1).rfind(at(FindInLines(gems, "ruby").at(0).line), 0), 0u);
    const auto said = Prefixed(run, "accessible ");
    EXPECT_EQ(said, (std::vector<std::string>{
                        "accessible Label2 columnheader |Price| |sorted by Price, largest first| -",
                        "accessible Label2 columnheader || || -"}));
    const auto labels = Prefixed(run, "Label");
    ASSERT_EQ(labels.size(), 26u);
    EXPECT_EQ(std::vector<std::string>(labels.begin(), labels.begin() + 13),
              std::vector<std::string>(labels.begin() + 13, labels.end()));
    const auto panes = Blocks(run, "pane");
    EXPECT_EQ(panes.at(1), panes.at(2));  // the report is no list to sort
}

}  // namespace
