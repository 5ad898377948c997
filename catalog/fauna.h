// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"
#include "catalog/tobject.h"

constexpr int kFaunaCount = 78;         // kinds 1..78
constexpr int kFaunaVariantSlots = 17;  // variants 1..17 of one kind
constexpr int kFaunaMaxParts = 5;

// The kind "disease": its variant lines name only the ailment, not the kind.
constexpr int kFaunaDisease = 24;

// One compiled-in variant of a kind: its attributes, size, weight and the
// parts of it that serve as ingredients (", " between them, "" = none).
struct FaunaVariantRow {
    const char* name;  // nullptr after the last variant; "" for an unnamed one
    int32_t st;
    int32_t dx;
    int32_t iq;
    int32_t ma;
    int32_t flyMa;
    int32_t swimMa;
    int32_t extraPoints;
    int32_t hexes;
    double weight;
    const char* parts;
};

// One compiled-in kind with its variants in order.
struct FaunaKindRow {
    const char* name;
    const char* plural;
    FaunaVariantRow variants[kFaunaVariantSlots];
};

// The 78 kinds; kind n is kFaunaRows[n - 1].
extern const FaunaKindRow kFaunaRows[kFaunaCount];

// One variant of a kind: the parts it yields, its attributes, and its price.
struct TStatKest {
    std::string Part1, Part2, Part3, Part4, Part5;
    int32_t ST = 0;
    int32_t DX = 0;
    int32_t IQ = 0;
    int32_t MA = 0;
    int32_t FlyMA = 0;
    int32_t SwimMA = 0;
    int32_t ExtraPoints = 0;
    int32_t Cost = 0;  // always FaunaCost() of the fields above
    int32_t Hexes = 0;
    double Weight = 0;
};

// The price of one such creature in dollars: 10 x ST + DX x DX + 3 x MA, then
// times 3 at IQ 6, times 10 at IQ 7, times (IQ + ExtraPoints) above IQ 7, and
// as it stands below IQ 6. Reckoned in 32-bit integers (wrapping, never
// trapping, on absurd attributes).
int32_t FaunaCost(const TStatKest& stats);

// A kind of person, creature or plant with up to 17 variants. VariantName[0]
// and Stats[0] are variant 1. Every variant's Cost is derived, even for an
// index outside the catalog (where every attribute, and so every Cost, is 0).
class TFloura_FaunaKest : public TObject {
public:
    explicit TFloura_FaunaKest(int32_t index);

    std::string Name;
    std::string PluralName;
    std::array<std::string, kFaunaVariantSlots> VariantName;
    std::array<TStatKest, kFaunaVariantSlots> Stats;
};

inline const TFloura_FaunaKest& FaunaAt(const CatalogTable& t, int n) {
    return t.At<TFloura_FaunaKest>(entries::kFaunaFirst - 1 + n);
}

// How many named variants the kind has (they are filled from variant 1 on).
int FaunaVariantCount(const TFloura_FaunaKest& kind);

// Variant k (1..17) as a click on the fauna list is compared with it: a blank,
// the variant's name, a blank and the kind's name (" unicorn horse").
std::string FaunaVariantText(const TFloura_FaunaKest& kind, int k);
// The same text added to `text`.
void AddFaunaVariantText(std::string& text, const TFloura_FaunaKest& kind, int k);

// A variant's parts as the list shows them: "hand, hand, eye".
std::string FaunaPartsText(const TStatKest& stats);

// The Fauna command: a title line per kind, then a line per named variant.
Listing ListFauna(const CatalogTable& table);
