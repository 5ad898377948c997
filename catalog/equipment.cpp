// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/equipment.h"

#include "catalog/row_text.h"

TEquipmentItemKest::TEquipmentItemKest(int32_t index) {
    if (index < 1 || index > kEquipmentCount) return;
    const EquipmentRow& row = kEquipmentRows[index - 1];
    Name = row.name;
    Cost = row.cost;
    Weight = row.weight;
    Note1 = TextOf(row.note1);
    Note2 = TextOf(row.note2);
    Weeks = row.weeks;
}
