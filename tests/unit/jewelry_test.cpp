// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/jewelry.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalog/listing.h"
#include "catalog/text_format.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"

namespace {

TEST(JewelryTest, PlacesWithoutAPieceStayEmpty) {
    for (int index : {0, -3, kJewelryEmptyPlace, 37, 500}) {
        SCOPED_TRACE(index);
        TJewelryItemKest piece(index);
        EXPECT_EQ(piece.Name, "");
        EXPECT_EQ(piece.Price, 0);
        EXPECT_EQ(piece.Weight, 0);
    }
}

TEST(JewelryTest, TellingRows) {
    struct Case {
        int index;
        const char* name;
        double price;
        double weight;
    };
    const Case cases[] = {
        {1, "anklet", 10, 0.02},    {3, "box", 100, 4},         {8, "chalice", 40, 1},
        {10, "comb", 3, 0.2},       {14, "earring", 2, 0.01},   {19, "mirror", 35, 0.01},
        {21, "neckband", 10, 0.01}, {22, "necklace", 10, 0.01}, {23, "pendant", 7, 0.02},
        {24, "orb", 500, 3},        {25, "ring", 3, 0.01},      {27, "seal", 30, 0.05},
        {28, "statuette", 300, 3},  {29, "tankard", 100, 1},    {31, "candelabra", 25, 1},
        {35, "knife", 4, 0.05},     {36, "chopstick", 2, 0.02},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.index);
        TJewelryItemKest piece(c.index);
        EXPECT_EQ(piece.Name, c.name);
        EXPECT_EQ(piece.Price, c.price);
        EXPECT_EQ(piece.Weight, c.weight);
    }
}

TEST(JewelryTest, ThirtyFiveDistinctPiecesInThirtySixPlaces) {
    std::set<std::string> names;
    double totalPrice = 0;
    for (int n = 1; n <= kJewelryCount; ++n) {
        TJewelryItemKest piece(n);
        if (n == kJewelryEmptyPlace) continue;
        EXPECT_FALSE(piece.Name.empty()) << n;
        EXPECT_GT(piece.Price, 0) << n;
        EXPECT_GT(piece.Weight, 0) << n;
        names.insert(piece.Name);
        totalPrice += piece.Price;
    }
    EXPECT_EQ(names.size(), 35u);
    EXPECT_EQ(totalPrice, 1446);  // the sum of the 35 prices of the price list
}

TEST(JewelryListTest, LabelsAndListKind) {
    const Listing listing = ListJewelry(BuiltTable());
    const std::vector<std::string> expected = {
        "Jewelry", "Cost", "WT", "", "", "", "", "", "",
    };
    ExpectCaptions(listing, expected);
    EXPECT_TRUE(listing.returnToTop);
    EXPECT_EQ(listing.shown, ShownList::Jewelry);
}

TEST(JewelryListTest, OneLinePerPlaceTheEmptyOneIncluded) {
    const Listing listing = ListJewelry(BuiltTable());
    ASSERT_EQ(listing.lines.size(), 36u);
    for (int n = 1; n <= kJewelryCount; ++n) {
        SCOPED_TRACE(n);
        const std::string& line = listing.lines[n - 1];
        EXPECT_EQ(line.size(), static_cast<size_t>(textfmt::kListLineWidth));
        EXPECT_EQ(line.substr(0, 28), FixedWidth(JewelryAt(BuiltTable(), n).Name, 28));
        EXPECT_EQ(line.substr(54), B(69));
    }
}

TEST(JewelryListTest, ExampleLines) {
    const Listing listing = ListJewelry(BuiltTable());
    const struct {
        int index;
        std::string line;
    } cases[] = {
        {1, "anklet" + B(26) + B(13) + "10" + B(3) + "0.02" + B(69)},
        {14, "earring" + B(25) + B(14) + "2" + B(3) + "0.01" + B(69)},
        {19, "mirror" + B(26) + B(13) + "35" + B(3) + "0.01" + B(69)},
        {20, B(32) + B(14) + "0" + B(3) + "0.00" + B(69)},
        {21, "neckband" + B(24) + B(13) + "10" + B(3) + "0.01" + B(69)},
        {24, "orb" + B(29) + B(12) + "500" + B(3) + "3.00" + B(69)},
        {28, "statuette" + B(23) + B(12) + "300" + B(3) + "3.00" + B(69)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(listing.lines[c.index - 1], c.line);
    }
}

TEST(JewelryListTest, SharedLineNeverCutsALongName) {
    const std::string name(40, 'x');
    const Listing listing = ListJewelry(BuiltTable());
    ListRow row = listing.rows.at(0);
    row.cells = {Cell::Text(name), Cell::General(12345678901234567.0), Cell::Fixed(1234567.5, 4)};
    const std::string line = FormatRow(*listing.form, row);
    EXPECT_EQ(line.substr(0, 40), name);
    EXPECT_NE(line.find("1.23456789012346E16"), std::string::npos);
    EXPECT_NE(line.find("1234567.50"), std::string::npos);
    EXPECT_GT(line.size(), 123u);
}

}  // namespace
