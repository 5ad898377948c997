// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/random_item.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "catalog/carpet.h"
#include "catalog/catalog_table.h"
#include "catalog/component.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/magic_item.h"
#include "catalog/spell.h"
#include "catalog/weapon.h"
#include "dice/random_source.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/lists/enchantment_list.h"

namespace {

// Behind the scripted draws: every draw of a test must be scripted, so a draw
// that reaches this generator fails the test.
class NoFallback : public RandomSource {
public:
    int32_t Below(int32_t bound) override {
        ++unscripted;
        ADD_FAILURE() << "an unscripted draw below " << bound;
        return 0;
    }
    void ReseedFromClock() override { ++reseeds; }

    int unscripted = 0;
    int reseeds = 0;
};

struct Roll {
    int32_t bound;
    int32_t die;
};
using Rolls = std::vector<Roll>;

// A magic item put on the bench `times` times in a row.
struct Put {
    int32_t index;
    int32_t times = 1;
};
using Puts = std::vector<Put>;

Rolls operator+(Rolls a, const Rolls& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
Puts operator+(Puts a, const Puts& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

constexpr int32_t kBlur = 2;  // an enchantment no catalog rule puts

// The d(53) roll that makes GetEnchant give a catalog index.
int32_t EnchantRoll(int32_t index) {
    static const std::map<int32_t, int32_t> rolls = [] {
        std::map<int32_t, int32_t> m;
        for (int32_t r = 1; r <= 53; ++r) {
            DrawSource source(std::make_unique<NoFallback>());
            source.Script(53, r);
            m[GetEnchant(source, true)] = r;
        }
        return m;
    }();
    return rolls.at(index);
}

Roll Enchant(int32_t index) { return {53, EnchantRoll(index)}; }

// The tail of a run once the base item's rules have left fill F: the d(5 - F)
// that counts the random enchantments, here one Blur; nothing when complete.
Rolls EnchantTail(int32_t fill) {
    if (fill == 6) return {};
    return {{5 - fill, 1}, Enchant(kBlur)};
}
Puts EnchantTailPuts(int32_t fill) { return fill == 6 ? Puts{} : Puts{{kBlur}}; }

class RandomItemTest : public testing::Test {
protected:
    RandomItemTest() : random_(MakeFallback()) {
        table_.Build();
        reference_.Build();
        // The clock is re-seeded once, before the first draw.
        random_.SetObserver([this](int32_t, int32_t) { EXPECT_EQ(fallback_->reseeds, 1); });
    }

    std::unique_ptr<RandomSource> MakeFallback() {
        auto fallback = std::make_unique<NoFallback>();
        fallback_ = fallback.get();
        return fallback;
    }

    // One random item on exactly these draws, no more and no fewer.
    void Run(const Rolls& rolls) {
        fallback_->reseeds = 0;
        for (const Roll& roll : rolls) random_.Script(roll.bound, roll.die);
        MakeRandomItem(table_, state_, random_);
        EXPECT_EQ(random_.ScriptedLeft(), 0u);
        EXPECT_EQ(fallback_->unscripted, 0);
        EXPECT_EQ(fallback_->reseeds, 1);
    }

    // The bench must be what these puts, made by hand through the combination
    // rules on an empty bench with the same base item, give.
    void ExpectBench(const Puts& puts) {
        for (int k = 1; k <= 5; ++k) reference_.EditSlot(k).Assign(reference_.BlankItem());
        WorkshopState expected;
        expected.BaseItemName = state_.BaseItemName;
        for (const Put& put : puts) {
            for (int32_t i = 0; i < put.times; ++i) {
                Rectify_Magic_Item_list(reference_, expected, put.index);
            }
        }
        for (int k = 1; k <= 5; ++k) {
            SCOPED_TRACE("slot " + std::to_string(k));
            const TMagicItemKest& got = table_.Slot(k);
            const TMagicItemKest& want = reference_.Slot(k);
            EXPECT_EQ(got.Name, want.Name);
            EXPECT_EQ(got.Level, want.Level);
            EXPECT_EQ(got.Price, want.Price);
            EXPECT_EQ(got.AdjustedPrice, want.AdjustedPrice);
            EXPECT_EQ(got.Weeks, want.Weeks);
        }
    }

    void ExpectBase(const std::string& name, double price, double weeks, int32_t hexes) {
        EXPECT_EQ(state_.BaseItemName, name);
        EXPECT_DOUBLE_EQ(state_.BaseItemPrice, price);
        EXPECT_DOUBLE_EQ(state_.BaseItemWeeks, weeks);
        EXPECT_EQ(state_.HexCount, hexes);
    }

    // The slot holding the named item, or nullptr.
    const TMagicItemKest* SlotNamed(const std::string& name) const {
        for (int k = 1; k <= 5; ++k) {
            if (table_.Slot(k).Name == name) return &table_.Slot(k);
        }
        return nullptr;
    }

    CatalogTable table_;
    CatalogTable reference_;
    WorkshopState state_;
    NoFallback* fallback_ = nullptr;
    DrawSource random_;
};

// One scripted run of a catalog's rules: the draws after d(45) up to the end
// of the catalog's own rules, the magic they put and the fill they leave.
struct RuleCase {
    const char* what;
    Rolls rolls;
    Puts puts;
    int32_t fill;
};

class CatalogRules : public RandomItemTest {
protected:
    void Check(int32_t catalogRoll, const RuleCase& c) {
        SCOPED_TRACE(c.what);
        Run(Rolls{{45, catalogRoll}} + c.rolls + EnchantTail(c.fill));
        ExpectBench(c.puts + EnchantTailPuts(c.fill));
    }
};

TEST_F(RandomItemTest, EveryCatalogHasItsSpanOfTheD45) {
    struct Case {
        int32_t roll;
        Rolls rolls;
        const char* base;
    };
    const Rolls plainTail = EnchantTail(0);
    const Case cases[] = {
        {1, Rolls{{78, 52}} + plainTail, "little cat 1 hex"},
        {2, Rolls{{44, 2}} + plainTail, "Common Ingrediant"},
        {3, Rolls{{44, 2}} + plainTail, "Common Ingrediant"},
        {4, Rolls{{3, 1}} + EnchantTail(1), "2 Hex Carpet"},
        {6, Rolls{{3, 1}} + EnchantTail(1), "2 Hex Carpet"},
        {7, Rolls{{36, 1}} + plainTail, "anklet"},
        {10, Rolls{{36, 1}} + plainTail, "anklet"},
        {11, {{202, 1}, {2, 2}, {2, 2}, {2, 1}}, "diamond (gem)"},
        {15, {{202, 1}, {2, 2}, {2, 2}, {2, 1}}, "diamond (gem)"},
        {16, Rolls{{156, 1}} + plainTail, "book, staff"},
        {21, Rolls{{156, 1}} + plainTail, "book, staff"},
        {22, {{156, 1}}, "staff scroll"},
        {28, {{156, 1}}, "staff scroll"},
        {29, Rolls{{52, 1}} + plainTail, "labyrinth kit"},
        {36, Rolls{{52, 1}} + plainTail, "labyrinth kit"},
        {37, Rolls{{59, 1}, {2, 1}, {10, 2}, {10, 10}} + plainTail, "dagger"},
        {45, Rolls{{59, 1}, {2, 1}, {10, 2}, {10, 10}} + plainTail, "dagger"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roll);
        Run(Rolls{{45, c.roll}} + c.rolls);
        EXPECT_EQ(state_.BaseItemName, c.base);
    }
}

TEST_F(RandomItemTest, AScrollIsNeverEnchantedAndTheOldBenchIsCleared) {
    // A bench in the middle of a making: the random item replaces its
    // contents, while the slots keep their making figures.
    for (int32_t index : {kBlur, 126, 6}) Rectify_Magic_Item_list(table_, state_, index);
    table_.EditSlot(1).WeeksWorked = 3;
    table_.EditSlot(2).CostSoFar = 450;
    state_.MadeItemName = "Sting";
    state_.WeeksElapsed = 4;
    state_.Making = true;

    Run({{45, 25}, {156, 43}});
    const TSpellsKest& fireball = SpellAt(table_, 43);
    ExpectBase(fireball.Name + " scroll", fireball.ScrollPrice, fireball.Weeks, 1);
    ExpectBench({});
    EXPECT_EQ(table_.Slot(1).WeeksWorked, 3);
    EXPECT_EQ(table_.Slot(2).CostSoFar, 450);
    EXPECT_EQ(state_.MadeItemName, "Sting");
    EXPECT_EQ(state_.WeeksElapsed, 4);
    EXPECT_TRUE(state_.Making);
}

TEST_F(RandomItemTest, ASpellBookGetsOneToFourEnchantmentSteps) {
    const std::array<int32_t, 4> enchantments = {kBlur, 6, 5,
                                                 31};  // Light, Detect Magic, Invisibility
    for (int32_t n = 1; n <= 5; ++n) {
        SCOPED_TRACE(n);
        Rolls rolls = {{45, 16}, {156, 156}, {5, n}};
        Puts puts;
        for (int32_t step = 0; step < std::min(n, 4); ++step) {
            rolls.push_back(Enchant(enchantments[static_cast<size_t>(step)]));
            puts.push_back({enchantments[static_cast<size_t>(step)]});
        }
        Run(rolls);
        const TSpellsKest& spell = SpellAt(table_, 156);
        ExpectBase("book, " + spell.Name, spell.BookPrice, spell.Weeks, 1);
        ExpectBench(puts);
    }
}

TEST_F(RandomItemTest, TheRandomEnchantmentsThatGoOnSeveralTimes) {
    struct Case {
        int32_t enchantment;
        Roll extra;
        int32_t times;
    };
    const Case cases[] = {
        {12, {5, 1}, 1}, {12, {5, 5}, 5}, {74, {4, 1}, 1},  {74, {4, 2}, 2},  {74, {4, 3}, 4},
        {74, {4, 4}, 7}, {75, {4, 4}, 7}, {109, {5, 3}, 3}, {110, {5, 5}, 5}, {111, {5, 2}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.enchantment);
        SCOPED_TRACE(c.extra.die);
        Run({{45, 16}, {156, 1}, {5, 1}, Enchant(c.enchantment), c.extra});
        ExpectBench({{c.enchantment, c.times}});
    }
    // Seven puts of Maintain Illusion hex count it up six times past its start.
    Run({{45, 16}, {156, 1}, {5, 1}, Enchant(74), {4, 4}});
    const TMagicItemKest* illusion = SlotNamed("Maintain Illusion hex");
    ASSERT_NE(illusion, nullptr);
    EXPECT_EQ(illusion->Level, table_.MagicItem(74).Level + 6);
}

TEST_F(RandomItemTest, EveryOtherRandomEnchantmentGoesOnOnce) {
    for (int32_t r = 1; r <= 53; ++r) {
        DrawSource probe(std::make_unique<NoFallback>());
        probe.Script(53, r);
        const int32_t e = GetEnchant(probe, true);
        if (e == 12 || e == 74 || e == 75 || (e >= 109 && e <= 111)) continue;
        SCOPED_TRACE(e);
        Run({{45, 16}, {156, 1}, {5, 1}, {53, r}});
        ExpectBench({{e}});
    }
}

TEST_F(RandomItemTest, AnStBatteryGemIsCutToItsCharge) {
    struct Case {
        int32_t gem;
        int32_t s;
        double carats;
    };
    const Case cases[] = {
        {1, 12, 7},      // diamond, 400 a carat: 2400 buys 6 carats, one more
        {1, 1, 1},       // 0.5 rounds to the even 0
        {1, 5, 3},       // 2.5 rounds to 2
        {1, 7, 5},       // 3.5 rounds to 4
        {1, 25, 13},     // 12.5 rounds to 12
        {149, 12, 481},  // uraninite, 5 a carat
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.s);
        TGemItemKest& gem = GemToCut(table_, c.gem);
        gem.Carats = 1;
        gem.Price = gem.PricePerCarat;
        Run(Rolls{{45, 11}, {202, c.gem}, {2, 1}, {25, c.s}} + EnchantTail(1));
        EXPECT_EQ(gem.Carats, c.carats);
        EXPECT_EQ(gem.Price, c.carats * gem.PricePerCarat);
        ExpectBase(gem.Name + " (gem)", gem.Price, 0, 1);
        ExpectBench(Puts{{106, c.s / 5}, {105, c.s % 5}} + EnchantTailPuts(1));
    }
    // s = 12 on a diamond: a 2800-dollar stone of 7 carats with two 5-point
    // and two 1-point batteries.
    Run(Rolls{{45, 11}, {202, 1}, {2, 1}, {25, 12}} + EnchantTail(1));
    EXPECT_EQ(GemAt(table_, 1).Price, 2800);
    EXPECT_EQ(GemAt(table_, 1).Carats, 7);
    EXPECT_EQ(state_.BaseItemPrice, 2800);
    ASSERT_NE(SlotNamed("ST battery 5pt"), nullptr);
    ASSERT_NE(SlotNamed("ST battery 1pt"), nullptr);
    EXPECT_EQ(SlotNamed("ST battery 5pt")->Level, 10);
    EXPECT_EQ(SlotNamed("ST battery 1pt")->Level, 2);
    // The other stones keep their one carat.
    EXPECT_EQ(GemAt(table_, 2).Carats, 1);
    EXPECT_EQ(GemAt(table_, 2).Price, 400);
}

TEST_F(RandomItemTest, CreatureAndDazzleGems) {
    struct Case {
        int32_t gem;
        Rolls rolls;  // after d(202)
        Puts puts;
        double carats;
    };
    const Case cases[] = {
        // uraninite, 5 a carat: 40, 80, 285 and 600 dollars' worth, one carat more
        {149, {{2, 2}, {2, 1}, {14, 1}}, {{50}}, 9},
        {149, {{2, 2}, {2, 1}, {14, 4}}, {{53}}, 9},
        {149, {{2, 2}, {2, 1}, {14, 5}}, {{54}}, 17},
        {149, {{2, 2}, {2, 1}, {14, 8}}, {{57}}, 17},
        {149, {{2, 2}, {2, 1}, {14, 9}}, {{58}}, 58},
        {149, {{2, 2}, {2, 1}, {14, 12}}, {{61}}, 58},
        {149, {{2, 2}, {2, 1}, {14, 13}}, {{62}}, 121},
        {149, {{2, 2}, {2, 1}, {14, 14}}, {{63}}, 121},
        // diamond: 600 / 400 = 1.5 rounds to the even 2
        {1, {{2, 2}, {2, 1}, {14, 14}}, {{63}}, 3},
        {1, {{2, 2}, {2, 1}, {14, 9}}, {{58}}, 2},
        // a dazzle gem of 20 dollars
        {149, {{2, 2}, {2, 2}, {2, 1}}, {{19}}, 5},
        {1, {{2, 2}, {2, 2}, {2, 1}}, {{19}}, 1},
        // a creature gem that also dazzles
        {149, {{2, 2}, {2, 2}, {2, 2}, {14, 1}}, {{50}, {19}}, 9},
        {149, {{2, 2}, {2, 2}, {2, 2}, {14, 13}}, {{62}, {19}}, 121},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.carats);
        Run(Rolls{{45, 15}, {202, c.gem}} + c.rolls);  // complete: no enchantments
        const TGemItemKest& gem = GemAt(table_, c.gem);
        EXPECT_EQ(gem.Carats, c.carats);
        EXPECT_EQ(gem.Price, c.carats * gem.PricePerCarat);
        ExpectBase(gem.Name + " (gem)", gem.Price, 0, 1);
        ExpectBench(c.puts);
    }
}

TEST_F(RandomItemTest, Creatures) {
    const TFloura_FaunaKest& demon = FaunaAt(table_, 16);
    Run({{45, 1}, {78, 16}, {2, 2}});
    ExpectBase("wizard demon", demon.Stats[1].Cost, 0, demon.Stats[1].Hexes);
    ExpectBench({});

    Run({{45, 1}, {78, 17}, {2, 1}});
    EXPECT_EQ(state_.BaseItemName, "hero lesser demon");
    ExpectBench({{119}});

    for (int32_t n = 1; n <= 3; ++n) {
        SCOPED_TRACE(n);
        Rolls rolls = {{45, 1}, {78, 33}, {5, 4}, {3, n}};
        const std::array<int32_t, 3> steps = {kBlur, 6, 5};
        Puts puts = {{117}, {118}};
        for (int32_t i = 0; i < n; ++i) {
            rolls.push_back(Enchant(steps[static_cast<size_t>(i)]));
            puts.push_back({steps[static_cast<size_t>(i)]});
        }
        Run(rolls);
        EXPECT_EQ(state_.BaseItemName, "lone traveling mnoren");
        ExpectBench(puts);
    }

    const TFloura_FaunaKest& cat = FaunaAt(table_, 52);
    Run(Rolls{{45, 1}, {78, 52}} + EnchantTail(0));
    ExpectBase("little cat 1 hex", cat.Stats[0].Cost, 0, 1);
    ExpectBench(EnchantTailPuts(0));

    const TFloura_FaunaKest& dragon = FaunaAt(table_, 15);
    Run(Rolls{{45, 1}, {78, 15}, {5, 5}} + EnchantTail(0));
    ExpectBase("14-hex dragon", dragon.Stats[4].Cost, 0, 14);
}

TEST_F(CatalogRules, Components) {
    const RuleCase cases[] = {
        {"Carving, demon", {{8, 1}}, {{119}}, 6},
        {"Carving, wards", {{8, 2}}, {{104}}, 1},
        {"Carving, wards", {{8, 7}}, {{104}}, 1},
        {"Carving, proxy", {{8, 8}}, {{125}}, 1},
        {"lense, first try", {{3, 1}}, {{122, 1}}, 1},
        {"lense, third try", {{3, 2}, {3, 3}, {3, 1}}, {{122, 3}}, 1},
        {"lense, eighth try",
         {{3, 3}, {3, 2}, {3, 2}, {3, 3}, {3, 3}, {3, 2}, {3, 2}, {3, 1}},
         {{122, 8}},
         1},
        {"Crystal sphere", {}, {{101}}, 1},
        {"Hand", {}, {{121}}, 1},
        {"Silver beads", {}, {{80}}, 1},
        {"key", {}, {{16}}, 1},
        {"Silver key, knock", {{2, 1}}, {{16}}, 6},
        {"Silver key, gate", {{2, 2}}, {{117}}, 6},
        {"lock", {}, {{15}}, 6},
        {"Silver Lock, lock", {{2, 1}}, {{15}}, 1},
        {"Silver Lock, gate", {{2, 2}}, {{118}}, 1},
        {"Snake's Backbone", {}, {{80}}, 1},
        {"Common Ingrediant", {}, {}, 0},
        {"Silver Slime, live", {}, {}, 0},
        {"dragon heart", {}, {}, 0},
    };
    const int32_t numbers[] = {1, 1, 1, 1, 3, 3, 3, 4, 7, 9, 10, 11, 11, 12, 13, 13, 15, 2, 14, 44};
    static_assert(std::size(numbers) == std::size(cases), "one component per case");
    for (size_t i = 0; i < std::size(cases); ++i) {
        RuleCase c = cases[i];
        c.rolls.insert(c.rolls.begin(), Roll{44, numbers[i]});
        Check(2, c);
        const TComponentItemKest& component = ComponentAt(table_, numbers[i]);
        ExpectBase(component.Name, component.Price, 0, 1);
    }
}

TEST_F(CatalogRules, Carpets) {
    for (int32_t c = 1; c <= 3; ++c) {
        Check(5, {"carpet", {{3, c}}, {{76 + c}}, 1});
        const TCarpetItemKest& carpet = CarpetAt(table_, c);
        ExpectBase(carpet.Name, carpet.Price, carpet.Price / 150, 1);
    }
}

TEST_F(CatalogRules, Jewelry) {
    std::vector<std::pair<int32_t, RuleCase>> cases = {
        {8, {"chalice", {}, {{116}}, 1}},
        {12, {"cup", {}, {{116}}, 1}},
        {13, {"decanter", {}, {{116}}, 1}},
        {15, {"goblet", {}, {{116}}, 1}},
        {29, {"tankard", {}, {{116}}, 1}},
        {22, {"necklace", {}, {{25}}, 1}},
        {24, {"orb", {}, {{101}}, 1}},
        {27, {"seal", {}, {{15}}, 6}},
        {28, {"statuette, demon", {{8, 1}}, {{119}}, 6}},
        {28, {"statuette, wards", {{8, 4}}, {{104}}, 1}},
        {28, {"statuette, proxy", {{8, 8}}, {{125}}, 1}},
        {31, {"candelabra", {{2, 1}}, {{14}}, 1}},
        {31, {"candelabra", {{2, 2}}, {{6}}, 1}},
        {1, {"anklet", {}, {}, 0}},
        {20, {"the empty place", {}, {}, 0}},
        {36, {"chopstick", {}, {}, 0}},
    };
    const int32_t amulets[] = {67, 68, 69, 70, 71, 72, 120};
    for (int32_t roll = 1; roll <= 7; ++roll) {
        cases.push_back({23, {"pendant", {{7, roll}}, {{amulets[roll - 1]}}, 1}});
    }
    const int32_t rings[] = {76, 76, 76, 76, 76, 76, 76, 76, 124, 31, 88, 90, 36, 85, 28, 32};
    for (int32_t roll = 1; roll <= 16; ++roll) {
        cases.push_back({25, {"ring", {{16, roll}}, {{rings[roll - 1]}}, 1}});
    }
    for (auto& [j, c] : cases) {
        c.rolls.insert(c.rolls.begin(), Roll{36, j});
        Check(8, c);
        const TJewelryItemKest& piece = JewelryAt(table_, j);
        ExpectBase(piece.Name, piece.Price, piece.Price / 150, 1);
    }
    EXPECT_EQ(JewelryAt(table_, 20).Name, "");
}

TEST_F(CatalogRules, Equipment) {
    std::vector<std::pair<int32_t, RuleCase>> cases = {
        {3, {"3m rope", {}, {{25}}, 1}},
        {4, {"10m rope", {}, {{87}}, 1}},
        {11, {"torch", {}, {{6}}, 1}},
        {12, {"100m rope", {}, {{43}}, 1}},
        {13, {"rope ladder", {}, {{43}}, 1}},
        {14, {"crowbar", {}, {{16}}, 1}},
        {21, {"waterskin", {}, {{116}}, 1}},
        {28, {"unicorn horn", {}, {{116}}, 1}},
        {29, {"drinking vessel", {}, {{116}}, 1}},
        {25, {"lantern, shadow", {{5, 1}, {4, 1}}, {{21}}, 1}},
        {25, {"lantern, darkness", {{5, 1}, {4, 4}}, {{12}}, 1}},
        {25, {"lantern, mage sight", {{5, 2}, {4, 1}}, {{32}}, 1}},
        {25, {"lantern, light", {{5, 5}, {4, 2}}, {{6}}, 1}},
        {27, {"quill", {}, {{84}}, 1}},
        {30, {"rod, staff", {{6, 1}}, {{0}}, 1}},
        {30, {"rod, staff of power", {{6, 2}}, {{84}}, 1}},
        {45, {"wand, staff", {{7, 1}}, {{0}}, 1}},
        {45, {"wand, staff of power", {{7, 2}}, {{84}}, 1}},
        {45, {"wand, spellsniffer", {{7, 7}}, {{94}}, 1}},
        {36, {"travois", {}, {{18}}, 1}},
        {47, {"boots", {}, {{18}}, 1}},
        {37, {"glove", {}, {{89}}, 1}},
        {38, {"gauntlet", {}, {{89}}, 1}},
        {39, {"vine", {{2, 1}}, {{25}}, 1}},
        {40, {"necktie", {{2, 2}}, {{87}}, 1}},
        {42, {"mask", {{2, 1}}, {{49}}, 1}},
        {42, {"mask", {{2, 2}}, {{97}}, 1}},
        {44, {"vial", {}, {{33}}, 1}},
        {1, {"labyrinth kit", {}, {}, 0}},
        {20, {"wizard's chest", {}, {}, 0}},
        {52, {"last article", {}, {}, 0}},
    };
    for (int32_t e : {26, 31, 32, 33, 34, 35})
        cases.push_back({e, {"to write on", {}, {{100}}, 1}});
    for (int32_t rod = 3; rod <= 6; ++rod) {
        cases.push_back(
            {30, {"rod", {{6, rod}, {10, 2 * rod - 2}}, {{109 + rod, 2 * rod - 2}}, 1}});
        cases.push_back({45, {"wand", {{7, rod}, {10, 10}}, {{109 + rod, 10}}, 1}});
    }
    const int32_t helmets[] = {22, 31, 32, 34, 49, 13};
    for (int32_t roll = 1; roll <= 6; ++roll) {
        cases.push_back({43, {"helmit", {{6, roll}}, {{helmets[roll - 1]}}, 1}});
    }
    const int32_t amulets[] = {67, 68, 69, 70, 71, 72, 120};
    for (int32_t roll = 1; roll <= 7; ++roll) {
        cases.push_back({41, {"amulet", {{7, roll}}, {{amulets[roll - 1]}}, 1}});
    }
    for (auto& [e, c] : cases) {
        c.rolls.insert(c.rolls.begin(), Roll{52, e});
        Check(30, c);
        const TEquipmentItemKest& article = EquipmentAt(table_, e);
        ExpectBase(article.Name, article.Cost, article.Weeks, 1);
    }
    // On the unicorn horn itself, the horn enchantment is free.
    Check(30, {"unicorn horn", {{52, 28}}, {{116}}, 1});
    ASSERT_NE(SlotNamed("Unicorn Horn"), nullptr);
    EXPECT_EQ(SlotNamed("Unicorn Horn")->Price, 0);
}

TEST_F(CatalogRules, WeaponBaseItems) {
    // The d(2) between a weapon and its other names is drawn for every weapon.
    const TWeaponKest& dagger = table_.Weapon(1).Variants[0];
    Check(40, {"dagger", {{59, 1}, {2, 1}, {10, 2}, {10, 10}}, {}, 0});
    ExpectBase("dagger", dagger.Cost, dagger.Weeks, 1);
    Check(40, {"dirk", {{59, 1}, {2, 2}, {8, 2}, {10, 2}, {10, 10}}, {}, 0});
    ExpectBase("dirk (dagger)", dagger.Cost, dagger.Weeks, 1);
    const TWeaponItemKest& rapier = table_.Weapon(2);
    Check(40, {"tuck", {{59, 2}, {2, 2}, {5, 5}, {10, 2}, {10, 10}}, {}, 0});
    ExpectBase("tuck (rapier)", rapier.Variants[4].Cost, rapier.Variants[4].Weeks, 1);
    Check(40, {"sling", {{59, 19}, {2, 2}, {10, 10}}, {{103}}, 1});
    ExpectBase("sling", table_.Weapon(19).Variants[0].Cost, table_.Weapon(19).Variants[0].Weeks, 1);
}

TEST_F(CatalogRules, WeaponCharmsAndTheFinalSteps) {
    std::vector<std::pair<int32_t, RuleCase>> cases = {
        // a plain weapon: the flame roll and the bonus roll
        {59, {"plain", {{10, 2}, {10, 10}}, {}, 0}},
        {59, {"aflame", {{10, 1}, {10, 10}}, {{102}}, 1}},
        {59, {"plus", {{10, 10}, {10, 1}, {5, 4}}, {{126, 4}}, 1}},
        {18, {"aflame and plus", {{10, 1}, {10, 9}, {5, 5}}, {{102}, {126, 5}}, 2}},
        // a missile weapon is never set aflame
        {55, {"blunderbuss", {{10, 3}, {5, 2}}, {{103}, {126, 2}}, 2}},
        {27, {"quiver", {{3, 1}, {10, 2}, {10, 10}}, {{64}}, 1}},
        {27, {"quiver", {{3, 2}, {10, 1}, {10, 1}, {5, 1}}, {{65}, {102}, {126}}, 3}},
        {27, {"quiver", {{3, 3}, {10, 5}, {10, 10}}, {{66}}, 1}},
        {40, {"cestus", {{10, 2}, {10, 10}}, {{89}}, 1}},
        {49, {"wizard's staff", {{2, 1}, {10, 2}, {10, 10}}, {{0}}, 1}},
        {49, {"wizard's staff", {{2, 2}, {10, 2}, {10, 10}}, {{84}}, 1}},
        // complete: no flame roll, the bonus roll still comes
        {50, {"molotail", {{4, 1}, {10, 10}}, {{43}}, 6}},
        {56, {"grenade", {{4, 3}, {10, 4}, {5, 3}}, {{43}, {126, 3}}, 6}},
        {57, {"petard", {{4, 4}, {10, 10}}, {{86}}, 6}},
        {58, {"gunpowder charge", {{10, 10}}, {{27}}, 6}},
    };
    for (int32_t w : {19, 20, 21, 22, 23, 24, 45, 46, 54, 55}) {
        cases.push_back({w, {"missile weapon", {{10, 10}}, {{103}}, 1}});
    }
    for (auto& [w, c] : cases) {
        c.rolls.insert(c.rolls.begin(), {Roll{59, w}, Roll{2, 1}});
        Check(45, c);
    }
}

TEST_F(CatalogRules, MissileCharmsWithTheirBonusBatches) {
    struct TableRow {
        int32_t roll;
        int32_t charm;
        bool timesD5;
    };
    const TableRow tableA[] = {{1, 17, false},  {11, 17, false}, {12, 3, false},  {15, 3, false},
                               {16, 29, false}, {17, 7, true},   {18, 8, true},   {19, 9, true},
                               {20, 41, true},  {21, 23, false}, {34, 23, false}, {35, 38, false},
                               {36, 40, false}};
    const TableRow tableB[] = {{1, 17, false},  {11, 17, false}, {12, 3, false},  {15, 3, false},
                               {16, 29, false}, {17, 7, true},   {18, 8, true},   {19, 9, true},
                               {20, 41, true},  {21, 25, false}, {40, 25, false}, {41, 23, false},
                               {54, 23, false}, {55, 38, false}, {56, 40, false}};
    auto check = [this](int32_t w, int32_t faces, const TableRow& row) {
        SCOPED_TRACE(row.roll);
        Rolls rolls = {{59, w}, {2, 1}, {faces, row.roll}};
        Puts puts = {{row.charm, row.timesD5 ? 3 : 1}};
        if (row.timesD5) rolls.push_back({5, 3});
        // the ammunition's own bonus batch, then the second one on top
        rolls = rolls + Rolls{{5, 2}, {10, 9}, {5, 1}};
        puts = puts + Puts{{126, 2}, {126, 1}};
        Check(38, {"missile charm", rolls, puts, 6});
    };
    for (const TableRow& row : tableA) check(25, 36, row);
    for (const TableRow& row : tableB) check(52, 56, row);
    for (int32_t w : {25, 26, 28, 43, 47, 53}) {
        SCOPED_TRACE(w);
        Check(38,
              {"ammunition", {{59, w}, {2, 1}, {36, 1}, {5, 5}, {10, 10}}, {{17}, {126, 5}}, 6});
    }
}

// Ten thousand random items in a row on one table: whatever the dice, the
// bench and the base item stay sound.
TEST(RandomItemProperty, TenThousandItemsKeepEveryInvariant) {
    CatalogTable table;
    table.Build();
    WorkshopState state;
    DrawSource random(std::make_unique<SeededRandom>(20240611));
    std::array<int, 46> catalogRolls{};
    bool firstDraw = false;
    random.SetObserver([&](int32_t bound, int32_t value) {
        if (!firstDraw) return;
        firstDraw = false;
        ASSERT_EQ(bound, 45);
        ++catalogRolls[static_cast<size_t>(value + 1)];
    });
    int32_t maxHexes = 1;
    for (int f = 1; f <= kFaunaCount; ++f) {
        for (const TStatKest& stats : FaunaAt(table, f).Stats)
            maxHexes = std::max(maxHexes, stats.Hexes);
    }
    int filledSlots = 0;
    for (int run = 0; run < 10000; ++run) {
        firstDraw = true;
        MakeRandomItem(table, state, random);
        bool emptySeen = false;
        int32_t previousPrice = INT32_MAX;
        for (int k = 1; k <= 5; ++k) {
            const TMagicItemKest& slot = table.Slot(k);
            if (slot.Name.empty()) {
                emptySeen = true;
                continue;
            }
            ++filledSlots;
            ASSERT_FALSE(emptySeen) << "a gap on the bench in run " << run;
            ASSERT_GE(slot.CatalogIndex, 0);
            ASSERT_LE(slot.CatalogIndex, 126);
            ASSERT_EQ(slot.Name, table.MagicItem(slot.CatalogIndex).Name);
            ASSERT_GE(slot.Price, 0);
            ASSERT_LE(slot.Price, previousPrice);       // dearest first
            ASSERT_GE(slot.AdjustedPrice, slot.Price);  // doubled, never wrapped
            previousPrice = slot.Price;
        }
        ASSERT_TRUE(std::isfinite(state.BaseItemPrice));
        ASSERT_GE(state.BaseItemPrice, 0);
        ASSERT_LE(state.BaseItemPrice, INT32_MAX);
        ASSERT_TRUE(std::isfinite(state.BaseItemWeeks));
        ASSERT_GE(state.BaseItemWeeks, 0);
        ASSERT_GE(state.HexCount, 1);
        ASSERT_LE(state.HexCount, maxHexes);
    }
    for (int g = 1; g <= kGemCount; ++g) {
        const TGemItemKest& gem = GemAt(table, g);
        EXPECT_GE(gem.Carats, 1);
        EXPECT_EQ(gem.Carats, std::floor(gem.Carats));
        EXPECT_EQ(gem.Price, gem.Carats * gem.PricePerCarat);
    }
    // Every catalog comes up about as often as its span of the d(45) says.
    const int spans[][2] = {{1, 1},   {2, 3},   {4, 6},   {7, 10}, {11, 15},
                            {16, 21}, {22, 28}, {29, 36}, {37, 45}};
    for (const auto& span : spans) {
        int count = 0;
        for (int a = span[0]; a <= span[1]; ++a) count += catalogRolls[static_cast<size_t>(a)];
        const double expected = 10000.0 * (span[1] - span[0] + 1) / 45;
        EXPECT_NEAR(count, expected, 0.3 * expected + 30) << "rolls " << span[0] << ".." << span[1];
    }
    EXPECT_GT(filledSlots, 10000);  // most items carry magic
}

// The same with the program's own clock-seeded source, re-seeded at every
// item as the window does: the item sheet stays well formed.
TEST(RandomItemProperty, TenThousandItemsFromTheProgramsOwnSource) {
    CatalogTable table;
    table.Build();
    WorkshopState state;
    ClockRandom random;
    for (int run = 0; run < 10000; ++run) {
        MakeRandomItem(table, state, random);
        const std::vector<std::string> sheet = BuildItemSheet(table, state);
        int filled = 0;
        for (int k = 1; k <= 5; ++k) filled += !table.Slot(k).Name.empty();
        const size_t baseLines = state.BaseItemName.empty() ? 0 : 2;
        ASSERT_EQ(sheet.size(), baseLines + static_cast<size_t>(filled) + 2) << "run " << run;
        ASSERT_EQ(sheet[sheet.size() - 2], " ");
        ASSERT_EQ(sheet.back().compare(0, 19, "            Total  "), 0) << sheet.back();
        ASSERT_TRUE(std::isfinite(state.SheetTotalPrice));
        ASSERT_GE(state.SheetTotalPrice, 0);
        ASSERT_LE(state.SheetTotalPrice, INT32_MAX);
    }
}

}  // namespace
