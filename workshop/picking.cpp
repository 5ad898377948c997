// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/picking.h"

#include <string>
#include <string_view>
#include <utility>

#include "catalog/carpet.h"
#include "catalog/catalog_table.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/magic_item.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/weapon.h"
#include "workshop/base_items.h"
#include "workshop/combination_rules.h"

namespace {

constexpr int32_t kNoMagicItem = -1;

// A candidate matches when it, filled out with blanks to 28 characters, is
// exactly the selected text. A candidate of nothing but blanks (a weapon
// variant without a name, the empty jewelry place) never matches: otherwise a
// click on a note or continuation line would pick it and wipe the base item.
bool Matches(std::string_view candidate, std::string_view selected) {
    if (candidate.find_first_not_of(' ') == std::string_view::npos) return false;
    if (selected.size() != static_cast<size_t>(kPickTextLength)) return false;
    if (candidate.size() > selected.size()) return false;
    if (selected.compare(0, candidate.size(), candidate) != 0) return false;
    return selected.find_first_not_of(' ', candidate.size()) == std::string_view::npos;
}

void ScanPotions(const CatalogTable& table, WorkshopState& state, std::string_view selected,
                 int32_t& picked) {
    for (int n = 1; n <= kPotionCount; ++n) {
        const TPotionItemKest& potion = PotionAt(table, n);
        if (!Matches(potion.Name, selected)) continue;
        SetBaseItem(state, PotionBase(potion));
        picked = kNoMagicItem;
    }
}

// Jewelry and carpets: the pieces of one range of the table.
template <class Record>
void ScanPieces(const CatalogTable& table, WorkshopState& state, std::string_view selected,
                int first, int count, BaseItem (*baseOf)(const Record&), int32_t& picked) {
    for (int n = 1; n <= count; ++n) {
        const Record& record = table.At<Record>(first - 1 + n);
        if (!Matches(record.Name, selected)) continue;
        SetBaseItem(state, baseOf(record));
        picked = kNoMagicItem;
    }
}

void ScanMagicItems(const CatalogTable& table, std::string_view selected, int32_t& picked) {
    for (int32_t i = 0; i < kMagicItemCount; ++i) {
        if (Matches(table.MagicItem(i).Name, selected)) picked = i;
    }
}

// Each weapon's variants come before the weapon itself. A variant is listed
// under its weapon indented by one blank and becomes "dirk (dagger)"; the
// weapon takes the cost and weeks of its first variant.
void ScanWeapons(const CatalogTable& table, WorkshopState& state, std::string_view selected,
                 int32_t& picked) {
    for (int n = 1; n <= kWeaponCount; ++n) {
        const TWeaponItemKest& weapon = table.Weapon(n);
        for (const TWeaponKest& variant : weapon.Variants) {
            if (!Matches(" " + variant.Name, selected)) continue;
            SetBaseItem(state, WeaponVariantBase(weapon, variant));
            picked = kNoMagicItem;
        }
        if (Matches(weapon.Name, selected)) {
            SetBaseItem(state, WeaponBase(weapon));
            picked = kNoMagicItem;
        }
    }
}

void ScanEquipment(const CatalogTable& table, WorkshopState& state, std::string_view selected,
                   int32_t& picked) {
    for (int n = 1; n <= kEquipmentCount; ++n) {
        const TEquipmentItemKest& article = EquipmentAt(table, n);
        if (!Matches(article.Name, selected)) continue;
        SetBaseItem(state, EquipmentBase(article));
        picked = kNoMagicItem;
    }
}

void ScanGems(const CatalogTable& table, WorkshopState& state, std::string_view selected,
              int32_t& picked) {
    for (int n = 1; n <= kGemCount; ++n) {
        const TGemItemKest& gem = GemAt(table, n);
        if (!Matches(gem.Name, selected)) continue;
        SetBaseItem(state, GemBase(gem));
        picked = kNoMagicItem;
    }
}

// A creature is bought by the variant ("unicorn horse") and covers its own
// hexes. Picking one re-runs the combination rules at once, so that the
// unicorn horn rule can take hold of a unicorn.
void ScanFauna(CatalogTable& table, WorkshopState& state, std::string_view selected,
               int32_t& picked) {
    for (int n = 1; n <= kFaunaCount; ++n) {
        const TFloura_FaunaKest& kind = FaunaAt(table, n);
        for (int v = 1; v <= kFaunaVariantSlots; ++v) {
            if (!Matches(FaunaVariantText(kind, v), selected)) continue;
            SetBaseItem(state, FaunaBase(kind, v));
            picked = kNoMagicItem;
            Rectify_Magic_Item_list(table, state, -1);
        }
    }
}

void ScanJobs(const CatalogTable& table, WorkshopState& state, std::string_view selected,
              int32_t& picked) {
    for (int n = 1; n <= kJobCount; ++n) {
        const TJobKest& job = JobAt(table, n);
        if (!Matches(job.Name, selected)) continue;
        SetBaseItem(state, JobBase(job));
        picked = kNoMagicItem;
    }
}

void ScanScrolls(const CatalogTable& table, WorkshopState& state, std::string_view selected,
                 int32_t& picked) {
    for (int n = 1; n <= kSpellCount; ++n) {
        const TSpellsKest& spell = SpellAt(table, n);
        if (!Matches(spell.Name + ",S", selected)) continue;
        SetBaseItem(state, ScrollBase(spell));
        picked = kNoMagicItem;
    }
}

void ScanSpellBooks(const CatalogTable& table, WorkshopState& state, std::string_view selected,
                    int32_t& picked) {
    for (int n = 1; n <= kSpellCount; ++n) {
        const TSpellsKest& spell = SpellAt(table, n);
        if (!Matches(spell.Name, selected)) continue;
        SetBaseItem(state, SpellBookBase(spell));
        picked = kNoMagicItem;
    }
}

}  // namespace

int32_t PickLineStart(int32_t caret) {
    if (caret <= 0) return 0;  // the very start of the text (a caret is never before it)
    return caret - caret % kPaneLineStride;
}

int32_t PickEntry(CatalogTable& table, WorkshopState& state, ShownList shown,
                  const std::string& selected) {
    int32_t picked = kNoMagicItem;
    switch (shown) {
        case ShownList::MagicItems:
            ScanMagicItems(table, selected, picked);
            break;
        case ShownList::Weapons:
            ScanWeapons(table, state, selected, picked);
            break;
        case ShownList::Equipment:
            ScanEquipment(table, state, selected, picked);
            break;
        case ShownList::Potions:
            ScanPotions(table, state, selected, picked);
            break;
        case ShownList::Gems:
            ScanGems(table, state, selected, picked);
            break;
        case ShownList::Jewelry:
            ScanPieces(table, state, selected, entries::kJewelryFirst, kJewelryCount, JewelryBase,
                       picked);
            break;
        case ShownList::Carpets:
            ScanPieces(table, state, selected, entries::kCarpetFirst, kCarpetCount, CarpetBase,
                       picked);
            break;
        case ShownList::Fauna:
            ScanFauna(table, state, selected, picked);
            break;
        case ShownList::Jobs:
            ScanJobs(table, state, selected, picked);
            break;
        case ShownList::Scrolls:
            ScanScrolls(table, state, selected, picked);
            break;
        case ShownList::SpellBooks:
            ScanSpellBooks(table, state, selected, picked);
            break;
        case ShownList::None:
            break;  // the making report: nothing on it can be picked
        case ShownList::Hoard:
            break;  // a hoard's line is picked by its place in the hoard
        case ShownList::MadeItems:
            break;  // a line puts its item's plan back, by its place in the list
    }
    return picked;
}

void PickFromPane(CatalogTable& table, WorkshopState& state, ShownList shown,
                  const std::string& selected, bool rightButton) {
    const int32_t picked = PickEntry(table, state, shown, selected);
    if (picked < 0 || picked >= kMagicItemCount) return;
    if (rightButton) {
        UnRectify_Magic_Item_list(table, state, picked);
    } else {
        Rectify_Magic_Item_list(table, state, picked);
    }
}
