// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/bench/picking.h"

#include "catalog/magic_item.h"
#include "workshop/bench/base_items.h"
#include "workshop/bench/combination_rules.h"

int32_t PickLineStart(int32_t caret) {
    if (caret <= 0) return 0;  // the very start of the text (a caret is never before it)
    return caret - caret % kPaneLineStride;
}

PickOutcome PickFromPane(CatalogTable& table, WorkshopState& state, const RowPick& pick,
                         bool rightButton) {
    if (pick.kind == PickKind::BaseItem) {
        SetBaseItem(state, BaseItemOf(table, {pick.source, pick.index, pick.variant}));
        if (pick.source == BaseSource::Creature) Rectify_Magic_Item_list(table, state, -1);
        return PickOutcome::Picked;
    }
    if (pick.kind != PickKind::MagicItem || pick.index < 0 || pick.index >= kMagicItemCount)
        return PickOutcome::Picked;
    const bool full = SlotsTakenAgainst(table, pick.index);
    if (rightButton) {
        UnRectify_Magic_Item_list(table, state, pick.index);
    } else {
        Rectify_Magic_Item_list(table, state, pick.index);
    }
    return full ? PickOutcome::SlotsFull : PickOutcome::Picked;
}
