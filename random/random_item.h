// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "workshop/workshop_state.h"

class CatalogTable;
class RandomSource;

// Random treasure: empties the workbench, re-seeds the source from the clock,
// draws a base item from the catalogs and enchantments for it, and puts them
// on the workbench through the combination rules. (The window then rebuilds
// the item sheet.)
void MakeRandomItem(CatalogTable& table, WorkshopState& state, RandomSource& random);
