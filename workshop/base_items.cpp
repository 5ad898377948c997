// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/base_items.h"

#include "catalog/carpet.h"
#include "catalog/catalog_table.h"
#include "catalog/component.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/making_time.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/weapon.h"

BaseItem WeaponBase(const TWeaponItemKest& weapon) {
    const TWeaponKest& first = weapon.Variants[0];
    return {weapon.Name, first.Cost, first.Weeks};
}

BaseItem WeaponVariantBase(const TWeaponItemKest& weapon, const TWeaponKest& variant) {
    return {variant.Name + " (" + weapon.Name + ")", variant.Cost, variant.Weeks};
}

BaseItem EquipmentBase(const TEquipmentItemKest& article) {
    return {article.Name, article.Cost, article.Weeks};
}

BaseItem PotionBase(const TPotionItemKest& potion) {
    return {potion.Name, potion.Price, potion.Weeks};
}

BaseItem GemBase(const TGemItemKest& gem) { return {gem.Name, gem.Price, 0}; }

BaseItem TreasureGemBase(const TGemItemKest& gem) { return {gem.Name + " (gem)", gem.Price, 0}; }

BaseItem JewelryBase(const TJewelryItemKest& piece) {
    return {piece.Name, piece.Price, WeeksOfMakingFor(piece.Price)};
}

BaseItem CarpetBase(const TCarpetItemKest& carpet) {
    return {carpet.Name, carpet.Price, WeeksOfMakingFor(carpet.Price)};
}

BaseItem FaunaBase(const TFloura_FaunaKest& kind, int v) {
    const auto at = static_cast<size_t>(v - 1);
    const TStatKest& stats = kind.Stats[at];
    return {kind.VariantName[at] + " " + kind.Name, static_cast<double>(stats.Cost), 0,
            stats.Hexes};
}

BaseItem FaunaBySizeBase(const TFloura_FaunaKest& kind) {
    const TStatKest& stats = kind.Stats[0];
    return {kind.Name + " " + std::to_string(stats.Hexes) + " hex", static_cast<double>(stats.Cost),
            0, stats.Hexes};
}

BaseItem JobBase(const TJobKest& job) { return {job.Name, 0, 0}; }

BaseItem ScrollBase(const TSpellsKest& spell) {
    return {spell.Name + " scroll", static_cast<double>(spell.ScrollPrice), spell.Weeks};
}

BaseItem SpellBookBase(const TSpellsKest& spell) {
    return {"book, " + spell.Name, static_cast<double>(spell.BookPrice), spell.Weeks};
}

BaseItem ComponentBase(const TComponentItemKest& component) {
    return {component.Name, component.Price, 0};
}

std::vector<BaseItemChoice> BaseItemsStarting(const CatalogTable& table, std::string_view text) {
    std::vector<BaseItemChoice> choices;
    // Every name begins with what its entry is called (lead), so entries that
    // cannot begin text are passed over before their names are put together.
    // A nameless entry (the empty jewelry place) is never a base item.
    const auto add = [&](std::string_view lead, auto baseOf, double pricePerCarat = 0) {
        if (text.substr(0, lead.size()) != lead) return;
        BaseItem item = baseOf();
        if (text.substr(0, item.name.size()) != item.name) return;
        if (item.name.find_first_not_of(' ') == std::string::npos) return;
        choices.push_back({std::move(item), pricePerCarat});
    };
    for (int n = 1; n <= kWeaponCount; ++n) {
        const TWeaponItemKest& weapon = table.Weapon(n);
        add(weapon.Name, [&] { return WeaponBase(weapon); });
        for (const TWeaponKest& variant : weapon.Variants) {
            if (variant.Name.empty()) continue;
            add(variant.Name, [&] { return WeaponVariantBase(weapon, variant); });
        }
    }
    for (int n = 1; n <= kEquipmentCount; ++n) {
        const TEquipmentItemKest& article = EquipmentAt(table, n);
        add(article.Name, [&] { return EquipmentBase(article); });
    }
    for (int n = 1; n <= kPotionCount; ++n) {
        const TPotionItemKest& potion = PotionAt(table, n);
        add(potion.Name, [&] { return PotionBase(potion); });
    }
    for (int n = 1; n <= kGemCount; ++n) {
        const TGemItemKest& gem = GemAt(table, n);
        add(
            gem.Name, [&] { return GemBase(gem); }, gem.PricePerCarat);
        add(
            gem.Name, [&] { return TreasureGemBase(gem); }, gem.PricePerCarat);
    }
    for (int n = 1; n <= kJewelryCount; ++n) {
        const TJewelryItemKest& piece = JewelryAt(table, n);
        add(piece.Name, [&] { return JewelryBase(piece); });
    }
    for (int n = 1; n <= kCarpetCount; ++n) {
        const TCarpetItemKest& carpet = CarpetAt(table, n);
        add(carpet.Name, [&] { return CarpetBase(carpet); });
    }
    for (int n = 1; n <= kFaunaCount; ++n) {
        const TFloura_FaunaKest& kind = FaunaAt(table, n);
        for (int v = 1; v <= kFaunaVariantSlots; ++v) {
            const std::string& variant = kind.VariantName[static_cast<size_t>(v - 1)];
            if (!variant.empty()) add(variant, [&] { return FaunaBase(kind, v); });
        }
        if (FaunaVariantCount(kind) == 0) add(kind.Name, [&] { return FaunaBySizeBase(kind); });
    }
    for (int n = 1; n <= kJobCount; ++n) {
        const TJobKest& job = JobAt(table, n);
        add(job.Name, [&] { return JobBase(job); });
    }
    for (int n = 1; n <= kSpellCount; ++n) {
        const TSpellsKest& spell = SpellAt(table, n);
        add(spell.Name, [&] { return ScrollBase(spell); });
        add("book, ", [&] { return SpellBookBase(spell); });
    }
    for (int n = 1; n <= kComponentCount; ++n) {
        const TComponentItemKest& component = ComponentAt(table, n);
        add(component.Name, [&] { return ComponentBase(component); });
    }
    return choices;
}
