// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "catalog/tobject.h"

// One compiled-in row of the magic item catalog, as a game book prints it.
struct MagicItemRow {
    const char* name;
    int32_t price;
    char noteCode;
    double weeks;
    int32_t stPerDay;
    int32_t ingredientCost;
    int32_t iq;
    int32_t aux;
    int32_t level;
    int32_t spellNumber;
    int32_t materialCost1;
    int32_t materialCost2;
    const char* notes[5];  // nullptr or "" = no line
};

constexpr int kMagicItemCount = 127;  // catalog indexes 0..126

// The 127 rows, indexed by catalog index.
extern const MagicItemRow kMagicItemRows[kMagicItemCount];

// A magic item or enchantment. The same record is the blank record (index -1),
// a workbench slot, the swap record and the blank template; the making
// simulation keeps a slot's progress in WeeksWorked, WeeksLost and CostSoFar.
class TMagicItemKest : public TObject {
public:
    explicit TMagicItemKest(int32_t index);

    // Copies the catalog fields of source; leaves the making progress, the
    // material costs and SpellNumber of this record as they were.
    void Assign(const TMagicItemKest& source);

    std::string Name;
    int32_t Price = 0;
    int32_t AdjustedPrice = 0;
    char NoteCode = '\0';
    double Weeks = 0;
    double WeeksWorked = 0;
    double WeeksLost = 0;
    double CostSoFar = 0;
    int32_t STPerDay = 0;
    int32_t IngredientCost = 0;
    std::string Note1, Note2, Note3, Note4, Note5;
    int32_t MaterialCost1 = 0, MaterialCost2 = 0, MaterialCost3 = 0, MaterialCost4 = 0,
            MaterialCost5 = 0;
    int32_t CatalogIndex = 0;
    int32_t IQ = 0;
    int32_t Aux = 0;
    int32_t Level = 0;
    int32_t WorkDays = 0;
    int32_t WorkUnits = 0;
    int32_t SpellNumber = 0;
};
