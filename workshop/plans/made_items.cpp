// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/made_items.h"

#include "catalog/text_format.h"
#include "workshop/bench/item_sheet.h"

namespace {

// The columns: name and base item left-aligned, the money ending at column
// 58 and the weeks at column 66, as the making report's total line shows
// them. Narrow enough that the money and the weeks show in the pane as the
// window opens, and their captions stand clear of the Make button.
// clang-format off
const ListForm kMadeItemsForm = {{
    {"Item",        0,  20, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Base item",   20, 26, Align::Left,  Holds::Texts,   1, {20, 3}},
    {"Making cost", 46, 12, Align::Right, Holds::Figures, 2, {47, 3}},
    {"Weeks",       58, 8,  Align::Right, Holds::Figures, 3, {61, 3}},
}, {{4, {66, 3}}}, true};
// clang-format on
constexpr int kFixedMinWidth = 3;

// A text cut to leave at least one blank in its column.
Cell Fit(const std::string& text, size_t column) {
    return Cell::Text(text.substr(0, size_t(kMadeItemsForm.columns[column].width - 1)));
}

}  // namespace

MakingTotals MakingTotalsOf(const WorkshopState& state) {
    return {TotalLinePrice(state.HexCount, state.TotalCostSoFar),
            state.WeeksElapsed + state.AdjustedBaseWeeks};
}

Listing MadeItems::List() const {
    Listing listing(&kMadeItemsForm);
    for (size_t i = 0; i < items_.size(); ++i) {
        const MadeItem& item = items_[i];
        listing
            .Add(Fit(item.name, 0), Fit(item.plan.BaseItemName, 1),
                 Cell::Fixed(item.money, kFixedMinWidth), Cell::Fixed(item.weeks, kFixedMinWidth))
            .pick = {PickKind::MadeItem, {}, static_cast<int32_t>(i), 0};
    }
    if (items_.empty()) listing.Add(Cell::Text("No item has been made and named in this run."));
    listing.Format();
    listing.returnToTop = true;
    listing.shown = ShownList::MadeItems;
    return listing;
}

const MadeItem* MadeItems::At(const RowPick& pick) const {
    const auto at = static_cast<size_t>(pick.index);
    if (pick.kind != PickKind::MadeItem || at >= items_.size()) return nullptr;
    return &items_[at];
}
