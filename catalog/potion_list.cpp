// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/base_item_sources.h"
#include "catalog/potion.h"
#include "catalog/text_format.h"

namespace {

// clang-format off
const ListForm kPotionForm = {{
    {"Potion", 0,  28, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Price",  28, 7,  Align::Right, Holds::Figures, 1, {30, -1}},
    {"WT",     35, 7,  Align::Right, Holds::Figures, 2, {38, 3}},
    {"Weeks",  42, 6,  Align::Right, Holds::Figures, 3, {43, 3}},
    {"Notes",  52, 71, Align::Left,  Holds::Texts,   5, {50, 3}},
}, {{7, {58, -3}}}};
// clang-format on
constexpr size_t kNotes = 4;

}  // namespace

Listing ListPotions(const CatalogTable& table) {
    Listing listing(&kPotionForm);
    listing.rows.reserve(kPotionCount + 3);
    for (int n = 1; n <= kPotionCount; ++n) {
        const TPotionItemKest& potion = PotionAt(table, n);
        listing.Add(Cell::Text(potion.Name), Cell::General(potion.Price),
                    Cell::Fixed(potion.Weight, 4), Cell::Fixed(potion.Weeks, 4),
                    Cell::Text(potion.Note1));
        for (const std::string* note : {&potion.Note2, &potion.Note3}) {
            if (!note->empty()) listing.AddNote(kNotes, *note);
        }
    }
    // The potion list leaves the view where it is.
    listing.returnToTop = false;
    listing.shown = ShownList::Potions;
    FinishCatalogList(table, listing);
    return listing;
}
