// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "workshop/workshop_state.h"

class CatalogTable;

// Puts the magic item of a catalog index (0..126) on the workbench or steps
// it up; -1 re-runs the rules without adding anything. Then sorts the slots by
// price, doubles the price by position and applies the unicorn horn rule.
void Rectify_Magic_Item_list(CatalogTable& table, WorkshopState& state, int32_t index);

// Steps the magic item of a catalog index (0..126) down or takes it off, then
// the same sorting, doubling and unicorn rule.
void UnRectify_Magic_Item_list(CatalogTable& table, WorkshopState& state, int32_t index);
