// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/made_items.h"

#include <string_view>

#include "catalog/text_format.h"
#include "workshop/item_sheet.h"

namespace {

// The columns: name and base item left-aligned, the money ending at column
// 86 and the weeks at column 96, as the making report's total line shows them.
// Narrow enough that the money and the weeks show in the pane as the window
// opens, and their captions stand clear of the Make button.
constexpr int kNameWidth = 20;
constexpr int kBaseWidth = 26;
constexpr int kMoneyEnd = 58;
constexpr int kWeeksWidth = 8;
constexpr int kFixedMinWidth = 3;

// Header labels stand 8 pixels in and 8 pixels per character of the pane.
constexpr int LabelLeft(int column) { return 8 + 8 * column; }

// A text cut to leave at least one blank in a column of the width.
std::string_view Fit(std::string_view text, int width) {
    return text.substr(0, static_cast<size_t>(width - 1));
}

std::string MadeItemLine(const MadeItem& item) {
    return textfmt::LineBuilder()
        .Left(kNameWidth, Fit(item.name, kNameWidth))
        .Left(kBaseWidth, Fit(item.plan.BaseItemName, kBaseWidth))
        .EndAt(kMoneyEnd, textfmt::Fixed2(item.money, kFixedMinWidth))
        .Right(kWeeksWidth, textfmt::Fixed2(item.weeks, kFixedMinWidth))
        .PadTo(textfmt::kListLineWidth)
        .Take();
}

}  // namespace

MakingTotals MakingTotalsOf(const WorkshopState& state) {
    return {TotalLinePrice(state.HexCount, state.TotalCostSoFar),
            state.WeeksElapsed + state.BaseItemWeeks};
}

Listing MadeItems::List() const {
    Listing listing;
    listing.labels = {{{LabelLeft(0), "Item"},
                       {LabelLeft(kNameWidth), "Base item"},
                       {LabelLeft(kMoneyEnd - 11), "Making cost"},
                       {LabelLeft(kMoneyEnd + kWeeksWidth - 5), "Weeks"},
                       {LabelLeft(kMoneyEnd + kWeeksWidth), ""},
                       {LabelLeft(kMoneyEnd + kWeeksWidth), ""},
                       {LabelLeft(kMoneyEnd + kWeeksWidth), ""},
                       {LabelLeft(kMoneyEnd + kWeeksWidth), ""},
                       {LabelLeft(kMoneyEnd + kWeeksWidth), ""}}};
    for (const MadeItem& item : items_) listing.lines.push_back(MadeItemLine(item));
    if (items_.empty()) {
        listing.lines.push_back(textfmt::LineBuilder("No item has been made and named in this run.")
                                    .PadTo(textfmt::kListLineWidth)
                                    .Take());
    }
    listing.returnToTop = true;
    listing.shown = ShownList::MadeItems;
    return listing;
}

const MadeItem* MadeItems::AtLine(int32_t line) const {
    if (line < 0 || static_cast<size_t>(line) >= items_.size()) return nullptr;
    return &items_[static_cast<size_t>(line)];
}
