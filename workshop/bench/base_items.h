// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

#include "catalog/base_item_sources.h"
#include "workshop/bench/workshop_state.h"

inline void SetBaseItem(WorkshopState& state, BaseItem item) {
    state.SetBaseItem(std::move(item.name), item.price, item.weeks, item.hexes);
}
