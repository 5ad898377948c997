// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "catalog/listing.h"

// A list copied as an HTML table, so that a spreadsheet pastes one column
// per field. The text is in the program's 8-bit characters, as the lines are.

// The table of the given rows of a listing, in the order given (a sorted
// list's order): a header row of the columns' captions, then one row per
// entry with one cell per column.
// - A note row stands for its entry: the entry's row comes once, its notes'
//   texts joined with a blank to the cells of their columns.
// - A figure the cell shows as it is goes as a number ("." as the decimal
//   point, no grouping, no "$"); other cells go as their text without the
//   blanks around it.
// - Rows from several lists: a heading row gives a row with the list's name
//   and a header row of that list's captions; a sum row comes as it is.
std::string ListTableHtml(const Listing& listing, const std::vector<size_t>& rows);
// The table of every row of the listing.
std::string ListTableHtml(const Listing& listing);
