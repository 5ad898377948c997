// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/potion.h"
#include "catalog/text_format.h"

namespace {

// Column widths of the potion list: name 1-28, price 29-35, weight 36-42,
// weeks 43-48, four blanks, then the note from column 53 to the end of the line.
constexpr int kNameWidth = 28;
constexpr int kPriceWidth = 7;
constexpr int kWeightWidth = 7;
constexpr int kWeeksWidth = 6;
constexpr int kNoteGap = 4;
constexpr int kNoteColumn = kNameWidth + kPriceWidth + kWeightWidth + kWeeksWidth + kNoteGap;
constexpr int kNoteWidth = textfmt::kListLineWidth - kNoteColumn;  // 71

}  // namespace

Listing ListPotions(const CatalogTable& table) {
    Listing listing;
    listing.labels = {{{8, "Potion"},
                       {244, "Price"},
                       {312, "WT"},
                       {352, "Weeks"},
                       {352, ""},
                       {408, "Notes"},
                       {408, ""},
                       {466, ""},
                       {466, ""}}};
    listing.lines.reserve(kPotionCount + 3);
    for (int n = 1; n <= kPotionCount; ++n) {
        const TPotionItemKest& potion = PotionAt(table, n);
        listing.lines.push_back(textfmt::LineBuilder()
                                    .Left(kNameWidth, potion.Name)
                                    .Right(kPriceWidth, textfmt::General(potion.Price))
                                    .Right(kWeightWidth, textfmt::Fixed2(potion.Weight, 4))
                                    .Right(kWeeksWidth, textfmt::Fixed2(potion.Weeks, 4))
                                    .Blanks(kNoteGap)
                                    .Left(kNoteWidth, potion.Note1)
                                    .Take());
        for (const std::string* note : {&potion.Note2, &potion.Note3}) {
            if (!note->empty()) listing.lines.push_back(textfmt::NoteLine(kNoteColumn, *note));
        }
    }
    // The potion list leaves the view where it is.
    listing.returnToTop = false;
    listing.shown = ShownList::Potions;
    return listing;
}
