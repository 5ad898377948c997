// SPDX-License-Identifier: GPL-3.0-or-later
// The analysis at the DX: Shift with Analyze lists it, a header sorts it, the
// spinner re-lists it, and a pick on it picks as the analysis does.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"
#include "tests/support/catalog_checks.h"
#include "workshop/lists/analysis.h"
#include "workshop/lists/analysis_at_dx.h"
#include "workshop/lists/list_sort.h"

namespace {

SortedListing ByProfit(int32_t dx) {
    return SortListing(ListAnalysisAtDX(BuiltTable(), AnalysisAtDXRows(BuiltTable(), dx)), 7,
                       SortOrder::Descending);
}

// At DX 11, sorted by its profit per week; a step up re-lists it at DX 12 in
// the same sort, the caret on the same item; a pick there picks as on the
// analysis, which is as it was.
TEST(AnalysisAtDX, ListsSortsFollowsTheSpinnerAndPicksAsTheAnalysis) {
    const SortedListing at11 = ByProfit(11), at12 = ByProfit(12);
    const size_t item = at11.catalogLine[3];  // the caret's, on the fourth line
    const auto line =
        std::to_string(std::find(at12.catalogLine.begin(), at12.catalogLine.end(), item) -
                       at12.catalogLine.begin());
    const DriverRun run = RunFine(
        "down\npress Button_Analyze shift\npane\naccessible RichEdit1\npress Label8\npane\n"
        "accessible Label9\ncaret 380\nup\npane\nselection\naccessible RichEdit1\npick " +
        line + " 2\nstate\npress Button_Analyze\npane\nkey Shift+Alt+A\naccessible RichEdit1\n");
    const auto panes = Blocks(run, "pane");
    ASSERT_EQ(panes.size(), 4u);
    EXPECT_EQ(panes[0], ListAnalysisAtDX(BuiltTable(), AnalysisAtDXRows(BuiltTable(), 11)).lines);
    for (const std::string& l : panes[0]) EXPECT_EQ(l.size(), 123u);
    EXPECT_EQ(panes[1], at11.lines);
    EXPECT_EQ(panes[2], at12.lines);
    EXPECT_EQ(panes[3], Analyze(BuiltTable()).lines);
    EXPECT_EQ(Prefixed(run, "selection ").at(0),
              "selection " + std::to_string(125 * std::stoi(line) + 5) + " 0 ||");
    const auto said = Prefixed(run, "accessible ");
    ASSERT_EQ(said.size(), 4u);
    EXPECT_EQ(said[0].rfind("accessible RichEdit1 editabletext |Analysis at DX 11|", 0), 0u);
    EXPECT_EQ(said[1],
              "accessible Label9 columnheader |week| |sorted by profit per week, largest first| -");
    EXPECT_EQ(said[2].rfind("accessible RichEdit1 editabletext |Analysis at DX 12|", 0), 0u);
    EXPECT_EQ(said[3], said[2]);  // Shift+Alt+A
    const DriverRun plain =
        RunFine("press Button_Analyze\npick " + std::to_string(item) + " 2\nstate\n");
    EXPECT_EQ(StateBlocks(run), StateBlocks(plain));
}

// Money as the Make button's forecast words it: whole dollars, three
// significant figures from $1,000 on, grouped with commas.
std::string ThreeFigures(double dollars) {
    double step = 1;
    while (dollars >= 1000 * step) step *= 10;
    std::string digits = std::to_string(std::llround(std::round(dollars / step) * step));
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, ",");
    return "$" + digits;
}

// Items begun from a material (a carpet, a crystal sphere, a gem): a pick on
// the line at DX 12 gives a bench whose forecast is the line's weeks, "9 in
// 10 within" and money.
TEST(AnalysisAtDX, APickGivesTheBenchTheLineForecasts) {
    for (const int item : {79, 101, 62}) {
        const auto line = std::to_string(item);
        const DriverRun run = RunFine("decimal .\npress Button_Analyze shift\npane\npick " + line +
                                      " 2\ntooltip Button_Make\n");
        const std::string shown = Blocks(run, "pane").at(0).at(static_cast<size_t>(item));
        std::istringstream words(shown.substr(34));
        std::string weeks, within;
        double money = 0;
        words >> weeks >> within >> money;
        if (weeks.size() > 2 && weeks.compare(weeks.size() - 2, 2, ".0") == 0)
            weeks.resize(weeks.size() - 2);
        std::string tip;
        const auto tips = Blocks(run, "tooltip");
        for (const std::string& said : tips.at(0)) tip += said + " ";
        const std::string expect = "Expect " + weeks + " weeks (9 in 10 within " + within +
                                   ") and " + ThreeFigures(money) + " ";
        EXPECT_NE(tip.find(expect), std::string::npos) << shown << "\n" << tip;
    }
}

}  // namespace
