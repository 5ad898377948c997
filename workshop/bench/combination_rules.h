// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "workshop/bench/workshop_state.h"

class CatalogTable;
class TMagicItemKest;

// Puts the magic item of a catalog index (0..126) on the workbench or steps
// it up; -1 re-runs the rules without adding anything. Then sorts the slots by
// price, doubles the price by position and applies the unicorn horn rule.
void Rectify_Magic_Item_list(CatalogTable& table, WorkshopState& state, int32_t index);

// Steps the magic item of a catalog index (0..126) down or takes it off, then
// the same sorting, doubling and unicorn rule.
void UnRectify_Magic_Item_list(CatalogTable& table, WorkshopState& state, int32_t index);

// Whether the rules take nothing for the magic item of a catalog index
// (0..126): all five slots hold other items, so it can neither go on nor step.
bool SlotsTakenAgainst(const CatalogTable& table, int32_t index);

// The arithmetic of the rules, for whatever must reckon as they do.

// What a magic item of the catalog costs at a level: its catalog price at its
// catalog level; a graded item ('A') doubles with every level beyond +-1, a
// counted item ('B') costs its price once per count (the 5-point battery once
// per five points).
int32_t LevelPrice(const TMagicItemKest& item, int32_t level);

// Whether putting the magic item of the catalog on and stepping it up and down
// can leave it at the level: graded items +1..+5 (or -1..-5), counted items
// 1..256 (the 5-point battery 5..255 in fives), any item its catalog level.
bool LevelReachable(const TMagicItemKest& item, int32_t level);

// What the item on slot k (1..5) costs there: the second item on an object
// twice its price, the third four times, and so on, but for the few items
// immune to doubling.
int32_t PriceInSlot(const TMagicItemKest& slot, int k);

// Enchanting a unicorn's horn with the Unicorn Horn costs nothing and takes a
// week; the slot keeps that price and those weeks until it comes off.
bool IsUnicornHorn(const TMagicItemKest& slot);
void ChargeAsOwnHorn(TMagicItemKest& slot);
