// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/making/forecast.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/making_time.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/making/making_odds.h"
#include "workshop/making/making_rules.h"

namespace {

// The money's grid is this fine against the money the making comes to at
// least 9 times in 10, so that its percentiles are good to a few parts in
// a thousand.
constexpr double kMoneyResolution = 0.004;

// The slots that cost the same each week are worked like one slot of their
// weeks together: a sum of negative binomials of one chance is one.
struct WeeklyCharge {
    double cost = 0;
    int64_t weeks = 0;  // successful weeks
};

}  // namespace

int32_t GoodRollsAt(int32_t dx) {
    static_assert(kMakingDice == 3, "the rolls are counted for three dice");
    int32_t good = 0;
    for (int a = 1; a <= kMakingDieFaces; ++a) {
        for (int b = 1; b <= kMakingDieFaces; ++b) {
            for (int c = 1; c <= kMakingDieFaces; ++c) {
                if (WeekSucceeds(a + b + c, dx)) ++good;
            }
        }
    }
    return good;
}

namespace {

// The forecast of a making of these slots on a base item whose price the
// slots' note codes have already made dearer.
MakingForecast ForecastOf(const CatalogTable& table,
                          const std::vector<const TMagicItemKest*>& slots, double basePrice,
                          int32_t hexCount, int32_t dx) {
    MakingForecast forecast;
    forecast.dx = dx;
    forecast.goodRolls = GoodRollsAt(dx);
    const double p = static_cast<double>(forecast.goodRolls) / kRollsOf3d6;
    forecast.weekChance = p;

    // What Make sets before the first week: the base item at its adjusted
    // price and weeks, and every slot at its starting cost.
    const double baseWeeks = WeeksOfMakingFor(basePrice);
    double fixedMoney = basePrice;
    std::vector<WeeklyCharge> charges;
    for (const TMagicItemKest* filled : slots) {
        const TMagicItemKest& slot = *filled;
        if (!slot.Name.empty()) ++forecast.filledSlots;
        fixedMoney += SlotStartingCost(slot);
        const int64_t weeks = SuccessfulWeeksNeeded(slot);
        if (weeks == kNeverFinished) {
            forecast.finishes = false;
            continue;
        }
        if (weeks == 0) continue;  // never worked, never charged
        forecast.weeksToWork += weeks;
        const double cost = SlotWeeklyCost(table, slot);
        auto same = std::find_if(charges.begin(), charges.end(),
                                 [cost](const WeeklyCharge& c) { return c.cost == cost; });
        if (same == charges.end()) {
            charges.push_back({cost, weeks});
        } else {
            same->weeks += weeks;
        }
    }
    if (forecast.weeksToWork > 0 && p <= 0) forecast.finishes = false;
    if (!forecast.finishes) {
        const double never = std::numeric_limits<double>::infinity();
        forecast.expectedWeeks = forecast.expectedMoney = never;
        forecast.weeks.fill(never);
        forecast.money.fill(never);
        return forecast;
    }

    // Weeks: the successes needed plus the lost weeks, one negative binomial.
    const double successes = static_cast<double>(forecast.weeksToWork);
    forecast.expectedWeeks = (forecast.weeksToWork == 0 ? 0 : successes / p) + baseWeeks;
    const CountDistribution elapsed = WeeksForSuccesses(forecast.weeksToWork, p);
    for (size_t i = 0; i < kForecastLevels.size(); ++i) {
        forecast.weeks[i] =
            static_cast<double>(CountQuantile(elapsed, kForecastLevels[i])) + baseWeeks;
    }

    // Money: each group of slots charges its weekly cost for each of its
    // weeks, worked or lost; the groups' weeks are independent.
    double meanCharged = 0;
    double varianceCharged = 0;
    std::vector<ChargedWeeks> parts;
    for (const WeeklyCharge& charge : charges) {
        const auto n = static_cast<double>(charge.weeks);
        meanCharged += charge.cost * n / p;
        varianceCharged += charge.cost * charge.cost * n * (1 - p) / (p * p);
        parts.push_back({charge.cost, charge.weeks});
    }
    forecast.expectedMoney = TotalLinePrice(hexCount, fixedMoney + meanCharged);
    // Roughly the least money 9 makings in 10 come to: the mean less 1.3
    // standard deviations, and no less than a tenth of the mean (a single
    // slot of one week at a low DX, where the weeks spread widely).
    const double low = std::abs(fixedMoney) +
                       std::max(0.1 * meanCharged, meanCharged - 1.3 * std::sqrt(varianceCharged));
    const GridDistribution charged = ChargedSum(parts, p, kMoneyResolution * low);
    for (size_t i = 0; i < kForecastLevels.size(); ++i) {
        forecast.money[i] =
            TotalLinePrice(hexCount, fixedMoney + GridQuantile(charged, kForecastLevels[i]));
    }
    return forecast;
}

}  // namespace

MakingForecast ForecastMaking(const CatalogTable& table, const WorkshopState& state, int32_t dx) {
    std::vector<const TMagicItemKest*> slots;
    for (int k = 1; k <= entries::kSlotCount; ++k) slots.push_back(&table.Slot(k));
    return ForecastOf(table, slots, AdjustedBasePriceFor(table, state.BaseItemPrice),
                      state.HexCount, dx);
}

MakingForecast ForecastMaking(const CatalogTable& table, const std::vector<TMagicItemKest>& slots,
                              double baseItemPrice, int32_t hexCount, int32_t dx) {
    std::vector<const TMagicItemKest*> kept;
    for (const TMagicItemKest& slot : slots) kept.push_back(&slot);
    return ForecastOf(table, kept, AdjustedBasePriceFor(slots, baseItemPrice), hexCount, dx);
}
