// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/analysis.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/text_format.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"
#include "workshop/lists/enchantment_list.h"

namespace {

class AnalysisTest : public ::testing::Test {
protected:
    void SetUp() override { table_.Build(); }

    // The ST units field (columns 64..70) and the profit after it.
    static std::string Units(const std::string& line) { return line.substr(63, 7); }
    static std::string Profit(const std::string& line) {
        const std::string rest = line.substr(70);
        return rest.substr(0, rest.find(' '));
    }

    CatalogTable table_;
};

TEST_F(AnalysisTest, LabelsAndWhatThePaneShows) {
    const Listing listing = Analyze(table_);
    const std::vector<std::string> expected = {"Magic Item", "Price", "Notes", "Weeks", "",
                                               "ST",         "day",   "cost/", "week"};
    ExpectCaptions(listing, expected);
    EXPECT_EQ(listing.shown, ShownList::MagicItems);
    EXPECT_TRUE(listing.returnToTop);
}

TEST_F(AnalysisTest, TellingLinesCharacterByCharacter) {
    const Listing listing = Analyze(table_);
    // Staff: one started ST unit, no price and no weeks, so nothing to divide.
    EXPECT_EQ(listing.lines.at(0), "Staff" + B(28) + "-" + B(4) + "U" + B(5) + "-" + B(6) + "5" +
                                       B(6) + "-" + B(4) + "1" + B(6) + "0" + B(52));
    // Magic Fist spell: 235 ST a day is 10 units, $500 a week over 3 weeks.
    EXPECT_EQ(listing.lines.at(1), "Magic Fist spell" + B(14) + "2000" + B(5) + B(5) + "3" + B(4) +
                                       "235" + B(6) + "-" + B(4) + "10" + B(5) +
                                       "166.666666666667" + B(37));
}

TEST_F(AnalysisTest, OneLinePerItemSharingTheEnchantmentColumns) {
    const Listing listing = Analyze(table_);
    const Listing enchantments = ListEnchantments(table_);
    ASSERT_EQ(listing.lines.size(), 127u);
    size_t e = 0;  // the first line of each item in the enchantment list
    for (int i = 0; i < kMagicItemCount; ++i) {
        const TMagicItemKest& item = table_.MagicItem(i);
        SCOPED_TRACE(item.Name);
        const std::string& line = listing.lines[static_cast<size_t>(i)];
        EXPECT_EQ(line.size(), 123u);
        ASSERT_LT(e, enchantments.lines.size());
        EXPECT_EQ(line.substr(0, 63), enchantments.lines[e].substr(0, 63));
        e += 1;
        for (const std::string* note : {&item.Note2, &item.Note3, &item.Note4, &item.Note5}) {
            if (!note->empty()) ++e;
        }
    }
    EXPECT_EQ(e, enchantments.lines.size());
}

// Catalog items whose codes, materials or costs make the figure interesting.
TEST_F(AnalysisTest, CatalogProfits) {
    struct Case {
        int index;
        const char* units;
        const char* profit;
    };
    const Case cases[] = {
        {2, "3      ", "435"},                // Blur: (3000 - 165 x 5) / 5
        {19, "1      ", "525.238095238095"},  // Dazzle Gem: (250 - 70 x 0.42) / 0.42
        {38, "2      ", "424"},               // 'c' halves: (4000 - 152 x 4) / 4 / 2
        {78, "6      ", "1150"},              // 'I' halves, a $1000 carpet to start on
        {79, "15     ", "1530"},              // 'J' a fifth, a $2000 carpet to start on
        {101, "7      ", "890.625"},          // 'G': the $250 sphere costs 1.5 times as much
        {116, "3      ", "565"},              // Unicorn Horn: a $30 vessel
        {125, "1      ", "-1550"},            // Proxy: no price, 20 weeks of costs
    };
    const Listing listing = Analyze(table_);
    for (const Case& c : cases) {
        const std::string& line = listing.lines.at(static_cast<size_t>(c.index));
        SCOPED_TRACE(line);
        EXPECT_EQ(Units(line), c.units);
        EXPECT_EQ(Profit(line), c.profit);
    }
}

// Material factors by code and the discounts of 'c', 'I' and 'J', on Blur
// given $100 of starting material spread over all five material figures.
TEST_F(AnalysisTest, CodeRules) {
    struct Case {
        char code;
        const char* profit;
    };
    // (3000 - 165 x 5 - 100 x factor) / 5, then the discount.
    const Case cases[] = {
        {' ', "415"}, {'A', "415"}, {'C', "415"}, {'U', "415"},   {'D', "413"},   {'E', "411"},
        {'F', "409"}, {'G', "405"}, {'H', "395"}, {'c', "207.5"}, {'I', "207.5"}, {'J', "83"},
    };
    TMagicItemKest& blur = table_.Edit<TMagicItemKest>(entries::kMagicItemFirst + 2);
    blur.MaterialCost1 = 10;
    blur.MaterialCost2 = 20;
    blur.MaterialCost3 = 30;
    blur.MaterialCost4 = 15;
    blur.MaterialCost5 = 25;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(1, c.code));
        blur.NoteCode = c.code;
        const std::string line = Analyze(table_).lines.at(2);
        EXPECT_EQ(line[38], c.code);
        EXPECT_EQ(Profit(line), c.profit);
        EXPECT_EQ(line.size(), 123u);
    }
}

TEST_F(AnalysisTest, StartedSTUnits) {
    struct Case {
        int32_t st;
        const char* units;
        const char* profit;  // Blur: (3000 - (50 u + 15) x 5) / 5
    };
    const Case cases[] = {
        {0, "0      ", "585"},  {-10, "0      ", "585"}, {1, "1      ", "535"},
        {25, "1      ", "535"}, {26, "2      ", "485"},  {50, "2      ", "485"},
        {51, "3      ", "435"}, {235, "10     ", "85"},  {1000, "40     ", "-1415"},
    };
    TMagicItemKest& blur = table_.Edit<TMagicItemKest>(entries::kMagicItemFirst + 2);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.st);
        blur.STPerDay = c.st;
        const std::string line = Analyze(table_).lines.at(2);
        EXPECT_EQ(Units(line), c.units);
        EXPECT_EQ(Profit(line), c.profit);
    }
}

TEST_F(AnalysisTest, WeeksZeroOrLessAreNotDividedBy) {
    TMagicItemKest& blur = table_.Edit<TMagicItemKest>(entries::kMagicItemFirst + 2);
    struct Case {
        double weeks;
        const char* profit;
    };
    // u = 3 for 75 ST; no division, so the price less the material stands.
    const Case cases[] = {{0, "2960"}, {-1, "3125"}, {2, "1315"}};
    blur.MaterialCost2 = 40;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.weeks);
        blur.Weeks = c.weeks;
        EXPECT_EQ(Profit(Analyze(table_).lines.at(2)), c.profit);
    }
}

}  // namespace
