// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/equipment.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalog/text_format.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"

namespace {

TEST(EquipmentRecord, IndexOutsideTheCatalogLeavesAnEmptyRecord) {
    for (int index : {0, -1, 53, 1000}) {
        SCOPED_TRACE(index);
        TEquipmentItemKest article(index);
        EXPECT_EQ(article.Name, "");
        EXPECT_EQ(article.Cost, 0);
        EXPECT_EQ(article.Weight, 0);
        EXPECT_EQ(article.Weeks, 0);
        EXPECT_EQ(article.Note1, "");
        EXPECT_EQ(article.Note2, "");
    }
}

TEST(EquipmentRecord, TellingRowsCarryTheirValues) {
    struct Case {
        int index;
        const char* name;
        double cost, weight, weeks;
        const char* note1;
        const char* note2;
    };
    const Case cases[] = {
        {1, "labyrinth kit", 30, 3, 0.2, "small pouch, 10m rope, grapnel, collapsible",
         "2m pole, flint & steel, hammer, 5 spikes"},
        {2, "small pouch", 5, 0.2, 0.033, "", ""},
        {3, "3m rope", 1, 0.15, 0.006, "", ""},
        {4, "10m rope", 2, 0.5, 0, "", ""},
        {6, "collapsible 2m pole", 5, 1, 0.033, "Wood, very strong.  3 sections.", ""},
        {8, "hammer", 13, 0.39, 0.02, "", ""},
        {10, "physicker's chest", 50, 2, 0.333, "Necessary for a Physicker",
         "Usefull for a Master Physicker"},
        {13, "10m rope ladder", 50, 2, 0.333, "with hooks at top", ""},
        {14, "crowbar", 10, 2, 0.066, "In combat, a club if ST 12+", ""},
        {17, "cart", 100, 100, 0.666, "To be pulled by 1 or 2 horses or oxen.", ""},
        {20, "wizard's chest", 2500, 5, 16.666, "", ""},
        {25, "lantern", 20, 1, 0.133, "Burns 2 hours on oil from 1 molotail.", ""},
        {28, "unicorn horn", 6500, 0, 0, "", ""},
        {29, "drinking vessel", 2, 0.15, 0.013, "", ""},
        {35, "banner", 80, 1, 0.5, "", ""},
        {38, "gauntlet", 225, 0.5, 1.5, "stops 4 points of damage to hands", ""},
        {40, "necktie", 7, 0.008, 0.046, "", ""},
        {41, "amulet", 150, 0.05, 1, "", ""},
        {43, "helmit", 112, 1, 0.75, "", ""},
        {48, "brass peice", 0.01, 0.005, 0.0006, "", ""},
        {52, "mithril peice", 100, 0.005, 0.0006, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TEquipmentItemKest article(c.index);
        EXPECT_EQ(article.Name, c.name);
        EXPECT_EQ(article.Cost, c.cost);
        EXPECT_EQ(article.Weight, c.weight);
        EXPECT_EQ(article.Weeks, c.weeks);
        EXPECT_EQ(article.Note1, c.note1);
        EXPECT_EQ(article.Note2, c.note2);
    }
}

// The random treasure tells articles apart by number alone, so each must sit
// at its place.
TEST(EquipmentRecord, ArticlesTheRandomTreasureEnchantsSitAtTheirNumbers) {
    // clang-format off
    const std::pair<int, const char*> cases[] = {
        {3, "3m rope"},              {4, "10m rope"},             {11, "torch"},
        {12, "100m rope"},           {13, "10m rope ladder"},     {14, "crowbar"},
        {21, "waterskin"},           {22, "Upper-class clothes"}, {25, "lantern"},
        {26, "painting"},            {27, "quill"},               {28, "unicorn horn"},
        {29, "drinking vessel"},     {30, "rod"},                 {31, "carved stone"},
        {32, "parchment"},           {33, "blank scroll"},        {34, "blank book"},
        {35, "banner"},              {36, "travois"},             {37, "glove"},
        {38, "gauntlet"},            {39, "vine"},                {40, "necktie"},
        {41, "amulet"},              {42, "mask"},                {43, "helmit"},
        {44, "vial"},                {45, "wand"},                {46, "cloak"},
        {47, "boots"},               {49, "copper peice"},        {50, "silver peice"},
        {51, "gold peice"},
    };
    // clang-format on
    for (const auto& [index, name] : cases) {
        EXPECT_EQ(TEquipmentItemKest(index).Name, name) << "article " << index;
    }
}

TEST(EquipmentCatalog, DataStaysWithinItsBounds) {
    const std::set<int> withNotes = {1,  6,  10, 11, 13, 14, 15, 16, 17, 19,
                                     21, 22, 23, 24, 25, 26, 36, 37, 38};
    std::set<std::string> names;
    for (int n = 1; n <= kEquipmentCount; ++n) {
        SCOPED_TRACE(n);
        TEquipmentItemKest a(n);
        EXPECT_FALSE(a.Name.empty());
        EXPECT_TRUE(names.insert(a.Name).second) << "duplicate " << a.Name;
        // A name picked from the list is compared over 28 characters.
        EXPECT_LE(a.Name.size(), 28u);
        EXPECT_GE(a.Cost, 0.01);
        EXPECT_LE(a.Cost, 6500);
        EXPECT_GE(a.Weight, 0);
        EXPECT_LE(a.Weight, 100);
        EXPECT_GE(a.Weeks, 0);
        EXPECT_LE(a.Weeks, 16.666);
        // Making time follows the price: never much above a week per $150.
        EXPECT_LE(a.Weeks, a.Cost / 150 + 0.01);
        // Everything must fit its column, or the line outgrows 123 characters.
        EXPECT_LE(textfmt::General(a.Cost).size(), 5u);
        EXPECT_LE(a.Note1.size(), 75u);
        EXPECT_LE(a.Note2.size(), 75u);
        EXPECT_EQ(!a.Note1.empty(), withNotes.count(n) == 1);
        EXPECT_EQ(!a.Note2.empty(), n == 1 || n == 10);
    }
}

TEST(EquipmentList, LabelsAndPlacement) {
    const Listing listing = ListEquipment(BuiltTable());
    const std::vector<std::string> labels = {"Equipment", "Cost", "WT", "Notes", "",
                                             "",          "",     "",   ""};
    ExpectCaptions(listing, labels);
    EXPECT_TRUE(listing.returnToTop);
    EXPECT_EQ(listing.shown, ShownList::Equipment);
}

TEST(EquipmentList, EveryLineIs123WideAndStartsWithItsArticle) {
    const Listing listing = ListEquipment(BuiltTable());
    ASSERT_EQ(listing.lines.size(), 54u);
    for (const std::string& line : listing.lines) {
        EXPECT_EQ(line.size(), 123u) << "[" << line << "]";
    }
    // Walk the lines: each article's line begins with its name padded to 28,
    // and a second-note line begins with 48 blanks.
    size_t k = 0;
    for (int n = 1; n <= kEquipmentCount; ++n) {
        const TEquipmentItemKest& a = EquipmentAt(BuiltTable(), n);
        ASSERT_LT(k, listing.lines.size());
        EXPECT_EQ(listing.lines[k].substr(0, 28), FixedWidth(a.Name, 28));
        ++k;
        if (!a.Note2.empty()) {
            EXPECT_EQ(listing.lines[k].substr(0, 48), B(48));
            ++k;
        }
    }
    EXPECT_EQ(k, listing.lines.size());
}

TEST(EquipmentList, ExampleLinesCharacterForCharacter) {
    const Listing listing = ListEquipment(BuiltTable());
    const auto& L = listing.lines;
    // Line numbers count the labyrinth kit's second note line.
    struct Case {
        size_t line;
        std::string text;
    };
    const Case cases[] = {
        {0, "labyrinth kit" + B(19) + "   30" + "   3.00" + B(4) +
                "small pouch, 10m rope, grapnel, collapsible" + B(32)},
        {1, B(48) + "2m pole, flint & steel, hammer, 5 spikes" + B(35)},
        {6, "collapsible 2m pole" + B(13) + "    5" + "   1.00" + B(4) +
                "Wood, very strong.  3 sections." + B(44)},
        {10, "physicker's chest" + B(15) + "   50" + "   2.00" + B(4) +
                 "Necessary for a Physicker" + B(50)},
        {11, B(48) + "Usefull for a Master Physicker" + B(45)},
        {18, "cart" + B(28) + "  100" + " 100.00" + B(4) +
                 "To be pulled by 1 or 2 horses or oxen." + B(37)},
        {21, "wizard's chest" + B(18) + " 2500" + "   5.00" + B(79)},
        {29, "unicorn horn" + B(20) + " 6500" + "   0.00" + B(79)},
        {49, "brass peice" + B(21) + " 0.01" + "   0.01" + B(79)},
        {53, "mithril peice" + B(19) + "  100" + "   0.01" + B(79)},
    };
    for (const Case& c : cases) {
        ASSERT_LT(c.line, L.size());
        EXPECT_EQ(L[c.line], c.text) << "line " << c.line;
    }
}

}  // namespace
