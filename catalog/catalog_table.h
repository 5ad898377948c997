// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <memory>
#include <vector>

#include "catalog/tobject.h"

// The fixed entry ranges of the one registry of catalog records. A record of
// catalog number n sits at entry (first entry of its range) - 1 + n.
namespace entries {
constexpr int kBlankMagicItem = 0;
constexpr int kMagicItemFirst = 1;    // catalog index i at entry i + 1
constexpr int kWeaponFirst = 128;     // weapons 1..59
constexpr int kEquipmentFirst = 187;  // equipment 1..52
constexpr int kMushroomFirst = 239;   // mushrooms 1..5
constexpr int kSlimeFirst = 244;      // slimes 1..4
constexpr int kPotionFirst = 248;     // potions 1..37
constexpr int kGemFirst = 285;        // gems and minerals 1..202
constexpr int kJewelryFirst = 487;    // jewelry 1..36
constexpr int kCarpetFirst = 523;     // carpets 1..3
constexpr int kComponentFirst = 526;  // components 1..44
constexpr int kFaunaFirst = 570;      // flora and fauna 1..78
constexpr int kJobFirst = 648;        // jobs 1..80
constexpr int kSpellFirst = 728;      // spells 1..156
constexpr int kSwapItem = 884;
constexpr int kBlankItem = 885;
constexpr int kWorkbenchFirst = 886;  // slots 1..kSlotCount
// The workbench holds five magic items: the combination rules, the item
// sheet, the making and a random treasure all work on these slots.
constexpr int kSlotCount = 5;
constexpr int kCount = kWorkbenchFirst + kSlotCount;
}  // namespace entries

class TMagicItemKest;
class TWeaponItemKest;

// Owns every catalog record from start-up to shutdown. Entries are filled
// once by Build(), never re-pointed, and freed once by FreeAll().
class CatalogTable {
public:
    CatalogTable() = default;
    CatalogTable(const CatalogTable&) = delete;
    CatalogTable& operator=(const CatalogTable&) = delete;
    ~CatalogTable() { FreeAll(); }

    // Constructs every record in the start-up order and gives the magic items
    // their derived CatalogIndex, WorkDays and WorkUnits
    // (catalog_table_build.cpp, the one place that knows every catalog).
    void Build();

    // Puts a new record into an empty entry; the table owns it from now on.
    void Fill(int entry, std::unique_ptr<TObject> record);

    // Frees every entry once, in the shutdown order.
    void FreeAll();

    // The entries in the order FreeAll() frees them.
    static std::vector<int> ShutdownOrder();

    bool Has(int entry) const { return entries_.at(static_cast<size_t>(entry)) != nullptr; }

    // The record at an entry, as the class of its range, to read.
    template <class T>
    const T& At(int entry) const {
        return static_cast<const T&>(*entries_.at(static_cast<size_t>(entry)));
    }
    // The same record to change in place. Only the workbench (its slots and
    // the swap record the rules sort with) and a random treasure (which
    // cuts a gem to size) change records after start-up.
    template <class T>
    T& Edit(int entry) {
        return static_cast<T&>(*entries_.at(static_cast<size_t>(entry)));
    }

    const TMagicItemKest& MagicItem(int catalogIndex) const;  // 0..126
    const TWeaponItemKest& Weapon(int number) const;          // 1..59
    const TMagicItemKest& Slot(int slot) const;               // workbench slot 1..kSlotCount
    const TMagicItemKest& BlankItem() const;

    TMagicItemKest& EditSlot(int slot);  // workbench slot 1..kSlotCount
    TMagicItemKest& EditSwapItem();

private:
    std::array<std::unique_ptr<TObject>, entries::kCount> entries_;
};
