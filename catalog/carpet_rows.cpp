// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/carpet.h"

// The plain carpets a magic carpet must start from.

// clang-format off
const CarpetRow kCarpetRows[kCarpetCount] = {
    // name             cost ($)  weight (kg)
    {"2 Hex Carpet",      500,     7},
    {"4 Hex Carpet",     1000,    15},
    {"7 Hex Carpet",     2000,    25},
};
// clang-format on
