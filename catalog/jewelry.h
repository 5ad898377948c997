// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"
#include "catalog/tobject.h"

// One compiled-in piece of jewelry or tableware; a null name marks a numbered
// place that holds no piece.
struct JewelryRow {
    const char* name;
    double price;
    double weight;
};

constexpr int kJewelryCount = 36;       // jewelry places 1..36
constexpr int kJewelryEmptyPlace = 20;  // the one place without a piece

// The 36 places; place n is kJewelryRows[n - 1].
extern const JewelryRow kJewelryRows[kJewelryCount];

// A plain piece that a magic item can be built on. The empty place keeps an
// empty name and zeros, so that the places after it keep their numbers.
class TJewelryItemKest : public TObject {
public:
    explicit TJewelryItemKest(int32_t index);

    std::string Name;
    double Price = 0;
    double Weight = 0;
};

inline const TJewelryItemKest& JewelryAt(const CatalogTable& t, int n) {
    return t.At<TJewelryItemKest>(entries::kJewelryFirst - 1 + n);
}

// The Jewelry command: one line per place, the empty place included.
Listing ListJewelry(const CatalogTable& table);

// The jewelry or the carpet list: one line of name, cost and weight a piece.
Listing ListPieces(const CatalogTable& table, ShownList shown);
