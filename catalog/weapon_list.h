// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "catalog/listing.h"

class CatalogTable;

// The damage text of a weapon: "1-1", "2  ", "2+1", " - " for no damage at
// all, " +3" or " -4" for a weapon that only adds to a blow.
std::string GetDiceText(int32_t dice, int32_t adds);

// The weapon list: every weapon's line, its note lines, then a line for each
// named variant (indented by one blank) with the variant's note lines.
Listing ListWeapons(const CatalogTable& table);
