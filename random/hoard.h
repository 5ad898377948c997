// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "workshop/bench/workbench_history.h"
#include "workshop/bench/workshop_state.h"

class CatalogTable;
class RandomSource;

// How many items one hoard holds: the game master asks for 1 to 1,000.
constexpr int32_t kHoardMinItems = 1;
constexpr int32_t kHoardMaxItems = 1000;

// One item of a hoard as it was rolled.
struct HoardItem {
    WorkbenchSnapshot bench;                // base item, hexes and the five slots
    int32_t gem = 0;                        // the gem the item is cut from (1..kGemCount), or 0
    double gemCarats = 0;                   // that gem's size as rolled
    double value = 0;                       // the money on the item sheet's total line
    double weeks = 0;                       // the weeks on it
    std::vector<std::string> enchantments;  // the filled slots, named as the sheet names them
};

// Rolls count items (kHoardMinItems..kHoardMaxItems; none otherwise) one
// after another, each as Random rolls one, from a single seeding of the
// source: n items from a seeded source are the n items that n presses of
// Random would give. The bench is left as it was; a gem an item cuts stays
// cut in the catalog, as after Random.
std::vector<HoardItem> RollHoard(CatalogTable& table, const WorkshopState& state,
                                 RandomSource& random, int32_t count);

// The item's value to the cent, as its line shows it.
inline int64_t ValueCents(const HoardItem& item) { return std::llround(item.value * 100); }

// A hoard of about a worth (in cents, kHoardMinWorthCents..kHoardMaxWorthCents;
// none otherwise): items rolled as RollHoard rolls them, one after another
// from a single seeding, each kept while the total stays within the worth;
// one that would take it over is left out and rolling goes on, until the
// total is within a tenth under the worth or kHoardMaxItems items were
// rolled, kept or not.
std::vector<HoardItem> RollHoardToWorth(CatalogTable& table, const WorkshopState& state,
                                        RandomSource& random, int64_t worthCents);

// Puts a hoard's item on the bench exactly as it was rolled, its gem cut back
// to the size it had then.
void PutHoardItem(const HoardItem& item, CatalogTable& table, WorkshopState& state);
