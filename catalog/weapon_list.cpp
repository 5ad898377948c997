// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/weapon_list.h"

#include "catalog/catalog_table.h"
#include "catalog/text_format.h"
#include "catalog/weapon.h"

namespace {

// Columns of the weapon list: the damage ends at column 32 (counting the
// name), then ST, cost and weight right-aligned, then the notes from column 59.
constexpr int kDamageEndColumn = 32;
constexpr int kStWidth = 5;
constexpr int kCostWidth = 10;
constexpr int kWeightWidth = 7;
constexpr int kWeightMinWidth = 4;
constexpr int kNoteGap = 4;
constexpr int kNoteWidth = 65;
constexpr int kNoteColumn = 58;

std::string WeaponLine(const std::string& name, const TWeaponKest& numbers) {
    return textfmt::LineBuilder(name)
        .EndAt(kDamageEndColumn, GetDiceText(numbers.Dice, numbers.Adds))
        .Right(kStWidth, textfmt::Int(numbers.ST))
        .Right(kCostWidth, textfmt::General(numbers.Cost))
        .Right(kWeightWidth, textfmt::Fixed2(numbers.Weight, kWeightMinWidth))
        .Blanks(kNoteGap)
        .Left(kNoteWidth, numbers.Note1)
        .Take();
}

void AddEntry(std::vector<std::string>& lines, const std::string& name,
              const TWeaponKest& numbers) {
    lines.push_back(WeaponLine(name, numbers));
    for (const std::string* note : {&numbers.Note2, &numbers.Note3}) {
        if (!note->empty()) {
            lines.push_back(
                textfmt::LineBuilder().Blanks(kNoteColumn).Left(kNoteWidth, *note).Take());
        }
    }
}

}  // namespace

std::string GetDiceText(int32_t dice, int32_t adds) {
    if (dice == 0 && adds == 0) return " - ";
    if (dice >= 1) {
        if (adds < 0) return textfmt::Int(dice) + textfmt::Int(adds);
        if (adds == 0) return textfmt::Int(dice) + "  ";
        return textfmt::Int(dice) + "+" + textfmt::Int(adds);
    }
    if (adds < 0) return " " + textfmt::Int(adds);
    if (adds > 0) return " +" + textfmt::Int(adds);
    return "";
}

Listing ListWeapons(const CatalogTable& table) {
    Listing listing;
    listing.labels = {{{8, "Weapon"},
                       {222, "damage"},
                       {284, "ST"},
                       {348, "Cost"},
                       {348, ""},
                       {402, "WT"},
                       {402, ""},
                       {468, "Notes"},
                       {468, ""}}};
    listing.shown = ShownList::Weapons;
    for (int n = 1; n <= kWeaponCount; ++n) {
        const TWeaponItemKest& weapon = table.Weapon(n);
        AddEntry(listing.lines, weapon.Name, weapon.Variants[0]);
        for (const TWeaponKest& variant : weapon.Variants) {
            if (!variant.Name.empty()) AddEntry(listing.lines, " " + variant.Name, variant);
        }
    }
    return listing;
}
