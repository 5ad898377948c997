// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/weapon.h"

#include "catalog/making_time.h"
#include "catalog/row_text.h"

TWeaponItemKest::TWeaponItemKest(int32_t index) {
    if (index < 1 || index > kWeaponCount) {
        return;  // not a weapon: the record stays empty
    }
    const WeaponRow& row = kWeaponRows[index - 1];
    Name = TextOf(row.name);
    Kind = TextOf(row.kind);

    const double weeks = WeeksOfMakingFor(row.cost);

    // Every name the weapon goes by carries the same numbers and notes.
    for (TWeaponKest& variant : Variants) {
        variant.Dice = row.dice;
        variant.Adds = row.adds;
        variant.ST = row.st;
        variant.Cost = row.cost;
        variant.Weight = row.weight;
        variant.Note1 = TextOf(row.note1);
        variant.Note2 = TextOf(row.note2);
        variant.Note3 = TextOf(row.note3);
        variant.Weeks = weeks;
        variant.Dice2 = row.dice2;
        variant.Adds2 = row.adds2;
    }
    for (size_t i = 0; i < Variants.size() && row.variants[i] != nullptr; ++i) {
        Variants[i].Name = row.variants[i];
    }
}
