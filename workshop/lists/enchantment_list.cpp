// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/enchantment_list.h"

#include <array>

#include "catalog/base_item_sources.h"
#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/text_format.h"
#include "dice/random_source.h"
#include "workshop/lists/enchantment_columns.h"

namespace {

// The notes stand in 60 columns from column 63; the fifth 8 columns further right.
constexpr int kNoteWidth = 60;
const char* const kFifthNoteIndent = "        ";

// The enchantments a random treasure can carry, by catalog index.
// clang-format off
constexpr std::array<int32_t, 53> kRandomEnchantments = {
    1,  2,  5,  6,  10, 11, 12, 13, 14, 18, 20, 21, 22, 24, 26, 27, 28, 30,
    31, 32, 34, 35, 36, 42, 43, 44, 45, 46, 47, 48, 49, 74, 75, 82, 83, 85,
    86, 88, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 107, 108, 109, 110, 111,
};
// clang-format on

ListForm EnchantmentForm() {
    ListForm form{EnchantmentColumns(true), {}};
    form.columns.push_back({"", kEnchantmentColumnsWidth, kNoteWidth, Align::Left});
    return form;
}
const ListForm kEnchantmentForm = EnchantmentForm();
const size_t kNotes = kEnchantmentForm.columns.size() - 1;

// No weeks show as "-".
Cell Weeks(double value) { return value == 0 ? Cell::Text("-") : Cell::General(value); }

}  // namespace

std::vector<ListColumn> EnchantmentColumns(bool ingredientsHeaded) {
    // clang-format off
    return {
        {"Magic Item", 0,  29, Align::Left,  Holds::Texts,   0, {0, 3}},
        {"Price",      29, 5,  Align::Flush, Holds::Figures, 1, {29, 0}},
        {"Notes",      38, 1,  Align::Left,  Holds::Texts,   2, {35, 3}},
        {"Weeks",      39, 6,  Align::Right, Holds::Figures, 3, {42, -1}},
        {"ST",         45, 7,  Align::Right, Holds::Figures, 5, {48, 3}, "day", "ST per day"},
        {ingredientsHeaded ? "cost/week" : "", 52, 7, Align::Right, Holds::Figures, ingredientsHeaded ? 7 : -1,
         {55, -3}, "Ingredients", "ingredients per week"},
    };
    // clang-format on
}

std::vector<Cell> EnchantmentCells(const TMagicItemKest& item) {
    // A record without a code shows a blank in the code column.
    const char code = item.NoteCode == '\0' ? ' ' : item.NoteCode;
    std::vector<Cell> cells;
    cells.reserve(kEnchantmentForm.columns.size() + 1);
    cells.push_back(Cell::Text(item.Name));
    cells.push_back(item.Price == 0 ? Cell::Text("-") : Cell::Int(item.Price));
    cells.push_back(Cell::Text(std::string(1, code)));
    cells.push_back(Weeks(item.Weeks));
    cells.push_back(Cell::Int(item.STPerDay));
    cells.push_back(item.IngredientCost == 0 ? Cell::Text("-") : Cell::Int(item.IngredientCost));
    return cells;
}

Listing ListEnchantments(const CatalogTable& table) {
    Listing listing(&kEnchantmentForm);
    for (int i = 0; i < kMagicItemCount; ++i) {
        const TMagicItemKest& item = table.MagicItem(i);
        std::vector<Cell> cells = EnchantmentCells(item);
        cells.push_back(Cell::Text(item.Note1));
        listing.Add(std::move(cells));
        for (const std::string* note : {&item.Note2, &item.Note3, &item.Note4}) {
            if (!note->empty()) listing.AddNote(kNotes, *note);
        }
        if (!item.Note5.empty()) listing.AddNote(kNotes, kFifthNoteIndent + item.Note5);
    }
    listing.returnToTop = true;
    listing.shown = ShownList::MagicItems;
    FinishCatalogList(table, listing);
    return listing;
}

int32_t GetEnchant(RandomSource& random, bool enabled) {
    if (!enabled) return -1;
    const int32_t r = random.Die(static_cast<int32_t>(kRandomEnchantments.size()));
    return kRandomEnchantments[static_cast<size_t>(r - 1)];
}
