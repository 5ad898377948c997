// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <vector>

#include "catalog/listing.h"

class TMagicItemKest;

// The first columns of a magic item's line in the enchantment list and the
// analysis: name and price (ending at column 34 however long the name, "-"
// for no price), the note code, weeks, ST per day and weekly ingredient
// cost. The analysis shares them so that its lines pick like the
// enchantment list's; it heads the ingredients column differently.
std::vector<ListColumn> EnchantmentColumns(bool ingredientsHeaded);
std::vector<Cell> EnchantmentCells(const TMagicItemKest& item);
// Where the notes and the analysis's own figures start.
constexpr int kEnchantmentColumnsWidth = 63;
