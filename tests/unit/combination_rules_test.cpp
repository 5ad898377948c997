// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/bench/combination_rules.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/equipment.h"
#include "catalog/magic_item.h"
#include "workshop/bench/workshop_state.h"

namespace {

// What the item sheet shows of one workbench slot.
struct SlotView {
    std::string name;
    int32_t level;
    int32_t price;
    int32_t adjusted;

    bool operator==(const SlotView& o) const {
        return name == o.name && level == o.level && price == o.price && adjusted == o.adjusted;
    }
};

void PrintTo(const SlotView& s, std::ostream* os) {
    *os << "{" << s.name << " L" << s.level << " $" << s.price << " adj " << s.adjusted << "}";
}

int32_t IndexOf(const CatalogTable& table, const std::string& name) {
    for (int32_t i = 0; i < kMagicItemCount; ++i) {
        if (table.MagicItem(i).Name == name) return i;
    }
    ADD_FAILURE() << "no magic item " << name;
    return -1;
}

class Workbench {
public:
    Workbench() { table_.Build(); }

    void Click(const std::string& name, bool right = false) {
        const int32_t index = IndexOf(table_, name);
        if (right) {
            UnRectify_Magic_Item_list(table_, state_, index);
        } else {
            Rectify_Magic_Item_list(table_, state_, index);
        }
    }

    void Rerun() { Rectify_Magic_Item_list(table_, state_, -1); }

    // Puts a catalog item straight into a slot, bypassing the rules.
    TMagicItemKest& Place(int k, const std::string& name) {
        TMagicItemKest& slot = table_.EditSlot(k);
        slot.Assign(table_.MagicItem(IndexOf(table_, name)));
        return slot;
    }

    // The five slots; empty ones as the blank view.
    std::vector<SlotView> Slots() const {
        std::vector<SlotView> views;
        for (int k = 1; k <= 5; ++k) {
            const TMagicItemKest& s = table_.Slot(k);
            views.push_back({s.Name, s.Level, s.Price, s.AdjustedPrice});
        }
        return views;
    }

    CatalogTable table_;
    WorkshopState state_;
};

// The named slots followed by empty ones, five in all.
std::vector<SlotView> Bench(std::vector<SlotView> named) {
    while (named.size() < 5) named.push_back({"", 0, 0, 0});
    return named;
}

struct Step {
    const char* item;
    bool right;
    std::vector<SlotView> after;  // the named slots, top down
};

struct Scenario {
    const char* title;
    std::vector<Step> steps;
};

constexpr bool L = false;  // left button: put on or step up
constexpr bool R = true;   // right button: take off or step down

TEST(CombinationRules, ClickScenarios) {
    const std::string wa = "Weapon/Armor +";
    const std::string ws = "Weakness ST";
    const std::string pent = "1-Hex Pentagram";
    // clang-format off
    const Scenario scenarios[] = {
        {"graded item steps up to +5, the sixth click takes it off",
         {{"Weapon/Armor +", L, {{wa, 1, 1000, 1000}}},
          {"Weapon/Armor +", L, {{wa, 2, 2000, 2000}}},
          {"Weapon/Armor +", L, {{wa, 3, 4000, 4000}}},
          {"Weapon/Armor +", L, {{wa, 4, 8000, 8000}}},
          {"Weapon/Armor +", L, {{wa, 5, 16000, 16000}}},
          {"Weapon/Armor +", L, {}}}},
        {"graded item steps down, off from +1",
         {{"Weapon/Armor +", L, {{wa, 1, 1000, 1000}}},
          {"Weapon/Armor +", L, {{wa, 2, 2000, 2000}}},
          {"Weapon/Armor +", L, {{wa, 3, 4000, 4000}}},
          {"Weapon/Armor +", R, {{wa, 2, 2000, 2000}}},
          {"Weapon/Armor +", R, {{wa, 1, 1000, 1000}}},
          {"Weapon/Armor +", R, {}}}},
        {"negative grade runs to -5 and off, right clicks go back toward -1",
         {{"Weakness ST", L, {{ws, -1, 1000, 1000}}},
          {"Weakness ST", L, {{ws, -2, 2000, 2000}}},
          {"Weakness ST", L, {{ws, -3, 4000, 4000}}},
          {"Weakness ST", L, {{ws, -4, 8000, 8000}}},
          {"Weakness ST", L, {{ws, -5, 16000, 16000}}},
          {"Weakness ST", R, {{ws, -4, 8000, 8000}}},
          {"Weakness ST", R, {{ws, -3, 4000, 4000}}},
          {"Weakness ST", L, {{ws, -4, 8000, 8000}}},
          {"Weakness ST", L, {{ws, -5, 16000, 16000}}},
          {"Weakness ST", L, {}}}},
        {"right click at -1 takes a negative grade off",
         {{"Weakness ST", L, {{ws, -1, 1000, 1000}}}, {"Weakness ST", R, {}}}},
        {"a counted item from level 0 counts 1 at its catalog price",
         {{"1-Hex Pentagram", L, {{pent, 0, 2000, 2000}}},
          {"1-Hex Pentagram", L, {{pent, 1, 2000, 2000}}},
          {"1-Hex Pentagram", L, {{pent, 2, 4000, 4000}}},
          {"1-Hex Pentagram", L, {{pent, 3, 6000, 6000}}},
          {"1-Hex Pentagram", R, {{pent, 2, 4000, 4000}}},
          {"1-Hex Pentagram", R, {{pent, 1, 2000, 2000}}},
          {"1-Hex Pentagram", R, {}}}},
        {"an item without levels toggles with either button",
         {{"Blur", L, {{"Blur", -4, 3000, 3000}}},
          {"Blur", L, {}},
          {"Blur", R, {{"Blur", -4, 3000, 3000}}},  // a right click also puts it on
          {"Blur", R, {}},
          {"Blur", R, {{"Blur", -4, 3000, 3000}}},
          {"Blur", L, {}}}},
        {"the second item costs double",
         {{"Blur", L, {{"Blur", -4, 3000, 3000}}},
          {"Light", L, {{"Blur", -4, 3000, 3000}, {"Light", 0, 500, 1000}}}}},
        {"the dearer item goes on top and the other is doubled",
         {{"Light", L, {{"Light", 0, 500, 500}}},
          {"Blur", L, {{"Blur", -4, 3000, 3000}, {"Light", 0, 500, 1000}}},
          {"Blur", L, {{"Light", 0, 500, 500}}}}},
        {"equal prices keep the order they were put on in",
         {{"Slow Movement", L, {{"Slow Movement", 0, 500, 500}}},
          {"Drop Weapon", L, {{"Slow Movement", 0, 500, 500}, {"Drop Weapon", 0, 500, 1000}}}}},
        {"equal prices, the other way round",
         {{"Drop Weapon", L, {{"Drop Weapon", 0, 500, 500}}},
          {"Slow Movement", L, {{"Drop Weapon", 0, 500, 500}, {"Slow Movement", 0, 500, 1000}}}}},
        {"stepping up re-sorts: a graded item overtakes a dearer one",
         {{"Blur", L, {{"Blur", -4, 3000, 3000}}},
          {"Weapon/Armor +", L, {{"Blur", -4, 3000, 3000}, {wa, 1, 1000, 2000}}},
          {"Weapon/Armor +", L, {{"Blur", -4, 3000, 3000}, {wa, 2, 2000, 4000}}},
          {"Weapon/Armor +", L, {{wa, 3, 4000, 4000}, {"Blur", -4, 3000, 6000}}},
          {"Weapon/Armor +", R, {{"Blur", -4, 3000, 3000}, {wa, 2, 2000, 4000}}}}},
        {"taking off a middle item moves the lower ones up and re-prices them",
         {{"Blur", L, {{"Blur", -4, 3000, 3000}}},
          {"Light", L, {{"Blur", -4, 3000, 3000}, {"Light", 0, 500, 1000}}},
          {"Avert", L,
           {{"Blur", -4, 3000, 3000}, {"Avert", 0, 1000, 2000}, {"Light", 0, 500, 2000}}},
          {"Avert", R, {{"Blur", -4, 3000, 3000}, {"Light", 0, 500, 1000}}}}},
        {"Staff, Staff of Power and Limiting Spell are never doubled, Expunge Spell is; "
         "a sixth item is ignored",
         {{"Blur", L, {{"Blur", -4, 3000, 3000}}},
          {"Staff", L, {{"Blur", -4, 3000, 3000}, {"Staff", 0, 0, 0}}},
          {"Staff of Power", L,
           {{"Blur", -4, 3000, 3000}, {"Staff", 0, 0, 0}, {"Staff of Power", 0, 0, 0}}},
          {"Limiting Spell", L,
           {{"Blur", -4, 3000, 3000},
            {"Limiting Spell", 0, 1000, 1000},
            {"Staff", 0, 0, 0},
            {"Staff of Power", 0, 0, 0}}},
          {"Expunge Spell", L,
           {{"Blur", -4, 3000, 3000},
            {"Expunge Spell", 0, 2000, 4000},
            {"Limiting Spell", 0, 1000, 1000},
            {"Staff", 0, 0, 0},
            {"Staff of Power", 0, 0, 0}}},
          {"Light", L,
           {{"Blur", -4, 3000, 3000},
            {"Expunge Spell", 0, 2000, 4000},
            {"Limiting Spell", 0, 1000, 1000},
            {"Staff", 0, 0, 0},
            {"Staff of Power", 0, 0, 0}}},
          {"Light", R,  // right-clicking an item that is not on would put it on: still full
           {{"Blur", -4, 3000, 3000},
            {"Expunge Spell", 0, 2000, 4000},
            {"Limiting Spell", 0, 1000, 1000},
            {"Staff", 0, 0, 0},
            {"Staff of Power", 0, 0, 0}}}}},
    };
    // clang-format on
    for (const Scenario& scenario : scenarios) {
        Workbench bench;
        int n = 0;
        for (const Step& step : scenario.steps) {
            bench.Click(step.item, step.right);
            EXPECT_EQ(bench.Slots(), Bench(step.after))
                << scenario.title << ", click " << ++n << " on " << step.item;
        }
    }
}

TEST(CombinationRules, CountedItemsRunToTheirTopAndGoOff) {
    struct Case {
        const char* name;
        int32_t step;      // points a click adds
        int32_t top;       // the last level before it goes off
        int32_t topPrice;  // its price there
    };
    const Case cases[] = {
        {"ST battery 1pt", 1, 256, 256000},
        {"ST battery 5pt", 5, 255, 255000},  // priced per 5 points
        {"Wizard's Wrath rod(1D+1)", 1, 256, 2560000},
    };
    for (const Case& c : cases) {
        Workbench bench;
        const int32_t unit = bench.table_.MagicItem(IndexOf(bench.table_, c.name)).Price;
        bench.Click(c.name);
        for (int32_t clicks = 1; clicks * c.step <= c.top; ++clicks) {
            const int32_t level = clicks * c.step;
            ASSERT_EQ(bench.Slots(), Bench({{c.name, level, unit * clicks, unit * clicks}}))
                << c.name << " at " << level;
            if (level < c.top) bench.Click(c.name);
        }
        EXPECT_EQ(bench.table_.Slot(1).Price, c.topPrice) << c.name;
        bench.Click(c.name, R);
        const int32_t below = c.top - c.step;
        EXPECT_EQ(bench.Slots(),
                  Bench({{c.name, below, unit * (below / c.step), unit * (below / c.step)}}))
            << c.name;
        bench.Click(c.name);
        bench.Click(c.name);
        EXPECT_EQ(bench.Slots(), Bench({})) << c.name << " goes off above the top";
    }
}

TEST(CombinationRules, FivePointBatteryStepsDownByFives) {
    const std::string st5 = "ST battery 5pt";
    Workbench bench;
    bench.Click(st5);
    bench.Click(st5);
    EXPECT_EQ(bench.Slots(), Bench({{st5, 10, 10000, 10000}}));
    bench.Click(st5, R);
    EXPECT_EQ(bench.Slots(), Bench({{st5, 5, 5000, 5000}}));
    bench.Click(st5, R);
    EXPECT_EQ(bench.Slots(), Bench({}));

    // Below five points the battery goes off, where a 1-point battery steps down.
    bench.Click(st5);
    bench.table_.EditSlot(1).Level = 3;
    bench.Click(st5, R);
    EXPECT_EQ(bench.Slots(), Bench({}));
    bench.Click("ST battery 1pt");
    bench.table_.EditSlot(1).Level = 3;
    bench.Click("ST battery 1pt", R);
    EXPECT_EQ(bench.Slots(), Bench({{"ST battery 1pt", 2, 2000, 2000}}));
}

TEST(CombinationRules, ScanGoesOnPastARemovedSlot) {
    // The same item twice on the bench: the first one is toggled off, and the
    // one that moves up into its place is not looked at again.
    Workbench bench;
    bench.Place(1, "Blur");
    bench.Place(2, "Blur");
    bench.Place(3, "Light");
    bench.Click("Blur");
    EXPECT_EQ(bench.Slots(), Bench({{"Blur", -4, 3000, 3000}, {"Light", 0, 500, 1000}}));

    // Both copies of a graded item are stepped, one after the other.
    Workbench graded;
    graded.Place(1, "Weapon/Armor +");
    graded.Place(2, "Weapon/Armor +");
    graded.Click("Weapon/Armor +");
    EXPECT_EQ(graded.Slots(),
              Bench({{"Weapon/Armor +", 2, 2000, 2000}, {"Weapon/Armor +", 2, 2000, 4000}}));
}

TEST(CombinationRules, MakingFiguresStayWithTheSlotPosition) {
    Workbench bench;
    bench.Click("Blur");
    bench.Click("Light");
    bench.table_.EditSlot(1).CostSoFar = 99;
    bench.table_.EditSlot(2).WeeksWorked = 3;
    bench.Click("Blur");  // Light moves up into slot 1
    EXPECT_EQ(bench.Slots(), Bench({{"Light", 0, 500, 500}}));
    EXPECT_EQ(bench.table_.Slot(1).CostSoFar, 99);
    EXPECT_EQ(bench.table_.Slot(2).WeeksWorked, 3);
    EXPECT_EQ(bench.table_.Slot(2).Name, "");
}

TEST(CombinationRules, RerunAddsNothingAndReSorts) {
    Workbench empty;
    empty.Rerun();
    EXPECT_EQ(empty.Slots(), Bench({}));

    Workbench bench;
    bench.Click("Blur");
    bench.Click("Light");
    bench.Click("Avert");
    bench.table_.EditSlot(3).Price = 9000;  // Light, dearer now
    bench.Rerun();
    EXPECT_EQ(
        bench.Slots(),
        Bench({{"Light", 0, 9000, 9000}, {"Blur", -4, 3000, 6000}, {"Avert", 0, 1000, 4000}}));
}

TEST(CombinationRules, ExemptItemsKeepTheirPriceInAnySlot) {
    // Give the staffs a price of their own so their exemption shows.
    Workbench bench;
    bench.Place(1, "Blur");
    bench.Place(2, "Staff").Price = 700;
    bench.Place(3, "Staff of Power").Price = 600;
    bench.Place(4, "Limiting Spell");
    bench.Place(5, "Expunge Spell");
    bench.Rerun();
    EXPECT_EQ(bench.Slots(), Bench({{"Blur", -4, 3000, 3000},
                                    {"Expunge Spell", 0, 2000, 4000},
                                    {"Limiting Spell", 0, 1000, 1000},
                                    {"Staff", 0, 700, 700},
                                    {"Staff of Power", 0, 600, 600}}));
}

TEST(CombinationRules, DoubledPricesWrapInThirtyTwoBits) {
    Workbench bench;
    const char* names[] = {"Blur", "Light", "Avert", "Sleep", "Rope"};
    for (int k = 1; k <= 5; ++k) bench.Place(k, names[k - 1]).Price = 200000000;
    bench.Rerun();
    const int32_t expected[] = {200000000, 400000000, 800000000, 1600000000,
                                -1094967296};  // 3,200,000,000 - 2^32
    for (int k = 1; k <= 5; ++k) {
        EXPECT_EQ(bench.table_.Slot(k).Name, names[k - 1]);
        EXPECT_EQ(bench.table_.Slot(k).AdjustedPrice, expected[k - 1]) << k;
    }
}

TEST(CombinationRules, IndexesOutsideTheMagicItemsChangeNothing) {
    Workbench bench;
    bench.Click("Blur");
    const std::vector<SlotView> before = bench.Slots();
    for (int32_t index : {-2, 127, 500}) {
        Rectify_Magic_Item_list(bench.table_, bench.state_, index);
        UnRectify_Magic_Item_list(bench.table_, bench.state_, index);
        EXPECT_EQ(bench.Slots(), before) << index;
    }
}

class UnicornTest : public ::testing::Test {
protected:
    void SetBase(const std::string& name, double price, double weeks, int32_t hexes) {
        bench_.state_.BaseItemName = name;
        bench_.state_.BaseItemPrice = price;
        bench_.state_.BaseItemWeeks = weeks;
        bench_.state_.HexCount = hexes;
    }

    void ExpectFreeHorn(int k) {
        const TMagicItemKest& slot = bench_.table_.Slot(k);
        EXPECT_EQ(slot.Name, "Unicorn Horn");
        EXPECT_EQ(slot.Price, 0);
        EXPECT_EQ(slot.AdjustedPrice, 0);
        EXPECT_EQ(slot.Weeks, 1);
    }

    void ExpectBase(const std::string& name, double price, double weeks) {
        EXPECT_EQ(bench_.state_.BaseItemName, name);
        EXPECT_EQ(bench_.state_.BaseItemPrice, price);
        EXPECT_EQ(bench_.state_.BaseItemWeeks, weeks);
    }

    Workbench bench_;
};

TEST_F(UnicornTest, HornOnAUnicornTakesTheHornAsBase) {
    SetBase("unicorn horse", 459, 0, 2);
    bench_.Click("Unicorn Horn");
    const TEquipmentItemKest& horn = EquipmentAt(bench_.table_, 28);
    ExpectBase("unicorn horn", horn.Cost, horn.Weeks);
    EXPECT_EQ(horn.Cost, 6500);
    EXPECT_EQ(horn.Weeks, 0);
    ExpectFreeHorn(1);
}

TEST_F(UnicornTest, TheFreeHornStaysAfterAnotherBaseAndResetsWhenPutOnAgain) {
    SetBase("unicorn horse", 459, 0, 2);
    bench_.Click("Unicorn Horn");
    SetBase("dagger", 10, 10.0 / 150, 1);
    bench_.Click("Blur");
    ExpectBase("dagger", 10, 10.0 / 150);
    EXPECT_EQ(bench_.table_.Slot(1).Name, "Blur");
    ExpectFreeHorn(2);
    bench_.Rerun();
    ExpectFreeHorn(2);

    bench_.Click("Unicorn Horn");  // off
    bench_.Click("Unicorn Horn");  // on again at its catalog figures
    const TMagicItemKest& slot = bench_.table_.Slot(1);
    EXPECT_EQ(slot.Name, "Unicorn Horn");
    EXPECT_EQ(slot.Price, 6500);
    EXPECT_EQ(slot.AdjustedPrice, 6500);
    EXPECT_EQ(slot.Weeks, 2);
}

TEST_F(UnicornTest, AHornBaseMakesTheEnchantmentFreeWithoutChangingTheBase) {
    SetBase("unicorn horn", 6500, 0, 1);
    bench_.Click("Blur");
    bench_.Click("Unicorn Horn");
    ExpectBase("unicorn horn", 6500, 0);
    // The slots are sorted before the horn is made free, so it stays on top
    // this time and Blur below it is doubled; the next re-run sorts it down.
    ExpectFreeHorn(1);
    EXPECT_EQ(bench_.table_.Slot(2).Name, "Blur");
    EXPECT_EQ(bench_.table_.Slot(2).AdjustedPrice, 6000);
    bench_.Rerun();
    EXPECT_EQ(bench_.table_.Slot(1).Name, "Blur");
    EXPECT_EQ(bench_.table_.Slot(1).AdjustedPrice, 3000);
    ExpectFreeHorn(2);
}

TEST_F(UnicornTest, RerunAfterPickingAUnicornFiresTheRule) {
    bench_.Click("Unicorn Horn");
    EXPECT_EQ(bench_.table_.Slot(1).Price, 6500);
    SetBase("unicorn horse", 459, 0, 2);
    bench_.Rerun();
    ExpectBase("unicorn horn", 6500, 0);
    ExpectFreeHorn(1);
}

TEST_F(UnicornTest, OtherBasesLeaveTheHornPriced) {
    for (const char* base : {"horse", "Unicorn Horse", "unicorn horse ", "pegasus horse"}) {
        Workbench bench;
        bench.state_.BaseItemName = base;
        bench.Click("Blur");
        bench.Click("Unicorn Horn");
        EXPECT_EQ(bench.state_.BaseItemName, base);
        EXPECT_EQ(bench.Slots(), Bench({{"Unicorn Horn", 0, 6500, 6500}, {"Blur", -4, 3000, 6000}}))
            << base;
    }
}

}  // namespace
