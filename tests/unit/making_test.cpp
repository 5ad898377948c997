// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/making/making.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "dice/random_source.h"
#include "tests/support/catalog_checks.h"
#include "workshop/bench/workshop_state.h"

namespace {

// Catalog indexes of the items the tests make.
constexpr int kDetectMagic = 5;     // 1 week, 10 ST a day, $40 a week
constexpr int kAvert = 10;          // 2 weeks, 30 ST a day, $40 a week
constexpr int kBlur = 2;            // 5 weeks, 75 ST a day, $15 a week
constexpr int kDazzleGem = 19;      // 0.42 weeks, 10 ST a day, $20 a week
constexpr int kSlipperyFloor = 37;  // code 'C'
constexpr int kFireball = 30;       // code 'D'
constexpr int kTeleport = 86;       // code 'D'
constexpr int kRingOfControl = 76;  // code 'E'
constexpr int kWizardsWrath = 98;   // code 'F'
constexpr int kCrystalBall = 101;   // code 'G'

struct Dice {
    int a, b, c;
    int Sum() const { return a + b + c; }
};

class MakingTest : public ::testing::Test {
protected:
    void SetUp() override {
        table_.Build();
        draws_.SetObserver([this](int32_t, int32_t) { ++drawsMade_; });
    }

    void Put(int slot, int catalogIndex) {
        TMagicItemKest& record = table_.EditSlot(slot);
        record.Assign(table_.MagicItem(catalogIndex));
        record.AdjustedPrice = record.Price;
    }

    void Roll(const Dice& dice) {
        draws_.Script(6, dice.a);
        draws_.Script(6, dice.b);
        draws_.Script(6, dice.c);
    }

    // One week with the given dice; every die must be drawn.
    bool Week(const Dice& dice) {
        Roll(dice);
        const bool redraw = MakingWeek(table_, state_, draws_);
        EXPECT_EQ(draws_.ScriptedLeft(), 0u);
        return redraw;
    }

    // A tick that must draw nothing: a die is queued and must stay queued.
    bool IdleTick() {
        draws_.Script(6, 1);
        const int before = drawsMade_;
        const bool redraw = MakingWeek(table_, state_, draws_);
        EXPECT_EQ(drawsMade_, before);
        EXPECT_EQ(draws_.ScriptedLeft(), 1u);
        draws_.Below(6);  // take the queued die off again
        return redraw;
    }

    CatalogTable table_;
    WorkshopState state_;
    // Any unscripted draw comes from here; a scripted one for another bound throws.
    DrawSource draws_{std::make_unique<SeededRandom>(99)};
    int drawsMade_ = 0;
};

TEST_F(MakingTest, ReportLabels) {
    const std::vector<std::string> expected = {"Item", "", "", "", "cost", "", "weeks", "", ""};
    ExpectCaptions(MakingReportHeader(), expected);
}

// Blur on a $300 dagger, week by week: $15 of ingredients and 3 ST units of
// $50 each, lost weeks charged like worked ones, until the fifth good week.
TEST_F(MakingTest, OneSlotWeekByWeek) {
    Put(1, kBlur);
    state_.BaseItemPrice = 300;
    state_.BaseItemWeeks = 0.4;
    StartMaking(table_, state_);
    EXPECT_TRUE(state_.Making);
    EXPECT_FALSE(state_.MakingDone);
    EXPECT_EQ(state_.AdjustedBasePrice, 300);
    EXPECT_EQ(state_.AdjustedBaseWeeks, 2.0);  // $300 make two weeks
    EXPECT_EQ(state_.BaseItemWeeks, 0.4);      // the plan's weeks stay
    EXPECT_EQ(state_.TotalCostSoFar, 300);

    struct Step {
        Dice dice;
        double worked, lost;
    };
    const Step weeks[] = {
        {{1, 1, 1}, 1, 0},  // 3: the best roll
        {{6, 6, 6}, 1, 1},  // 18 against DX 12: lost, still paid for
        {{4, 4, 4}, 2, 1},  // 12: exactly DX succeeds
        {{6, 6, 1}, 2, 2},  // 13: one over DX is lost
        {{2, 5, 3}, 3, 2}, {{6, 5, 2}, 3, 3}, {{6, 5, 1}, 4, 3}, {{3, 3, 5}, 5, 3},
    };
    const TMagicItemKest& slot = table_.Slot(1);
    int n = 0;
    for (const Step& week : weeks) {
        ++n;
        SCOPED_TRACE(n);
        EXPECT_TRUE(Week(week.dice));
        EXPECT_EQ(slot.WeeksWorked, week.worked);
        EXPECT_EQ(slot.WeeksLost, week.lost);
        EXPECT_EQ(slot.CostSoFar, 165.0 * n);
        EXPECT_EQ(state_.WeeksElapsed, n);
        EXPECT_EQ(state_.TotalCostSoFar, 300 + 165.0 * n);
        EXPECT_TRUE(state_.Making);
    }
    // The week after the last good one draws nothing and ends the making;
    // the report of the last week stays.
    EXPECT_FALSE(IdleTick());
    EXPECT_FALSE(state_.Making);
    EXPECT_TRUE(state_.MakingDone);
    EXPECT_EQ(state_.WeeksElapsed, 8);
    EXPECT_EQ(slot.CostSoFar, 165.0 * 8);
    EXPECT_EQ(state_.TotalCostSoFar, 300 + 165.0 * 8);
    // Later ticks change nothing either.
    EXPECT_FALSE(IdleTick());
    EXPECT_EQ(state_.WeeksElapsed, 8);
}

TEST_F(MakingTest, RollAgainstDXAtTheEdges) {
    struct Case {
        int32_t dx;
        Dice dice;
        bool succeeds;
    };
    const Case cases[] = {
        {5, {1, 2, 2}, true},   {5, {1, 2, 3}, false},  {12, {4, 4, 4}, true},
        {12, {6, 6, 1}, false}, {12, {6, 6, 6}, false}, {16, {6, 6, 4}, true},
        {16, {6, 6, 5}, false}, {16, {6, 6, 6}, false}, {5, {1, 1, 1}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "DX " << c.dx << " roll " << c.dice.Sum());
        Put(1, kBlur);
        state_.DX = c.dx;
        StartMaking(table_, state_);
        EXPECT_TRUE(Week(c.dice));
        EXPECT_EQ(table_.Slot(1).WeeksWorked, c.succeeds ? 1 : 0);
        EXPECT_EQ(table_.Slot(1).WeeksLost, c.succeeds ? 0 : 1);
    }
}

TEST_F(MakingTest, EmptyBenchEndsOnTheFirstTick) {
    state_.BaseItemPrice = 150;
    StartMaking(table_, state_);
    EXPECT_TRUE(state_.Making);
    EXPECT_EQ(state_.AdjustedBaseWeeks, 1);
    EXPECT_FALSE(IdleTick());
    EXPECT_FALSE(state_.Making);
    EXPECT_TRUE(state_.MakingDone);
    EXPECT_EQ(state_.WeeksElapsed, 0);
    EXPECT_EQ(state_.TotalCostSoFar, 150);
    for (int k = 1; k <= 5; ++k) EXPECT_EQ(table_.Slot(k).CostSoFar, 0) << k;
}

TEST_F(MakingTest, TicksWithoutAMakingChangeNothing) {
    // An unfinished slot but no making started: nothing moves, nothing is drawn.
    Put(1, kBlur);
    state_.WeeksElapsed = 4;
    EXPECT_FALSE(IdleTick());
    EXPECT_FALSE(state_.Making);
    EXPECT_FALSE(state_.MakingDone);
    EXPECT_EQ(state_.WeeksElapsed, 4);
    EXPECT_EQ(table_.Slot(1).WeeksWorked, 0);
    EXPECT_EQ(table_.Slot(1).CostSoFar, 0);
    // With every slot finished the tick still records that the making is done.
    table_.EditSlot(1).Assign(table_.BlankItem());
    EXPECT_FALSE(IdleTick());
    EXPECT_TRUE(state_.MakingDone);
    EXPECT_FALSE(state_.Making);
}

// Slots 1 and 3 filled, 2 empty: slot 1 is finished first, then slot 3;
// slot 2 is never charged.
TEST_F(MakingTest, SlotsAreWorkedInOrderSkippingEmptyOnes) {
    Put(1, kDetectMagic);  // $40 + 1 unit = $90 a week
    table_.EditSlot(2).Assign(table_.BlankItem());
    Put(3, kAvert);  // $40 + 2 units = $140 a week
    StartMaking(table_, state_);
    struct Step {
        Dice dice;
        double worked1, lost1, cost1, worked3, lost3, cost3;
    };
    const Step weeks[] = {
        {{6, 6, 6}, 0, 1, 90, 0, 0, 0},    {{1, 2, 3}, 1, 1, 180, 0, 0, 0},
        {{2, 2, 2}, 1, 1, 180, 1, 0, 140}, {{5, 5, 5}, 1, 1, 180, 1, 1, 280},
        {{3, 4, 5}, 1, 1, 180, 2, 1, 420},
    };
    int n = 0;
    for (const Step& week : weeks) {
        ++n;
        SCOPED_TRACE(n);
        EXPECT_TRUE(Week(week.dice));
        EXPECT_EQ(table_.Slot(1).WeeksWorked, week.worked1);
        EXPECT_EQ(table_.Slot(1).WeeksLost, week.lost1);
        EXPECT_EQ(table_.Slot(1).CostSoFar, week.cost1);
        EXPECT_EQ(table_.Slot(3).WeeksWorked, week.worked3);
        EXPECT_EQ(table_.Slot(3).WeeksLost, week.lost3);
        EXPECT_EQ(table_.Slot(3).CostSoFar, week.cost3);
        EXPECT_EQ(table_.Slot(2).CostSoFar, 0);
        EXPECT_EQ(table_.Slot(2).WeeksLost, 0);
        EXPECT_EQ(state_.TotalCostSoFar, week.cost1 + week.cost3);
        // Every tick is a week of one slot or the other.
        EXPECT_EQ(state_.WeeksElapsed, week.worked1 + week.lost1 + week.worked3 + week.lost3);
    }
    EXPECT_FALSE(IdleTick());
    EXPECT_TRUE(state_.MakingDone);
}

TEST_F(MakingTest, FractionalWeeksFinishInOneGoodWeek) {
    Put(1, kDazzleGem);
    StartMaking(table_, state_);
    EXPECT_TRUE(Week({6, 6, 6}));
    EXPECT_TRUE(Week({1, 1, 1}));
    EXPECT_EQ(table_.Slot(1).WeeksWorked, 1);
    EXPECT_EQ(table_.Slot(1).CostSoFar, 2 * 70.0);
    EXPECT_FALSE(IdleTick());
    EXPECT_TRUE(state_.MakingDone);
}

// The slots' codes make the base item dearer, compounding in slot order.
TEST_F(MakingTest, NoteCodesMultiplyTheBasePrice) {
    struct Case {
        std::vector<int> slots;  // catalog index per slot, -1 = empty
        std::vector<double> factors;
    };
    const Case cases[] = {
        {{kFireball, kTeleport, kWizardsWrath, -1, -1}, {1.1, 1.1, 1.3}},
        {{kFireball, kWizardsWrath, kTeleport, -1, -1}, {1.1, 1.3, 1.1}},
        {{-1, kFireball, -1, kWizardsWrath, kTeleport}, {1.1, 1.3, 1.1}},
        {{kSlipperyFloor, kBlur, -1, -1, -1}, {}},  // 'C' and blank: no change
        {{kRingOfControl, kCrystalBall, -1, -1, -1}, {1.2, 1.5}},
        {{kWizardsWrath, kWizardsWrath, kWizardsWrath, kWizardsWrath, kWizardsWrath},
         {1.3, 1.3, 1.3, 1.3, 1.3}},
    };
    for (const Case& c : cases) {
        for (int k = 1; k <= 5; ++k) {
            const int index = c.slots[static_cast<size_t>(k - 1)];
            if (index < 0) {
                table_.EditSlot(k).Assign(table_.BlankItem());
            } else {
                Put(k, index);
            }
        }
        state_.BaseItemPrice = 777;
        StartMaking(table_, state_);
        double expected = 777;
        for (double factor : c.factors) expected *= factor;
        SCOPED_TRACE(expected);
        EXPECT_EQ(state_.AdjustedBasePrice, expected);
        // a week per $150, the rate taken in extended precision
        EXPECT_EQ(state_.AdjustedBaseWeeks,
                  static_cast<double>(static_cast<long double>(expected) * (1.0L / 150)));
        EXPECT_EQ(state_.TotalCostSoFar, expected);
        // the sheet's price and weeks stay as planned
        EXPECT_EQ(state_.BaseItemPrice, 777);
        EXPECT_EQ(state_.BaseItemWeeks, 0);
    }
    // No catalog item carries 'H'; a slot changed to it doubles.
    Put(1, kBlur);
    table_.EditSlot(1).NoteCode = 'H';
    for (int k = 2; k <= 5; ++k) table_.EditSlot(k).Assign(table_.BlankItem());
    StartMaking(table_, state_);
    EXPECT_EQ(state_.AdjustedBasePrice, 2 * 777);
}

// Make resets every slot and starts each at its own starting material, which
// the total only takes in from the first week on.
TEST_F(MakingTest, StartResetsEverySlot) {
    Put(1, kBlur);
    Put(2, kDetectMagic);
    for (int k = 1; k <= 5; ++k) {
        TMagicItemKest& slot = table_.EditSlot(k);
        slot.WeeksWorked = 3;
        slot.WeeksLost = 2;
        slot.CostSoFar = 999;
    }
    TMagicItemKest& first = table_.EditSlot(1);
    first.MaterialCost1 = 10;
    first.MaterialCost2 = 20;
    first.MaterialCost3 = 30;
    first.MaterialCost4 = 40;
    first.MaterialCost5 = 50;
    state_.WeeksElapsed = 12;
    state_.MakingDone = true;
    state_.BaseItemPrice = 60;
    StartMaking(table_, state_);
    EXPECT_TRUE(state_.Making);
    EXPECT_FALSE(state_.MakingDone);
    EXPECT_EQ(state_.WeeksElapsed, 0);
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(table_.Slot(k).WeeksWorked, 0);
        EXPECT_EQ(table_.Slot(k).WeeksLost, 0);
        EXPECT_EQ(table_.Slot(k).CostSoFar, k == 1 ? 150 : 0);
    }
    EXPECT_EQ(state_.TotalCostSoFar, 60);
    EXPECT_TRUE(Week({1, 1, 1}));
    EXPECT_EQ(first.CostSoFar, 150 + 165);
    EXPECT_EQ(state_.TotalCostSoFar, 60 + 150 + 165);
}

// The ST cost comes from the catalog record, the ingredients from the slot.
TEST_F(MakingTest, WeeklyCostOfSTAndIngredients) {
    struct Case {
        int32_t catalogST;
        double stCost;
    };
    const Case cases[] = {
        {0, 0}, {-20, 0}, {1, 50}, {25, 50}, {26, 100}, {235, 500}, {75, 150},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.catalogST);
        table_.Edit<TMagicItemKest>(entries::kMagicItemFirst + kBlur).STPerDay = c.catalogST;
        Put(1, kBlur);
        table_.EditSlot(1).STPerDay = 1000;      // the slot's copy is not what is charged
        table_.EditSlot(1).IngredientCost = 33;  // but its ingredients are
        StartMaking(table_, state_);
        EXPECT_TRUE(Week({6, 6, 6}));
        EXPECT_EQ(table_.Slot(1).CostSoFar, 33 + c.stCost);
        EXPECT_TRUE(Week({2, 2, 2}));
        EXPECT_EQ(table_.Slot(1).CostSoFar, 2 * (33 + c.stCost));
        EXPECT_EQ(state_.TotalCostSoFar, 2 * (33 + c.stCost));
    }
}

// A slot that names no catalog item (a hand-edited record) is still worked
// and charged its ingredients, never read past the magic item catalog.
TEST_F(MakingTest, SlotOutsideTheCatalogSpendsNoST) {
    for (int32_t index : {-1, 127, 500, -7}) {
        SCOPED_TRACE(index);
        Put(1, kBlur);
        table_.EditSlot(1).CatalogIndex = index;
        StartMaking(table_, state_);
        EXPECT_TRUE(Week({1, 1, 1}));
        EXPECT_EQ(table_.Slot(1).WeeksWorked, 1);
        EXPECT_EQ(table_.Slot(1).CostSoFar, 15);
    }
}

// Over many weeks the share of good weeks is the chance of 3d6 at or under
// DX: 160/216 at 12, 212/216 at 16, 10/216 at 5, and so on.
TEST_F(MakingTest, SuccessRatesFollowThreeDice) {
    // Ways to roll at most 3, 4, ..., 18 on 3d6.
    const int kWaysAtMost[16] = {1,   4,   10,  20,  35,  56,  81,  108,
                                 135, 160, 181, 196, 206, 212, 215, 216};
    constexpr int kWeeks = 100000;
    SeededRandom random(20240611);
    for (int32_t dx = 5; dx <= 16; ++dx) {
        SCOPED_TRACE(dx);
        Put(1, kBlur);
        table_.EditSlot(1).Weeks = 1e9;  // never finishes within the run
        state_.DX = dx;
        StartMaking(table_, state_);
        for (int n = 0; n < kWeeks; ++n) ASSERT_TRUE(MakingWeek(table_, state_, random));
        const double p = kWaysAtMost[dx - 3] / 216.0;
        const double sigma = std::sqrt(kWeeks * p * (1 - p));
        EXPECT_NEAR(table_.Slot(1).WeeksWorked, kWeeks * p, 5 * sigma);
        EXPECT_EQ(table_.Slot(1).WeeksWorked + table_.Slot(1).WeeksLost, kWeeks);
        EXPECT_EQ(state_.WeeksElapsed, kWeeks);
        EXPECT_EQ(table_.Slot(1).CostSoFar, 165.0 * kWeeks);
    }
}

}  // namespace
