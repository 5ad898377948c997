// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/base_items.h"

#include "catalog/carpet.h"
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
