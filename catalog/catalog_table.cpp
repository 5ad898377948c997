// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/catalog_table.h"

#include <cassert>

#include "catalog/magic_item.h"
#include "catalog/weapon.h"

void CatalogTable::Fill(int entry, std::unique_ptr<TObject> record) {
    auto& slot = entries_.at(static_cast<size_t>(entry));
    assert(!slot && "a catalog entry is filled once");
    slot = std::move(record);
}

std::vector<int> CatalogTable::ShutdownOrder() {
    std::vector<int> order;
    order.reserve(entries::kCount);
    order.push_back(entries::kSwapItem);
    // The blank record and the magic items, then every other catalog range in
    // table order up to the last spell.
    for (int entry = entries::kBlankMagicItem; entry < entries::kSwapItem; ++entry) {
        order.push_back(entry);
    }
    for (int entry = entries::kBlankItem; entry < entries::kCount; ++entry) {
        order.push_back(entry);
    }
    return order;
}

void CatalogTable::FreeAll() {
    for (int entry : ShutdownOrder()) {
        entries_[static_cast<size_t>(entry)].reset();
    }
}

const TMagicItemKest& CatalogTable::MagicItem(int catalogIndex) const {
    return At<TMagicItemKest>(entries::kMagicItemFirst + catalogIndex);
}

const TWeaponItemKest& CatalogTable::Weapon(int number) const {
    return At<TWeaponItemKest>(entries::kWeaponFirst - 1 + number);
}

const TMagicItemKest& CatalogTable::Slot(int slot) const {
    return At<TMagicItemKest>(entries::kWorkbenchFirst - 1 + slot);
}

const TMagicItemKest& CatalogTable::BlankItem() const {
    return At<TMagicItemKest>(entries::kBlankItem);
}

TMagicItemKest& CatalogTable::EditSlot(int slot) {
    return Edit<TMagicItemKest>(entries::kWorkbenchFirst - 1 + slot);
}

TMagicItemKest& CatalogTable::EditSwapItem() { return Edit<TMagicItemKest>(entries::kSwapItem); }
