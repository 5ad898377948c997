// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"
#include "catalog/tobject.h"

// One compiled-in spell row, as the rulebook prints it.
struct SpellRow {
    const char* name;
    int32_t iq;
    char kind;  // S, T, C, M, t or blank
    int32_t stCost;
    int32_t stPerTurn;
};

constexpr int kSpellCount = 156;  // spell numbers 1..156

// The 156 rows; spell n is kSpellRows[n - 1].
extern const SpellRow kSpellRows[kSpellCount];

// Every magic scroll weighs the same, whatever spell is written on it.
constexpr double kScrollWeight = 0.12;

// The shop price of a magic scroll of a spell of the given IQ level; 0 outside 8..20.
int32_t ScrollPriceForIQ(int32_t iq);

// One spell, with the prices and weights of its scroll and its book worked out from IQ.
class TSpellsKest : public TObject {
public:
    // Numbers 1..156 take their row; any number still gets the IQ-derived figures
    // (those of IQ 0 when there is no row).
    explicit TSpellsKest(int32_t number);

    std::string Name;
    int32_t IQ = 0;
    char KindCode = ' ';
    int32_t STCost = 1;
    int32_t STPerTurn = 1;
    int32_t IQCopy = 0;
    int32_t BookPrice = 0;  // 20 per IQ level
    double BookWeight = 0;  // 0.5 for the binding plus 0.03 per IQ level
    double Weeks = 0;       // IQ / 6: making time counted for a scroll or book as a base item
    int32_t ScrollPrice = 0;
};

inline const TSpellsKest& SpellAt(const CatalogTable& t, int n) {
    return t.At<TSpellsKest>(entries::kSpellFirst - 1 + n);
}

// The Scroll command: every spell as a magic scroll ("name,S").
Listing ListScrolls(const CatalogTable& table);

// The Spell book command: every spell as a spell book (the bare name).
Listing ListSpellBooks(const CatalogTable& table);
