// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "catalog/listing.h"

class CatalogTable;

// The catalog lists, one row each in the order of their buttons: the
// buttons list them, finding in every list reads them, a screen reader hears
// the pane named after them, and the driver and the benchmarks press them.
// A new catalog list is a new row here (and its catalog's own files).
struct CatalogList {
    const char* button;  // the command button that lists it
    // The pane's name while it shows the list, and its heading among the
    // lines found in every list.
    const char* name;
    Listing (*list)(const CatalogTable& table);
    // The entries it shows, which a click picks among; typing a name jumps
    // by their first column, finding in every list reads all their lines.
    ShownList shown;
};

extern const std::array<CatalogList, 11> kCatalogLists;

// The row of the list that shows these entries; the weapons' for any other.
const CatalogList& CatalogListOf(ShownList shown);
