// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "workshop/bench/workshop_state.h"

class CatalogTable;
class RandomSource;

// What a roll changed outside the workbench: the gem it cut to a new size
// (its number, 1..kGemCount), or 0 when it cut none.
struct RandomItemRoll {
    int32_t cutGem = 0;
};

// One random item from the source as it stands: empties the workbench, draws
// a base item from the catalogs and enchantments for it, and puts them on the
// workbench through the combination rules.
RandomItemRoll RollRandomItem(CatalogTable& table, WorkshopState& state, RandomSource& random);

// Random treasure: re-seeds the source from the clock, then rolls one item.
// (The window then rebuilds the item sheet.)
void MakeRandomItem(CatalogTable& table, WorkshopState& state, RandomSource& random);
