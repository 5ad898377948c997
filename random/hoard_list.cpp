// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/hoard_list.h"

#include <string>

#include "catalog/text_format.h"

namespace {

// Columns of an item's line: the base item in 35 columns (the longest a
// random item gets has 35 characters) and a blank, the value and the weeks
// each after a blank however wide, three blanks, then the enchantments from
// column 61 to the end of the line. The note lines that carry the rest of
// them are blank up to there, and pick their item as its line does. A sum
// line's words may run past the base item's column; the line still ends at
// the list's width.
// clang-format off
const ListForm kHoardForm = {{
    {"Treasure", 0,  35, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Value",    37, 13, Align::Right, Holds::Figures, 1, {44, 2}},
    {"Weeks",    51, 7,  Align::Right, Holds::Figures, 2, {52, 0}},
    {"Magic",    61, 62, Align::Left,  Holds::Texts,   3, {60, -2}},  // short enough to clear the Make button
}, {}, true};
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

}  // namespace

std::string ItemCount(size_t count) {
    return textfmt::Int(static_cast<int64_t>(count)) + (count == 1 ? " item" : " items");
}

const ListForm& HoardForm() { return kHoardForm; }

void AddHoardItem(Listing& listing, const HoardItem& item, size_t index) {
    const RowPick pick{PickKind::HoardItem, {}, static_cast<int32_t>(index), 0};
    // A nameless base item (the empty jewelry place) still shows a mark,
    // so that its line is never taken for a note line.
    const std::string& base = item.bench.BaseItemName;
    std::vector<std::string> pieces = EnchantmentPieces(item.enchantments);
    listing
        .Add(Cell::Text(base.empty() ? "-" : base), Money(item.value), Money(item.weeks),
             Cell::Text(std::move(pieces.front())))
        .pick = pick;
    for (size_t p = 1; p < pieces.size(); ++p) listing.AddNote(kMagic, pieces[p]).pick = pick;
}

Listing ListHoard(const std::vector<HoardItem>& hoard, std::optional<int64_t> worthCents) {
    Listing listing(&kHoardForm);
    listing.rows.reserve(hoard.size() * 2 + 1);
    double total = 0;
    int64_t totalCents = 0;
    for (size_t i = 0; i < hoard.size(); ++i) {
        AddHoardItem(listing, hoard[i], i);
        total += hoard[i].value;
        totalCents += ValueCents(hoard[i]);
    }
    // A hoard rolled to a worth sums its items to the cent, as they were kept.
    std::string sum = "Total: " + ItemCount(hoard.size());
    if (worthCents) {
        sum = ItemCount(hoard.size()) + " worth " + textfmt::Dollars(totalCents) + " of " +
              textfmt::Dollars(*worthCents);
        total = static_cast<double>(totalCents) / 100;
    }
    listing.Add(Cell::Text(std::move(sum)), Money(total)).kind = RowKind::Sum;
    listing.Format();
    listing.returnToTop = true;
    listing.shown = ShownList::Hoard;
    return listing;
}
