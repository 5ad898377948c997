// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/hoard_shares.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numeric>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
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

// Listed, each share comes under its heading, the item worth more than a
// fair share alone, and the gap last; a header click sorts the items within
// their share, and a copy gives each item's share in a column of its own.
TEST(HoardShares, ListedUnderTheirHeadingsSortedWithinThemAndCopiedWithThem) {
    std::vector<HoardItem> hoard(5);
    const double values[] = {900, 6200, 500.5, 1200, 1000};
    for (size_t i = 0; i < hoard.size(); ++i) {
        hoard[i].bench.BaseItemName = std::string(1, static_cast<char>('a' + i));
        hoard[i].value = values[i];
    }
    const Listing listing =
        ListShares(hoard, ShareHoard({90000, 620000, 50050, 120000, 100000}, 2));
    std::vector<std::string> shown;
    const std::vector<size_t> sorted = SortListing(listing, 1, SortOrder::Descending).catalogLine;
    for (const size_t row : sorted) {
        EXPECT_EQ(listing.lines[row].size(), 123u);
        const std::string& line = listing.lines[row];
        shown.push_back(line.substr(0, line.find("  ")));
        // An item's line picks it; a heading and the gap pick nothing.
        const RowPick& pick = listing.rows[row].pick;
        const bool item = line[1] == ' ';
        EXPECT_EQ(pick.kind, item ? PickKind::HoardItem : PickKind::Nothing);
        EXPECT_EQ(pick.index, item ? line[0] - 'a' : 0);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{
                         "Share 1: $6,200 (1 item, worth more than a fair share of $4,900.25)", "b",
                         "Share 2: $3,600.50 (4 items)", "d", "e", "a", "c",
                         "Richest share $6,200, poorest $3,600.50"}));
    std::vector<int> copied;
    std::istringstream html(SharesTableHtml(listing, sorted));
    for (std::string line; std::getline(html, line);) {
        if (line.rfind("<tr><td sdval=\"", 0) == 0) copied.push_back(std::stoi(line.substr(15)));
    }
    EXPECT_EQ(copied, (std::vector<int>{1, 2, 2, 2, 2}));
    EXPECT_EQ(SharesTableHtml(listing, {0, 2}), "");  // headings alone
}

}  // namespace
