// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "catalog/base_item_sources.h"
#include "catalog/listing.h"
#include "catalog/text_format.h"
#include "workshop/bench/workshop_state.h"

class CatalogTable;

// Each list line takes 125 positions of the pane (123 characters and a line
// break counted as two); a click selects the first 28 characters.
constexpr int32_t kPaneLineStride = textfmt::kListLineWidth + 2;
constexpr int32_t kPickTextLength = static_cast<int32_t>(kPickedCharacters);

// The start of the line that holds the caret: p - p mod 125 for p > 0.
int32_t PickLineStart(int32_t caret);

// What a pick came to: whatever the rules made of it, or nothing at all
// because a sixth enchantment finds every slot taken.
enum class PickOutcome { Picked, SlotsFull };

// The pick of a row of a catalog list: a base item becomes the base item (a
// creature also re-runs the combination rules at once, so that the unicorn
// horn rule can take hold of a unicorn); a magic item goes through the
// combination rules (taken off or stepped down with the right button, put on
// or stepped up otherwise). Nothing else changes the bench. The caller
// rebuilds the item sheet afterwards.
PickOutcome PickFromPane(CatalogTable& table, WorkshopState& state, const RowPick& pick,
                         bool rightButton);
