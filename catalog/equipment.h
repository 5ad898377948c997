// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"
#include "catalog/tobject.h"

// One compiled-in article of mundane equipment, as the outfitter's price list
// prints it. Empty note = no line.
struct EquipmentRow {
    const char* name;
    double cost;
    double weight;
    double weeks;
    const char* note1;
    const char* note2;
};

constexpr int kEquipmentCount = 52;  // article numbers 1..52

// The 52 rows; article n is kEquipmentRows[n - 1].
extern const EquipmentRow kEquipmentRows[kEquipmentCount];

// A mundane article a wizard may enchant. Weeks is the making time it counts
// for as the base item, a figure of its own (roughly Cost / 150).
class TEquipmentItemKest : public TObject {
public:
    explicit TEquipmentItemKest(int32_t index);

    std::string Name;
    double Cost = 0;
    double Weight = 0;
    std::string Note1;
    std::string Note2;
    double Weeks = 0;
};

inline const TEquipmentItemKest& EquipmentAt(const CatalogTable& t, int n) {
    return t.At<TEquipmentItemKest>(entries::kEquipmentFirst - 1 + n);
}

// The Equipment command: one line per article, plus a line for a second note.
Listing ListEquipment(const CatalogTable& table);
