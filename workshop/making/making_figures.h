// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "catalog/magic_item.h"

// Figures that both the analysis and the making simulation charge a making by.

// Started 25-point units of ST spent per day: every unit, even a part one,
// costs the wizard $50 a week. 25 gives 1, 26 gives 2, 0 or less gives 0.
inline int32_t StUnits(int32_t stPerDay) {
    if (stPerDay <= 0) return 0;
    return stPerDay / 25 + (stPerDay % 25 != 0 ? 1 : 0);
}

// What a week of ST costs the wizard: $50 for every started unit.
constexpr double kDollarsPerSTUnit = 50;
inline double WeeklySTCost(int32_t stUnits) { return kDollarsPerSTUnit * stUnits; }

// The material an item is made from: its five material costs together, in
// dollars, before any note-code factor.
inline double MaterialCost(const TMagicItemKest& item) {
    return static_cast<double>(item.MaterialCost1) + item.MaterialCost2 + item.MaterialCost3 +
           item.MaterialCost4 + item.MaterialCost5;
}

// What a note code does to the price of the material an item is started on:
// the dearer the base, the dearer the material to work it.
inline double NoteCodePriceFactor(char noteCode) {
    switch (noteCode) {
        case 'D':
            return 1.1;
        case 'E':
            return 1.2;
        case 'F':
            return 1.3;
        case 'G':
            return 1.5;
        case 'H':
            return 2.0;
        default:
            return 1.0;
    }
}

// The share of an item's profit the analysis counts: items that only make
// sense in pairs or as costly variants ('c', 'I') earn half, 'J' a fifth.
inline double ProfitShareFactor(char noteCode) {
    switch (noteCode) {
        case 'c':
        case 'I':
            return 0.5;
        case 'J':
            return 0.2;
        default:
            return 1.0;
    }
}
