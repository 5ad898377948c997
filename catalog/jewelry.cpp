// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/jewelry.h"

TJewelryItemKest::TJewelryItemKest(int32_t index) {
    if (index < 1 || index > kJewelryCount) return;
    const JewelryRow& row = kJewelryRows[index - 1];
    if (row.name == nullptr) return;  // the empty place stays empty
    Name = row.name;
    Price = row.price;
    Weight = row.weight;
}
