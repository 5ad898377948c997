// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog/listing.h"
#include "random/hoard.h"

// A hoard as the pane lists it: one line per item with its base item, the
// money of its sheet's total and its weeks, then its enchantments, those
// that do not fit on note lines under them; a pick on any of these lines
// gives the item. A last line gives the number of items and their total
// value, and picks nothing; for a hoard rolled to a worth (in cents) it also
// says what came of it: "12 items worth $4,870 of $5,000".
Listing ListHoard(const std::vector<HoardItem>& hoard,
                  std::optional<int64_t> worthCents = std::nullopt);

// "1 item", "12 items".
std::string ItemCount(size_t count);

// The columns of a hoard's lines.
const ListForm& HoardForm();

// The lines of the hoard's item `index` added to a listing of the hoard's
// columns: the item's line and the note lines of its further enchantments,
// each picking the item.
void AddHoardItem(Listing& listing, const HoardItem& item, size_t index);
