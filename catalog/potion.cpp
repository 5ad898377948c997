// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/potion.h"

#include "catalog/row_text.h"

TMushroomItemKest::TMushroomItemKest(int32_t index) {
    if (index < 1 || index > kMushroomCount) return;
    const AlchemyRow& row = kMushroomRows[index - 1];
    Name = row.name;
    Price = row.price;
    Weight = row.weight;
    Weeks = row.weeks;
}

TSlimeItemKest::TSlimeItemKest(int32_t index) {
    if (index < 1 || index > kSlimeCount) return;
    const AlchemyRow& row = kSlimeRows[index - 1];
    Name = row.name;
    Price = row.price;
    Weight = row.weight;
    Weeks = row.weeks;
}

TPotionItemKest::TPotionItemKest(int32_t index) {
    if (index < 1 || index > kPotionCount) return;
    const PotionRow& row = kPotionRows[index - 1];
    Name = row.name;
    Price = row.price;
    Weight = row.weight;
    Weeks = row.weeks;
    Note1 = TextOf(row.notes[0]);
    Note2 = TextOf(row.notes[1]);
    Note3 = TextOf(row.notes[2]);
}
