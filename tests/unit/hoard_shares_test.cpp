// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/hoard_shares.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/list_table.h"
#include "catalog/text_format.h"
#include "dice/random_source.h"
#include "random/hoard.h"
#include "random/share_list.h"
#include "workshop/lists/list_sort.h"

namespace {

// The least gap any sharing of the worths among `count` shares has, found
// by trying them all, the most valuable first; shares equal so far are
// tried once, and a sharing that cannot beat the best so far is dropped.
int64_t BestGap(std::vector<int64_t> worths, size_t count) {
    std::sort(worths.rbegin(), worths.rend());
    std::vector<int64_t> sums(count, 0), rest(worths.size() + 1, 0);
    for (size_t i = worths.size(); i-- > 0;) rest[i] = rest[i + 1] + worths[i];
    int64_t best = rest[0];
    std::function<void(size_t)> deal = [&](size_t i) {
        const int64_t richest = *std::max_element(sums.begin(), sums.end());
        const int64_t poorest = *std::min_element(sums.begin(), sums.end());
        if (richest - std::min(poorest + rest[i], richest) >= best) return;
        if (i == worths.size()) best = richest - poorest;
        for (size_t s = 0; s < count && i < worths.size(); ++s) {
            if (std::find(sums.begin(), sums.begin() + s, sums[s]) != sums.begin() + s) continue;
            sums[s] += worths[i];
            deal(i + 1);
            sums[s] -= worths[i];
        }
    };
    deal(0);
    return best;
}

// On 1,000 seeded hoards of 2 to 12 items shared among 2 to 5, every item is
// in one share, an item worth more than a fair share stands alone, the gap
// never exceeds the most valuable item and is mostly the least there is.
TEST(HoardShares, EveryItemInOneShareTheGapMostlyTheLeastThereIs) {
    CatalogTable table;
    table.Build();
    const WorkshopState state;
    int best = 0;
    for (uint64_t seed = 1; seed <= 1000; ++seed) {
        SeededRandom random(seed);
        std::vector<int64_t> worths;
        for (const HoardItem& item : RollHoard(table, state, random, 2 + seed % 11))
            worths.push_back(ValueCents(item));
        const auto count = static_cast<int32_t>(2 + seed / 11 % 4);
        const int64_t total = std::accumulate(worths.begin(), worths.end(), int64_t{0});
        const std::vector<HoardShare> shares = ShareHoard(worths, count);
        ASSERT_EQ(shares.size(), static_cast<size_t>(count));
        std::vector<int> found(worths.size(), 0);
        for (const HoardShare& share : shares) {
            int64_t sum = 0;
            for (const size_t item : share.items) sum += worths.at(item), ++found[item];
            EXPECT_EQ(share.cents, sum);
            const bool oversized = share.items.size() == 1 && sum * count > total;
            EXPECT_EQ(share.standsAlone, oversized) << seed;
            for (const size_t item : share.items)
                EXPECT_TRUE(worths[item] * count <= total || share.items.size() == 1) << seed;
        }
        EXPECT_EQ(found, std::vector<int>(worths.size(), 1)) << seed;
        const int64_t gap = ShareGap(shares);
        EXPECT_LE(gap, *std::max_element(worths.begin(), worths.end())) << seed;
        best += gap == BestGap(worths, static_cast<size_t>(count));
    }
    EXPECT_GE(best, 900);
    EXPECT_TRUE(ShareHoard({5, 7}, 1).empty() && ShareHoard({5, 7}, 13).empty());
    EXPECT_EQ(ShareHoard({}, 3).size(), 3u);
}

// Listed, each share's heading sums the item lines under it, which pick
// their items as in the hoard; sorted, the items stay under their heading;
// copied, the table gives each item's share in a column of its own.
TEST(HoardShares, ListedUnderHeadingsThatSumThemAndCopiedWithTheirShare) {
    CatalogTable table;
    table.Build();
    SeededRandom random(12);
    const std::vector<HoardItem> hoard = RollHoard(table, WorkshopState(), random, 12);
    std::vector<int64_t> worths;
    for (const HoardItem& item : hoard) worths.push_back(ValueCents(item));
    const std::vector<HoardShare> shares = ShareHoard(worths, 4);
    const Listing listing = ListShares(hoard, shares);
    std::vector<int> shareOf(listing.rows.size(), 0);
    int share = 0;
    int64_t sum = 0;
    size_t items = 0;
    for (size_t i = 0; i < listing.rows.size(); ++i) {
        const ListRow& row = listing.rows[i];
        EXPECT_EQ(listing.lines[i].size(), 123u);
        const bool heading = row.kind == RowKind::Heading;
        if ((heading || row.kind == RowKind::Sum) && share > 0) {  // the share before is done
            EXPECT_EQ(sum, shares.at(static_cast<size_t>(share - 1)).cents);
        }
        if (heading) {
            const HoardShare& next = shares.at(static_cast<size_t>(share++));
            EXPECT_EQ(listing.lines[i].rfind("Share " + std::to_string(share) + ": " +
                                                 textfmt::Dollars(next.cents) + " (" +
                                                 std::to_string(next.items.size()) + " item",
                                             0),
                      0u);
            sum = 0;
            items = 0;
        }
        shareOf[i] = share;
        if (row.kind != RowKind::Entry) continue;
        EXPECT_EQ(row.pick.kind, PickKind::HoardItem);
        const auto item = static_cast<size_t>(row.pick.index);
        EXPECT_EQ(item, shares[static_cast<size_t>(share - 1)].items.at(items++));
        sum += worths[item];
    }
    const auto [poorest, richest] = std::minmax_element(
        shares.begin(), shares.end(),
        [](const HoardShare& a, const HoardShare& b) { return a.cents < b.cents; });
    const std::string gap = "Richest share " + textfmt::Dollars(richest->cents) + ", poorest " +
                            textfmt::Dollars(poorest->cents) + " ";
    EXPECT_EQ(listing.lines.back().rfind(gap, 0), 0u);

    const std::vector<size_t> sorted = SortListing(listing, 1, SortOrder::Descending).catalogLine;
    std::vector<std::string> copied;
    for (const size_t row : sorted) {
        if (listing.rows[row].kind == RowKind::Heading) share = shareOf[row];
        EXPECT_EQ(shareOf[row], share);
        if (listing.rows[row].kind == RowKind::Entry)
            copied.push_back("<tr><td sdval=\"" + std::to_string(share) + "\"");
    }
    copied.push_back("<tr><td></td><td>" + gap.substr(0, gap.size() - 1) + "</td>");
    const std::string html = SharesTableHtml(listing, sorted);
    EXPECT_EQ(html.rfind("<table>\n<tr><th>Share</th><th>Treasure</th><th>Value</th>", 0), 0u);
    size_t at = html.find("</tr>\n") + 6;
    for (const std::string& row : copied) {
        EXPECT_EQ(html.compare(at, row.size(), row), 0) << html.substr(at, 80);
        at = html.find("</tr>\n", at) + 6;
    }
    EXPECT_EQ(html.substr(at), "</table>\n");
}

}  // namespace
