// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/component.h"

TComponentItemKest::TComponentItemKest(int32_t index) {
    if (index < 1 || index > kComponentCount) return;
    const ComponentRow& row = kComponentRows[index - 1];
    Name = row.name;
    Price = row.price;
    Weight = row.weight;
}
