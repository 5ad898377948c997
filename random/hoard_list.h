// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "catalog/listing.h"
#include "random/hoard.h"

// A hoard as the pane lists it: one line per item with its base item, the
// money of its sheet's total and its weeks, then its enchantments, those
// that do not fit on note lines under them; a pick on any of these lines
// gives the item. A last line gives the number of items and their total
// value, and picks nothing.
Listing ListHoard(const std::vector<HoardItem>& hoard);
