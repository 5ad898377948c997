// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

#include "workshop/list_columns.h"

// What a value under a column header is worth when the list is sorted by it.

// "-" and an empty value stand for no value; they sort after every other.
bool IsNoValue(std::string_view value);

// The figure a value stands for, read as the column reads it: a number in
// the lists' own form (the program's decimal separator, "1E20"), money ("$ 4",
// "$150"), or for dice ("2+1", "3", "-1") the mean roll of that many
// six-sided dice plus the adds. Nothing for a text.
std::optional<double> ReadFigure(std::string_view value, ColumnReading reading);
