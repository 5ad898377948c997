// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/weapon_list.h"

#include "catalog/base_item_sources.h"
#include "catalog/catalog_table.h"
#include "catalog/text_format.h"
#include "catalog/weapon.h"

namespace {

constexpr double kMeanDieRoll = 3.5;

// The name, the damage ending at column 32 however long the name, ST, cost
// and weight right-aligned, then the notes from column 58.
// clang-format off
const ListForm kWeaponForm = {{
    {"Weapon", 0,  27, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"damage", 27, 5,  Align::Flush, Holds::Figures, 1, {27, 1}},
    {"ST",     32, 5,  Align::Right, Holds::Figures, 2, {35, -1}},
    {"Cost",   37, 10, Align::Right, Holds::Figures, 3, {43, -1}},
    {"WT",     47, 7,  Align::Right, Holds::Figures, 5, {50, -3}},
    {"Notes",  58, 65, Align::Left,  Holds::Texts,   7, {58, -1}},
}, {}};
// clang-format on
constexpr size_t kNotes = 5;

void AddEntry(Listing& listing, std::string name, const TWeaponKest& numbers) {
    listing.Add(Cell::Text(std::move(name)),
                Cell::Dice(GetDiceText(numbers.Dice, numbers.Adds),
                           numbers.Dice * kMeanDieRoll + numbers.Adds),
                Cell::Int(numbers.ST), Cell::General(numbers.Cost), Cell::Fixed(numbers.Weight, 4),
                Cell::Text(numbers.Note1));
    for (const std::string* note : {&numbers.Note2, &numbers.Note3}) {
        if (!note->empty()) listing.AddNote(kNotes, *note);
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
    Listing listing(&kWeaponForm);
    listing.shown = ShownList::Weapons;
    for (int n = 1; n <= kWeaponCount; ++n) {
        const TWeaponItemKest& weapon = table.Weapon(n);
        AddEntry(listing, weapon.Name, weapon.Variants[0]);
        for (const TWeaponKest& variant : weapon.Variants) {
            if (!variant.Name.empty()) AddEntry(listing, " " + variant.Name, variant);
        }
    }
    FinishCatalogList(table, listing);
    return listing;
}
