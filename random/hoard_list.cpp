// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/hoard_list.h"

#include <string>

#include "catalog/text_format.h"

namespace {

// Columns of an item's line: the base item in 1-36 (the longest a random item
// gets has 35 characters, and at least one blank follows it), the value in
// 37-50, the weeks in 51-58, three blanks, then the enchantments from column
// 62 to the end of the line. The note lines that carry the rest of them are
// blank up to column 62, well past the 28 characters a click reads.
constexpr int kNameWidth = 36;
constexpr int kValueWidth = 14;
constexpr int kWeeksWidth = 8;
constexpr int kEnchantmentGap = 3;
constexpr int kEnchantmentColumn = kNameWidth + kValueWidth + kWeeksWidth + kEnchantmentGap;
constexpr int kEnchantmentWidth = textfmt::kListLineWidth - kEnchantmentColumn;  // 62
constexpr int kFixedMinWidth = 3;

// A header label's left edge over a column of the pane (counted from 0): the
// pane's characters are 7.8 pixels wide, its first at 8.
constexpr int LabelLeft(int column) { return 8 + column * 78 / 10; }

constexpr int kValueCaptionColumn = kNameWidth + kValueWidth - 5;  // "Value" ends with the figures
constexpr int kWeeksCaptionColumn = kEnchantmentColumn - kEnchantmentGap - 5;  // so does "Weeks"

// The enchantments, separated by commas, packed into as few pieces of the
// column's width as they fit in; a name is never split.
std::vector<std::string> EnchantmentPieces(const std::vector<std::string>& names) {
    std::vector<std::string> pieces(1);
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string name = i + 1 < names.size() ? names[i] + "," : names[i];
        std::string& piece = pieces.back();
        if (piece.empty()) {
            piece = name;
        } else if (piece.size() + 1 + name.size() <= static_cast<size_t>(kEnchantmentWidth)) {
            piece += " " + name;
        } else {
            pieces.push_back(name);
        }
    }
    return pieces;
}

std::string ValueText(double value) { return textfmt::Fixed2(value, kFixedMinWidth); }

// The name and figures of a line, each figure with a blank before it however
// wide it is.
textfmt::LineBuilder FigureColumns(const std::string& name, const std::string& value,
                                   const std::string& weeks) {
    textfmt::LineBuilder line;
    line.Left(kNameWidth - 1, name).Blanks(1);
    line.Blanks(1).Right(kValueWidth - 1, value);
    line.Blanks(1).Right(kWeeksWidth - 1, weeks);
    return line;
}

std::string SumCaption(size_t count) {
    return "Total: " + textfmt::Int(static_cast<int64_t>(count)) +
           (count == 1 ? " item" : " items");
}

}  // namespace

std::optional<size_t> HoardList::ItemAt(int32_t line) const {
    if (line < 0 || static_cast<size_t>(line) >= itemOfLine.size()) return std::nullopt;
    return itemOfLine[static_cast<size_t>(line)];
}

HoardList ListHoard(const std::vector<HoardItem>& hoard) {
    HoardList list;
    Listing& listing = list.listing;
    const int enchantmentLeft = LabelLeft(kEnchantmentColumn);
    listing.labels = {{{LabelLeft(0), "Treasure"},
                       {LabelLeft(kValueCaptionColumn), "Value"},
                       {LabelLeft(kWeeksCaptionColumn), "Weeks"},
                       {enchantmentLeft, "Magic"},  // short enough to clear the Make button
                       {enchantmentLeft, ""},
                       {enchantmentLeft, ""},
                       {enchantmentLeft, ""},
                       {enchantmentLeft, ""},
                       {enchantmentLeft, ""}}};
    listing.lines.reserve(hoard.size() * 2 + 1);
    list.itemOfLine.reserve(hoard.size() * 2 + 1);
    double total = 0;
    for (size_t i = 0; i < hoard.size(); ++i) {
        const HoardItem& item = hoard[i];
        // A nameless base item (the empty jewelry place) still shows a mark,
        // so that its line is never taken for a note line.
        const std::string& base = item.bench.BaseItemName;
        const std::vector<std::string> pieces = EnchantmentPieces(item.enchantments);
        listing.lines.push_back(
            FigureColumns(base.empty() ? "-" : base, ValueText(item.value), ValueText(item.weeks))
                .Blanks(kEnchantmentGap)
                .Left(kEnchantmentWidth, pieces.front())
                .Take());
        list.itemOfLine.push_back(i);
        for (size_t p = 1; p < pieces.size(); ++p) {
            listing.lines.push_back(textfmt::NoteLine(kEnchantmentColumn, pieces[p]));
            list.itemOfLine.push_back(i);
        }
        total += item.value;
    }
    listing.lines.push_back(FigureColumns(SumCaption(hoard.size()), ValueText(total), "")
                                .PadTo(textfmt::kListLineWidth)
                                .Take());
    list.itemOfLine.push_back(std::nullopt);
    listing.sumLines = 1;
    listing.returnToTop = true;
    listing.shown = ShownList::Hoard;
    return list;
}
