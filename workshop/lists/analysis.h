// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalog/listing.h"

class CatalogTable;

// The analysis list: every magic item's ST units and profit per week of making.
Listing Analyze(const CatalogTable& table);
