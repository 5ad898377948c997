// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/tobject.h"

// One compiled-in ingredient or starting piece a wizard buys for a magic item.
struct ComponentRow {
    const char* name;
    double price;   // whole dollars
    double weight;  // kilograms
};

constexpr int kComponentCount = 44;  // component numbers 1..44

// The 44 rows; component n is kComponentRows[n - 1].
extern const ComponentRow kComponentRows[kComponentCount];

// An ingredient. No command lists them; the random treasure draws them by
// number and makes one the base item at its price.
class TComponentItemKest : public TObject {
public:
    explicit TComponentItemKest(int32_t index);

    std::string Name;
    double Price = 0;
    double Weight = 0;
};

inline const TComponentItemKest& ComponentAt(const CatalogTable& t, int n) {
    return t.At<TComponentItemKest>(entries::kComponentFirst - 1 + n);
}
