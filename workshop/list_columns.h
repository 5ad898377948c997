// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/listing.h"

// Which characters of a list's lines each column header heads.

// Where the header labels stand over the pane's characters: the pane starts
// at the window's left edge and its text 5 pixels in (a 1-pixel frame and the
// document's 4-pixel margin); every character of its 13-pixel Courier New is
// 8 pixels wide, the cell the labels were placed by.
constexpr int kPaneTextLeft = 5;
constexpr int kPaneCharWidth = 8;

// The character column (from 0) under a label's left edge; 0 left of the text.
int LabelTextColumn(int labelLeft);

// How a column's value is read from the text under its header.
enum class ColumnReading {
    Plain,     // the text as it stands: a figure, money ("$ 4") or a text
    Dice,      // weapon damage ("2+1", "3", "-1"), worth its mean roll
    LastWord,  // only the last word: the figure a line ends on
};

// One column of a list: the header labels over it and the characters its
// values are read from.
struct ColumnSpan {
    int header = 0;                       // its top label (0..8)
    size_t first = 0;                     // its first character
    size_t end = std::string_view::npos;  // one past its last; npos: to the line's end
    ColumnReading reading = ColumnReading::Plain;
    std::string name;  // what the sort's description calls it: "Cost", "Stat Total"
};

// The column that header label `header` (0..8) heads. Labels with the same
// left edge ("Stat" over "Total") head one column, which runs to the next
// captioned label's edge; a few headers of the magic item and weapon lists
// read their column in their own way (list_columns.cpp). Nothing for a label
// without a caption.
std::optional<ColumnSpan> HeaderColumn(const Listing& listing, int header);

// The columns of a listing from left to right, each by its top header label
// (0..8): the first is the one the first column key sorts by.
std::vector<int> ColumnHeaders(const Listing& listing);

// The value a line shows in the column, without the blanks around it. A word
// that runs across the column's left edge belongs to it (a right-aligned
// figure often starts left of its header); one that runs across its right
// edge belongs to the next column.
std::string_view ColumnText(std::string_view line, const ColumnSpan& column);
