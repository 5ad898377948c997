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
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
    return text;
}

// Every list's lines that hold the text, ignoring case, in list order under
// the list's heading, with their own picks; a note found alone stands as an
// entry; the count last. Single letters cannot span two cells of a line.
TEST(FindInEveryList, FindsEveryLineOfEveryListUnderItsHeading) {
    const std::vector<NamedListing> lists = EveryCatalogList(BuiltTable());
    struct Case {
        std::string text;
        size_t listsFound;
    };
    const Case cases[] = {{"e", 11}, {"RuBy", 1}, {"FLIGHT", 4}, {"adjdx", 1}, {"zzz", 0}, {"", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const Listing found = FindInEveryList(lists, c.text);
        ASSERT_EQ(found.lines.size(), found.rows.size());
        EXPECT_EQ(found.shown, ShownList::EveryList);
        size_t at = 0, sections = 0;
        for (const NamedListing& list : lists) {
            const Listing& listing = list.listing;
            std::vector<size_t> foundAt(listing.rows.size(), found.rows.size());
            for (size_t i = 0; i < listing.rows.size(); ++i) {
                if (c.text.empty() ||
                    Lower(listing.lines[i]).find(Lower(c.text)) == std::string::npos)
                    continue;
                if (std::none_of(foundAt.begin(), foundAt.end(),
                                 [&](size_t f) { return f < found.rows.size(); })) {
                    ++sections;
                    ASSERT_LT(at, found.rows.size());
                    EXPECT_EQ(found.rows[at].kind, RowKind::Heading);
                    EXPECT_EQ(found.lines[at++].rfind(list.name, 0), 0u) << list.name;
                }
                ASSERT_LT(at, found.rows.size());
                const ListRow& row = found.rows[at];
                EXPECT_EQ(found.lines[at], listing.lines[i]);
                EXPECT_EQ(row.pick.kind, listing.rows[i].pick.kind);
                EXPECT_EQ(row.pick.index, listing.rows[i].pick.index);
                EXPECT_EQ(row.pick.variant, listing.rows[i].pick.variant);
                const bool withEntry = listing.rows[i].kind == RowKind::Note &&
                                       foundAt[listing.rows[i].entry] < found.rows.size();
                EXPECT_EQ(row.kind == RowKind::Note, withEntry);
                if (withEntry) {
                    EXPECT_EQ(row.entry, foundAt[listing.rows[i].entry]);
                }
                foundAt[i] = at++;
            }
        }
        EXPECT_EQ(sections, c.listsFound);
        ASSERT_EQ(at + 1, found.rows.size());
        const size_t count = found.rows.size() - 1 - sections;
        EXPECT_EQ(
            found.lines.back(),
            Padded(std::to_string(count) + (count == 1 ? " line found" : " lines found"), 123));
    }
}

// Sorted by name, each list's rows sort within the list, under its heading.
TEST(FindInEveryList, SortsWithinEachList) {
    const Listing found = FindInEveryList(EveryCatalogList(BuiltTable()), "flight");
    const SortedListing sorted = SortListing(found, 0, SortOrder::Ascending);
    EXPECT_EQ(sorted.state, "sorted by name, A to Z");
    EXPECT_EQ(sorted.catalogLine, (std::vector<size_t>{0, 1, 2, 3, 4, 5, 6, 8, 9, 10, 7, 11}));
}

}  // namespace
