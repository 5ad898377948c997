// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/potion.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"

namespace {

template <class Record>
void ExpectEmpty(const Record& r) {
    EXPECT_EQ(r.Name, "");
    EXPECT_EQ(r.Price, 0);
    EXPECT_EQ(r.Weight, 0);
    EXPECT_EQ(r.Weeks, 0);
}

TEST(AlchemyRecords, IndexOutsideTheCatalogLeavesAnEmptyRecord) {
    for (int index : {0, -1, 38, 500}) {
        SCOPED_TRACE(index);
        TPotionItemKest potion(index);
        ExpectEmpty(potion);
        EXPECT_EQ(potion.Note1, "");
        EXPECT_EQ(potion.Note2, "");
        EXPECT_EQ(potion.Note3, "");
    }
    for (int index : {0, -1, 6}) {
        SCOPED_TRACE(index);
        ExpectEmpty(TMushroomItemKest(index));
    }
    for (int index : {0, -1, 5}) {
        SCOPED_TRACE(index);
        ExpectEmpty(TSlimeItemKest(index));
    }
}

TEST(AlchemyRecords, MushroomsAndSlimes) {
    struct Case {
        int index;
        const char* name;
        double price, weight;
    };
    const Case mushrooms[] = {{1, "edible", 5, 0.5},
                              {2, "hallucinogenic", 20, 0.02},
                              {3, "poison gas", 50, 0.2},
                              {4, "explosive", 60, 0.3},
                              {5, "berserk", 10, 0.03}};
    for (const Case& c : mushrooms) {
        SCOPED_TRACE(c.name);
        TMushroomItemKest m(c.index);
        EXPECT_EQ(m.Name, c.name);
        EXPECT_EQ(m.Price, c.price);
        EXPECT_EQ(m.Weight, c.weight);
        EXPECT_EQ(m.Weeks, 0.14);
    }
    const Case slimes[] = {
        {1, "green", 50, 40}, {2, "red", 50, 40}, {3, "brown", 50, 40}, {4, "silver", 150, 40}};
    for (const Case& c : slimes) {
        SCOPED_TRACE(c.name);
        TSlimeItemKest s(c.index);
        EXPECT_EQ(s.Name, c.name);
        EXPECT_EQ(s.Price, c.price);
        EXPECT_EQ(s.Weight, c.weight);
        EXPECT_EQ(s.Weeks, 1);
    }
}

TEST(AlchemyRecords, TellingPotions) {
    struct Case {
        int index;
        const char* name;
        double price, weeks;
        const char* notes[3];
    };
    const Case cases[] = {
        {1, "acute hearing", 250, 2, {"brain of one large feline $40", "", ""}},
        {11, "flight", 1200, 6, {"5 bats $10 each", "", ""}},
        {13, "healing", 150, 1, {"", "", ""}},
        {22, "revival", 65000, 20, {"4 dose universal antidote", "20 dose ST+", "1 dose IQ+"}},
        {24, "sleep", 150, 2, {"", "", ""}},
        {28, "ST-", 100, 1, {"", "", ""}},
        {30, "telekenisis", 500, 4, {"5kg elves toenails $33 per kg", "", ""}},
        {35, "universal antidote", 2500, 10, {"5 simple poison", "", ""}},
        {36, "universal solvent", 2000, 8, {"50g dragon dung $100", "20g jewel dust $400", ""}},
        {37, "youth", 40000, 20, {"4 dragon hearts $2000 each", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TPotionItemKest p(c.index);
        EXPECT_EQ(p.Name, c.name);
        EXPECT_EQ(p.Price, c.price);
        EXPECT_EQ(p.Weight, 0.05);
        EXPECT_EQ(p.Weeks, c.weeks);
        EXPECT_EQ(p.Note1, c.notes[0]);
        EXPECT_EQ(p.Note2, c.notes[1]);
        EXPECT_EQ(p.Note3, c.notes[2]);
    }
}

TEST(AlchemyRecords, EveryPotionIsOneDoseWithAtMostOneNoteUnlessRevivalOrSolvent) {
    std::set<std::string> names;
    for (int n = 1; n <= kPotionCount; ++n) {
        SCOPED_TRACE(n);
        TPotionItemKest p(n);
        EXPECT_TRUE(names.insert(p.Name).second) << "duplicate " << p.Name;
        EXPECT_LE(p.Name.size(), 28u);
        EXPECT_EQ(p.Weight, 0.05);
        EXPECT_GT(p.Price, 0);
        EXPECT_GT(p.Weeks, 0);
        EXPECT_EQ(p.Note1.empty(), n == 13 || n == 24 || n == 28);
        EXPECT_EQ(!p.Note2.empty(), n == 22 || n == 36);
        EXPECT_EQ(!p.Note3.empty(), n == 22);
    }
    EXPECT_EQ(names.size(), 37u);
}

TEST(PotionList, LabelsAndPlacement) {
    const Listing listing = ListPotions(BuiltTable());
    const std::vector<std::string> labels = {"Potion", "Price", "WT", "Weeks", "",
                                             "Notes",  "",      "",   ""};
    ExpectCaptions(listing, labels);
    // The potion list leaves the view where it was.
    EXPECT_FALSE(listing.returnToTop);
    EXPECT_EQ(listing.shown, ShownList::Potions);
}

TEST(PotionList, FortyLinesOf123StartingWithThePotionName) {
    const Listing listing = ListPotions(BuiltTable());
    ASSERT_EQ(listing.lines.size(), 40u);
    for (const std::string& line : listing.lines) {
        EXPECT_EQ(line.size(), 123u) << "[" << line << "]";
    }
    size_t k = 0;
    for (int n = 1; n <= kPotionCount; ++n) {
        const TPotionItemKest& p = PotionAt(BuiltTable(), n);
        ASSERT_LT(k, listing.lines.size());
        EXPECT_EQ(listing.lines[k].substr(0, 28), FixedWidth(p.Name, 28)) << "potion " << n;
        k += 1 + !p.Note2.empty() + !p.Note3.empty();
    }
    EXPECT_EQ(k, listing.lines.size());
}

TEST(PotionList, ExampleLinesCharacterForCharacter) {
    const Listing listing = ListPotions(BuiltTable());
    const auto& L = listing.lines;
    // Potions after revival sit two lines further down for its two extra notes.
    struct Case {
        size_t line;
        std::string text;
    };
    const Case cases[] = {
        {0, "acute hearing" + B(15) + B(4) + "250" + B(3) + "0.05" + B(2) + "2.00" + B(4) +
                "brain of one large feline $40" + B(42)},
        {12, "healing" + B(21) + "    150" + "   0.05" + "  1.00" + B(4) + B(71)},
        {21, "revival" + B(21) + "  65000" + "   0.05" + " 20.00" + B(4) +
                 "4 dose universal antidote" + B(46)},
        {22, B(52) + "20 dose ST+" + B(60)},
        {23, B(52) + "1 dose IQ+" + B(61)},
        {25, "sleep" + B(23) + "    150" + "   0.05" + "  2.00" + B(75)},
        {29, "ST-" + B(25) + "    100" + "   0.05" + "  1.00" + B(75)},
        {37, "universal solvent" + B(11) + "   2000" + "   0.05" + "  8.00" + B(4) +
                 "50g dragon dung $100" + B(51)},
        {38, B(52) + "20g jewel dust $400" + B(52)},
        {39, "youth" + B(23) + "  40000" + "   0.05" + " 20.00" + B(4) +
                 "4 dragon hearts $2000 each" + B(45)},
    };
    for (const Case& c : cases) {
        ASSERT_LT(c.line, L.size());
        EXPECT_EQ(L[c.line], c.text) << "line " << c.line;
    }
}

TEST(PotionList, ShowsTheRecordsOfTheTable) {
    CatalogTable table;
    table.Build();
    table.Edit<TPotionItemKest>(entries::kPotionFirst).Price = 275;
    EXPECT_EQ(ListPotions(table).lines[0].substr(28, 7), "    275");
    EXPECT_EQ(&PotionAt(table, 37), &table.At<TPotionItemKest>(284));
}

}  // namespace
