// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/text_format.h"
#include "catalog/weapon.h"
#include "catalog/weapon_list.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"

namespace {

TEST(GetDiceText, EveryForm) {
    struct Case {
        int dice, adds;
        const char* text;
    };
    // clang-format off
    const Case cases[] = {
        {0,  0, " - "},   // no damage at all
        {1, -1, "1-1"},   // dice less some
        {2,  0, "2  "},   // dice alone, two blanks keep the column
        {2,  1, "2+1"},   // dice and adds
        {0, -4, " -4"},   // no dice, a minus
        {0,  3, " +3"},   // no dice, a plus
        {-1, 0, ""},      // no dice, no adds, but not both zero
        {6,  4, "6+4"},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(GetDiceText(c.dice, c.adds), c.text) << c.dice << " " << c.adds;
    }
}

class WeaponListTest : public ::testing::Test {
protected:
    void SetUp() override { listing_ = ListWeapons(table_); }

    // The line that starts with the given text followed by a blank.
    std::string LineOf(const std::string& start) const {
        for (const std::string& line : listing_.lines) {
            if (line.compare(0, start.size(), start) == 0 && line[start.size()] == ' ') return line;
        }
        ADD_FAILURE() << "no line for " << start;
        return {};
    }

    size_t IndexOf(const std::string& line) const {
        return static_cast<size_t>(std::find(listing_.lines.begin(), listing_.lines.end(), line) -
                                   listing_.lines.begin());
    }

    const CatalogTable& table_ = BuiltTable();
    Listing listing_;
};

TEST_F(WeaponListTest, CountsAndWidth) {
    size_t variants = 0, notes = 0;
    for (int n = 1; n <= kWeaponCount; ++n) {
        for (const TWeaponKest& v : table_.Weapon(n).Variants) {
            if (!v.Name.empty()) {
                ++variants;
                notes += !v.Note2.empty() + !v.Note3.empty();
            }
        }
        const TWeaponKest& first = table_.Weapon(n).Variants[0];
        notes += !first.Note2.empty() + !first.Note3.empty();
    }
    EXPECT_EQ(variants, 97u);
    EXPECT_EQ(listing_.lines.size(), 59u + 97u + notes);
    for (const std::string& line : listing_.lines) EXPECT_EQ(line.size(), 123u) << line;
    EXPECT_EQ(listing_.shown, ShownList::Weapons);
    EXPECT_TRUE(listing_.returnToTop);
}

TEST_F(WeaponListTest, Labels) {
    const std::vector<std::string> expected = {"Weapon", "damage", "ST",    "Cost", "",
                                               "WT",     "",       "Notes", ""};
    ExpectCaptions(listing_, expected);
}

TEST_F(WeaponListTest, TellingLines) {
    const std::string noNote(4 + 65, ' ');
    struct Case {
        const char* name;
        std::string numbers;  // from column 0 up to the end of the weight column
    };
    const Case cases[] = {
        {"dagger", Padded("dagger", 29) + "1-1" + "    4" + "        10" + "   0.10"},
        {"club", Padded("club", 29) + " +3" + "    4" + "        10" + "   0.20"},
        {"sheath", Padded("sheath", 29) + " - " + "    1" + "        10" + "   0.20"},
        {"sling pellets", Padded("sling pellets", 29) + " - " + "    1" + "       0.1" + "   0.03"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LineOf(c.name), c.numbers + noNote) << c.name;
    }
    // Two dice and no adds: the 2 and two blanks end at column 32.
    EXPECT_EQ(LineOf("broadsword").substr(29, 3), "2  ");
    // An arrow of 0.025 kg shows as 0.03.
    EXPECT_EQ(LineOf("arrow").substr(47, 7), "   0.03");
    // The half in the javelin's note is one character.
    const std::string javelin = LineOf("javelin");
    EXPECT_EQ(javelin.substr(58), Padded("1\xBDm; too short to make a 2-hex jab.", 65));
}

TEST_F(WeaponListTest, SecondNoteLines) {
    struct Case {
        const char* name;
        const char* note1;
        const char* note2;
    };
    const Case cases[] = {
        {"heavy crossbow", "fires every 3rd turn.", "every other turn if adjDX 16+"},
        {"Pike", "5m", "Normaly used grounded vs. cavalry"},
    };
    for (const Case& c : cases) {
        const std::string first = LineOf(c.name);
        EXPECT_EQ(first.substr(58), Padded(c.note1, 65));
        const size_t at = IndexOf(first);
        ASSERT_LT(at + 1, listing_.lines.size());
        EXPECT_EQ(listing_.lines[at + 1], std::string(58, ' ') + Padded(c.note2, 65)) << c.name;
    }
    // The variant repeats the note line after its own line.
    const size_t arbalest = IndexOf(LineOf(" arbalest"));
    EXPECT_EQ(listing_.lines[arbalest + 1],
              std::string(58, ' ') + Padded("every other turn if adjDX 16+", 65));
}

TEST_F(WeaponListTest, VariantsFollowTheirWeaponIndented) {
    const size_t dagger = IndexOf(LineOf("dagger"));
    const char* variants[] = {"cinquedea", "dirk",        "estradiot", "katar",
                              "kindjal",   "misericorde", "poignard",  "stiletto"};
    for (size_t k = 0; k < 8; ++k) {
        const std::string& line = listing_.lines[dagger + 1 + k];
        const std::string name = std::string(" ") + variants[k];
        EXPECT_EQ(line.substr(0, name.size() + 1), name + " ");
        // Same numbers as the dagger.
        EXPECT_EQ(line.substr(29), listing_.lines[dagger].substr(29));
    }
    EXPECT_EQ(listing_.lines[dagger + 9].substr(0, 7), "rapier ");
}

TEST_F(WeaponListTest, CommaSeparator) {
    textfmt::SetDecimalSeparator(',');
    const Listing listing = ListWeapons(table_);
    textfmt::SetDecimalSeparator('.');
    EXPECT_EQ(listing.lines[0].substr(50, 4), "0,10");
}

}  // namespace
