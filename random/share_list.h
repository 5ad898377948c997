// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "catalog/listing.h"
#include "random/hoard.h"
#include "random/hoard_shares.h"

// A hoard's items listed again as its shares, in the order of the shares:
// each under a heading line, "Share 2: $1,240 (3 items)", its items' lines as
// the hoard lists them, each picking its item as from the hoard. A share
// whose one item is worth more than a fair share says so on its heading. A
// last line gives the gap: "Richest share $1,310, poorest $1,190".
Listing ListShares(const std::vector<HoardItem>& hoard, const std::vector<HoardShare>& shares);

// The given rows of listed shares as an HTML table (catalog/list_table.h):
// a "Share" column before the hoard's columns holds each item's share, in
// place of the heading lines, which give no rows of their own (no table at
// all for headings alone).
std::string SharesTableHtml(const Listing& shares, const std::vector<size_t>& rows);
