// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/fauna.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/text_format.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"

namespace {

// Variant number (1..17) of the named variant of a kind; 0 when there is none.
int VariantNumber(const TFloura_FaunaKest& kind, const std::string& variant) {
    for (int k = 1; k <= kFaunaVariantSlots; ++k) {
        if (kind.VariantName[static_cast<size_t>(k - 1)] == variant) return k;
    }
    return 0;
}

const TStatKest& StatsOf(const TFloura_FaunaKest& kind, int k) {
    return kind.Stats[static_cast<size_t>(k - 1)];
}

// ---------------------------------------------------------------------------
// The price rule

TEST(FaunaCostTest, PriceFollowsTheIqBands) {
    struct Case {
        const char* what;
        int32_t st, dx, iq, ma, flyMa, swimMa, extraPoints;
        int32_t cost;
    };
    // Base sum for ST 8, DX 8, MA 10: 80 + 64 + 30 = 174.
    // clang-format off
    const Case cases[] = {
        {"IQ 5 keeps the base sum",              8,  8,  5, 10,  0,   2,   8,  174},
        {"IQ 0 keeps the base sum",              8,  8,  0, 10,  0,   2,   8,  174},
        {"negative IQ keeps the base sum",       8,  8, -4, 10,  0,   2,   8,  174},
        {"IQ 6 triples, extra points unused",    8,  8,  6, 10,  0,   2,   8,  522},
        {"IQ 7 is ten times, extra unused",      8,  8,  7, 10,  0,   2,   8, 1740},
        {"IQ 8 times IQ + extra points",         8,  8,  8, 10,  0,   2,   8, 2784},
        {"IQ 8 without extra points",            8,  8,  8, 10,  0,   2,   0, 1392},
        {"IQ 20 without extra points",           8,  8, 20, 10,  0,   2,   0, 3480},
        {"flying and swimming do not count",     8,  8,  5, 10, 30, 666,   0,  174},
        {"negative extra points cut the factor", 8,  8,  9, 10,  0,   2,  -8,  174},
        {"factor zero",                          8,  8,  8, 10,  0,   2,  -8,    0},
        {"negative factor",                      8,  8,  8, 10,  0,   2, -10, -348},
        {"negative ST, DX and MA",              -5, -3,  5, -2,  0,   0,   0,  -47},
        {"negative base sum times ten",         -5, -3,  7, -2,  0,   0,   0, -470},
        {"negative DX still squares",            0, -2,  0, 10,  0,   2,   0,   34},
        {"all zero",                             0,  0,  0,  0,  0,   0,   0,    0},
        {"ST 666, IQ 1 (the smallest goo)",    666,  0,  1,  4,  0,   2,   0, 6672},
        {"a demon",                            100, 14, 20, 666, 0, 666,   0, 63880},
        // 10 x 1e9 = 1e10 wraps to 1e10 - 2 x 2^32 in 32 bits.
        {"32-bit wrap-around", 1000000000, 0, 5, 0, 0, 0, 0, 1410065408},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TStatKest stats;
        stats.ST = c.st;
        stats.DX = c.dx;
        stats.IQ = c.iq;
        stats.MA = c.ma;
        stats.FlyMA = c.flyMa;
        stats.SwimMA = c.swimMa;
        stats.ExtraPoints = c.extraPoints;
        stats.Hexes = 7;  // size and weight do not count either
        stats.Weight = 12345;
        EXPECT_EQ(FaunaCost(stats), c.cost);
    }
}

// ---------------------------------------------------------------------------
// Construction

TEST(FaunaTest, ConstructorOutsideTheCatalogLeavesEveryVariantEmptyAndFree) {
    for (int32_t index : {0, -1, 79, 1000, INT32_MIN, INT32_MAX}) {
        SCOPED_TRACE(index);
        TFloura_FaunaKest kind(index);
        EXPECT_EQ(kind.Name, "");
        EXPECT_EQ(kind.PluralName, "");
        EXPECT_EQ(FaunaVariantCount(kind), 0);
        for (int k = 1; k <= kFaunaVariantSlots; ++k) {
            const TStatKest& s = StatsOf(kind, k);
            EXPECT_EQ(kind.VariantName[static_cast<size_t>(k - 1)], "");
            EXPECT_EQ(FaunaPartsText(s), "");
            EXPECT_EQ(s.ST, 0);
            EXPECT_EQ(s.DX, 0);
            EXPECT_EQ(s.IQ, 0);
            EXPECT_EQ(s.MA, 0);
            EXPECT_EQ(s.FlyMA, 0);
            EXPECT_EQ(s.SwimMA, 0);
            EXPECT_EQ(s.ExtraPoints, 0);
            EXPECT_EQ(s.Cost, 0);
            EXPECT_EQ(s.Hexes, 0);
            EXPECT_EQ(s.Weight, 0);
        }
    }
}

// Every kind's names and the parts its variants yield. The last column is the
// parts text of every variant, or "" where the kind's variants yield none or
// differ (see kVariantParts).
struct NamedKind {
    int index;
    const char* name;
    const char* plural;
    std::vector<std::string> variants;
    const char* parts;
};

// clang-format off
const std::vector<NamedKind> kKinds = {
    {1, "human", "humans",
     {"black", "white", "yellow", "orange", "red", "hairy", "bald", "peacefull", "warlike",
      "city-bred", "wandering", "amazon", "male-chauvinist", "good", "evil", "practical", "mad"},
     "hand, hand, eye, eye, brain"},
    {2, "orc", "orcs", {"city", "village", "kingdom", "mountain hut"}, "liver"},
    {3, "elf", "elves", {"forest city", "mountain peak", "deep"}, "toenails"},
    {4, "dwarf", "dwarves", {"underground city", "elsewhere", "gnome"}, ""},
    {5, "goblin", "goblins", {"out-of-the-way city", "merchant"}, ""},
    {6, "hobgoblin", "hobgoblins", {"goblins' servant", "masterless"}, ""},
    {7, "halfling", "halflings", {"peacefull", "adventuring", "city-dwelling"}, ""},
    {8, "prootwaddle", "prootwaddles",
     {"hunter gather", "forest village", "alley sleeping"}, "hair"},
    {9, "centaur", "centaurs", {"elves' forester", "plains"}, "hooves"},
    {10, "giant", "giants", {"peacefull farmer", "outcast"}, "hair"},
    {11, "gargoyle", "gargoyles", {"mountainous tribe", "ruin inhabiting"}, "gall bladder"},
    {12, "reptile man", "reptile men", {"uncommon", "rare employed"}, ""},
    {13, "merman", "mermen", {"body of water"}, ""},
    {14, "half-breed", "half-breeds",
     {"man orc", "man elf", "man dwarf", "man halfling", "orc elf", "orc dwarf", "orc halfling",
      "elf dwarf", "elf halfling", "man merman", "man giant", "orc giant", "goblin hobgoblin"}, ""},
    {15, "dragon", "dragons", {"1-hex", "2-hex", "4-hex", "7-hex", "14-hex"}, ""},
    {16, "demon", "demons", {"hero", "wizard"}, ""},
    {17, "lesser demon", "lesser demons", {"hero", "wizard"}, ""},
    {18, "wyvern", "wyverns", {"hero", "magic owning"}, ""},
    {19, "wraith", "wraiths", {"hero", "wizard", "ally"}, ""},
    {20, "troll", "trolls", {"single", "paired"}, ""},
    {21, "octopus", "octopi",
     {"lone underwater", "mated underwater", "lone swamp", "mated swamp"}, "eye, eye"},
    {22, "neanderthal", "neanderthals", {"small village", "dwarven slave"}, ""},
    {23, "ogre", "ogres", {"lone", "small group"}, ""},
    {24, "disease", "diseased",
     {"vampire", "were-neanderthal (man)", "were-ape (orc)", "were-sasquatch (elf)",
      "were-troll (dwarf)", "were-wolf (goblin)", "were-dire wolf (hobgob)", "were-dog (halfling)",
      "were-lemming (prootwaddle)", "were-indri (centaur)", "were-ogre (giant)",
      "were-wyvern (gargoyle)", "were-saurian (reptile man)", "were-shark (merman)"}, ""},
    {25, "ghoul", "ghouls", {"small group"}, ""},
    {26, "shadowight", "shadowights", {"dim tunnel", "underground"}, ""},
    {27, "hydra", "", {"small 4-hex", "larger 7-hex"}, ""},
    {28, "basilisk", "", {"obnoxious", "ally"}, "brain & eyes"},
    {29, "ghost", "ghosts", {"revenge", "love", "lust", "greed"}, ""},
    {30, "wight", "wights", {"proud combative", "oath", "geas"}, ""},
    {31, "night gaunt", "night gaunts", {"human evil", "beastly evil", "monstrous evil"}, ""},
    {32, "revenant", "revenants", {"slain PC", "lord of castle", "miser"}, ""},
    {33, "mnoren", "mnoren", {"Jed", "child", "grand child", "lone traveling", "observer"}, ""},
    {34, "god", "gods", {"demi"}, ""},
    {35, "apotheos", "apotheosi",
     {"returned PC", "righter of wrongs", "defender of weak", "deus ex machina"}, ""},
    {36, "elemental", "deep cavern",
     {"high mountain", "deep metal", "dark forest earth", "hard wind", "whirlwind",
      "high atmosphere", "wind storm", "windy canyon", "mountain wind", "volcano",
      "natural-gas fire", "furnace", "old fireplace", "running water", "deep lake",
      "magic rainstorm"}, ""},
    {37, "apep", "apopos", {"egyptian"}, "backbone"},
    {38, "zombie", "zombies", {"controled", "mindless"}, "eye, eye"},
    {39, "skeleton", "skeletons", {"controled", "mindless"}, ""},
    {40, "horse", "horses",
     {"nag", "riding", "mustang", "pony", "clydesdale", "percheron", "donkey", "mule", "unicorn",
      "pegasus"}, ""},
    {41, "warhorse", "warhorses", {"trained"}, ""},
    {42, "mamal", "mamals",
     {"idricotherium", "elephant", "mammoth", "oxen", "yak", "carabao", "water buffalo", "camel"},
     ""},
    {43, "lizard", "lizards", {"riding", "saurian", "walker"}, ""},
    {44, "bird", "birds", {"diatryma", "roc"}, ""},
    {45, "gryphon", "", {"rare and solitary"}, ""},
    {46, "dolphin", "dolphins", {"partnership"}, ""},
    {47, "mount", "mounts", {"dire wolf", "lion", "uncle teeth"}, ""},
    {48, "draft animal", "draft animals", {"horse", "saurian", "roc", "travois dog"}, ""},
    {49, "dog", "dogs", {"wolf", "dire wolf", "shepherd", "wolfhound", "hunting", "watch"}, ""},
    {50, "bear", "bears", {"cave", "kodiak", "grizzly", "black", "cinnamon"}, ""},
    {51, "large feline", "large felines", {"lion", "tiger", "sabertooth", "jaguar"}, ""},
    {52, "little cat", "little cats", {}, ""},
    {53, "ape", "apes",
     {"small band great", "cave great", "tunnel great", "large group baboon",
      "small group chimpanzee", "monkey"}, ""},
    {54, "slinker", "slinkers", {"forest", "underground"}, ""},
    {55, "dragonet", "dragonets", {"group", "trained"}, ""},
    {56, "stone beetle", "stone beetles",
     {"lone", "small group", "ambush", "hole living"}, "brain"},
    {57, "giant spider", "giant spiders", {"web"}, ""},
    {58, "giant scorpion", "giant scorpions", {"solo"}, ""},
    {59, "hymenopteran", "hymenopterans",
     {"basic", "spyder", "low render", "termagant", "phlanxe", "gantua", "myrmidon", "plunge",
      "worker"}, ""},
    {60, "snake", "snakes",
     {"rattlesnake", "spitting cobra", "small", "large", "giant constrictor", "monster"}, ""},
    {61, "lizard", "lizards", {"big", "dinosaur"}, ""},
    {62, "goo", "goo", {"1-hex", "2-hex", "3-hex", "4-hex", "7-hex"}, ""},
    {63, "fish", "fish", {"shark", "piranha"}, ""},
    {64, "snapping turtle", "snapping turtles", {"3-hex", "7-hex"}, ""},
    {65, "uncle teeth", "uncle teeth", {"respected", "wild"}, "50 teeth"},
    {66, "giant clam", "giant clams", {"fresh water", "salt water"}, "pearl"},
    {67, "kraken", "kraken", {"shore ambush", "deep water"}, ""},
    {68, "crocodile", "crocodiles", {"wild", "pet"}, ""},
    {69, "bloodtree", "bloodtrees", {"surface threat", "tunnel threat"}, "heart"},
    {70, "am bush", "am bushes", {"woodland", "tunnel"}, "leaves, twigs"},
    {71, "mushroom", "mushrooms",
     {"edible", "hallucinogenic", "poisonous", "poison gas", "explosive", "berserker"}, "dried"},
    {72, "slime", "slimes", {"green", "red", "brown", "silver"}, ""},
    {73, "rat", "rats", {"city", "country", "sewer"}, ""},
    {74, "vampire bat", "vampire bats", {"tree", "cave"}, ""},
    {75, "nuisance", "nuisances", {"spider", "wasp"}, ""},
    {76, "nuisance", "nuisances", {"piranhakeet"}, ""},
    {77, "nuisance", "nuisances", {"scorpion"}, ""},
    {78, "child", "children",
     {"man", "orc", "elf", "dwarf", "goblin", "hobgoblin", "halfling", "prootwaddle", "centaur",
      "giant", "gargoyle", "reptile man", "merman"}, ""},
};

// The kinds whose variants yield different parts: every variant listed here
// with its parts; the other variants of these kinds yield none.
struct VariantParts {
    int index;
    const char* variant;
    const char* parts;
};

const VariantParts kVariantParts[] = {
    {14, "man orc", "brain, liver, hand, eye, hand"},
    {14, "man elf", "brain, toenails, hand, eye, hand"},
    {14, "man dwarf", "brain, hand, eye, hand, eye"},
    {14, "man halfling", "brain, eye, eye, hand, hand"},
    {14, "orc elf", "liver, toenails"},
    {14, "orc dwarf", "liver"},
    {14, "orc halfling", "liver"},
    {14, "elf dwarf", "toenails"},
    {14, "elf halfling", "toenails"},
    {14, "man merman", "brain, hand, hand, eye, eye"},
    {14, "man giant", "brain, hair, eye, eye, hand"},
    {14, "orc giant", "liver, hair"},
    {15, "1-hex", "heart, dung"},
    {15, "2-hex", "heart, dung"},
    {15, "4-hex", "heart, dung"},
    {15, "7-hex", "heart, dung"},
    {15, "14-hex", "heart, skin, dung"},
    {40, "unicorn", "horn"},
    {49, "wolf", "brain"},
    {49, "dire wolf", "brain"},
    {51, "lion", "brain"},
    {51, "tiger", "brain"},
    {51, "sabertooth", "brain, tusk"},
    {51, "jaguar", "brain"},
};
// clang-format on

TEST(FaunaTest, EveryKindHasItsNamesPluralVariantsAndParts) {
    ASSERT_EQ(kKinds.size(), static_cast<size_t>(kFaunaCount));
    std::set<std::pair<int, std::string>> withOwnParts;
    for (const VariantParts& v : kVariantParts) withOwnParts.insert({v.index, v.variant});
    for (const NamedKind& expected : kKinds) {
        SCOPED_TRACE(expected.name);
        TFloura_FaunaKest kind(expected.index);
        EXPECT_EQ(kind.Name, expected.name);
        EXPECT_EQ(kind.PluralName, expected.plural);
        const int count = static_cast<int>(expected.variants.size());
        ASSERT_EQ(FaunaVariantCount(kind), count);
        for (int k = 1; k <= kFaunaVariantSlots; ++k) {
            const std::string& name = kind.VariantName[static_cast<size_t>(k - 1)];
            // Filled from variant 1 upward, without gaps.
            EXPECT_EQ(name, k <= count ? expected.variants[static_cast<size_t>(k - 1)] : "");
            if (k > count) continue;
            std::string parts = expected.parts;
            for (const VariantParts& v : kVariantParts) {
                if (v.index == expected.index && name == v.variant) parts = v.parts;
            }
            EXPECT_EQ(FaunaPartsText(StatsOf(kind, k)), parts) << name;
        }
    }
}

TEST(FaunaTest, PartsAreSplitIntoTheirFieldsWithoutGaps) {
    TFloura_FaunaKest halfBreed(14);
    const TStatKest& manOrc = StatsOf(halfBreed, VariantNumber(halfBreed, "man orc"));
    EXPECT_EQ(manOrc.Part1, "brain");
    EXPECT_EQ(manOrc.Part2, "liver");
    EXPECT_EQ(manOrc.Part3, "hand");
    EXPECT_EQ(manOrc.Part4, "eye");
    EXPECT_EQ(manOrc.Part5, "hand");
    const TStatKest& orcGiant = StatsOf(halfBreed, VariantNumber(halfBreed, "orc giant"));
    EXPECT_EQ(orcGiant.Part1, "liver");
    EXPECT_EQ(orcGiant.Part2, "hair");
    EXPECT_EQ(orcGiant.Part3, "");
    // A part whose own name holds a blank or an ampersand stays whole.
    EXPECT_EQ(StatsOf(TFloura_FaunaKest(28), 1).Part1, "brain & eyes");
    EXPECT_EQ(StatsOf(TFloura_FaunaKest(28), 1).Part2, "");
    EXPECT_EQ(StatsOf(TFloura_FaunaKest(65), 2).Part1, "50 teeth");

    for (int n = 1; n <= kFaunaCount; ++n) {
        TFloura_FaunaKest kind(n);
        for (const TStatKest& s : kind.Stats) {
            const std::string parts[] = {s.Part1, s.Part2, s.Part3, s.Part4, s.Part5};
            for (int p = 1; p < kFaunaMaxParts; ++p) {
                if (parts[p - 1].empty()) {
                    EXPECT_EQ(parts[p], "") << kind.Name;
                }
            }
            EXPECT_LE(FaunaPartsText(s).size(), 32u) << kind.Name;
        }
    }
}

TEST(FaunaTest, TheCatalogHas282VariantsAndOnlyTheLittleCatGoesWithout) {
    int total = 0;
    std::vector<int> without;
    for (int n = 1; n <= kFaunaCount; ++n) {
        TFloura_FaunaKest kind(n);
        EXPECT_FALSE(kind.Name.empty()) << n;
        total += FaunaVariantCount(kind);
        if (FaunaVariantCount(kind) == 0) without.push_back(n);
    }
    EXPECT_EQ(total, 282);
    EXPECT_EQ(without, std::vector<int>{52});
}

// The variants whose figures are fixed; a null variant stands for every variant
// of the kind, "" for the little cat's unnamed first entry.
TEST(FaunaTest, TellingVariantsHaveTheirFiguresAndPrice) {
    struct Case {
        int index;
        const char* variant;
        int32_t st, dx, iq, ma, flyMa, swimMa, extraPoints, hexes;
        double weight;
        int32_t cost;
    };
    // clang-format off
    const Case cases[] = {
        { 1, nullptr,     8,  8,  8,  10,  0,   2,  8,  1,    70,  2784},
        { 6, nullptr,     6,  6,  6,  10,  0,   2,  8,  1,    40,   378},
        {22, nullptr,    16, 10,  7,  10,  0,   2,  0,  1,   128,  2900},
        {40, "nag",      14, 11,  5,  20,  0,   2,  0,  2,   500,   321},
        {40, "pegasus",  22, 13,  6,  22, 30,   2,  0,  2,   500,  1365},
        {63, "piranha",   1, 10,  4,   0,  0,  20,  0,  1,     1,   110},
        {15, "14-hex",  100, 14, 24,   8, 24,   2,  0, 14, 10000, 29280},
        {16, nullptr,   100, 14, 20, 666,  0, 666,  0,  3,   900, 63880},
        {62, "1-hex",   666,  0,  1,   4,  0,   2,  0,  1,  4000,  6672},
        {66, nullptr,   200, 18,  1,   0,  0,   2,  0,  4, 40000,  2324},
        {38, nullptr,     0, -2,  0,  10,  0,   2,  0,  1,    70,    34},
        {34, "demi",     42, 10,  6,  10,  0,   2, -8,  6,  1764,  1650},
        {29, nullptr,     0,  0, 10,  10, 10,  10,  0,  1,     0,   300},
        {24, "vampire",  14,  8,  8,   8, 10,   2,  8,  1,    70,  3648},
        {52, "",          4, 14,  5,  14,  0,   2,  0,  1,    16,   278},
        {78, "merman",    4,  6,  8,   6,  0,   2,  4,  1,    16,  1128},
    };
    // clang-format on
    for (const Case& c : cases) {
        TFloura_FaunaKest kind(c.index);
        std::vector<int> ks;
        if (c.variant == nullptr) {
            for (int k = 1; k <= FaunaVariantCount(kind); ++k) ks.push_back(k);
        } else if (*c.variant == '\0') {
            ks.push_back(1);
        } else {
            ks.push_back(VariantNumber(kind, c.variant));
        }
        for (int k : ks) {
            SCOPED_TRACE(kind.Name + " " + std::to_string(k));
            ASSERT_GE(k, 1);
            const TStatKest& s = StatsOf(kind, k);
            EXPECT_EQ(s.ST, c.st);
            EXPECT_EQ(s.DX, c.dx);
            EXPECT_EQ(s.IQ, c.iq);
            EXPECT_EQ(s.MA, c.ma);
            EXPECT_EQ(s.FlyMA, c.flyMa);
            EXPECT_EQ(s.SwimMA, c.swimMa);
            EXPECT_EQ(s.ExtraPoints, c.extraPoints);
            EXPECT_EQ(s.Hexes, c.hexes);
            EXPECT_EQ(s.Weight, c.weight);
            EXPECT_EQ(s.Cost, c.cost);
        }
    }
}

TEST(FaunaTest, TheUnicornCosts459AndCoversTwoHexes) {
    TFloura_FaunaKest horse(40);
    const int k = VariantNumber(horse, "unicorn");
    ASSERT_EQ(k, 9);
    EXPECT_EQ(StatsOf(horse, k).Cost, 459);
    EXPECT_EQ(StatsOf(horse, k).Hexes, 2);
    EXPECT_EQ(StatsOf(horse, k).Part1, "horn");
    // The base item a click on it makes, and the text that click is compared with.
    EXPECT_EQ(horse.VariantName[static_cast<size_t>(k - 1)] + " " + horse.Name, "unicorn horse");
    EXPECT_EQ(FaunaVariantText(horse, k), " unicorn horse");
}

// Every variant's price follows from its attributes, in all 17 places of every
// kind (the unnamed ones included).
TEST(FaunaTest, EveryPriceIsDerivedFromTheAttributes) {
    for (int n = 1; n <= kFaunaCount; ++n) {
        TFloura_FaunaKest kind(n);
        for (const TStatKest& s : kind.Stats) {
            int64_t expected = 10 * int64_t{s.ST} + int64_t{s.DX} * s.DX + 3 * int64_t{s.MA};
            if (s.IQ == 6) expected *= 3;
            if (s.IQ == 7) expected *= 10;
            if (s.IQ > 7) expected *= s.IQ + s.ExtraPoints;
            EXPECT_EQ(s.Cost, expected) << kind.Name;
            // Every price fits the list's five-character cost column.
            EXPECT_LE(s.Cost, 99999) << kind.Name;
            EXPECT_GE(s.Cost, 0) << kind.Name;
        }
    }
}

TEST(FaunaTest, PlacesWithoutAVariantHoldNothing) {
    for (int n = 1; n <= kFaunaCount; ++n) {
        TFloura_FaunaKest kind(n);
        // The little cat has no variant, but its first place describes the cat.
        const int first = n == 52 ? 2 : FaunaVariantCount(kind) + 1;
        for (int k = first; k <= kFaunaVariantSlots; ++k) {
            const TStatKest& s = StatsOf(kind, k);
            EXPECT_TRUE(s.ST == 0 && s.DX == 0 && s.IQ == 0 && s.MA == 0 && s.FlyMA == 0 &&
                        s.SwimMA == 0 && s.ExtraPoints == 0 && s.Hexes == 0 && s.Weight == 0 &&
                        s.Cost == 0 && FaunaPartsText(s).empty())
                << kind.Name << " " << k;
        }
    }
}

bool SameFigures(const TStatKest& a, const TStatKest& b) {
    return a.ST == b.ST && a.DX == b.DX && a.IQ == b.IQ && a.MA == b.MA && a.FlyMA == b.FlyMA &&
           a.SwimMA == b.SwimMA && a.ExtraPoints == b.ExtraPoints && a.Hexes == b.Hexes &&
           a.Weight == b.Weight;
}

// Most kinds' variants differ in name only; these kinds' variants differ in size
// or nature and so in their figures.
TEST(FaunaTest, OnlyTheMixedKindsHaveVariantsOfDifferentFigures) {
    const std::set<int> mixed = {14, 15, 24, 27, 36, 40, 42, 43, 44, 47, 48, 49,
                                 50, 51, 53, 59, 60, 61, 62, 63, 64, 72, 75, 78};
    for (int n = 1; n <= kFaunaCount; ++n) {
        TFloura_FaunaKest kind(n);
        bool allSame = true;
        for (int k = 2; k <= FaunaVariantCount(kind); ++k) {
            allSame = allSame && SameFigures(StatsOf(kind, 1), StatsOf(kind, k));
        }
        EXPECT_EQ(allSame, mixed.count(n) == 0) << kind.Name;
    }
}

// A variant named for its size ("7-hex", "small 4-hex") covers that many hexes,
// and within such a kind the larger variant is the stronger and the heavier.
TEST(FaunaTest, SizedVariantsCoverTheirHexesAndGrowWithThem) {
    for (int n : {15, 27, 62, 64}) {
        TFloura_FaunaKest kind(n);
        SCOPED_TRACE(kind.Name);
        for (int k = 1; k <= FaunaVariantCount(kind); ++k) {
            const std::string& name = kind.VariantName[static_cast<size_t>(k - 1)];
            const size_t hex = name.find("-hex");
            ASSERT_NE(hex, std::string::npos) << name;
            const size_t digits = name.find_last_not_of("0123456789", hex - 1) + 1;
            EXPECT_EQ(StatsOf(kind, k).Hexes, std::atoi(name.c_str() + digits)) << name;
            if (k > 1) {
                EXPECT_GT(StatsOf(kind, k).ST, StatsOf(kind, k - 1).ST) << name;
                EXPECT_GT(StatsOf(kind, k).Weight, StatsOf(kind, k - 1).Weight) << name;
            }
        }
    }
    // A dragon outdoes a rat by far.
    TFloura_FaunaKest dragon(15);
    TFloura_FaunaKest rat(73);
    EXPECT_GT(StatsOf(dragon, 1).ST, 10 * StatsOf(rat, 1).ST);
    EXPECT_GT(StatsOf(dragon, 1).Weight, 100 * StatsOf(rat, 1).Weight);
}

// ---------------------------------------------------------------------------
// The Fauna list

TEST(FaunaListTest, LabelsAndListKind) {
    const CatalogTable& t = BuiltTable();
    const Listing listing = ListFauna(t);
    const std::vector<std::string> labels = {
        "Floura Fauna", "Cost", "Hexes", "WT", "", "Stat", "Total", "Parts", "",
    };
    ExpectCaptions(listing, labels);
    EXPECT_TRUE(listing.returnToTop);
    EXPECT_EQ(listing.shown, ShownList::Fauna);
}

TEST(FaunaListTest, A123WideTitleLinePerKindFollowedByItsVariantLines) {
    const CatalogTable& t = BuiltTable();
    const Listing listing = ListFauna(t);
    ASSERT_EQ(listing.lines.size(), 360u);
    for (const std::string& line : listing.lines) EXPECT_EQ(line.size(), 123u) << line;

    size_t i = 0;
    for (int n = 1; n <= kFaunaCount; ++n) {
        const TFloura_FaunaKest& kind = FaunaAt(t, n);
        SCOPED_TRACE(kind.Name);
        ASSERT_LT(i, listing.lines.size());
        EXPECT_EQ(listing.lines[i++], Padded(kind.Name, 123));
        for (int k = 1; k <= FaunaVariantCount(kind); ++k) {
            const std::string& line = listing.lines[i++];
            const std::string& variant = kind.VariantName[static_cast<size_t>(k - 1)];
            const TStatKest& s = StatsOf(kind, k);
            // The first 28 characters are what a click compares: the variant and
            // its kind, except for the diseases, which name the ailment only.
            if (n == kFaunaDisease) {
                EXPECT_EQ(line.substr(0, 28), Padded(" " + variant, 28));
                EXPECT_EQ(line.find("disease"), std::string::npos) << line;
            } else {
                EXPECT_EQ(line.substr(0, 28), Padded(FaunaVariantText(kind, k), 28));
            }
            // Fixed columns: cost 29-33, hexes 34-37, stat total 48-52, parts from 57.
            EXPECT_EQ(std::atoi(line.substr(28, 5).c_str()), s.Cost) << line;
            EXPECT_EQ(std::atoi(line.substr(33, 4).c_str()), s.Hexes) << line;
            EXPECT_EQ(std::atoi(line.substr(47, 5).c_str()), s.ST + s.DX + s.IQ + s.ExtraPoints)
                << line;
            EXPECT_EQ(line.substr(52, 4), B(4)) << line;
            const std::string parts = FaunaPartsText(s);
            EXPECT_EQ(line.substr(56), Padded(parts, 67)) << line;
        }
    }
    EXPECT_EQ(i, listing.lines.size());
}

TEST(FaunaListTest, ExampleLines) {
    const std::vector<std::string> lines = ListFauna(BuiltTable()).lines;
    auto lineStarting = [&](const std::string& start) {
        for (const std::string& line : lines) {
            if (line.compare(0, start.size(), start) == 0) return line;
        }
        return std::string("(none)");
    };

    EXPECT_EQ(lines[0], "human" + B(118));
    EXPECT_EQ(lines[1], " black human" + B(16) + " 2784" + "   1" + "     70.00" + "   32" + B(4) +
                            "hand, hand, eye, eye, brain" + B(40));
    EXPECT_EQ(lines[17], Padded(" mad human", 28) + " 2784   1     70.00   32    " +
                             "hand, hand, eye, eye, brain" + B(40));
    EXPECT_EQ(lines[18], "orc" + B(120));
    // The demon's price fills its column, right after the label.
    EXPECT_EQ(lineStarting(" hero demon"),
              Padded(" hero demon", 28) + "63880" + "   3" + "    900.00" + "  134" + B(4 + 67));
    // A kind whose variants yield no parts: the parts column is all blanks.
    EXPECT_EQ(lineStarting(" gnome dwarf").substr(56), B(67));
    // The two longest labels fill their 28 characters exactly.
    EXPECT_EQ(lineStarting(" goblin hobgoblin").substr(0, 29), " goblin hobgoblin half-breed ");
    EXPECT_EQ(lineStarting(" dark forest").substr(0, 29), " dark forest earth elemental ");
    // The unicorn and a weight below a kilogram.
    EXPECT_EQ(lineStarting(" unicorn horse").substr(28, 28), "  459   2    450.00   39    ");
    EXPECT_EQ(lineStarting(" tree vampire bat").substr(37, 10), "      0.05");
    // A disease line names the ailment only.
    EXPECT_EQ(lineStarting(" vampire").substr(0, 33), Padded(" vampire", 28) + " 3648");
    // The little cat is a title without variant lines; the apes follow at once.
    size_t cat = 0;
    while (cat < lines.size() && lines[cat].compare(0, 11, "little cat ") != 0) ++cat;
    ASSERT_LT(cat + 1, lines.size());
    EXPECT_EQ(lines[cat + 1], "ape" + B(120));
    EXPECT_EQ(lines.back(), Padded(" merman child", 28) + " 1128   1     16.00   22" + B(4 + 67));
}

}  // namespace
