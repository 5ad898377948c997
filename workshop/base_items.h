// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "workshop/workshop_state.h"

class CatalogTable;
class TCarpetItemKest;
class TComponentItemKest;
class TEquipmentItemKest;
class TFloura_FaunaKest;
class TGemItemKest;
class TJewelryItemKest;
class TJobKest;
class TPotionItemKest;
class TSpellsKest;
class TWeaponItemKest;
struct TWeaponKest;

// What an entry of a catalog becomes when it is made the base item: the name
// the sheet shows, its price and weeks of making, and the hexes it covers.
// The picks from the lists, the random treasure and the reading of a copied
// sheet all name base items through these.
struct BaseItem {
    std::string name;
    double price = 0;
    double weeks = 0;
    int32_t hexes = 1;
};

// A weapon takes the cost and weeks of its first variant; a variant is named
// after its weapon too: "dirk (dagger)".
BaseItem WeaponBase(const TWeaponItemKest& weapon);
BaseItem WeaponVariantBase(const TWeaponItemKest& weapon, const TWeaponKest& variant);
BaseItem EquipmentBase(const TEquipmentItemKest& article);
BaseItem PotionBase(const TPotionItemKest& potion);
// A gem from the gem list ("ruby") and one a random treasure cut ("ruby
// (gem)"), both at the stone's price as it is cut now and no weeks.
BaseItem GemBase(const TGemItemKest& gem);
BaseItem TreasureGemBase(const TGemItemKest& gem);
// Jewelry and carpets count one week of making per $150 of the piece.
BaseItem JewelryBase(const TJewelryItemKest& piece);
BaseItem CarpetBase(const TCarpetItemKest& carpet);
// A creature is bought by its variant v (1..17), "unicorn horse", and covers
// that variant's hexes; a kind without variants goes by its size, "slime 1 hex".
BaseItem FaunaBase(const TFloura_FaunaKest& kind, int v);
BaseItem FaunaBySizeBase(const TFloura_FaunaKest& kind);
BaseItem JobBase(const TJobKest& job);
BaseItem ScrollBase(const TSpellsKest& spell);
BaseItem SpellBookBase(const TSpellsKest& spell);
BaseItem ComponentBase(const TComponentItemKest& component);

inline void SetBaseItem(WorkshopState& state, BaseItem item) {
    state.SetBaseItem(std::move(item.name), item.price, item.weeks, item.hexes);
}

// The base items a pick or a random treasure can set whose names begin text,
// catalog by catalog. A gem may stand at any whole number of carats (a random
// treasure cuts the stones): its pricePerCarat is then not 0, and item.price
// is its present size.
struct BaseItemChoice {
    BaseItem item;
    double pricePerCarat = 0;
};
std::vector<BaseItemChoice> BaseItemsStarting(const CatalogTable& table, std::string_view text);
