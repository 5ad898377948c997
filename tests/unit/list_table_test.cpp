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

// A header row of the list's captions (stacked ones joined, none for a
// column no label heads), then a row per entry with a cell per column.
TEST(ListTable, HasTheCaptionsThenARowPerEntryWithACellPerColumn) {
    const std::pair<Listing, std::string> cases[] = {
        {ListGems(BuiltTable()), "Gem</th><th>Cost</th><th>Carats</th><th>WT"},
        {ListFauna(BuiltTable()),
         "Floura Fauna</th><th>Cost</th><th>Hexes</th><th>WT</th><th>"
         "Stat Total</th><th>Parts"},
        {Analyze(BuiltTable()),
         "Magic Item</th><th>Price</th><th>Notes</th><th>Weeks</th><th>"
         "ST day</th><th></th><th></th><th>cost/week"},
    };
    for (const auto& [listing, captions] : cases) {
        const std::vector<std::string> html = HtmlLines(ListTableHtml(listing));
        ASSERT_GE(html.size(), 3u);
        EXPECT_EQ(html[1], "<tr><th>" + captions + "</th></tr>");
        size_t entries = 0;
        for (const ListRow& row : listing.rows) entries += row.kind != RowKind::Note;
        EXPECT_EQ(html.size(), entries + 3) << captions;
        std::string cells;
        for (size_t c = 0; c < listing.form->columns.size(); ++c) cells += "<td>";
        for (size_t i = 2; i + 1 < html.size(); ++i) {
            std::string found;
            for (size_t at = html[i].find("<td>"); at != std::string::npos;
                 at = html[i].find("<td>", at + 1))
                found += "<td>";
            EXPECT_EQ(found, cells) << html[i];
        }
    }
}

// Figures as numbers whatever the separator, dice and other texts as shown,
// notes joined to their entry's cell, an entry once however many of its lines.
TEST(ListTable, WritesFiguresAsNumbersAndJoinsNotes) {
    textfmt::SetDecimalSeparator(',');
    const Listing gems = ListGems(BuiltTable()), weapons = ListWeapons(BuiltTable()),
                  equipment = ListEquipment(BuiltTable()), jobs = ListJobs(BuiltTable());
    textfmt::SetDecimalSeparator('.');
    struct Case {
        const Listing& listing;
        std::string entry;
        std::vector<size_t> lines;  // from the entry's line
        std::string row;
    };
    const Case cases[] = {
        {gems, "ruby", {0}, "ruby</td><td>400</td><td>1</td><td>0.0002"},
        {weapons,
         "light crossbow",
         {1, 0, 1},
         "light crossbow</td><td>2</td><td>12</td><td>50</td><td>2.5</td><td>"
         "fires every other turn. every turn if adjDX 14+"},
        {weapons, " dirk", {0}, "dirk</td><td>1-1</td><td>4</td><td>10</td><td>0.1</td><td>"},
        {equipment,
         "labyrinth kit",
         {0},
         "labyrinth kit</td><td>30</td><td>3</td><td>small pouch, 10m rope, grapnel, "
         "collapsible 2m pole, flint &amp; steel, hammer, 5 spikes"},
        {jobs, "hunter", {0}, "hunter</td><td>tracking bow</td><td>15</td><td>3/16"},
    };
    for (const Case& c : cases) {
        size_t entry = 0;
        while (c.listing.lines.at(entry).rfind(c.entry + " ", 0) != 0) ++entry;
        std::vector<size_t> rows;
        for (size_t line : c.lines) rows.push_back(entry + line);
        const std::vector<std::string> html = HtmlLines(ListTableHtml(c.listing, rows));
        ASSERT_EQ(html.size(), 4u) << c.entry;
        EXPECT_EQ(html[2], "<tr><td>" + c.row + "</td></tr>");
    }
}

// Rows from several lists: each list's name, then its own header row.
TEST(ListTable, GivesEachListOfFoundRowsItsHeaderRow) {
    const std::vector<NamedListing> lists = EveryCatalogList(BuiltTable());
    const std::vector<std::string> html =
        HtmlLines(ListTableHtml(FindInEveryList(lists, "flight")));
    std::vector<std::string> headings;
    for (size_t i = 0; i + 1 < html.size(); ++i) {
        for (const NamedListing& list : lists) {
            if (html[i] != "<tr><th>" + std::string(list.name) + "</th></tr>") continue;
            headings.push_back(list.name);
            EXPECT_EQ(html[i + 1], HtmlLines(ListTableHtml(list.listing)).at(1));
        }
    }
    EXPECT_EQ(headings, (std::vector<std::string>{"Scroll list", "Spell book list", "Potion list",
                                                  "Enchantment list"}));
    EXPECT_EQ(html.size(), 2 + 2 * headings.size() + 8u);
}

}  // namespace
