// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/base_item_sources.h"
#include "catalog/equipment.h"
#include "catalog/text_format.h"

namespace {

// clang-format off
const ListForm kEquipmentForm = {{
    {"Equipment", 0,  32, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Cost",      32, 5,  Align::Right, Holds::Figures, 1, {33, -1}},
    {"WT",        37, 7,  Align::Right, Holds::Figures, 2, {41, -3}},
    {"Notes",     48, 75, Align::Left,  Holds::Texts,   3, {48, -3}},
}, {{5, {60, 3}}, {7, {65, -1}}}};
// clang-format on
constexpr size_t kNotes = 3;

}  // namespace

Listing ListEquipment(const CatalogTable& table) {
    Listing listing(&kEquipmentForm);
    listing.rows.reserve(kEquipmentCount + 2);
    for (int n = 1; n <= kEquipmentCount; ++n) {
        const TEquipmentItemKest& article = EquipmentAt(table, n);
        listing.Add(Cell::Text(article.Name), Cell::General(article.Cost),
                    Cell::Fixed(article.Weight, 4), Cell::Text(article.Note1));
        if (!article.Note2.empty()) listing.AddNote(kNotes, article.Note2);
    }
    listing.returnToTop = true;
    listing.shown = ShownList::Equipment;
    FinishCatalogList(table, listing);
    return listing;
}
