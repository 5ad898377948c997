// SPDX-License-Identifier: GPL-3.0-or-later
// The start-up construction of every catalog record, in the order the
// registry fills its ranges.
#include <cmath>

#include "catalog/carpet.h"
#include "catalog/catalog_table.h"
#include "catalog/component.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/magic_item.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/weapon.h"

namespace {

// Makes records for catalog numbers first..last into consecutive entries.
template <class Record>
void FillRange(CatalogTable& table, int firstEntry, int firstNumber, int lastNumber) {
    for (int n = firstNumber; n <= lastNumber; ++n) {
        table.Fill(firstEntry + (n - firstNumber), std::make_unique<Record>(n));
    }
}

}  // namespace

void CatalogTable::Build() {
    Fill(entries::kSwapItem, std::make_unique<TMagicItemKest>(-1));
    // Entry 0 is the blank record (index -1); entry i + 1 the magic item i.
    FillRange<TMagicItemKest>(*this, entries::kBlankMagicItem, -1, kMagicItemCount - 1);
    FillRange<TWeaponItemKest>(*this, entries::kWeaponFirst, 1, kWeaponCount);
    FillRange<TEquipmentItemKest>(*this, entries::kEquipmentFirst, 1, kEquipmentCount);
    FillRange<TMushroomItemKest>(*this, entries::kMushroomFirst, 1, kMushroomCount);
    FillRange<TSlimeItemKest>(*this, entries::kSlimeFirst, 1, kSlimeCount);
    FillRange<TPotionItemKest>(*this, entries::kPotionFirst, 1, kPotionCount);
    FillRange<TGemItemKest>(*this, entries::kGemFirst, 1, kGemCount);
    FillRange<TJewelryItemKest>(*this, entries::kJewelryFirst, 1, kJewelryCount);
    FillRange<TCarpetItemKest>(*this, entries::kCarpetFirst, 1, kCarpetCount);
    FillRange<TComponentItemKest>(*this, entries::kComponentFirst, 1, kComponentCount);
    FillRange<TFloura_FaunaKest>(*this, entries::kFaunaFirst, 1, kFaunaCount);
    FillRange<TJobKest>(*this, entries::kJobFirst, 1, kJobCount);
    FillRange<TSpellsKest>(*this, entries::kSpellFirst, 1, kSpellCount);
    for (int entry = entries::kBlankItem; entry < entries::kCount; ++entry) {
        Fill(entry, std::make_unique<TMagicItemKest>(-1));
    }
    // Each catalog item knows its own index and its working days, rounded
    // half to even (0.42 weeks make 2 days).
    for (int i = 0; i < kMagicItemCount; ++i) {
        TMagicItemKest& item = Edit<TMagicItemKest>(entries::kMagicItemFirst + i);
        item.CatalogIndex = i;
        item.WorkDays = static_cast<int32_t>(std::nearbyint(5 * item.Weeks));
        item.WorkUnits = 20 * item.WorkDays;
    }
}
