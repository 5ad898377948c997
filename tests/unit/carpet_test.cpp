// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/carpet.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/text_format.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"

namespace {

TEST(CarpetTest, Constructor) {
    struct Case {
        int index;
        const char* name;
        double price;
        double weight;
    };
    const Case cases[] = {
        {1, "2 Hex Carpet", 500, 7},
        {2, "4 Hex Carpet", 1000, 15},
        {3, "7 Hex Carpet", 2000, 25},
        {0, "", 0, 0},
        {4, "", 0, 0},
        {-1, "", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        TCarpetItemKest carpet(c.index);
        EXPECT_EQ(carpet.Name, c.name);
        EXPECT_EQ(carpet.Price, c.price);
        EXPECT_EQ(carpet.Weight, c.weight);
    }
}

TEST(CarpetListTest, LabelsAndListKind) {
    const Listing listing = ListCarpets(BuiltTable());
    const std::vector<std::string> expected = {
        "Carpet", "Cost", "WT", "", "", "", "", "", "",
    };
    ExpectCaptions(listing, expected);
    EXPECT_TRUE(listing.returnToTop);
    EXPECT_EQ(listing.shown, ShownList::Carpets);
}

TEST(CarpetListTest, ThreeLines) {
    const Listing listing = ListCarpets(BuiltTable());
    const std::string expected[] = {
        "2 Hex Carpet" + B(20) + B(12) + "500" + B(3) + "7.00" + B(69),
        "4 Hex Carpet" + B(20) + B(11) + "1000" + B(2) + "15.00" + B(69),
        "7 Hex Carpet" + B(20) + B(11) + "2000" + B(2) + "25.00" + B(69),
    };
    ASSERT_EQ(listing.lines.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i + 1);
        EXPECT_EQ(listing.lines[i], expected[i]);
        EXPECT_EQ(listing.lines[i].size(), static_cast<size_t>(textfmt::kListLineWidth));
    }
}

}  // namespace
