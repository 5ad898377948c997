// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/hoard_list.h"

#include <string>

#include "catalog/text_format.h"

namespace {

// Columns of an item's line: the base item in 35 columns (the longest a
// random item gets has 35 characters) and a blank, the value and the weeks
// each after a blank however wide, three blanks, then the enchantments from
// column 61 to the end of the line. The note lines that carry the rest of
// them are blank up to there, and pick their item as its line does.
// clang-format off
const ListForm kHoardForm = {{
    {"Treasure", 0,  35, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Value",    37, 13, Align::Right, Holds::Figures, 1, {44, 2}},
    {"Weeks",    51, 7,  Align::Right, Holds::Figures, 2, {52, 0}},
    {"Magic",    61, 62, Align::Left,  Holds::Texts,   3, {60, -2}},  // short enough to clear the Make button
}, {}};
// clang-format on
constexpr size_t kMagic = 3;
constexpr int kFixedMinWidth = 3;

// The enchantments, separated by commas, packed into as few pieces of the
// column's width as they fit in; a name is never split.
std::vector<std::string> EnchantmentPieces(const std::vector<std::string>& names) {
    const auto width = static_cast<size_t>(kHoardForm.columns[kMagic].width);
    std::vector<std::string> pieces(1);
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string name = i + 1 < names.size() ? names[i] + "," : names[i];
        std::string& piece = pieces.back();
        if (piece.empty()) {
            piece = name;
        } else if (piece.size() + 1 + name.size() <= width) {
            piece += " " + name;
        } else {
            pieces.push_back(name);
        }
    }
    return pieces;
}

Cell Money(double value) { return Cell::Fixed(value, kFixedMinWidth); }

std::string SumCaption(size_t count) {
    return "Total: " + textfmt::Int(static_cast<int64_t>(count)) +
           (count == 1 ? " item" : " items");
}

}  // namespace

Listing ListHoard(const std::vector<HoardItem>& hoard) {
    Listing listing(&kHoardForm);
    listing.rows.reserve(hoard.size() * 2 + 1);
    double total = 0;
    for (size_t i = 0; i < hoard.size(); ++i) {
        const HoardItem& item = hoard[i];
        const RowPick pick{PickKind::HoardItem, {}, static_cast<int32_t>(i), 0};
        // A nameless base item (the empty jewelry place) still shows a mark,
        // so that its line is never taken for a note line.
        const std::string& base = item.bench.BaseItemName;
        std::vector<std::string> pieces = EnchantmentPieces(item.enchantments);
        listing
            .Add(Cell::Text(base.empty() ? "-" : base), Money(item.value), Money(item.weeks),
                 Cell::Text(std::move(pieces.front())))
            .pick = pick;
        for (size_t p = 1; p < pieces.size(); ++p) listing.AddNote(kMagic, pieces[p]).pick = pick;
        total += item.value;
    }
    listing.Add(Cell::Text(SumCaption(hoard.size())), Money(total)).kind = RowKind::Sum;
    listing.Format();
    listing.returnToTop = true;
    listing.shown = ShownList::Hoard;
    return listing;
}
