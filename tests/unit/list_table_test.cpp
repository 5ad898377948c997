// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/list_table.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/job.h"
#include "catalog/text_format.h"
#include "catalog/weapon_list.h"
#include "tests/support/catalog_checks.h"
#include "workshop/lists/analysis.h"
#include "workshop/lists/every_list_search.h"

namespace {

std::vector<std::string> HtmlLines(const std::string& html) {
    std::vector<std::string> lines;
    std::istringstream in(html);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A table row: "<th>" cells, or "<td>" cells with "#" before a number.
std::string Row(const char* tag, const std::vector<std::string>& cells) {
    std::string row = "<tr>";
    for (const std::string& cell : cells) {
        const std::string number = cell.substr(cell.rfind('#', 0) == 0 ? 1 : 0);
        row += cell.rfind('#', 0) != 0 ? std::string(tag) + cell
                                       : "<td sdval=\"" + number + "\" sdnum=\"1033;\">" + number;
        row += std::string(tag).insert(1, "/");
    }
    return row + "</tr>";
}

// The captions (stacked ones joined, none for a column no label heads) over
// one row per entry with a cell per column; figures as numbers whatever the
// separator, dice and other texts as shown, notes joined to their entry's
// cell, an entry once however many of its lines are copied.
TEST(ListTable, CaptionsThenARowPerEntryWithACellPerColumn) {
    textfmt::SetDecimalSeparator(',');
    const Listing gems = ListGems(BuiltTable()), weapons = ListWeapons(BuiltTable()),
                  equipment = ListEquipment(BuiltTable()), jobs = ListJobs(BuiltTable()),
                  fauna = ListFauna(BuiltTable()), analysis = Analyze(BuiltTable());
    textfmt::SetDecimalSeparator('.');
    for (const Listing* listing : {&gems, &fauna, &analysis, &weapons}) {
        const std::vector<std::string> html = HtmlLines(ListTableHtml(*listing));
        size_t entries = 0;
        for (const ListRow& row : listing->rows) entries += row.kind != RowKind::Note;
        EXPECT_EQ(html.size(), entries + 3);
    }
    struct Case {
        const Listing& listing;
        std::string entry;          // the line starting with it; the header when empty
        std::vector<size_t> lines;  // copied, counted from the entry's line
        std::vector<std::string> cells;
    };
    // clang-format off
    const Case cases[] = {
        {gems, "", {0}, {"Gem", "Cost", "Carats", "WT"}},
        {fauna, "", {0}, {"Floura Fauna", "Cost", "Hexes", "WT", "Stat Total", "Parts"}},
        {analysis, "", {0}, {"Magic Item", "Price", "Notes", "Weeks", "ST day", "", "", "cost/week"}},
        {gems, "ruby", {0}, {"ruby", "#400", "#1", "#0.0002"}},
        {weapons, "light crossbow", {1, 0, 1}, {"light crossbow", "2", "#12", "#50", "#2.5",
                                                "fires every other turn. every turn if adjDX 14+"}},
        {weapons, " dirk", {0}, {"dirk", "1-1", "#4", "#10", "#0.1", ""}},
        {equipment, "labyrinth kit", {0}, {"labyrinth kit", "#30", "#3", "small pouch, 10m rope, "
            "grapnel, collapsible 2m pole, flint &amp; steel, hammer, 5 spikes"}},
        {jobs, "hunter", {0}, {"hunter", "tracking bow", "#15", "3/16"}},
    };
    // clang-format on
    for (const Case& c : cases) {
        size_t entry = 0;
        while (!c.entry.empty() && c.listing.lines.at(entry).rfind(c.entry + " ", 0) != 0) ++entry;
        std::vector<size_t> rows;
        for (size_t line : c.lines) rows.push_back(entry + line);
        const std::vector<std::string> html = HtmlLines(ListTableHtml(c.listing, rows));
        ASSERT_EQ(html.size(), 4u) << c.entry;
        EXPECT_EQ(c.entry.empty() ? html[1] : html[2],
                  Row(c.entry.empty() ? "<th>" : "<td>", c.cells));
    }
}

// Rows from several lists: each list's name, then its own header row.
TEST(ListTable, GivesEachListOfFoundRowsItsHeaderRow) {
    const std::vector<NamedListing> lists = EveryCatalogList(BuiltTable());
    const std::vector<std::string> html =
        HtmlLines(ListTableHtml(FindInEveryList(lists, "flight")));
    ASSERT_EQ(html.size(), 2 + 2 * 4 + 8u);
    for (size_t at : {1, 4, 7, 10}) {
        const NamedListing& list = lists.at(at < 10 ? at / 3 + 2 : 10);
        EXPECT_EQ(html[at], Row("<th>", {list.name}));
        EXPECT_EQ(html[at + 1], HtmlLines(ListTableHtml(list.listing)).at(1));
    }
}

}  // namespace
