// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "catalog/listing.h"

class CatalogTable;
class RandomSource;

// The enchantment list: every magic item with its price, note code, weeks,
// ST per day, weekly ingredient cost and note lines.
Listing ListEnchantments(const CatalogTable& table);

// A random enchantment's catalog index, one of 53 with equal chance; -1 and
// no draw when not enabled.
int32_t GetEnchant(RandomSource& random, bool enabled);
