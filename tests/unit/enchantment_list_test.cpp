// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/enchantment_list.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "dice/random_source.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"

namespace {

class EnchantmentListTest : public ::testing::Test {
protected:
    void SetUp() override { table_.Build(); }

    // The lines of one item: its first line and its note lines, found by
    // walking the list record by record.
    std::vector<std::string> LinesOf(const Listing& listing, int catalogIndex) {
        size_t line = 0;
        for (int i = 0; i < kMagicItemCount; ++i) {
            const TMagicItemKest& item = table_.MagicItem(i);
            size_t count = 1;
            for (const std::string* note : {&item.Note2, &item.Note3, &item.Note4, &item.Note5}) {
                if (!note->empty()) ++count;
            }
            if (i == catalogIndex) {
                return {listing.lines.begin() + static_cast<long>(line),
                        listing.lines.begin() + static_cast<long>(line + count)};
            }
            line += count;
        }
        return {};
    }

    CatalogTable table_;
};

TEST_F(EnchantmentListTest, LabelsAndWhatThePaneShows) {
    const Listing listing = ListEnchantments(table_);
    const std::vector<std::string> expected = {"Magic Item", "Price", "Notes",     "Weeks",      "",
                                               "ST",         "day",   "cost/week", "Ingredients"};
    ExpectCaptions(listing, expected);
    EXPECT_EQ(listing.shown, ShownList::MagicItems);
    EXPECT_TRUE(listing.returnToTop);
}

TEST_F(EnchantmentListTest, TellingLinesCharacterByCharacter) {
    struct Case {
        int index;
        std::vector<std::string> lines;
    };
    const std::string staffNote = "start with rod, wand, or quarterstaff, etc.";
    const Case cases[] = {
        // No code, every number printed, no notes.
        {2, {"Blur" + B(26) + "3000" + B(5) + B(5) + "5" + B(5) + "75" + B(5) + "15" + B(64)}},
        // No price and no weeks show "-", the code 'U' stands in its column.
        {0,
         {"Staff" + B(28) + "-" + B(4) + "U" + B(5) + "-" + B(6) + "5" + B(6) + "-" + B(4) +
          staffNote + B(60 - static_cast<int>(staffNote.size()))}},
        // Fractional weeks in their shortest form.
        {19,
         {"Dazzle Gem" + B(21) + "250" + B(5) + B(2) + "0.42" + B(5) + "10" + B(5) + "20" + B(4) +
          "1 $20 gem" + B(51)}},
        // The second note continues under the first.
        {71,
         {"Amulet: vs. all elementals" + B(3) + "15000" + B(5) + B(5) + "6" + B(4) + "100" + B(4) +
              "750" + B(4) + "1 dose Fireproofing potion ($250)" + B(27),
          B(63) + "1 dose Water Breathing potion ($500)" + B(24)}},
        // Five notes: the fifth starts at column 72, the others at 64.
        {72,
         {"Amulet: vs. Disease" + B(10) + "10000" + B(5) + B(5) + "5" + B(5) + "25" + B(3) +
              "1420" + B(4) + "3 doses Healing potion ($150)" + B(31),
          B(63) + "1 dose Simple Poison ($120)" + B(33),
          B(63) + "1 dose Plant Poison ($200)" + B(34),
          B(63) + "1 dose Insect Poison ($150)" + B(33),
          B(71) + "1 dose Pyrotic potion ($500)" + B(24)}},
        {93,
         {"Cleansing" + B(20) + "50000" + B(4) + "D" + B(4) + "10" + B(5) + "75" + B(3) + "3770" +
              B(4) + "1 dose Universal Antidote" + B(35),
          B(63) + "1 dose Pyrotic" + B(46), B(63) + "1 dose Simple, & Plant poison" + B(31),
          B(63) + "1 dose Insect poison" + B(40), B(71) + "2 doses Healing" + B(37)}},
        // The six-digit price still fits in front of column 34.
        {108,
         {"Charm (+2)" + B(18) + "100000" + B(4) + "F" + B(4) + "25" + B(4) + "225" + B(3) +
              "2150" + B(4) + "1 dose ST+ potion" + B(43),
          B(63) + "1 dose DX+ potion" + B(43), B(63) + "1 dose IQ+ potion" + B(43),
          B(63) + "1 dose Telekinesis" + B(42)}},
    };
    const Listing listing = ListEnchantments(table_);
    for (const Case& c : cases) {
        SCOPED_TRACE(table_.MagicItem(c.index).Name);
        EXPECT_EQ(LinesOf(listing, c.index), c.lines);
    }
}

TEST_F(EnchantmentListTest, ZeroSTPrintsAndZeroIngredientsShowADash) {
    // No catalog item spends no ST; give one a figure of 0 and a negative one.
    TMagicItemKest& blur = table_.Edit<TMagicItemKest>(entries::kMagicItemFirst + 2);
    struct Case {
        int32_t st;
        int32_t ingredients;
        std::string columns;  // columns 40..53: weeks, ST, ingredients
    };
    const Case cases[] = {
        {0, 0, "     5      0      -"},
        {-10, 15, "     5    -10     15"},
        {75, -3, "     5     75     -3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.st);
        blur.STPerDay = c.st;
        blur.IngredientCost = c.ingredients;
        const std::string line = LinesOf(ListEnchantments(table_), 2).at(0);
        EXPECT_EQ(line.substr(39, 20), c.columns);
        EXPECT_EQ(line.size(), 123u);
    }
}

TEST_F(EnchantmentListTest, EveryRecordInOrderEveryLine123Wide) {
    const Listing listing = ListEnchantments(table_);
    size_t expectedLines = 0;
    for (int i = 0; i < kMagicItemCount; ++i) {
        const TMagicItemKest& item = table_.MagicItem(i);
        const std::vector<std::string> lines = LinesOf(listing, i);
        ASSERT_FALSE(lines.empty()) << i;
        // The first line begins with the name, so picking finds the item.
        EXPECT_EQ(lines[0].compare(0, item.Name.size(), item.Name), 0) << item.Name;
        EXPECT_EQ(lines[0].substr(63, item.Note1.size()), item.Note1) << item.Name;
        expectedLines += lines.size();
    }
    EXPECT_EQ(listing.lines.size(), expectedLines);
    EXPECT_GT(listing.lines.size(), 127u);  // the catalog does carry note lines
    for (size_t n = 0; n < listing.lines.size(); ++n) {
        EXPECT_EQ(listing.lines[n].size(), 123u) << "line " << n << ": " << listing.lines[n];
    }
}

// The 53 enchantments a random treasure can carry, in draw order.
const char* const kRandomEnchantmentNames[53] = {
    "Magic Fist spell",
    "Blur",
    "Detect Magic",
    "Light",
    "Avert",
    "Detect Life",
    "Darkness, radius ",
    "Dark Vision",
    "Detect Enemies",
    "Speed Movement",
    "Shock Shield",
    "Shadow",
    "Far Vision",
    "reverse Missiles",
    "Destroy Illusion",
    "Silent Movement",
    "Persuasiveness",
    "Fireball spell",
    "Invisibility",
    "Mage Sight",
    "Eyes-Behind",
    "Flight",
    "Stone Flesh",
    "Fireproofing",
    "Telekenesis",
    "Lightning spell",
    "Dispel illusions",
    "Spell Shield",
    "Telepathy",
    "Glamor",
    "Fresh Air",
    "Maintain Illusion hex",
    "Maintain Image hex",
    "Limiting Spell",
    "Expunge Spell",
    "Iron Flesh",
    "Teleport",
    "Astral Projection",
    "Unnoticeability",
    "Long-Distance Telepathy",
    "Insubstantiality",
    "Cleansing",
    "Spellsniffer",
    "Little Death",
    "Geas",
    "Shapeshifting",
    "Wizard's Wrath spell",
    "Long-Distance Teleport",
    "Charm (+1)",
    "Charm (+2)",
    "Increase ST+",
    "Increase DX+",
    "Increase IQ+",
};

TEST_F(EnchantmentListTest, GetEnchantGivesTheRthEnchantmentForOneDrawBelow53) {
    DrawSource draws(std::make_unique<SeededRandom>(1));
    std::set<int32_t> seen;
    for (int r = 1; r <= 53; ++r) {
        SCOPED_TRACE(r);
        draws.Script(53, r);  // a draw below any other bound would throw
        const int32_t index = GetEnchant(draws, true);
        EXPECT_EQ(draws.ScriptedLeft(), 0u);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, kMagicItemCount);
        EXPECT_EQ(table_.MagicItem(index).Name, kRandomEnchantmentNames[r - 1]);
        seen.insert(index);
    }
    EXPECT_EQ(seen.size(), 53u);
}

TEST_F(EnchantmentListTest, GetEnchantFromTheGeneratorStaysInTheList) {
    std::set<int32_t> allowed;
    for (int r = 1; r <= 53; ++r) {
        DrawSource draws;
        draws.Script(53, r);
        allowed.insert(GetEnchant(draws, true));
    }
    SeededRandom random(2024);
    std::set<int32_t> seen;
    for (int n = 0; n < 53 * 100; ++n) {
        const int32_t index = GetEnchant(random, true);
        ASSERT_EQ(allowed.count(index), 1u) << index;
        seen.insert(index);
    }
    EXPECT_EQ(seen, allowed);
}

TEST_F(EnchantmentListTest, GetEnchantDisabledDrawsNothing) {
    DrawSource draws(std::make_unique<SeededRandom>(1));
    int drawsMade = 0;
    draws.SetObserver([&](int32_t, int32_t) { ++drawsMade; });
    draws.Script(53, 7);
    EXPECT_EQ(GetEnchant(draws, false), -1);
    EXPECT_EQ(draws.ScriptedLeft(), 1u);
    EXPECT_EQ(drawsMade, 0);
    // The scripted draw is still the next one.
    EXPECT_EQ(table_.MagicItem(GetEnchant(draws, true)).Name, kRandomEnchantmentNames[6]);
    EXPECT_EQ(drawsMade, 1);
}

}  // namespace
