// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"
#include "catalog/tobject.h"

// The alchemist's goods: mushrooms, living slimes and brewed potions.

// One compiled-in mushroom or slime: what it fetches, what it weighs and the
// weeks it counts for as the base of a magic item.
struct AlchemyRow {
    const char* name;
    double price;
    double weight;
    double weeks;
};

// One compiled-in potion: price, weight, weeks to brew one, and up to three
// note lines naming what it is brewed from (empty = no line).
struct PotionRow {
    const char* name;
    double price;
    double weight;
    double weeks;
    const char* notes[3];
};

constexpr int kMushroomCount = 5;  // mushroom numbers 1..5
constexpr int kSlimeCount = 4;     // slime numbers 1..4
constexpr int kPotionCount = 37;   // potion numbers 1..37

// Mushroom n is kMushroomRows[n - 1]; likewise for slimes and potions.
extern const AlchemyRow kMushroomRows[kMushroomCount];
extern const AlchemyRow kSlimeRows[kSlimeCount];
extern const PotionRow kPotionRows[kPotionCount];

// A kind of mushroom.
class TMushroomItemKest : public TObject {
public:
    explicit TMushroomItemKest(int32_t index);

    std::string Name;
    double Price = 0;
    double Weight = 0;
    double Weeks = 0;
};

// A slime, known by its colour.
class TSlimeItemKest : public TObject {
public:
    explicit TSlimeItemKest(int32_t index);

    std::string Name;
    double Price = 0;
    double Weight = 0;
    double Weeks = 0;
};

// A potion; Weeks is the time to brew one dose.
class TPotionItemKest : public TObject {
public:
    explicit TPotionItemKest(int32_t index);

    std::string Name;
    double Price = 0;
    double Weight = 0;
    double Weeks = 0;
    std::string Note1;
    std::string Note2;
    std::string Note3;
};

inline const TMushroomItemKest& MushroomAt(const CatalogTable& t, int n) {
    return t.At<TMushroomItemKest>(entries::kMushroomFirst - 1 + n);
}

inline const TSlimeItemKest& SlimeAt(const CatalogTable& t, int n) {
    return t.At<TSlimeItemKest>(entries::kSlimeFirst - 1 + n);
}

inline const TPotionItemKest& PotionAt(const CatalogTable& t, int n) {
    return t.At<TPotionItemKest>(entries::kPotionFirst - 1 + n);
}

// The Potion command: one line per potion, plus a line for each further note.
// It leaves the view where it was rather than returning to the top.
Listing ListPotions(const CatalogTable& table);
