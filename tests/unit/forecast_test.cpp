// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/making/forecast.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/fauna.h"
#include "catalog/magic_item.h"
#include "catalog/making_time.h"
#include "catalog/text_format.h"
#include "catalog/weapon_list.h"
#include "dice/random_source.h"
#include "tests/support/catalog_checks.h"
#include "workshop/bench/picking.h"
#include "workshop/bench/workshop_state.h"
#include "workshop/making/forecast_text.h"
#include "workshop/making/making.h"

namespace {

// Catalog indexes of the items the benches are made of.
constexpr int kBlur = 2;               // 5 weeks, 75 ST a day, $15 a week
constexpr int kDetectMagic = 5;        // 1 week, 10 ST a day, $40 a week
constexpr int kAvert = 10;             // 2 weeks, 30 ST a day, $40 a week
constexpr int kMagicFist = 1;          // 3 weeks, 235 ST a day, no ingredients
constexpr int kDazzleGem = 19;         // 0.42 weeks, 10 ST a day, $20 a week
constexpr int kShockShield = 20;       // 3 weeks, 75 ST a day, $40 a week
constexpr int kSleep = 23;             // 3 weeks, 75 ST a day, $150 a week
constexpr int kFireball = 30;          // 6 weeks, 300 ST a day, $100 a week, code 'D'
constexpr int kFlight = 35;            // 5 weeks, 100 ST a day, $1200 a week
constexpr int kStaff = 0;              // 0 weeks
constexpr int kWizardsWrathRod = 115;  // 6 weeks, 375 ST a day, $360 a week
constexpr int kWOC = 100;              // 25 weeks, 50 ST a day, $25 a week

// The dagger costs $10; a saurian lizard $536 and covers 3 hexes.
constexpr double kDaggerPrice = 10;

// The 216 rolls of 3d6 at most DX, counted by hand from the dice.
double Chance(int32_t dx) {
    int good = 0;
    for (int a = 1; a <= 6; ++a) {
        for (int b = 1; b <= 6; ++b) {
            for (int c = 1; c <= 6; ++c) good += a + b + c <= dx ? 1 : 0;
        }
    }
    return good / 216.0;
}

// Puts the decimal separator back however a test ends.
class DecimalSeparator {
public:
    explicit DecimalSeparator(char separator) { textfmt::SetDecimalSeparator(separator); }
    ~DecimalSeparator() { textfmt::SetDecimalSeparator('.'); }
};

// The final figures of one making, as the report's total line shows them.
struct Outcome {
    double weeks;
    double money;
};

class ForecastTest : public ::testing::Test {
protected:
    void SetUp() override { table_.Build(); }

    // The bench is built as the window builds it: clicks on list lines.
    void PickWeapon(const std::string& name) {
        PickFromPane(table_, state_, PickOf(ListWeapons(table_), name), false);
    }
    void PickCreature(const std::string& text) {
        PickFromPane(table_, state_, PickOf(ListFauna(table_), text), false);
    }
    void PickItem(int index) {
        PickFromPane(table_, state_, {PickKind::MagicItem, {}, index, 0}, false);
    }

    MakingForecast Forecast(int32_t dx) { return ForecastMaking(table_, state_, dx); }

    // One making from Make to the tick that ends it, through the code the
    // timer runs.
    Outcome Make(int32_t dx, RandomSource& random) {
        state_.DX = dx;
        StartMaking(table_, state_);
        while (MakingWeek(table_, state_, random)) {
        }
        const double money =
            state_.HexCount >= 2 ? state_.HexCount * state_.TotalCostSoFar : state_.TotalCostSoFar;
        return {state_.WeeksElapsed + state_.AdjustedBaseWeeks, money};
    }

    CatalogTable table_;
    WorkshopState state_;
};

TEST_F(ForecastTest, ChanceOfAWeekFromTheDice) {
    struct Case {
        int32_t dx;
        int32_t good;
    };
    // Below 3 no roll succeeds, from 18 on every roll does.
    const Case cases[] = {{-4, 0},   {2, 0},    {3, 1},    {4, 4},    {5, 10},   {9, 81},
                          {10, 108}, {12, 160}, {16, 212}, {17, 215}, {18, 216}, {99, 216}};
    for (const Case& c : cases) {
        const MakingForecast forecast = Forecast(c.dx);
        EXPECT_EQ(forecast.goodRolls, c.good) << c.dx;
        EXPECT_EQ(GoodRollsAt(c.dx), c.good) << c.dx;
        EXPECT_DOUBLE_EQ(forecast.weekChance, c.good / 216.0) << c.dx;
    }
}

// One slot of w weeks takes w / p weeks on average, and charges its weekly
// cost for each of them.
TEST_F(ForecastTest, OneSlotTakesItsWeeksOverTheChance) {
    struct Item {
        int index;
        double weeks;
        double weeklyCost;
    };
    const Item items[] = {{kDetectMagic, 1, 40 + 50},
                          {kAvert, 2, 40 + 100},
                          {kBlur, 5, 15 + 150},
                          {kMagicFist, 3, 0 + 500},
                          {kWOC, 25, 25 + 100}};
    // On no base item: W.O.C.'s code would make a base dearer.
    for (const Item& item : items) {
        PickItem(item.index);
        for (int32_t dx : {5, 12, 16}) {
            SCOPED_TRACE(::testing::Message() << table_.MagicItem(item.index).Name << " DX " << dx);
            const MakingForecast forecast = Forecast(dx);
            const double p = Chance(dx);
            EXPECT_TRUE(forecast.finishes);
            EXPECT_EQ(forecast.weeksToWork, item.weeks);
            EXPECT_NEAR(forecast.expectedWeeks, item.weeks / p, 1e-12 * item.weeks / p);
            const double charged = item.weeklyCost * item.weeks / p;
            EXPECT_NEAR(forecast.expectedMoney, charged, 1e-12 * charged);
        }
        PickItem(item.index);  // off again
    }
}

// A slot of one week, or of 0.42, is done by the first good week: the weeks
// follow a geometric law, whose percentiles are known in closed form.
TEST_F(ForecastTest, ShortSlotsNeedOneGoodWeek) {
    for (int index : {kDetectMagic, kDazzleGem}) {
        PickItem(index);
        const double weeklyCost = index == kDetectMagic ? 40 + 50 : 20 + 50;
        for (int32_t dx = 5; dx <= 16; ++dx) {
            SCOPED_TRACE(::testing::Message() << table_.MagicItem(index).Name << " DX " << dx);
            const MakingForecast forecast = Forecast(dx);
            const double p = Chance(dx);
            EXPECT_EQ(forecast.weeksToWork, 1);
            EXPECT_NEAR(forecast.expectedWeeks, 1 / p, 1e-12 / p);
            for (size_t i = 0; i < kForecastLevels.size(); ++i) {
                // The least w with 1 - (1 - p)^w at least the level.
                const double w =
                    std::ceil(std::log(1 - kForecastLevels[i]) / std::log(1 - p) - 1e-12);
                EXPECT_EQ(forecast.weeks[i], std::max(w, 1.0)) << kForecastLevels[i];
                EXPECT_EQ(forecast.money[i], weeklyCost * std::max(w, 1.0)) << kForecastLevels[i];
            }
        }
        PickItem(index);
    }
}

// With no week of work the figures are certain: those of the base item alone,
// as a making would end with them.
TEST_F(ForecastTest, EmptyBenchGivesTheBaseItemAlone) {
    struct Case {
        const char* base;
        bool creature;
        int extra;  // -1: none; else an item of 0 weeks
    };
    const Case cases[] = {{"dagger", false, -1},
                          {" saurian lizard", true, -1},
                          {"", false, -1},
                          {"dagger", false, kStaff}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.base);
        state_ = WorkshopState();
        for (int k = 1; k <= 5; ++k) table_.EditSlot(k).Assign(table_.BlankItem());
        if (c.creature) {
            PickCreature(c.base);
        } else if (*c.base != '\0') {
            PickWeapon(c.base);
        }
        if (c.extra >= 0) PickItem(c.extra);
        for (int32_t dx : {-1, 2, 5, 12, 18}) {
            const MakingForecast forecast = Forecast(dx);
            SeededRandom random(1);
            const Outcome made = Make(dx, random);
            EXPECT_TRUE(forecast.finishes) << dx;
            EXPECT_TRUE(forecast.Certain()) << dx;
            EXPECT_EQ(forecast.weeksToWork, 0);
            EXPECT_EQ(forecast.filledSlots, c.extra >= 0 ? 1 : 0);
            EXPECT_EQ(forecast.expectedWeeks, made.weeks) << dx;
            EXPECT_EQ(forecast.expectedMoney, made.money) << dx;
            for (size_t i = 0; i < kForecastLevels.size(); ++i) {
                EXPECT_EQ(forecast.weeks[i], made.weeks) << dx;
                EXPECT_EQ(forecast.money[i], made.money) << dx;
            }
        }
    }
    // The creature's price is counted once per hex.
    state_ = WorkshopState();
    for (int k = 1; k <= 5; ++k) table_.EditSlot(k).Assign(table_.BlankItem());
    PickCreature(" saurian lizard");
    ASSERT_EQ(state_.HexCount, 3);
    EXPECT_EQ(Forecast(12).expectedMoney, 3 * state_.BaseItemPrice);
    EXPECT_EQ(Forecast(12).expectedWeeks, WeeksOfMakingFor(state_.BaseItemPrice));
}

// Below DX 3 no week can succeed: a bench with work never finishes, and
// the forecast says so instead of counting forever. From DX 18 no week is
// lost.
TEST_F(ForecastTest, WeeksAtTheEdgesOfChance) {
    PickWeapon("dagger");
    PickItem(kBlur);
    PickItem(kDazzleGem);
    for (int32_t dx : {-100, 0, 2}) {
        const MakingForecast forecast = Forecast(dx);
        EXPECT_FALSE(forecast.finishes) << dx;
        EXPECT_TRUE(std::isinf(forecast.expectedWeeks)) << dx;
        EXPECT_TRUE(std::isinf(forecast.money[2])) << dx;
    }
    const double baseWeeks = kDaggerPrice / 150;
    for (int32_t dx : {18, 1000}) {
        const MakingForecast forecast = Forecast(dx);
        EXPECT_TRUE(forecast.Certain()) << dx;
        EXPECT_DOUBLE_EQ(forecast.expectedWeeks, 6 + baseWeeks) << dx;
        const double money = kDaggerPrice + 5 * (15 + 150) + 1 * (20 + 50);
        for (size_t i = 0; i < kForecastLevels.size(); ++i) {
            EXPECT_DOUBLE_EQ(forecast.weeks[i], 6 + baseWeeks) << dx;
            EXPECT_DOUBLE_EQ(forecast.money[i], money) << dx;
        }
    }
}

// The forecast is of a making started afresh: what Make resets (the weeks
// worked and lost, the money so far, the base item's weeks) does not enter,
// and the forecast itself changes neither the bench nor the state.
TEST_F(ForecastTest, ForecastsAFreshMakingAndChangesNothing) {
    PickCreature(" saurian lizard");
    PickItem(kFireball);
    PickItem(kSleep);
    const MakingForecast before = Forecast(9);

    state_.DX = 9;
    StartMaking(table_, state_);
    SeededRandom random(5);
    for (int week = 0; week < 4; ++week) MakingWeek(table_, state_, random);
    ASSERT_GT(table_.Slot(1).WeeksWorked + table_.Slot(1).WeeksLost, 0);

    const WorkshopState stateBefore = state_;
    std::vector<double> slotFigures;
    for (int k = 1; k <= 5; ++k) {
        const TMagicItemKest& slot = table_.Slot(k);
        for (double figure : {slot.WeeksWorked, slot.WeeksLost, slot.CostSoFar, slot.Weeks}) {
            slotFigures.push_back(figure);
        }
    }
    const MakingForecast during = ForecastMaking(table_, state_, 9);
    EXPECT_EQ(during.expectedWeeks, before.expectedWeeks);
    EXPECT_EQ(during.expectedMoney, before.expectedMoney);
    EXPECT_EQ(during.weeks, before.weeks);
    EXPECT_EQ(during.money, before.money);

    std::vector<double> slotFiguresAfter;
    for (int k = 1; k <= 5; ++k) {
        const TMagicItemKest& slot = table_.Slot(k);
        for (double figure : {slot.WeeksWorked, slot.WeeksLost, slot.CostSoFar, slot.Weeks}) {
            slotFiguresAfter.push_back(figure);
        }
    }
    EXPECT_EQ(slotFiguresAfter, slotFigures);
    EXPECT_EQ(state_.WeeksElapsed, stateBefore.WeeksElapsed);
    EXPECT_EQ(state_.TotalCostSoFar, stateBefore.TotalCostSoFar);
    EXPECT_EQ(state_.BaseItemWeeks, stateBefore.BaseItemWeeks);
    EXPECT_EQ(state_.AdjustedBasePrice, stateBefore.AdjustedBasePrice);
    EXPECT_EQ(state_.Making, stateBefore.Making);
}

// The forecast against 100,000 makings of the same bench, each run week by
// week through the code the timer runs: the means within 1%, the 10th, 50th
// and 90th percentiles within a week and within 1% of the money.
TEST_F(ForecastTest, AgreesWithManyMakings) {
    struct Bench {
        const char* name;
        const char* base;  // a weapon, or a creature when it starts with a blank
        std::vector<int> items;
        int32_t dx;
    };
    // With few slots the money comes in steps of the slots' weekly costs,
    // wider than 1% of it on the short and the three-hex bench. At their DXs
    // the chance up to each money percentile clears its level by more than 1
    // in 100 on either side, so 100,000 runs land on the same step as the
    // forecast; on the other two benches the steps are finer than 1%.
    const Bench benches[] = {
        {"short", "dagger", {kAvert, kDazzleGem}, 11},
        {"five slots", "dagger", {kFireball, kBlur, kSleep, kAvert, kDazzleGem}, 12},
        {"ST costs", "dagger", {kMagicFist, kWizardsWrathRod}, 10},
        {"three hexes", " saurian lizard", {kShockShield, kDetectMagic}, 12},
        // The base item's weeks, at the price Fireball's code raises it to.
        {"base item weeks", " saurian lizard", {kFireball}, 12},
    };
    constexpr int kRuns = 100000;
    for (const Bench& bench : benches) {
        SCOPED_TRACE(bench.name);
        state_ = WorkshopState();
        for (int k = 1; k <= 5; ++k) table_.EditSlot(k).Assign(table_.BlankItem());
        if (bench.base[0] == ' ') {
            PickCreature(bench.base);
        } else {
            PickWeapon(bench.base);
        }
        for (int index : bench.items) PickItem(index);
        ASSERT_EQ(table_.Slot(static_cast<int>(bench.items.size())).Name.empty(), false);
        const MakingForecast forecast = Forecast(bench.dx);

        SeededRandom random(20261207);
        std::vector<double> weeks, money;
        weeks.reserve(kRuns);
        money.reserve(kRuns);
        double weeksSum = 0, moneySum = 0;
        for (int run = 0; run < kRuns; ++run) {
            const Outcome made = Make(bench.dx, random);
            weeks.push_back(made.weeks);
            money.push_back(made.money);
            weeksSum += made.weeks;
            moneySum += made.money;
        }
        const double weeksMean = weeksSum / kRuns;
        const double moneyMean = moneySum / kRuns;
        EXPECT_NEAR(forecast.expectedWeeks, weeksMean, 0.01 * weeksMean);
        EXPECT_NEAR(forecast.expectedMoney, moneyMean, 0.01 * moneyMean);
        std::sort(weeks.begin(), weeks.end());
        std::sort(money.begin(), money.end());
        std::string figures;
        for (size_t i = 0; i < kForecastLevels.size(); ++i) {
            // The least run outcome at or above the level's share of the runs.
            const auto at = static_cast<size_t>(std::ceil(kForecastLevels[i] * kRuns)) - 1;
            EXPECT_NEAR(forecast.weeks[i], weeks[at], 1.0) << kForecastLevels[i];
            EXPECT_NEAR(forecast.money[i], money[at], 0.01 * money[at]) << kForecastLevels[i];
            figures += " p" + std::to_string(static_cast<int>(kForecastLevels[i] * 100)) +
                       " weeks " + std::to_string(forecast.weeks[i]) + "/" +
                       std::to_string(weeks[at]) + " money " + std::to_string(forecast.money[i]) +
                       "/" + std::to_string(money[at]);
        }
        RecordProperty(bench.name, "mean weeks " + std::to_string(forecast.expectedWeeks) + "/" +
                                       std::to_string(weeksMean) + " mean money " +
                                       std::to_string(forecast.expectedMoney) + "/" +
                                       std::to_string(moneyMean) + figures);
    }
}

TEST_F(ForecastTest, ForecastText) {
    struct Case {
        const char* what;
        const char* base;  // "" for none
        std::vector<int> items;
        int32_t dx;
        char decimal;
        const char* text;
    };
    // Avert alone at DX 12: 2 / p = 2.7 weeks at $140, so $378; 9 makings in
    // 10 end by week 4 (0.944; week 3 only 0.833): $560.
    // Flight on a dagger at DX 12: 5 / p = 6.75 weeks, $1,400 a week, so
    // $9,450 and the dagger's $10 and 0.0667 weeks; 9 in 10 end by week 9
    // (0.944; week 8 only 0.873): 9.0667 weeks, $12,610.
    // At DX 5 Flight alone takes 5 * 21.6 = 108 weeks and $151,200 on
    // average; 9 in 10 end by week 171 (0.9010; week 170 only 0.8982).
    const Case cases[] = {
        {"one short slot",
         "",
         {kAvert},
         12,
         '.',
         "At DX 12 each week succeeds on 160 of 216 rolls. Expect 2.7 weeks (9 in 10 within "
         "4) and $378 (9 in 10 within $560)."},
        {"thousands",
         "dagger",
         {kFlight},
         12,
         '.',
         "At DX 12 each week succeeds on 160 of 216 rolls. Expect 6.8 weeks (9 in 10 within "
         "10) and $9,460 (9 in 10 within $12,700)."},
        {"thousands, decimal comma",
         "dagger",
         {kFlight},
         12,
         ',',
         "At DX 12 each week succeeds on 160 of 216 rolls. Expect 6,8 weeks (9 in 10 within "
         "10) and $9.460 (9 in 10 within $12.700)."},
        {"a long making",
         "",
         {kFlight},
         5,
         ',',
         "At DX 5 each week succeeds on 10 of 216 rolls. Expect 108 weeks (9 in 10 within "
         "171) and $151.000 (9 in 10 within $240.000)."},
        {"nothing on the bench",
         "dagger",
         {},
         12,
         '.',
         "With nothing on the bench the making is the base item alone: 0.1 weeks and $10."},
        {"nothing on the bench, decimal comma",
         "dagger",
         {},
         12,
         ',',
         "With nothing on the bench the making is the base item alone: 0,1 weeks and $10."},
        {"no week of work",
         "dagger",
         {kStaff},
         12,
         '.',
         "Nothing on the bench needs a week of work: the making comes to 0.1 weeks and $10."},
        {"never finishes",
         "dagger",
         {kBlur},
         2,
         '.',
         "At DX 2 each week succeeds on 0 of 216 rolls: the making would never finish."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        state_ = WorkshopState();
        for (int k = 1; k <= 5; ++k) table_.EditSlot(k).Assign(table_.BlankItem());
        if (*c.base != '\0') PickWeapon(c.base);
        for (int index : c.items) PickItem(index);
        const DecimalSeparator separator(c.decimal);
        EXPECT_EQ(ForecastText(Forecast(c.dx)), c.text);
    }
}

TEST(WeekChanceText, SaysTheChanceAtTheDX) {
    struct Case {
        int32_t dx;
        char decimal;
        const char* text;
    };
    const Case cases[] = {
        {12, '.', "At DX 12 a week of making succeeds on 160 of 216 rolls of 3d6 (74.1%)."},
        {12, ',', "At DX 12 a week of making succeeds on 160 of 216 rolls of 3d6 (74,1%)."},
        {5, '.', "At DX 5 a week of making succeeds on 10 of 216 rolls of 3d6 (4.6%)."},
        {10, ',', "At DX 10 a week of making succeeds on 108 of 216 rolls of 3d6 (50%)."},
        {16, '.', "At DX 16 a week of making succeeds on 212 of 216 rolls of 3d6 (98.1%)."},
    };
    for (const Case& c : cases) {
        const DecimalSeparator separator(c.decimal);
        EXPECT_EQ(WeekChanceText(c.dx), c.text) << c.dx;
    }
}

}  // namespace
