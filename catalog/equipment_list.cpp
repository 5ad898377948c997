// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/equipment.h"
#include "catalog/text_format.h"

namespace {

// Column widths of the equipment list: name 1-32, cost 33-37, weight 38-44,
// four blanks, then the note from column 49 to the end of the line.
constexpr int kNameWidth = 32;
constexpr int kCostWidth = 5;
constexpr int kWeightWidth = 7;
constexpr int kNoteGap = 4;
constexpr int kNoteColumn = kNameWidth + kCostWidth + kWeightWidth + kNoteGap;  // 48 blanks
constexpr int kNoteWidth = textfmt::kListLineWidth - kNoteColumn;               // 75

}  // namespace

Listing ListEquipment(const CatalogTable& table) {
    Listing listing;
    listing.labels = {{{8, "Equipment"},
                       {268, "Cost"},
                       {330, "WT"},
                       {386, "Notes"},
                       {386, ""},
                       {488, ""},
                       {488, ""},
                       {524, ""},
                       {524, ""}}};
    listing.lines.reserve(kEquipmentCount + 2);
    for (int n = 1; n <= kEquipmentCount; ++n) {
        const TEquipmentItemKest& article = EquipmentAt(table, n);
        listing.lines.push_back(textfmt::LineBuilder()
                                    .Left(kNameWidth, article.Name)
                                    .Right(kCostWidth, textfmt::General(article.Cost))
                                    .Right(kWeightWidth, textfmt::Fixed2(article.Weight, 4))
                                    .Blanks(kNoteGap)
                                    .Left(kNoteWidth, article.Note1)
                                    .Take());
        if (!article.Note2.empty()) {
            listing.lines.push_back(textfmt::NoteLine(kNoteColumn, article.Note2));
        }
    }
    listing.returnToTop = true;
    listing.shown = ShownList::Equipment;
    return listing;
}
