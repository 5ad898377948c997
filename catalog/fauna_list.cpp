// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/base_item_sources.h"
#include "catalog/fauna.h"
#include "catalog/text_format.h"

namespace {

// A variant line: label, cost, hexes, weight, stat total, then the parts
// from column 56. A title line is the kind's name alone.
// clang-format off
const ListForm kFaunaForm = {{
    {"Floura Fauna", 0,  28, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Cost",         28, 5,  Align::Right, Holds::Figures, 1, {28, 3}},
    {"Hexes",        33, 4,  Align::Right, Holds::Figures, 2, {34, -1}},
    {"WT",           37, 10, Align::Right, Holds::Figures, 3, {42, 3}},
    {"Stat",         47, 5,  Align::Right, Holds::Figures, 5, {49, -3}, "Total"},
    {"Parts",        56, 67, Align::Left,  Holds::Texts,   7, {56, -1}},
}, {}};
// clang-format on

// The label of variant k: the disease lines name only the ailment ("vampire"),
// every other line the variant and its kind (" 14-hex dragon").
std::string VariantLabel(const TFloura_FaunaKest& kind, int n, int k) {
    if (n == kFaunaDisease) return " " + kind.VariantName[static_cast<size_t>(k - 1)];
    return FaunaVariantText(kind, k);
}

}  // namespace

Listing ListFauna(const CatalogTable& table) {
    Listing listing(&kFaunaForm);
    listing.rows.reserve(kFaunaCount * 5);  // a title and four variants a kind, about
    for (int n = 1; n <= kFaunaCount; ++n) {
        const TFloura_FaunaKest& kind = FaunaAt(table, n);
        listing.Add(Cell::Text(kind.Name)).kind = RowKind::Title;
        for (int k = 1; k <= kFaunaVariantSlots; ++k) {
            const auto slot = static_cast<size_t>(k - 1);
            if (kind.VariantName[slot].empty()) continue;
            const TStatKest& stats = kind.Stats[slot];
            const int64_t statTotal = int64_t{stats.ST} + stats.DX + stats.IQ + stats.ExtraPoints;
            listing.Add(Cell::Text(VariantLabel(kind, n, k)), Cell::Int(stats.Cost),
                        Cell::Int(stats.Hexes), Cell::Fixed(stats.Weight, 4), Cell::Int(statTotal),
                        Cell::Text(FaunaPartsText(stats)));
        }
    }
    listing.returnToTop = true;
    listing.shown = ShownList::Fauna;
    FinishCatalogList(table, listing);
    return listing;
}
