// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"
#include "catalog/tobject.h"

// One compiled-in gem or mineral: its name and its price by the carat.
struct GemRow {
    const char* name;
    double pricePerCarat;
};

constexpr int kGemCount = 202;  // gem numbers 1..202

// Every stone weighs the same per carat.
constexpr double kGemWeightPerCarat = 0.0002;

// The 202 rows, dearest first; gem n is kGemRows[n - 1].
extern const GemRow kGemRows[kGemCount];

// A gem or mineral as the table holds it. It starts as a one-carat stone; the
// random treasure may later cut it to another size, which changes Carats and
// Price (always Carats x PricePerCarat) but never the weight of one carat.
class TGemItemKest : public TObject {
public:
    explicit TGemItemKest(int32_t index);

    std::string Name;
    double PricePerCarat = 0;
    double WeightPerCarat = 0;
    double Carats = 0;
    double Price = 0;
    double Weight = 0;
};

inline const TGemItemKest& GemAt(const CatalogTable& t, int n) {
    return t.At<TGemItemKest>(entries::kGemFirst - 1 + n);
}

// Gem n to cut to a new size: a random treasure changes its carats and price
// for the rest of the run.
inline TGemItemKest& GemToCut(CatalogTable& t, int n) {
    return t.Edit<TGemItemKest>(entries::kGemFirst - 1 + n);
}

// The Gem command: one line per gem with its current price and carats.
Listing ListGems(const CatalogTable& table);
