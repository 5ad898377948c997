// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "catalog/listing.h"
#include "random/hoard.h"

// A hoard as the pane lists it, and which item each of its lines belongs to.
struct HoardList {
    Listing listing;
    // For every line: the index of its item in the hoard; the sum line has none.
    std::vector<std::optional<size_t>> itemOfLine;

    // The item a pane line (counted from 0) belongs to: an item's line and
    // its note lines give the item; the sum line and lines past the list none.
    std::optional<size_t> ItemAt(int32_t line) const;
};

// One line per item: its base item (columns 1-36), the money of its sheet's
// total (ending at column 50) and its weeks (ending at column 58), then its
// enchantments from column 62, those that do not fit on note lines under
// them; a last line gives the number of items and their total value.
HoardList ListHoard(const std::vector<HoardItem>& hoard);
