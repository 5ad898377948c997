// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/listing.h"

class CatalogTable;

// What an entry of a catalog becomes when it is made the base item: the name
// the sheet shows, its price and weeks of making, and the hexes it covers.
struct BaseItem {
    std::string name;
    double price = 0;
    double weeks = 0;
    int32_t hexes = 1;
};

// One record of a base-item source, and its variant (1..) where the source
// has variants.
struct BaseRef {
    BaseSource source = BaseSource::Weapon;
    int32_t n = 1;
    int32_t v = 0;
};

// The one table of how each catalog's records become base items: picks from
// the lists, the random treasure and a sheet read back all name base items
// through it.
//
// - a weapon takes the cost and weeks of its first variant; a variant is
//   named after its weapon too, "dirk (dagger)";
// - a gem from the gem list ("ruby") and one a random treasure cut ("ruby
//   (gem)") cost the stone as it is cut now, and take no weeks;
// - jewelry and carpets take one week of making per $150 of the piece;
// - a creature is bought by its variant, "unicorn horse", and covers that
//   variant's hexes; a kind without variants goes by its size, "slime 1 hex";
// - a scroll is "fire scroll", a spell book "book, fire".
BaseItem BaseItemOf(const CatalogTable& table, BaseRef ref);

// How many records (or, with variants, how many named variants of record n)
// a source has.
int32_t BaseRecordCount(BaseSource source);
int32_t BaseVariantCount(const CatalogTable& table, BaseSource source, int32_t n);

// Every base item of every source that exists, source by source, each in
// catalog order.
std::vector<BaseRef> BaseRefs(const CatalogTable& table);

// Whether the source cuts its stones to size (a sheet may show any whole
// number of carats).
bool CutToSize(BaseSource source);

// The text a line of the list that shows the entries of `shown` starts
// with for each of its entries, in the order a click compares them with the
// 28 characters it selects.
struct PickCandidate {
    std::string text;
    RowPick pick;
};
std::vector<PickCandidate> PickCandidates(const CatalogTable& table, ShownList shown);

// Makes the lines of a catalog list and works out what a pick on each of
// them picks: the entry whose text, filled out with blanks, is the line's
// first 28 characters, the last one when several are; none for a text of
// nothing but blanks (a note line, the empty jewelry place).
void FinishCatalogList(const CatalogTable& table, Listing& listing);
