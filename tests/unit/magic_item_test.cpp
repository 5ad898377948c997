// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/magic_item.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

// Every item's name by catalog index, as the enchantment list prints it.
// clang-format off
const char* const kNames[kMagicItemCount] = {
    "Staff", "Magic Fist spell", "Blur", "Slow Movement", "Drop Weapon", "Detect Magic", "Light",
    "Weakness ST", "Clumsiness DX", "Confusion IQ", "Avert", "Detect Life", "Darkness, radius ",
    "Dark Vision", "Detect Enemies", "Lock", "Knock", "Trip", "Speed Movement", "Dazzle Gem",
    "Shock Shield", "Shadow", "Far Vision", "Sleep", "reverse Missiles", "Rope",
    "Destroy Illusion", "Silent Movement", "Persuasiveness", "Freeze", "Fireball spell",
    "Invisibility", "Mage Sight", "Magic Rainstorm", "Eyes-Behind", "Flight", "Stone Flesh",
    "Slippery Floor", "Mobile Slippery Floor", "Sticky Floor", "Mobile Sticky Floor", "Curse ",
    "Fireproofing", "Telekenesis", "Lightning spell", "Dispel illusions", "Spell Shield",
    "Telepathy", "Glamor", "Fresh Air", "Gem: Wolf, 6 turn", "Gem: Wolf, 12 turn",
    "Gem: Myrmidon, 6 turn", "Gem: Myrmidon, 12 turn", "Gem: Bear, 6 turn", "Gem: Bear, 12 turn",
    "Gem: Gargoyle, 6 turn", "Gem: Gargoyle, 12 turn", "Gem: Giant, 6 turn", "Gem: Giant, 12 turn",
    "Gem: 4-Hex dragon, 6 turn", "Gem: 4-Hex dragon, 12 turn", "Gem: 7-Hex dragon, 6 turn",
    "Gem: 7-Hex dragon, 12 turn", "Quiver of Replenishment", "Replenish with silver arrow",
    "Replenish, silver, DX+1", "Amulet: vs. Drunkenness", "Amulet: vs. Drowning",
    "Amulet: vs. creature", "Amulet: vs. one elemental", "Amulet: vs. all elementals",
    "Amulet: vs. Disease", "1-Hex Pentagram", "Maintain Illusion hex", "Maintain Image hex",
    "Ring of Control", "2-hex Magic Carpet", "4-hex Magic Carpet", "7-hex Magic Carpet",
    "Serpent Torc", "Restring Broken Torc", "Limiting Spell", "Expunge Spell", "Staff of Power",
    "Iron Flesh", "Teleport", "Giant Rope", "Astral Projection", "Hammertouch", "Unnoticeability",
    "Long-Distance Telepathy", "Insubstantiality", "Cleansing", "Spellsniffer", "Little Death",
    "Geas", "Shapeshifting", "Wizard's Wrath spell", "Long-Distance Teleport", "W.O.C.",
    "Crystal Ball", "Flamming Weapon", "Flamming Missile Weapon", "Wards", "ST battery 1pt",
    "ST battery 5pt", "Charm (+1)", "Charm (+2)", "Increase ST+", "Increase DX+", "Increase IQ+",
    "Magic Fist rod(1D-2)", "Fireball rod(1D-1)", "Lightning-bolt rod(1D)",
    "Wizard's Wrath rod(1D+1)", "Unicorn Horn", "Gate Key", "Gate Lock", "Bound Small Demon",
    "Amulet of Skepticism", "Hand of Glory", "Lense of Translation", "Adding 1 language to lens",
    "Zombie Ring", "Proxy", "Weapon/Armor +",
};
// clang-format on

std::vector<std::string> NotesOf(const TMagicItemKest& m) {
    return {m.Note1, m.Note2, m.Note3, m.Note4, m.Note5};
}

std::vector<int32_t> MaterialsOf(const TMagicItemKest& m) {
    return {m.MaterialCost1, m.MaterialCost2, m.MaterialCost3, m.MaterialCost4, m.MaterialCost5};
}

TEST(MagicItemConstruct, BlankRecordForMinusOne) {
    TMagicItemKest m(-1);
    EXPECT_EQ(m.Name, "");
    EXPECT_EQ(m.Price, 0);
    EXPECT_EQ(m.AdjustedPrice, 0);
    EXPECT_EQ(m.NoteCode, ' ');
    EXPECT_EQ(m.Weeks, 0.0);
    EXPECT_EQ(m.WeeksWorked, 0.0);
    EXPECT_EQ(m.WeeksLost, 0.0);
    EXPECT_EQ(m.CostSoFar, 0.0);
    EXPECT_EQ(m.STPerDay, 0);
    EXPECT_EQ(m.IngredientCost, 0);
    EXPECT_EQ(NotesOf(m), (std::vector<std::string>{"0", "", "", "", ""}));
    EXPECT_EQ(MaterialsOf(m), (std::vector<int32_t>{0, 0, 0, 0, 0}));
    EXPECT_EQ(m.CatalogIndex, 0);
    EXPECT_EQ(m.IQ, 0);
    EXPECT_EQ(m.Aux, 0);
    EXPECT_EQ(m.Level, 0);
    EXPECT_EQ(m.WorkDays, 0);
    EXPECT_EQ(m.WorkUnits, 0);
    EXPECT_EQ(m.SpellNumber, -1);
}

TEST(MagicItemConstruct, IndexOutsideCatalogGivesAllZero) {
    for (int32_t index : {127, 128, -2, -127, 100000, INT_MAX, INT_MIN}) {
        SCOPED_TRACE(index);
        TMagicItemKest m(index);
        EXPECT_EQ(m.Name, "");
        EXPECT_EQ(m.Price, 0);
        EXPECT_EQ(m.NoteCode, '\0');
        EXPECT_EQ(m.Weeks, 0.0);
        EXPECT_EQ(m.STPerDay, 0);
        EXPECT_EQ(m.IngredientCost, 0);
        EXPECT_EQ(NotesOf(m), (std::vector<std::string>{"", "", "", "", ""}));
        EXPECT_EQ(MaterialsOf(m), (std::vector<int32_t>{0, 0, 0, 0, 0}));
        EXPECT_EQ(m.IQ, 0);
        EXPECT_EQ(m.Aux, 0);
        EXPECT_EQ(m.Level, 0);
        EXPECT_EQ(m.SpellNumber, 0);
    }
}

TEST(MagicItemConstruct, EveryIndexHasItsNameAndNoDerivedOrMakingValues) {
    for (int i = 0; i < kMagicItemCount; ++i) {
        SCOPED_TRACE(i);
        TMagicItemKest m(i);
        EXPECT_EQ(m.Name, kNames[i]);
        EXPECT_EQ(m.AdjustedPrice, 0);
        EXPECT_EQ(m.WeeksWorked, 0.0);
        EXPECT_EQ(m.WeeksLost, 0.0);
        EXPECT_EQ(m.CostSoFar, 0.0);
        EXPECT_EQ(m.MaterialCost3, 0);
        EXPECT_EQ(m.MaterialCost4, 0);
        EXPECT_EQ(m.MaterialCost5, 0);
        // Start-up fills these three in.
        EXPECT_EQ(m.CatalogIndex, 0);
        EXPECT_EQ(m.WorkDays, 0);
        EXPECT_EQ(m.WorkUnits, 0);
    }
}

TEST(MagicItemConstruct, NamesAreUniqueSoTheWorkbenchFindsEachItem) {
    std::set<std::string> seen;
    for (int i = 0; i < kMagicItemCount; ++i) {
        EXPECT_TRUE(seen.insert(TMagicItemKest(i).Name).second) << i;
    }
}

struct TellingRow {
    int index;
    const char* name;
    int32_t price;
    char code;
    double weeks;
    int32_t st, ingr, iq, aux, level, spell, mat1, mat2;
    std::vector<std::string> notes;
};

// clang-format off
const std::vector<TellingRow> kTelling = {
    {0, "Staff", 0, 'U', 0, 5, 0, 8, 1, 0, 1, 0, 0,
     {"start with rod, wand, or quarterstaff, etc."}},
    {1, "Magic Fist spell", 2000, ' ', 3, 235, 0, 8, 1, -2, 2, 0, 0, {}},
    {2, "Blur", 3000, ' ', 5, 75, 15, 8, 0, -4, 3, 0, 0, {}},
    {3, "Slow Movement", 500, ' ', 1, 15, 40, 8, 0, 0, 4, 0, 0, {}},
    {4, "Drop Weapon", 500, ' ', 1, 20, 40, 8, 0, 0, 5, 0, 0, {}},
    {6, "Light", 500, ' ', 1, 10, 40, 8, 0, 0, 8, 0, 0, {}},
    {7, "Weakness ST", 1000, 'A', 1, 70, 430, 9, 0, -1, 10, 0, 0,
     {"4 doses ST- potion ($100), $13 ci"}},
    {12, "Darkness, radius ", 2000, 'A', 4, 20, 25, 9, 0, 1, 17, 0, 0, {}},
    {15, "Lock", 500, ' ', 1, 15, 40, 10, 0, 0, 29, 0, 0, {"seal"}},
    {16, "Knock", 1000, ' ', 2, 15, 40, 10, 0, 0, 29, 0, 0, {"key"}},
    {19, "Dazzle Gem", 250, ' ', 0.42, 10, 20, 10, 0, -4, 22, 0, 0, {"1 $20 gem"}},
    {37, "Slippery Floor", 2000, 'C', 4, 20, 26, 13, 0, 0, 59, 0, 0, {}},
    {38, "Mobile Slippery Floor", 4000, 'c', 4, 40, 52, 13, 0, 0, 59, 0, 0, {}},
    {44, "Lightning spell", 15000, 'D', 10, 375, 150, 14, 1, 0, 69, 0, 0,
     {"1 silver slime, live ($150)"}},
    {50, "Gem: Wolf, 6 turn", 500, 'C', 1, 25, 0, 9, 0, 0, 13, 40, 0,
     {"Must start with a $40 gem"}},
    {63, "Gem: 7-Hex dragon, 12 turn", 8000, 'c', 4, 400, 0, 16, 0, 0, 95, 600, 0,
     {"Must start with a $600 gem"}},
    {72, "Amulet: vs. Disease", 10000, ' ', 5, 25, 1420, 18, 0, 0, -1, 0, 0,
     {"3 doses Healing potion ($150)", "1 dose Simple Poison ($120)",
      "1 dose Plant Poison ($200)", "1 dose Insect Poison ($150)",
      "1 dose Pyrotic potion ($500)"}},
    {73, "1-Hex Pentagram", 2000, 'B', 3, 125, 0, 15, 0, 0, 91, 0, 0, {}},
    {74, "Maintain Illusion hex", 3000, 'B', 5, 75, 0, 17, 0, 1, 33, 0, 0, {}},
    {76, "Ring of Control", 10000, 'E', 18, 25, 0, 13, 0, 0, 57, 0, 0, {"ring"}},
    {77, "2-hex Magic Carpet", 10000, ' ', 5, 75, 1200, 18, 0, 0, -1, 0, 500,
     {"1 dose Flight potion ($1200)", "must start with a $500 carpet"}},
    {78, "4-hex Magic Carpet", 20000, 'I', 5, 150, 1200, 18, 0, 0, -1, 0, 1000,
     {"1 dose Flight potion ($1200)", "must start with a $1000 carpet"}},
    {79, "7-hex Magic Carpet", 50000, 'J', 5, 375, 1200, 18, 0, 0, -1, 0, 2000,
     {"1 dose Flight potion ($1200)", "must start with a $2000 carpet"}},
    {82, "Limiting Spell", 1000, ' ', 2, 25, 35, 18, 0, 0, -1, 0, 0, {"Immune to doubling rule"}},
    {83, "Expunge Spell", 2000, ' ', 3, 125, 0, 18, 0, 0, 110, 0, 0, {"Immune to doubling rule"}},
    {84, "Staff of Power", 0, 'U', 4, 10, 0, 16, 0, 0, 104, 0, 0,
     {"Immunity to drop weapon", "Immunity to break weapon"}},
    {89, "Hammertouch", 5000, 'N', 6, 75, 100, 15, 0, 0, 89, 0, 0, {"1 dose Gunpowder ($100)"}},
    {93, "Cleansing", 50000, 'D', 10, 75, 3770, 17, 0, 0, 112, 0, 0,
     {"1 dose Universal Antidote", "1 dose Pyrotic", "1 dose Simple, & Plant poison",
      "1 dose Insect poison", "2 doses Healing"}},
    {98, "Wizard's Wrath spell", 40000, 'F', 25, 375, 0, 18, 0, 0, 116, 0, 0, {}},
    {100, "W.O.C.", 20000, 'F', 25, 50, 25, 20, 0, 0, 124, 0, 0, {}},
    {101, "Crystal Ball", 50000, 'G', 40, 175, 0, 20, 0, 0, -1, 250, 0,
     {"must start with a $250 crystal sphere"}},
    {102, "Flamming Weapon", 10000, 'C', 5, 50, 1270, 20, 0, 0, -1, 0, 0,
     {"1 dose Fireproofing ($250)", "2 doses Pyrotic ($500), $20 ci"}},
    {104, "Wards", 6000, ' ', 5, 250, 125, 20, 0, 0, 25, 0, 0,
     {"Each of the five wards must be made", " from a $125 gem or carving."}},
    {105, "ST battery 1pt", 1000, 'B', 1, 40, 380, 20, 0, 1, -1, 1000, 0,
     {"2 doses Healing ($150), $80 ci", "must start with a gem worth at least $1000"}},
    {106, "ST battery 5pt", 5000, 'B', 2, 50, 1800, 20, 0, 5, -1, 1000, 0,
     {"12 doses Healing ($150), $80 ci", "Must start with a gem worth at least $1000"}},
    {108, "Charm (+2)", 100000, 'F', 25, 225, 2150, 20, 0, 0, -1, 0, 0,
     {"1 dose ST+ potion", "1 dose DX+ potion", "1 dose IQ+ potion", "1 dose Telekinesis"}},
    {114, "Lightning-bolt rod(1D)", 5000, 'B', 4, 250, 190, 20, 0, 1, 69, 0, 0,
     {"1 live silver slime ($150), $40 ci."}},
    {116, "Unicorn Horn", 6500, ' ', 2, 75, 2520, 20, 0, 0, -1, 0, 30,
     {"1 dose Universal Antidote, $20 ci.", "drinking vessle"}},
    {117, "Gate Key", 10000, ' ', 4, 170, 1500, 20, 0, 0, 117, 0, 100,
     {"1 dose Telpathy potion ($1500)", "must start with $100 silver key"}},
    {118, "Gate Lock", 5000, ' ', 4, 75, 500, 20, 0, 0, 117, 0, 100,
     {"1 dose Telekinesis potion ($500)", "Must start with $100 silver key"}},
    {125, "Proxy", 0, 'U', 20, 25, 1500, 20, 0, 0, 101, 0, 0, {"1 dose Telepathy ($1500)"}},
    {126, "Weapon/Armor +", 1000, 'A', 2, 75, 40, 14, 0, 1, 77, 0, 0, {}},
};
// clang-format on

TEST(MagicItemCatalog, TellingRowsCarryTheirExactValuesAndNotes) {
    for (const TellingRow& t : kTelling) {
        SCOPED_TRACE(t.index);
        TMagicItemKest m(t.index);
        EXPECT_EQ(m.Name, t.name);
        EXPECT_EQ(m.Price, t.price);
        EXPECT_EQ(m.NoteCode, t.code);
        EXPECT_EQ(m.Weeks, t.weeks);
        EXPECT_EQ(m.STPerDay, t.st);
        EXPECT_EQ(m.IngredientCost, t.ingr);
        EXPECT_EQ(m.IQ, t.iq);
        EXPECT_EQ(m.Aux, t.aux);
        EXPECT_EQ(m.Level, t.level);
        EXPECT_EQ(m.SpellNumber, t.spell);
        EXPECT_EQ(m.MaterialCost1, t.mat1);
        EXPECT_EQ(m.MaterialCost2, t.mat2);
        std::vector<std::string> expected = t.notes;
        expected.resize(5);
        EXPECT_EQ(NotesOf(m), expected);
    }
}

TEST(MagicItemCatalog, NoteCodeCounts) {
    const std::map<char, int> expected = {{' ', 67}, {'A', 9}, {'B', 11}, {'C', 10}, {'c', 10},
                                          {'D', 7},  {'E', 2}, {'F', 4},  {'G', 1},  {'I', 1},
                                          {'J', 1},  {'N', 1}, {'U', 3}};
    std::map<char, int> counted;
    for (int i = 0; i < kMagicItemCount; ++i) {
        ++counted[TMagicItemKest(i).NoteCode];
    }
    EXPECT_EQ(counted, expected);
}

TEST(MagicItemCatalog, BaseItemsAreExactlyTheFreeOnes) {
    for (int i = 0; i < kMagicItemCount; ++i) {
        TMagicItemKest m(i);
        EXPECT_EQ(m.NoteCode == 'U', m.Price == 0) << i << " " << m.Name;
    }
}

TEST(MagicItemCatalog, PairedRowsStandTogether) {
    // The 6-turn and 12-turn gems, the plain and mobile floors, the plain and
    // missile flaming weapons: first row C, second row c.
    const std::vector<int> firsts = {37, 39, 50, 52, 54, 56, 58, 60, 62, 102};
    for (int first : firsts) {
        SCOPED_TRACE(first);
        TMagicItemKest a(first), b(first + 1);
        EXPECT_EQ(a.NoteCode, 'C');
        EXPECT_EQ(b.NoteCode, 'c');
        EXPECT_LT(a.Price, b.Price);
        EXPECT_EQ(a.SpellNumber, b.SpellNumber);
        EXPECT_EQ(a.IQ, b.IQ);
    }
}

TEST(MagicItemCatalog, CreatureGemsStartWithTheGemTheRandomTreasureCuts) {
    // Gem value by creature: wolf and myrmidon 40, bear and gargoyle 80,
    // giant and 4-hex dragon 285, 7-hex dragon 600.
    const int values[14] = {40, 40, 40, 40, 80, 80, 80, 80, 285, 285, 285, 285, 600, 600};
    for (int k = 0; k < 14; ++k) {
        SCOPED_TRACE(50 + k);
        TMagicItemKest m(50 + k);
        EXPECT_EQ(m.Name.rfind("Gem: ", 0), 0u);
        EXPECT_EQ(m.MaterialCost1, values[k]);
        EXPECT_EQ(m.MaterialCost2, 0);
        EXPECT_EQ(m.Note1, "Must start with a $" + std::to_string(values[k]) + " gem");
        EXPECT_EQ(m.IngredientCost, 0);
    }
}

TEST(MagicItemCatalog, GradedItemsStartOneStepAwayFromZero) {
    // Graded items are stepped from their catalog level; a level of 0 would
    // never move. Curses and weakenings count down, bonuses count up.
    const std::map<int, int32_t> levels = {{7, -1},  {8, -1},  {9, -1},  {12, 1}, {41, -1},
                                           {109, 1}, {110, 1}, {111, 1}, {126, 1}};
    for (int i = 0; i < kMagicItemCount; ++i) {
        TMagicItemKest m(i);
        auto it = levels.find(i);
        if (it == levels.end()) {
            EXPECT_NE(m.NoteCode, 'A') << i;
        } else {
            EXPECT_EQ(m.NoteCode, 'A') << i;
            EXPECT_EQ(m.Level, it->second) << i;
        }
    }
}

TEST(MagicItemCatalog, CountedItemsAreTheChargesHexesBatteriesAndLanguages) {
    const std::map<int, int32_t> levels = {{73, 0},  {74, 1},  {75, 1},  {105, 1},
                                           {106, 5}, {112, 1}, {113, 1}, {114, 1},
                                           {115, 1}, {122, 1}, {123, 1}};
    for (int i = 0; i < kMagicItemCount; ++i) {
        TMagicItemKest m(i);
        auto it = levels.find(i);
        if (it == levels.end()) {
            EXPECT_NE(m.NoteCode, 'B') << i;
        } else {
            EXPECT_EQ(m.NoteCode, 'B') << i;
            EXPECT_EQ(m.Level, it->second) << i;
        }
    }
}

TEST(MagicItemCatalog, ComposedDataStaysWithinTheCatalogRanges) {
    size_t longestName = 0;
    size_t longestNote = 0;
    for (int i = 0; i < kMagicItemCount; ++i) {
        SCOPED_TRACE(i);
        TMagicItemKest m(i);
        EXPECT_GE(m.Price, 0);
        EXPECT_LE(m.Price, 100000);
        EXPECT_GE(m.Weeks, 0.0);
        EXPECT_LE(m.Weeks, 40.0);
        if (i == 19) {
            EXPECT_EQ(m.Weeks, 0.42);
        } else {
            EXPECT_EQ(m.Weeks, std::floor(m.Weeks)) << "only the dazzle gem takes part of a week";
        }
        EXPECT_GE(m.STPerDay, 5);
        EXPECT_LE(m.STPerDay, 500);
        EXPECT_GE(m.IngredientCost, 0);
        EXPECT_LE(m.IngredientCost, 3770);
        EXPECT_GE(m.IQ, 8);
        EXPECT_LE(m.IQ, 20);
        EXPECT_TRUE(m.Aux == 0 || m.Aux == 1 || m.Aux == 20) << m.Aux;
        EXPECT_GE(m.Level, -4);
        EXPECT_LE(m.Level, 5);
        EXPECT_TRUE(m.SpellNumber == -1 || (m.SpellNumber >= 1 && m.SpellNumber <= 156))
            << m.SpellNumber;

        // Name and price share the first 34 columns of the enchantment list,
        // and the name alone must fit the 28 characters that picking compares.
        const std::string priceText = std::to_string(m.Price);
        EXPECT_LE(m.Name.size() + priceText.size(), 33u);
        EXPECT_LE(m.Name.size(), 27u);
        longestName = std::max(longestName, m.Name.size());

        // Note lines are filled from the first one on, with no gap.
        const std::vector<std::string> notes = NotesOf(m);
        bool ended = false;
        for (const std::string& note : notes) {
            if (note.empty()) {
                ended = true;
            } else {
                EXPECT_FALSE(ended) << "note after an empty note";
                EXPECT_LE(note.size(), 45u);
                longestNote = std::max(longestNote, note.size());
            }
        }

        // A starting-material cost stands beside the note line that names the
        // material, and only the first two notes ever name one.
        const std::vector<int32_t> materials = MaterialsOf(m);
        for (size_t n = 0; n < materials.size(); ++n) {
            EXPECT_GE(materials[n], 0);
            if (materials[n] != 0) {
                EXPECT_LT(n, 2u);
                EXPECT_FALSE(notes[n].empty()) << "material " << n + 1 << " of " << m.Name;
            }
        }
        // A note that asks to start with a priced piece puts that price among
        // the material costs (the batteries keep it beside their first line).
        for (const std::string& note : notes) {
            const size_t dollar = note.find('$');
            if (note.find("tart with") != std::string::npos && dollar != std::string::npos) {
                const int32_t named = std::stoi(note.substr(dollar + 1));
                EXPECT_TRUE(m.MaterialCost1 == named || m.MaterialCost2 == named) << note;
            }
        }
    }
    EXPECT_EQ(longestName, 27u);
    EXPECT_EQ(longestNote, 45u);
}

TEST(MagicItemCatalog, DerivedWorkDaysRoundWithoutTies) {
    // Start-up rounds 5 x Weeks; no row may land on an exact half.
    for (int i = 0; i < kMagicItemCount; ++i) {
        const double days = 5 * TMagicItemKest(i).Weeks;
        EXPECT_NE(days - std::floor(days), 0.5) << i;
    }
    EXPECT_EQ(std::lround(5 * TMagicItemKest(19).Weeks), 2);
}

// A record with every field set to recognisable values.
TMagicItemKest Filled(int index) {
    TMagicItemKest m(index);
    m.AdjustedPrice = 7777;
    m.CatalogIndex = index;
    m.WorkDays = 11;
    m.WorkUnits = 220;
    m.WeeksWorked = 3;
    m.WeeksLost = 2;
    m.CostSoFar = 1234.5;
    m.MaterialCost3 = 33;
    m.MaterialCost4 = 44;
    m.MaterialCost5 = 55;
    return m;
}

TEST(MagicItemAssign, CopiesTheCatalogFields) {
    const TMagicItemKest source = Filled(72);
    TMagicItemKest slot(-1);
    slot.Assign(source);
    EXPECT_EQ(slot.Name, "Amulet: vs. Disease");
    EXPECT_EQ(slot.Price, 10000);
    EXPECT_EQ(slot.AdjustedPrice, 7777);
    EXPECT_EQ(slot.NoteCode, ' ');
    EXPECT_EQ(slot.Weeks, 5.0);
    EXPECT_EQ(slot.STPerDay, 25);
    EXPECT_EQ(slot.IngredientCost, 1420);
    EXPECT_EQ(NotesOf(slot), NotesOf(source));
    EXPECT_EQ(slot.CatalogIndex, 72);
    EXPECT_EQ(slot.IQ, 18);
    EXPECT_EQ(slot.Aux, 0);
    EXPECT_EQ(slot.Level, 0);
    EXPECT_EQ(slot.WorkDays, 11);
    EXPECT_EQ(slot.WorkUnits, 220);
}

TEST(MagicItemAssign, LeavesMakingProgressMaterialsAndSpellWithTheSlot) {
    TMagicItemKest slot = Filled(105);  // material 1000, spell -1
    slot.SpellNumber = 42;
    const TMagicItemKest source = Filled(63);  // material 600, spell 95
    slot.WeeksWorked = 9;
    slot.WeeksLost = 4;
    slot.CostSoFar = 250;
    slot.Assign(source);
    EXPECT_EQ(slot.Name, "Gem: 7-Hex dragon, 12 turn");
    EXPECT_EQ(slot.WeeksWorked, 9.0);
    EXPECT_EQ(slot.WeeksLost, 4.0);
    EXPECT_EQ(slot.CostSoFar, 250.0);
    EXPECT_EQ(MaterialsOf(slot), (std::vector<int32_t>{1000, 0, 33, 44, 55}));
    EXPECT_EQ(slot.SpellNumber, 42);

    // A slot made blank keeps 0 materials and spell -1 whatever it holds.
    TMagicItemKest blankSlot(-1);
    blankSlot.Assign(source);
    EXPECT_EQ(MaterialsOf(blankSlot), (std::vector<int32_t>{0, 0, 0, 0, 0}));
    EXPECT_EQ(blankSlot.SpellNumber, -1);
    EXPECT_EQ(blankSlot.CatalogIndex, 63);
}

TEST(MagicItemAssign, FromTheBlankTemplateEmptiesTheSlot) {
    TMagicItemKest slot(-1);
    slot.Assign(Filled(126));
    ASSERT_EQ(slot.Name, "Weapon/Armor +");
    const TMagicItemKest blank(-1);
    slot.Assign(blank);
    EXPECT_EQ(slot.Name, "");
    EXPECT_EQ(slot.Price, 0);
    EXPECT_EQ(slot.AdjustedPrice, 0);
    EXPECT_EQ(slot.NoteCode, ' ');
    EXPECT_EQ(slot.Weeks, 0.0);
    EXPECT_EQ(NotesOf(slot), (std::vector<std::string>{"0", "", "", "", ""}));
    EXPECT_EQ(slot.CatalogIndex, 0);
    EXPECT_EQ(slot.Level, 0);
    EXPECT_EQ(slot.WorkDays, 0);
    EXPECT_EQ(slot.WorkUnits, 0);
}

TEST(MagicItemAssign, StringsAreIndependentCopies) {
    TMagicItemKest source = Filled(93);
    TMagicItemKest slot(-1);
    slot.Assign(source);
    source.Name += "x";
    source.Note5 = "changed";
    slot.Note1 = "also changed";
    EXPECT_EQ(slot.Name, "Cleansing");
    EXPECT_EQ(slot.Note5, "2 doses Healing");
    EXPECT_EQ(source.Note1, "1 dose Universal Antidote");
}

TEST(MagicItemAssign, SelfAssignChangesNothing) {
    TMagicItemKest m = Filled(104);
    const TMagicItemKest before = m;
    m.Assign(m);
    EXPECT_EQ(m.Name, before.Name);
    EXPECT_EQ(m.Price, before.Price);
    EXPECT_EQ(m.AdjustedPrice, before.AdjustedPrice);
    EXPECT_EQ(m.NoteCode, before.NoteCode);
    EXPECT_EQ(NotesOf(m), NotesOf(before));
    EXPECT_EQ(m.Note2, " from a $125 gem or carving.");
    EXPECT_EQ(m.CatalogIndex, before.CatalogIndex);
    EXPECT_EQ(m.WorkUnits, before.WorkUnits);
    EXPECT_EQ(m.CostSoFar, before.CostSoFar);
}

}  // namespace
