// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"
#include "catalog/tobject.h"

// One compiled-in plain carpet, named by the hexes it covers.
struct CarpetRow {
    const char* name;
    double price;
    double weight;
};

constexpr int kCarpetCount = 3;  // carpet numbers 1..3

// The three carpets, smallest first; carpet n is kCarpetRows[n - 1].
extern const CarpetRow kCarpetRows[kCarpetCount];

// A plain carpet on which a magic carpet is made.
class TCarpetItemKest : public TObject {
public:
    explicit TCarpetItemKest(int32_t index);

    std::string Name;
    double Price = 0;
    double Weight = 0;
};

inline const TCarpetItemKest& CarpetAt(const CatalogTable& t, int n) {
    return t.At<TCarpetItemKest>(entries::kCarpetFirst - 1 + n);
}

// The Carpet command: one line per carpet, in the jewelry list's columns.
Listing ListCarpets(const CatalogTable& table);
