// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/enchantment_list.h"

#include <array>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/text_format.h"
#include "dice/random_source.h"
#include "workshop/enchantment_columns.h"

namespace {

// Column widths of the enchantment list: name and price end at column 34, the
// note code stands in a column of 5, then weeks 6, ST per day 7, ingredients 7,
// 4 blanks and the first note in 60 (starting at column 64).
constexpr int kPriceEnd = 34;
constexpr int kCodeBlanks = 4;
constexpr int kWeeksWidth = 6;
constexpr int kSTWidth = 7;
constexpr int kIngredientWidth = 7;
constexpr int kBeforeNoteBlanks = 4;
constexpr int kNoteWidth = 60;
// Notes 2 to 4 continue under the first; the fifth stands 8 columns further right.
constexpr int kNoteColumn = 63;
constexpr int kFifthNoteColumn = 71;
constexpr int kFifthNoteWidth = 52;

// The enchantments a random treasure can carry, by catalog index.
// clang-format off
constexpr std::array<int32_t, 53> kRandomEnchantments = {
    1,  2,  5,  6,  10, 11, 12, 13, 14, 18, 20, 21, 22, 24, 26, 27, 28, 30,
    31, 32, 34, 35, 36, 42, 43, 44, 45, 46, 47, 48, 49, 74, 75, 82, 83, 85,
    86, 88, 90, 91, 92, 93, 94, 95, 96, 97, 98, 99, 107, 108, 109, 110, 111,
};
// clang-format on

std::string NoteContinuation(int column, int width, const std::string& note) {
    return textfmt::LineBuilder()
        .Blanks(column)
        .Text(note)
        .Blanks(width - static_cast<int>(note.size()))
        .Take();
}

}  // namespace

std::string EnchantmentColumns(const TMagicItemKest& item) {
    const std::string price = item.Price == 0 ? "-" : textfmt::Int(item.Price);
    const std::string weeks = item.Weeks == 0 ? "-" : textfmt::General(item.Weeks);
    const std::string ingredients =
        item.IngredientCost == 0 ? "-" : textfmt::Int(item.IngredientCost);
    // A record without a code shows a blank in the code column.
    const char code = item.NoteCode == '\0' ? ' ' : item.NoteCode;
    return textfmt::LineBuilder()
        .Text(item.Name)
        .EndAt(kPriceEnd, price)
        .Blanks(kCodeBlanks)
        .Text(std::string(1, code))
        .Right(kWeeksWidth, weeks)
        .Right(kSTWidth, textfmt::Int(item.STPerDay))
        .Right(kIngredientWidth, ingredients)
        .Blanks(kBeforeNoteBlanks)
        .Take();
}

std::array<HeaderLabel, 9> EnchantmentLabels() {
    return {{{8, "Magic Item"},
             {237, "Price"},
             {288, "Notes"},
             {340, "Weeks"},
             {340, ""},
             {392, "ST"},
             {392, "day"},
             {442, "cost/week"},
             {442, "Ingredients"}}};
}

Listing ListEnchantments(const CatalogTable& table) {
    Listing listing;
    listing.labels = EnchantmentLabels();
    for (int i = 0; i < kMagicItemCount; ++i) {
        const TMagicItemKest& item = table.MagicItem(i);
        listing.lines.push_back(textfmt::LineBuilder(EnchantmentColumns(item))
                                    .Text(item.Note1)
                                    .Blanks(kNoteWidth - static_cast<int>(item.Note1.size()))
                                    .Take());
        for (const std::string* note : {&item.Note2, &item.Note3, &item.Note4}) {
            if (!note->empty()) {
                listing.lines.push_back(NoteContinuation(kNoteColumn, kNoteWidth, *note));
            }
        }
        if (!item.Note5.empty()) {
            listing.lines.push_back(
                NoteContinuation(kFifthNoteColumn, kFifthNoteWidth, item.Note5));
        }
    }
    listing.returnToTop = true;
    listing.shown = ShownList::MagicItems;
    return listing;
}

int32_t GetEnchant(RandomSource& random, bool enabled) {
    if (!enabled) return -1;
    const int32_t r = random.Die(static_cast<int32_t>(kRandomEnchantments.size()));
    return kRandomEnchantments[static_cast<size_t>(r - 1)];
}
