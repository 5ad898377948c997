// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/gem.h"
#include "catalog/text_format.h"

namespace {

// Column widths of the gem list: name 1-32, cost 33-47, carats 48-54,
// weight 55-63, then blanks to the end of the line.
constexpr int kNameWidth = 32;
constexpr int kCostWidth = 15;
constexpr int kCaratsWidth = 7;
constexpr int kWeightWidth = 9;
constexpr int kTrailingBlanks = 60;

}  // namespace

Listing ListGems(const CatalogTable& table) {
    Listing listing;
    listing.labels = {{{8, "Gem"},
                       {350, "Cost"},
                       {398, "Carats"},
                       {464, "WT"},
                       {464, ""},
                       {536, ""},
                       {536, ""},
                       {582, ""},
                       {582, ""}}};
    listing.lines.reserve(kGemCount);
    for (int n = 1; n <= kGemCount; ++n) {
        // The price and carats are read from the table, since a random
        // treasure may have cut this stone to another size.
        const TGemItemKest& gem = GemAt(table, n);
        listing.lines.push_back(textfmt::LineBuilder()
                                    .Left(kNameWidth, gem.Name)
                                    .Right(kCostWidth, textfmt::General(gem.Price))
                                    .Right(kCaratsWidth, textfmt::Fixed2(gem.Carats, 4))
                                    .Right(kWeightWidth, textfmt::General(gem.Weight))
                                    .Blanks(kTrailingBlanks)
                                    .Take());
    }
    listing.returnToTop = true;
    listing.shown = ShownList::Gems;
    return listing;
}
