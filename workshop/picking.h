// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "catalog/listing.h"
#include "catalog/text_format.h"
#include "workshop/workshop_state.h"

class CatalogTable;

// Each list line takes 125 positions of the pane (123 characters and a line
// break counted as two); a click compares the first 28 characters.
constexpr int32_t kPaneLineStride = textfmt::kListLineWidth + 2;
constexpr int32_t kPickTextLength = 28;

// The start of the line that holds the caret: p - p mod 125 for p > 0.
int32_t PickLineStart(int32_t caret);

// Compares the selected characters with every entry of the list on show, in
// scan order, the last match winning. A base-item match sets the base item
// (a creature also re-runs the combination rules at once). Returns the
// catalog index 0..126 when the last match was a magic item, else -1.
int32_t PickEntry(CatalogTable& table, WorkshopState& state, ShownList shown,
                  const std::string& selected);

// What a pick came to: whatever the rules made of it, or nothing at all
// because a sixth enchantment finds every slot taken.
enum class PickOutcome { Picked, SlotsFull };

// The whole pick of a click: PickEntry, then for a magic item the combination
// rules (take off or step down with the right button, put on or step up
// otherwise). The caller rebuilds the item sheet afterwards.
PickOutcome PickFromPane(CatalogTable& table, WorkshopState& state, ShownList shown,
                         const std::string& selected, bool rightButton);
