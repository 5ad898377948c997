// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/carpet.h"

TCarpetItemKest::TCarpetItemKest(int32_t index) {
    if (index < 1 || index > kCarpetCount) return;
    const CarpetRow& row = kCarpetRows[index - 1];
    Name = row.name;
    Price = row.price;
    Weight = row.weight;
}
