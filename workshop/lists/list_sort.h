// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "catalog/listing.h"

// Sorting the list on show by one of its columns, as a press on a column
// header asks. Sorting changes no state of the workbench: it only orders the
// lines, and says for each shown line which line of the catalog order it is.

enum class SortOrder {
    Catalog,     // the order the list command wrote
    Ascending,   // A to Z, smallest first
    Descending,  // Z to A, largest first
};

// The order a list on show stands in: sorted by the column whose top header
// label is `header` (0..8), or in catalog order.
struct ListSort {
    int header = -1;
    SortOrder order = SortOrder::Catalog;
    bool operator==(const ListSort& other) const {
        return header == other.header && order == other.order;
    }
};

// The top label of the column that header label `header` (0..8) heads:
// both of two stacked labels ("Stat" over "Total") head one column. -1 for
// a label without a caption.
int ColumnLabelOf(const Listing& listing, int header);

// The columns of a listing from left to right, each by its top header label
// (0..8): the first is the one the first column key sorts by. Rows gathered
// from several lists (finding in every list) have one label over them all;
// there the columns are places from the left, 0 to the most any list has,
// and each list sorts by its own column at the place.
std::vector<int> ColumnHeaders(const Listing& listing);

// The label whose arrow and tooltip tell a sort by `header`: the column's
// top label, or over rows gathered from several lists the one label.
int SortedLabelOf(const Listing& listing, int header);

// A press on header label `header` (0..8) of the listing, which stands as
// `current`: the first press on a column sorts a text column A to Z and a
// figure column largest first, the second reverses, the third goes back to
// catalog order. A label without a caption leaves `current` as it is.
ListSort PressHeader(const Listing& listing, const ListSort& current, int header);

struct SortedListing {
    std::vector<std::string> lines;   // in the shown order
    std::vector<size_t> catalogLine;  // for each shown line, its index in catalog order
    std::string state;                // "sorted by Cost, largest first"; empty in catalog order
};

// The listing sorted by the column of header label `header` (0..8), by the
// keys of its cells:
// - a column holds what it declares, figures or texts; texts compare
//   ignoring case and leading blanks. Texts in a figure column ("none" pay)
//   come after the figures, A to Z when the figures are largest first;
// - "-" and empty values come last in either order, and ties keep their
//   catalog order;
// - a note row moves with its entry, and the sum rows stay last;
// - in the fauna list a kind's title heads the variant rows under it: the
//   variants sort within their kind and the kinds by their own name or, in a
//   figure column, by the first of their sorted variants.
// Catalog order, or a label without a caption, gives the lines as they are.
SortedListing SortListing(const Listing& listing, int header, SortOrder order);
