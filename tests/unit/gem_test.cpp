// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gem.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/text_format.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"

namespace {

TEST(GemTest, ConstructorOutsideTheCatalogLeavesTheRecordEmpty) {
    for (int index : {0, -1, 203, 1000}) {
        SCOPED_TRACE(index);
        TGemItemKest gem(index);
        EXPECT_EQ(gem.Name, "");
        EXPECT_EQ(gem.PricePerCarat, 0);
        EXPECT_EQ(gem.WeightPerCarat, 0);
        EXPECT_EQ(gem.Carats, 0);
        EXPECT_EQ(gem.Price, 0);
        EXPECT_EQ(gem.Weight, 0);
    }
}

// The first and last stone of every price band, and the odd ones out.
TEST(GemTest, TellingRows) {
    struct Case {
        int index;
        const char* name;
        double pricePerCarat;
    };
    const Case cases[] = {
        {1, "diamond", 400},       {4, "emerald", 400},       {5, "carbonado", 350},
        {6, "amethyst", 300},      {7, "citrine", 250},       {11, "topaz", 250},
        {12, "tourmaline", 200},   {16, "hiddenite", 200},    {17, "flourite", 150},
        {19, "crystal", 150},      {20, "garnet", 125},       {27, "spodumene", 125},
        {28, "idocrase", 100},     {33, "iceland spar", 100}, {34, "wavellite", 5},
        {35, "tiger eye", 100},    {39, "californite", 100},  {40, "blue john", 75},
        {52, "gahnite", 75},       {53, "white marble", 50},  {55, "green_marble", 50},
        {57, "yellow_marble", 50}, {70, "datolite", 50},      {71, "bronzite", 35},
        {82, "chromite", 35},      {83, "cordierite", 25},    {93, "sphene", 25},
        {94, "bauxite", 20},       {100, "scapolite", 20},    {101, "willemite", 15},
        {121, "analcime", 15},     {122, "sodalite", 10},     {148, "augite", 10},
        {149, "uraninite", 5},     {152, "gummite", 5},       {153, "gummite", 5},
        {154, "troostite", 5},     {202, "vanadinite", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        TGemItemKest gem(c.index);
        EXPECT_EQ(gem.Name, c.name);
        EXPECT_EQ(gem.PricePerCarat, c.pricePerCarat);
        EXPECT_EQ(gem.Carats, 1);
        EXPECT_EQ(gem.Price, c.pricePerCarat);
        EXPECT_EQ(gem.WeightPerCarat, 0.0002);
        EXPECT_EQ(gem.Weight, 0.0002);
    }
}

TEST(GemTest, PriceBandsHoldTheirCounts) {
    std::map<double, int> stonesByPrice;
    for (int n = 1; n <= kGemCount; ++n) ++stonesByPrice[TGemItemKest(n).PricePerCarat];
    const std::map<double, int> expected = {
        {400, 4}, {350, 1}, {300, 1}, {250, 5}, {200, 5}, {150, 3}, {125, 8}, {100, 11},
        {75, 13}, {50, 18}, {35, 12}, {25, 11}, {20, 7},  {15, 21}, {10, 27}, {5, 55},
    };
    EXPECT_EQ(stonesByPrice, expected);
}

TEST(GemTest, PricesOnlyRiseAfterWavellite) {
    for (int n = 2; n <= kGemCount; ++n) {
        SCOPED_TRACE(n);
        const double before = kGemRows[n - 2].pricePerCarat;
        const double now = kGemRows[n - 1].pricePerCarat;
        if (n == 35) {
            EXPECT_GT(now, before);
        } else {
            EXPECT_LE(now, before);
        }
    }
}

TEST(GemTest, NamesAreDistinctExceptTheTwoGummites) {
    std::set<std::string> names;
    size_t longest = 0;
    int withUnderscore = 0;
    for (int n = 1; n <= kGemCount; ++n) {
        const std::string name = kGemRows[n - 1].name;
        ASSERT_FALSE(name.empty()) << n;
        const bool isNew = names.insert(name).second;
        EXPECT_EQ(isNew, n != 153) << n << " " << name;
        longest = std::max(longest, name.size());
        if (name.find('_') != std::string::npos) ++withUnderscore;
    }
    EXPECT_EQ(names.size(), 201u);
    EXPECT_EQ(longest, 13u);
    EXPECT_EQ(withUnderscore, 2);
}

TEST(GemListTest, LabelsAndListKind) {
    const Listing listing = ListGems(BuiltTable());
    const std::vector<std::string> expected = {
        "Gem", "Cost", "Carats", "WT", "", "", "", "", "",
    };
    ExpectCaptions(listing, expected);
    EXPECT_TRUE(listing.returnToTop);
    EXPECT_EQ(listing.shown, ShownList::Gems);
}

TEST(GemListTest, OneLinePerGemInCatalogOrder) {
    const Listing listing = ListGems(BuiltTable());
    ASSERT_EQ(listing.lines.size(), static_cast<size_t>(kGemCount));
    for (int n = 1; n <= kGemCount; ++n) {
        SCOPED_TRACE(n);
        const std::string& line = listing.lines[n - 1];
        ASSERT_EQ(line.size(), static_cast<size_t>(textfmt::kListLineWidth));
        // Picking compares the first 28 characters with the padded name.
        EXPECT_EQ(line.substr(0, 28), FixedWidth(kGemRows[n - 1].name, 28));
        EXPECT_EQ(line.substr(47, 7), "   1.00");
        EXPECT_EQ(line.substr(54, 9), "   0.0002");
        EXPECT_EQ(line.substr(63), B(60));
    }
}

TEST(GemListTest, ExampleLines) {
    const Listing listing = ListGems(BuiltTable());
    EXPECT_EQ(listing.lines[0],
              "diamond" + B(25) + B(12) + "400" + B(3) + "1.00" + B(3) + "0.0002" + B(60));
    EXPECT_EQ(listing.lines[33],
              "wavellite" + B(23) + B(14) + "5" + B(3) + "1.00" + B(3) + "0.0002" + B(60));
    EXPECT_EQ(listing.lines[151], listing.lines[152]);
    EXPECT_EQ(listing.lines[151].substr(0, 8), "gummite ");
    EXPECT_EQ(listing.lines[201].substr(0, 11), "vanadinite ");
}

// The random treasure cuts a drawn stone to a new size in the table; the list
// must show that size, not the one-carat stone of the catalog.
TEST(GemListTest, ShowsTheCurrentSizeAndPriceFromTheTable) {
    struct Case {
        int index;
        double carats;
        const char* cost;
        const char* caratsText;
    };
    const Case cases[] = {
        {1, 7, "2800", "7.00"},       // diamond cut for a 12-point ST battery
        {4, 11, "4400", "11.00"},     // emerald, 11 carats at 400
        {202, 121, "605", "121.00"},  // vanadinite at 5 a carat
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        CatalogTable t;
        t.Build();
        TGemItemKest& gem = GemToCut(t, c.index);
        gem.Carats = c.carats;
        gem.Price = c.carats * gem.PricePerCarat;
        const Listing listing = ListGems(t);
        const std::string expected = textfmt::LineBuilder(gem.Name)
                                         .PadTo(32)
                                         .FigureRight(15, c.cost)
                                         .FigureRight(7, c.caratsText)
                                         .FigureRight(9, "0.0002")
                                         .Blanks(60)
                                         .Take();
        EXPECT_EQ(listing.lines[c.index - 1], expected);
        EXPECT_EQ(listing.lines[c.index - 1].size(), 123u);
        // The neighbours keep their one-carat lines.
        const int other = c.index == 1 ? 2 : c.index - 1;
        EXPECT_EQ(listing.lines[other - 1].substr(47, 7), "   1.00");
    }
}

}  // namespace
