// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/weapon.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <string>
#include <vector>

namespace {

struct NamedWeapon {
    int index;
    const char* name;
    std::vector<std::string> variants;
};

// Every weapon with the other names it is known by, in list order.
// clang-format off
const std::vector<NamedWeapon> kNames = {
    {1, "dagger",
     {"cinquedea", "dirk", "estradiot", "katar", "kindjal", "misericorde", "poignard", "stiletto"}},
    {2, "rapier", {"bilbo", "epee", "fleuret", "foil", "tuck"}},
    {3, "cutlass",
     {"bandol", "hanger", "kris", "machete", "parang", "sabre", "saif", "snickersnee"}},
    {4, "Shortsword",
     {"dalwey", "estoc", "falchion", "sapara", "sax", "spadroon", "tulwar", "wakizashi"}},
    {5, "broadsword", {"farangi", "flamberge", "katana", "parsa", "scimitar"}},
    {6, "bastard sword", {"cladibas", "hand-and-a-half", "jin", "tachi", "o-dachi", "spatha"}},
    {7, "2-handed sword", {"claymore", "no-dachi"}},
    {8, "great sword", {}},
    {9, "sheath", {}},
    {10, "club", {"baseball bat", "chain", "cudgel", "war fan", "shillelagh"}},
    {11, "hatchet", {"tomahawk"}},
    {12, "hammer", {"mace", "dabus", "gargaz", "kanabo", "knobkerrie", "u'u"}},
    {13, "small ax", {"ankh", "crobill", "galraki", "pick"}},
    {14, "military pick", {}},
    {15, "morning Star", {"flail", "holy-water sprinkler"}},
    {16, "great hammer", {}},
    {17, "battle axe", {"balta", "doloire", "francesca", "masa-kiri", "o-no", "shoka"}},
    {18, "thrown rock", {}},
    {19, "sling", {}},
    {20, "small bow", {"hankyu"}},
    {21, "horse bow", {}},
    {22, "long bow", {"daikyu"}},
    {23, "light crossbow", {"prodd"}},
    {24, "heavy crossbow", {"arbalest"}},
    {25, "arrow", {}},
    {26, "crossbow quarrel", {}},
    {27, "quiver", {}},
    {28, "sling pellets", {}},
    {29, "cranequin", {}},
    {30, "javelin", {"angon", "djerid", "harpoon", "jaculum", "pilum"}},
    {31, "spear", {"assegai", "chogan", "lance", "military fork", "runka", "scythe"}},
    {32, "halberd", {"bec-de-corbin", "bill", "brandestoc", "godendag", "guisarme"}},
    {33, "pike ax", {"berdiche", "glave", "fauchard", "lochaber ax", "poleaxe", "voulge"}},
    {34, "trident", {}},
    {35, "naginata", {}},
    {36, "cavalry lance", {}},
    {37, "Pike", {}},
    {38, "quarterstaff", {}},
    {39, "net", {}},
    {40, "cestus", {}},
    {41, "whip", {}},
    {42, "lasso", {}},
    {43, "boomerang", {}},
    {44, "nunchucks", {}},
    {45, "spear thrower", {}},
    {46, "blowgun", {}},
    {47, "dart", {}},
    {48, "table", {"chair"}},
    {49, "wizard's staff", {}},
    {50, "molotail", {}},
    {51, "gas bomb", {}},
    {52, "bola", {}},
    {53, "sha-ken", {}},
    {54, "arquebus", {}},
    {55, "blunderbuss", {}},
    {56, "grenade", {}},
    {57, "petard", {}},
    {58, "gunpowder charge", {}},
    {59, "main-Gauche", {"hachiwara", "jittei", "madu", "swordbreaker"}},
};
// clang-format on

struct FixedRow {
    int index;
    const char* kind;
    int32_t dice, adds, st;
    double cost, weight;
    int32_t dice2, adds2;
    const char* note1;
    const char* note2;
};

// Weapons whose every figure is settled by the rules of the game:
// index, class, dice, adds, ST, cost, weight, 2nd dice, 2nd adds, note 1, note 2.
// clang-format off
const std::vector<FixedRow> kFixedRows = {
    { 1, "knife",           1, -1,  4,    10,   0.1,  1, -1, "", ""},
    { 6, "sword",           2,  1, 13,   100,   3.5,  3, -2, "", ""},
    { 8, "sword",           3,  1, 16,   150,     7,  3,  1, "", ""},
    { 9, "",                0,  0,  1,    10,   0.2,  0,  0, "", ""},
    {10, "",                0,  3,  4,    10,   0.2,  0,  3, "", ""},
    {12, "axe/mace",        1,  1, 10,    25,     2,  1,  1, "", ""},
    {18, "thrown weapons",  1, -4,  4,     0,   0.3,  1, -4, "", ""},
    {24, "crossbow",        3,  0, 15,    80,     5,  3,  0, "fires every 3rd turn.",
          "every other turn if adjDX 16+"},
    {27, "",                0,  0,  1,    10,   0.2,  0,  0, "", ""},
    {28, "",                0,  0,  1,   0.1, 0.025,  0,  0, "", ""},
    {30, "poleweapons",     1, -1,  9,    20,   1.5,  1, -1,
          "1\xBD" "m; too short to make a 2-hex jab.", ""},
    {31, "poleweapons",     1,  0, 11,    40,     3,  1,  1, "2-2\xBD" "m", ""},
    {37, "poleweapons",     2,  1, 12,    50,     6,  1,  0, "5m",
          "Normaly used grounded vs. cavalry"},
    {40, "cestus",          0,  3,  4,    20,     1,  0,  3, "", ""},
    {42, "lasso",           0,  0,  8,    10,   0.5,  1,  2, "", ""},
    {49, "",                1,  0,  4,     0,   1.5,  1,  0, "", ""},
    {50, "",                0,  4,  4,    20,     1,  0,  2, "", ""},
    {52, "bola",            0,  0,  9,    15,   0.5,  1, -2, "", ""},
    {53, "sha-ken",         1, -2,  4,     3,  0.05,  1, -2, "", ""},
    {55, "gun",             1,  2,  4,   200,     2,  1,  2, "", ""},
    {56, "",                2,  0,  4,   600,     1,  1,  0, "", ""},
    {57, "",                6,  0,  4,  2500,     6,  3,  0, "", ""},
    {58, "",                0,  0,  4,   100,     0,  0,  0, "", ""},
    {59, "knife",           1, -1,  4,    20,   0.3,  1, -1, "", ""},
};
// clang-format on

void ExpectEmptyVariant(const TWeaponKest& v) {
    EXPECT_EQ(v.Name, "");
    EXPECT_EQ(v.Dice, 0);
    EXPECT_EQ(v.Adds, 0);
    EXPECT_EQ(v.ST, 0);
    EXPECT_EQ(v.Cost, 0);
    EXPECT_EQ(v.Weight, 0);
    EXPECT_EQ(v.Note1, "");
    EXPECT_EQ(v.Note2, "");
    EXPECT_EQ(v.Note3, "");
    EXPECT_EQ(v.Weeks, 0);
    EXPECT_EQ(v.Dice2, 0);
    EXPECT_EQ(v.Adds2, 0);
}

TEST(WeaponCatalog, IndexOutsideTheCatalogGivesAnEmptyRecord) {
    for (int32_t index : {0, 60, -1, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(index);
        TWeaponItemKest weapon(index);
        EXPECT_EQ(weapon.Name, "");
        EXPECT_EQ(weapon.Kind, "");
        for (const TWeaponKest& v : weapon.Variants) {
            ExpectEmptyVariant(v);
        }
    }
}

TEST(WeaponCatalog, NamesAndVariantNamesInListOrder) {
    ASSERT_EQ(kNames.size(), 59u);
    int namedVariants = 0;
    for (const NamedWeapon& expected : kNames) {
        SCOPED_TRACE(expected.name);
        TWeaponItemKest weapon(expected.index);
        EXPECT_EQ(weapon.Name, expected.name);
        for (size_t i = 0; i < weapon.Variants.size(); ++i) {
            const std::string want = i < expected.variants.size() ? expected.variants[i] : "";
            EXPECT_EQ(weapon.Variants[i].Name, want) << "variant " << i + 1;
            if (!weapon.Variants[i].Name.empty()) {
                ++namedVariants;
            }
        }
    }
    EXPECT_EQ(namedVariants, 97);
}

TEST(WeaponCatalog, SettledRowsCarryTheirFiguresOnEveryVariant) {
    for (const FixedRow& row : kFixedRows) {
        SCOPED_TRACE(row.index);
        TWeaponItemKest weapon(row.index);
        EXPECT_EQ(weapon.Kind, row.kind);
        for (const TWeaponKest& v : weapon.Variants) {
            EXPECT_EQ(v.Dice, row.dice);
            EXPECT_EQ(v.Adds, row.adds);
            EXPECT_EQ(v.ST, row.st);
            EXPECT_EQ(v.Cost, row.cost);
            EXPECT_EQ(v.Weight, row.weight);
            EXPECT_EQ(v.Dice2, row.dice2);
            EXPECT_EQ(v.Adds2, row.adds2);
            EXPECT_EQ(v.Note1, row.note1);
            EXPECT_EQ(v.Note2, row.note2);
            EXPECT_EQ(v.Note3, "");
        }
    }
}

TEST(WeaponCatalog, OneHalfIsASingleLatin1Byte) {
    const std::string note = TWeaponItemKest(30).Variants[0].Note1;
    EXPECT_EQ(note.size(), 35u);
    EXPECT_EQ(static_cast<unsigned char>(note[1]), 0xBDu);
    EXPECT_EQ(note[2], 'm');
}

TEST(WeaponCatalog, EveryRowStaysWithinTheGameRanges) {
    for (int n = 1; n <= kWeaponCount; ++n) {
        SCOPED_TRACE(n);
        TWeaponItemKest weapon(n);
        EXPECT_FALSE(weapon.Name.empty());
        // A name and its indented variants must fit the 28 picked characters.
        EXPECT_LE(weapon.Name.size(), 28u);
        for (const TWeaponKest& v : weapon.Variants) {
            EXPECT_LE(v.Name.size() + 1, 28u) << v.Name;
            EXPECT_GE(v.Dice, 0);
            EXPECT_LE(v.Dice, 6);
            EXPECT_GE(v.Adds, -4);
            EXPECT_LE(v.Adds, 4);
            EXPECT_GE(v.ST, 1);
            EXPECT_LE(v.ST, 18);
            EXPECT_GE(v.Cost, 0);
            EXPECT_LE(v.Cost, 2500);
            EXPECT_GE(v.Weight, 0);
            EXPECT_LE(v.Weight, 30);
            EXPECT_GE(v.Dice2, 0);
            EXPECT_LE(v.Dice2, 6);
            EXPECT_GE(v.Adds2, -4);
            EXPECT_LE(v.Adds2, 4);
        }
    }
}

TEST(WeaponCatalog, SecondDamageDiffersInExactlyEightWeapons) {
    std::set<int> differing;
    for (int n = 1; n <= kWeaponCount; ++n) {
        TWeaponItemKest weapon(n);
        const TWeaponKest& v = weapon.Variants[0];
        if (v.Dice2 != v.Dice || v.Adds2 != v.Adds) {
            differing.insert(n);
        }
    }
    EXPECT_EQ(differing, (std::set<int>{6, 31, 37, 42, 50, 52, 56, 57}));
}

TEST(WeaponCatalog, WeeksAreCostAtOneWeekPer150Dollars) {
    for (int n = 1; n <= kWeaponCount; ++n) {
        SCOPED_TRACE(n);
        TWeaponItemKest weapon(n);
        for (const TWeaponKest& v : weapon.Variants) {
            EXPECT_DOUBLE_EQ(v.Weeks, v.Cost / 150);
        }
    }
    EXPECT_EQ(TWeaponItemKest(56).Variants[7].Weeks, 4.0);                         // grenade, $600
    EXPECT_NEAR(TWeaponItemKest(57).Variants[0].Weeks, 16.6666666666667, 1e-12);   // petard
    EXPECT_NEAR(TWeaponItemKest(1).Variants[3].Weeks, 0.0666666666666667, 1e-15);  // dagger
    EXPECT_EQ(TWeaponItemKest(49).Variants[0].Weeks, 0.0);  // wizard's staff costs nothing
}

TEST(WeaponCatalog, OnlyMissileAndPoleWeaponsHaveNotes) {
    const std::set<int> withNotes = {20, 21, 22, 23, 24, 29, 30, 31, 32, 33, 34, 35, 36, 37};
    for (int n = 1; n <= kWeaponCount; ++n) {
        SCOPED_TRACE(n);
        TWeaponItemKest weapon(n);
        const TWeaponKest& v = weapon.Variants[0];
        EXPECT_EQ(!v.Note1.empty(), withNotes.count(n) == 1);
        if (v.Note1.empty()) {
            EXPECT_EQ(v.Note2, "");  // a second note line never stands alone
        }
        EXPECT_EQ(v.Note3, "");
        // The note column holds 65 characters before the line's end.
        EXPECT_LE(v.Note1.size(), 65u);
        EXPECT_LE(v.Note2.size(), 65u);
    }
}

TEST(WeaponCatalog, PricesAndWeightsAreBelievable) {
    const TWeaponKest dagger = TWeaponItemKest(1).Variants[0];
    const TWeaponKest broadsword = TWeaponItemKest(5).Variants[0];
    EXPECT_GT(broadsword.Cost, dagger.Cost);
    EXPECT_GT(broadsword.Weight, dagger.Weight);
    EXPECT_EQ(broadsword.Dice, 2);
    EXPECT_EQ(broadsword.Adds, 0);

    const TWeaponKest arrow = TWeaponItemKest(25).Variants[0];
    EXPECT_EQ(arrow.Weight, 0.025);

    // A rapier costs more than a club; a great sword is the heaviest sword.
    EXPECT_GT(TWeaponItemKest(2).Variants[0].Cost, TWeaponItemKest(10).Variants[0].Cost);
    for (int sword = 1; sword <= 7; ++sword) {
        EXPECT_LT(TWeaponItemKest(sword).Variants[0].Weight, TWeaponItemKest(8).Variants[0].Weight);
    }
}

}  // namespace
