// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string>

#include "catalog/listing.h"

class TMagicItemKest;

// The first 63 columns of a magic item's line in the enchantment list and the
// analysis: name and price (ending at column 34, "-" for no price), the note
// code, weeks, ST per day, weekly ingredient cost and the 4 blanks after them.
// The analysis shares them so that its lines pick like the enchantment list's.
std::string EnchantmentColumns(const TMagicItemKest& item);
// Their width: the notes and the analysis's own figures start here.
constexpr int kEnchantmentColumnsWidth = 63;

// The header labels over those columns, as the enchantment list captions them;
// the analysis keeps the positions and re-captions the last column.
std::array<HeaderLabel, 9> EnchantmentLabels();
