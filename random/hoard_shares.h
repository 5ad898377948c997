// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A hoard shared among the party: 2 to 12 shares.
constexpr int32_t kMinShares = 2;
constexpr int32_t kMaxShares = 12;

// One share of a hoard.
struct HoardShare {
    std::vector<size_t> items;  // the hoard's items in it, in the hoard's order
    int64_t cents = 0;          // what they are worth together
    bool standsAlone = false;   // its one item is worth more than a fair share
};

// Shares out items worth the given cents among `count` shares
// (kMinShares..kMaxShares; none otherwise), so that the richest share and the
// poorest differ as little as the method makes them: the items are dealt
// from the most valuable down, each to the poorest share so far; then, while
// exchanging an item of one share for an item of another, or moving one
// across, narrows the gap between the richest and the poorest, the one that
// narrows it most is made. An item worth more than a fair share (the total
// over the count) stands alone in its share, which no exchange touches.
// Every item is in exactly one share.
std::vector<HoardShare> ShareHoard(const std::vector<int64_t>& cents, int32_t count);

// The richest share's worth less the poorest's.
int64_t ShareGap(const std::vector<HoardShare>& shares);
