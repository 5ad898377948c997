// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/every_list_search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"
#include "workshop/lists/list_sort.h"

namespace {

std::string Lower(std::string text) {
    for (char& c : text) c = c >= 'A' && c <= 'Z' ? char(c + 32) : c;
    return text;
}

// Every list's entries with a line that holds the text, ignoring case, each
// whole (its first line and every note), under the list's heading with their
// own picks, a note still the note of its entry; the count last. A single
// letter cannot span two cells of a line.
TEST(FindInEveryList, FindsEveryEntryOfEveryListWholeUnderItsHeading) {
    const std::vector<NamedListing> lists = EveryCatalogList(BuiltTable());
    const std::pair<std::string, size_t> cases[] = {
        {"e", 11}, {"RuBy", 1}, {"FLIGHT", 4}, {"adjdx 14", 1}, {"bow", 2}, {"zzz", 0}, {"", 0}};
    for (const auto& [text, listsFound] : cases) {
        const Listing found = FindInEveryList(lists, text);
        size_t at = 0, headings = 0;
        for (const NamedListing& list : lists) {
            const std::vector<ListRow>& rows = list.listing.rows;
            const auto entryOf = [&rows](size_t i) {
                return rows[i].kind == RowKind::Note ? rows[i].entry : i;
            };
            std::vector<bool> holds(rows.size(), false);
            for (size_t i = 0; i < rows.size() && !text.empty(); ++i) {
                if (Lower(list.listing.lines[i]).find(Lower(text)) != std::string::npos) {
                    holds[entryOf(i)] = true;
                }
            }
            std::vector<size_t> foundAt(rows.size(), 0);
            for (size_t i = 0; i < rows.size(); ++i) {
                if (!holds[entryOf(i)]) continue;
                if (std::count(foundAt.begin(), foundAt.end(), 0) == long(rows.size())) {
                    ++headings;
                    EXPECT_EQ(found.rows.at(at).kind, RowKind::Heading);
                    EXPECT_EQ(found.lines.at(at++).rfind(list.name, 0), 0u) << text;
                }
                const ListRow& row = found.rows.at(at);
                EXPECT_EQ(found.lines.at(at), list.listing.lines[i]);
                EXPECT_EQ(row.pick.index * 16 + row.pick.variant,
                          rows[i].pick.index * 16 + rows[i].pick.variant);
                EXPECT_EQ(row.kind, rows[i].kind) << found.lines[at];
                if (row.kind == RowKind::Note) {
                    EXPECT_EQ(row.entry, foundAt[rows[i].entry]);
                }
                foundAt[i] = at++;
            }
        }
        EXPECT_EQ(headings, listsFound) << text;
        const size_t count = at - headings;
        EXPECT_EQ(
            found.lines.at(at),
            Padded(std::to_string(count) + (count == 1 ? " line found" : " lines found"), 123));
        EXPECT_EQ(found.rows.size(), at + 1);
    }
    // Sorted by name, each list's lines sort within the list, under its
    // heading, the carpets' notes under them.
    const SortedListing sorted =
        SortListing(FindInEveryList(lists, "flight"), 0, SortOrder::Ascending);
    EXPECT_EQ(sorted.catalogLine,
              (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 7, 14}));
}

}  // namespace
