// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/magic_item.h"

#include <iterator>

#include "catalog/row_text.h"

TMagicItemKest::TMagicItemKest(int32_t index) {
    if (index == -1) {
        // The blank record: an empty workbench slot, the swap record and the
        // blank template all start like this.
        NoteCode = ' ';
        Note1 = "0";
        SpellNumber = -1;
        return;
    }
    if (index < 0 || index >= kMagicItemCount) {
        return;  // no such item: everything stays empty and zero
    }

    const MagicItemRow& row = kMagicItemRows[index];
    Name = row.name;
    Price = row.price;
    NoteCode = row.noteCode;
    Weeks = row.weeks;
    STPerDay = row.stPerDay;
    IngredientCost = row.ingredientCost;
    std::string* notes[] = {&Note1, &Note2, &Note3, &Note4, &Note5};
    for (size_t n = 0; n < std::size(notes); ++n) *notes[n] = TextOf(row.notes[n]);
    IQ = row.iq;
    Aux = row.aux;
    Level = row.level;
    SpellNumber = row.spellNumber;
    MaterialCost1 = row.materialCost1;
    MaterialCost2 = row.materialCost2;
}

void TMagicItemKest::Assign(const TMagicItemKest& source) {
    if (&source == this) {
        return;
    }
    // The making progress (WeeksWorked, WeeksLost, CostSoFar), the material
    // costs and SpellNumber belong to the slot position and are not copied.
    Name = source.Name;
    Price = source.Price;
    AdjustedPrice = source.AdjustedPrice;
    NoteCode = source.NoteCode;
    Weeks = source.Weeks;
    STPerDay = source.STPerDay;
    IngredientCost = source.IngredientCost;
    Note1 = source.Note1;
    Note2 = source.Note2;
    Note3 = source.Note3;
    Note4 = source.Note4;
    Note5 = source.Note5;
    CatalogIndex = source.CatalogIndex;
    IQ = source.IQ;
    Aux = source.Aux;
    Level = source.Level;
    WorkDays = source.WorkDays;
    WorkUnits = source.WorkUnits;
}
