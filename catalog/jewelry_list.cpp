// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/jewelry.h"
#include "catalog/text_format.h"

namespace {

// Column widths of the jewelry and carpet lists: name 1-32, cost 33-47,
// weight 48-54, then blanks to the end of the line.
constexpr int kNameWidth = 32;
constexpr int kCostWidth = 15;
constexpr int kWeightWidth = 7;
constexpr int kTrailingBlanks = 69;

}  // namespace

std::array<HeaderLabel, 9> PieceListLabels(const std::string& firstCaption) {
    return {{{8, firstCaption},
             {350, "Cost"},
             {412, "WT"},
             {464, ""},
             {464, ""},
             {536, ""},
             {536, ""},
             {582, ""},
             {582, ""}}};
}

std::string PieceListLine(const std::string& name, double price, double weight) {
    return textfmt::LineBuilder()
        .Left(kNameWidth, name)
        .Right(kCostWidth, textfmt::General(price))
        .Right(kWeightWidth, textfmt::Fixed2(weight, 4))
        .Blanks(kTrailingBlanks)
        .Take();
}

Listing ListJewelry(const CatalogTable& table) {
    Listing listing;
    listing.labels = PieceListLabels("Jewelry");
    listing.lines.reserve(kJewelryCount);
    // The empty place gets its line too (a blank name, 0 and 0.00), so that
    // every piece keeps its place in the list.
    for (int n = 1; n <= kJewelryCount; ++n) {
        const TJewelryItemKest& piece = JewelryAt(table, n);
        listing.lines.push_back(PieceListLine(piece.Name, piece.Price, piece.Weight));
    }
    listing.returnToTop = true;
    listing.shown = ShownList::Jewelry;
    return listing;
}
