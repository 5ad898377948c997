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

// What a picked entry is: a magic item of the catalog, or the base item it
// makes. Picking a creature re-runs the combination rules at once, so that
// the unicorn horn rule can take hold of a unicorn.
struct Entry {
    int32_t magicItem = kNoMagicItem;
    BaseItem base;
    bool creature = false;
};

Entry BaseEntry(BaseItem base) { return {kNoMagicItem, std::move(base), false}; }

template <class Record, class Offer>
void OfferPieces(const CatalogTable& table, int first, int count, BaseItem (*baseOf)(const Record&),
                 const Offer& offer) {
    for (int n = 1; n <= count; ++n) {
        const Record& piece = table.At<Record>(first - 1 + n);
        offer(piece.Name, [&] { return BaseEntry(baseOf(piece)); });
    }
}

// Offers every entry of the list on show, in scan order: offer(text, entry)
// with the text the entry's line starts with and a function that makes the
// entry, called only for the one that matches.
template <class Offer>
void ForEachEntry(const CatalogTable& table, ShownList shown, const Offer& offer) {
    switch (shown) {
        case ShownList::MagicItems:
            for (int32_t i = 0; i < kMagicItemCount; ++i) {
                offer(table.MagicItem(i).Name, [i] {
                    Entry item;
                    item.magicItem = i;
                    return item;
                });
            }
            break;
        case ShownList::Weapons:
            // Each weapon's variants come before the weapon itself, each
            // listed under its weapon indented by one blank.
            for (int n = 1; n <= kWeaponCount; ++n) {
                const TWeaponItemKest& weapon = table.Weapon(n);
                for (const TWeaponKest& v : weapon.Variants) {
                    offer(" " + v.Name, [&] { return BaseEntry(WeaponVariantBase(weapon, v)); });
                }
                offer(weapon.Name, [&] { return BaseEntry(WeaponBase(weapon)); });
            }
            break;
        case ShownList::Equipment:
            for (int n = 1; n <= kEquipmentCount; ++n) {
                const TEquipmentItemKest& a = EquipmentAt(table, n);
                offer(a.Name, [&] { return BaseEntry(EquipmentBase(a)); });
            }
            break;
        case ShownList::Potions:
            for (int n = 1; n <= kPotionCount; ++n) {
                const TPotionItemKest& potion = PotionAt(table, n);
                offer(potion.Name, [&] { return BaseEntry(PotionBase(potion)); });
            }
            break;
        case ShownList::Gems:
            for (int n = 1; n <= kGemCount; ++n) {
                const TGemItemKest& gem = GemAt(table, n);
                offer(gem.Name, [&] { return BaseEntry(GemBase(gem)); });
            }
            break;
        case ShownList::Jewelry:
            OfferPieces<TJewelryItemKest>(table, entries::kJewelryFirst, kJewelryCount,
                                          &JewelryBase, offer);
            break;
        case ShownList::Carpets:
            OfferPieces<TCarpetItemKest>(table, entries::kCarpetFirst, kCarpetCount, &CarpetBase,
                                         offer);
            break;
        case ShownList::Fauna:
            // A creature is bought by the variant ("unicorn horse") and covers
            // its own hexes.
            for (int n = 1; n <= kFaunaCount; ++n) {
                const TFloura_FaunaKest& kind = FaunaAt(table, n);
                for (int v = 1; v <= kFaunaVariantSlots; ++v) {
                    offer(FaunaVariantText(kind, v), [&] {
                        Entry creature = BaseEntry(FaunaBase(kind, v));
                        creature.creature = true;
                        return creature;
                    });
                }
            }
            break;
        case ShownList::Jobs:
            for (int n = 1; n <= kJobCount; ++n) {
                const TJobKest& job = JobAt(table, n);
                offer(job.Name, [&] { return BaseEntry(JobBase(job)); });
            }
            break;
        case ShownList::Scrolls:
        case ShownList::SpellBooks:
            for (int n = 1; n <= kSpellCount; ++n) {
                const TSpellsKest& spell = SpellAt(table, n);
                if (shown == ShownList::Scrolls) {
                    offer(spell.Name + ",S", [&] { return BaseEntry(ScrollBase(spell)); });
                } else {
                    offer(spell.Name, [&] { return BaseEntry(SpellBookBase(spell)); });
                }
            }
            break;
        case ShownList::None:
            break;  // the making report: nothing on it can be picked
        case ShownList::Hoard:
            break;  // a hoard's line is picked by its place in the hoard
        case ShownList::MadeItems:
            break;  // a line puts its item's plan back, by its place in the list
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
    ForEachEntry(table, shown, [&](std::string_view text, const auto& entryOf) {
        if (!Matches(text, selected)) return;
        Entry entry = entryOf();
        picked = entry.magicItem;
        if (picked != kNoMagicItem) return;
        SetBaseItem(state, std::move(entry.base));
        if (entry.creature) Rectify_Magic_Item_list(table, state, -1);
    });
    return picked;
}

PickOutcome PickFromPane(CatalogTable& table, WorkshopState& state, ShownList shown,
                         const std::string& selected, bool rightButton) {
    const int32_t picked = PickEntry(table, state, shown, selected);
    if (picked < 0 || picked >= kMagicItemCount) return PickOutcome::Picked;
    const bool full = SlotsTakenAgainst(table, picked);
    if (rightButton) {
        UnRectify_Magic_Item_list(table, state, picked);
    } else {
        Rectify_Magic_Item_list(table, state, picked);
    }
    return full ? PickOutcome::SlotsFull : PickOutcome::Picked;
}
