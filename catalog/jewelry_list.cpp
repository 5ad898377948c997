// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/base_item_sources.h"
#include "catalog/carpet.h"
#include "catalog/jewelry.h"
#include "catalog/text_format.h"

namespace {

// The jewelry and the carpets: name, cost and weight.
// clang-format off
const ListForm kJewelryForm = {{
    {"Jewelry", 0,  32, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Cost",    32, 15, Align::Right, Holds::Figures, 1, {43, 1}},
    {"WT",      47, 7,  Align::Right, Holds::Figures, 2, {51, -1}},
}, {{3, {57, 3}}, {5, {66, 3}}, {7, {72, 1}}}};
const ListForm kCarpetForm = {{
    {"Carpet",  0,  32, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Cost",    32, 15, Align::Right, Holds::Figures, 1, {43, 1}},
    {"WT",      47, 7,  Align::Right, Holds::Figures, 2, {51, -1}},
}, {{3, {57, 3}}, {5, {66, 3}}, {7, {72, 1}}}};
// clang-format on

}  // namespace

Listing ListPieces(const CatalogTable& table, ShownList shown) {
    const bool jewelry = shown == ShownList::Jewelry;
    Listing listing(jewelry ? &kJewelryForm : &kCarpetForm);
    const int count = jewelry ? kJewelryCount : kCarpetCount;
    listing.rows.reserve(static_cast<size_t>(count));
    // The empty place gets its line too (a blank name, 0 and 0.00), so that
    // every piece keeps its place in the list.
    const auto add = [&listing](const auto& piece) {
        listing.Add(Cell::Text(piece.Name), Cell::General(piece.Price),
                    Cell::Fixed(piece.Weight, 4));
    };
    for (int n = 1; n <= count; ++n) {
        if (jewelry) {
            add(JewelryAt(table, n));
        } else {
            add(CarpetAt(table, n));
        }
    }
    listing.returnToTop = true;
    listing.shown = shown;
    FinishCatalogList(table, listing);
    return listing;
}

Listing ListJewelry(const CatalogTable& table) { return ListPieces(table, ShownList::Jewelry); }
