// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

class CatalogTable;
class TMagicItemKest;

// The rules a making follows, read by the weekly simulation and by the
// forecast of what a making will take, so that both count alike.

// Every week the wizard rolls three six-sided dice; the week succeeds when
// the roll is at most DX.
constexpr int kMakingDice = 3;
constexpr int kMakingDieFaces = 6;
inline bool WeekSucceeds(int32_t roll, int32_t dx) { return roll <= dx; }

// A slot is finished once it has all its successful weeks; an empty slot
// (0 weeks) always is.
bool SlotFinished(const TMagicItemKest& slot);

// The successful weeks a making started afresh (no week worked yet) needs on
// a slot before SlotFinished holds: 0 for an empty slot or one of 0 weeks, 1
// for 0.42 weeks, n for n weeks. kNeverFinished when no count of weeks ever
// reaches the slot's (a weeks figure that is not a number, or beyond
// kMostSuccessfulWeeks).
constexpr int64_t kNeverFinished = -1;
constexpr int64_t kMostSuccessfulWeeks = 1000000;
int64_t SuccessfulWeeksNeeded(const TMagicItemKest& slot);

// What a slot has cost as soon as a making starts: the material the item is
// begun from, as the slot record holds it.
double SlotStartingCost(const TMagicItemKest& slot);

// What every week on a slot costs, worked or lost: the slot's ingredients and
// $50 per started 25 points of ST per day of its catalog item.
double SlotWeeklyCost(const CatalogTable& table, const TMagicItemKest& slot);

// The base item's price once the slots' note codes have made it dearer to
// work, the factors compounding in slot order.
double AdjustedBasePriceFor(const CatalogTable& table, double baseItemPrice);
// The same for slots kept aside (slot 1 first).
double AdjustedBasePriceFor(const std::vector<TMagicItemKest>& slots, double baseItemPrice);
