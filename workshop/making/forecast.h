// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "workshop/bench/workshop_state.h"

class CatalogTable;
class TMagicItemKest;

// What a making of the workbench as it stands would come to, before Make is
// pressed: the figures the making report's total line shows at the end (the
// weeks elapsed plus the base item's adjusted weeks; the base item's adjusted
// price plus every slot's costs, once per hex), as odds rather than one run.

// The levels of the percentiles a forecast gives: 1 in 10, half, 9 in 10.
constexpr std::array<double, 3> kForecastLevels = {0.1, 0.5, 0.9};

// Three six-sided dice fall in 216 ways.
constexpr int32_t kRollsOf3d6 = 216;

struct MakingForecast {
    int32_t dx = 0;
    int32_t goodRolls = 0;          // of the 216 rolls of 3d6, those at most DX
    double weekChance = 0;          // goodRolls / 216: the chance of a successful week
    int32_t filledSlots = 0;        // slots with an item on them
    int64_t weeksToWork = 0;        // successful weeks the slots need in all
    bool finishes = true;           // false: a week is needed that no roll can win
    double expectedWeeks = 0;       // the total line's weeks at the end, on average
    double expectedMoney = 0;       // the total line's money at the end, on average
    std::array<double, 3> weeks{};  // at the levels of kForecastLevels
    std::array<double, 3> money{};  // at the levels of kForecastLevels

    // Nothing left to chance: no week to work, or no week that can be lost.
    bool Certain() const { return finishes && (weeksToWork == 0 || goodRolls == kRollsOf3d6); }
};

// The rolls of 3d6 (of 216) at most dx.
int32_t GoodRollsAt(int32_t dx);

// The forecast of a making started now with the given DX; reads the table and
// the state and changes neither. When it never finishes, the figures are
// infinite.
MakingForecast ForecastMaking(const CatalogTable& table, const WorkshopState& state, int32_t dx);

// The same for slots kept aside (slot 1 first) on a base item of that price
// covering that many hexes: the making as it would go were they on the bench.
MakingForecast ForecastMaking(const CatalogTable& table, const std::vector<TMagicItemKest>& slots,
                              double baseItemPrice, int32_t hexCount, int32_t dx);
