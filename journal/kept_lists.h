// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "catalog/listing.h"
#include "journal/journal_store.h"

// The items made and kept, for Ctrl+H, oldest first: each one's name, base
// item, the date it was made, and the money and weeks its making took (a
// text too long for its column cut short); a note when there is none. A pick
// on a line gives the item's place in items.
Listing ListKeptItems(const std::vector<KeptItem>& items);

// The plans kept, for Ctrl+O, in the order kept: each one's name, base item,
// price and weeks as its sheet totals them, the date kept and its
// enchantments, those that do not fit on note lines under them; a note when
// there is none. A pick on any of a plan's lines gives its place in plans.
Listing ListKeptPlans(const std::vector<KeptPlan>& plans);
