// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/catalog_lists.h"

#include "catalog/base_item_sources.h"
#include "catalog/carpet.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/weapon_list.h"
#include "workshop/lists/enchantment_list.h"

namespace {

// clang-format off
constexpr std::array<CatalogList, 11> kLists = {{
    {"Button_Weapon",     "Weapon list",      ListWeapons,      ShownList::Weapons},
    {"Button_Equipment",  "Equipment list",   ListEquipment,    ShownList::Equipment},
    {"Button_Scroll",     "Scroll list",      ListScrolls,      ShownList::Scrolls},
    {"Button_Spell_Book", "Spell book list",  ListSpellBooks,   ShownList::SpellBooks},
    {"Button_Potion",     "Potion list",      ListPotions,      ShownList::Potions},
    {"Button_Gem",        "Gem list",         ListGems,         ShownList::Gems},
    {"Button_Jewelry",    "Jewelry list",     ListJewelry,      ShownList::Jewelry},
    {"Button_Carpet",     "Carpet list",      ListCarpets,      ShownList::Carpets},
    {"Button_Fauna",      "Fauna list",       ListFauna,        ShownList::Fauna},
    {"Button_Job",        "Job list",         ListJobs,         ShownList::Jobs},
    {"Button9_Enchant",   "Enchantment list", ListEnchantments, ShownList::MagicItems},
}};
// clang-format on

// Every list a base item is picked from is a catalog list, and every catalog
// list but the enchantments' picks base items.
constexpr bool AgreesWithTheSources() {
    for (const ShownList source : kBaseSourceLists) {
        bool listed = source == ShownList::None;
        for (const CatalogList& list : kLists) listed = listed || list.shown == source;
        if (!listed) return false;
    }
    for (const CatalogList& list : kLists) {
        if ((list.shown == ShownList::MagicItems) == ShowsBaseItems(list.shown)) return false;
    }
    return true;
}
static_assert(AgreesWithTheSources(), "the catalog lists and the base-item sources agree");

}  // namespace

const std::array<CatalogList, 11> kCatalogLists = kLists;

const CatalogList& CatalogListOf(ShownList shown) {
    for (const CatalogList& list : kCatalogLists) {
        if (list.shown == shown) return list;
    }
    return kCatalogLists.front();
}
