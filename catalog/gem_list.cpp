// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/base_item_sources.h"
#include "catalog/gem.h"
#include "catalog/text_format.h"

namespace {

// clang-format off
const ListForm kGemForm = {{
    {"Gem",    0,  32, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Cost",   32, 15, Align::Right, Holds::Figures, 1, {43, 1}},
    {"Carats", 47, 7,  Align::Right, Holds::Figures, 2, {49, 1}},
    {"WT",     54, 9,  Align::Right, Holds::Figures, 3, {57, 3}},
}, {{5, {66, 3}}, {7, {72, 1}}}};
// clang-format on

}  // namespace

Listing ListGems(const CatalogTable& table) {
    Listing listing(&kGemForm);
    listing.rows.reserve(kGemCount);
    for (int n = 1; n <= kGemCount; ++n) {
        // The price and carats are read from the table, since a random
        // treasure may have cut this stone to another size.
        const TGemItemKest& gem = GemAt(table, n);
        listing.Add({Cell::Text(gem.Name), Cell::General(gem.Price), Cell::Fixed(gem.Carats, 4),
                     Cell::General(gem.Weight)});
    }
    listing.returnToTop = true;
    listing.shown = ShownList::Gems;
    FinishCatalogList(table, listing);
    return listing;
}
