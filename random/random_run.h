// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "catalog/charms.h"
#include "workshop/bench/workshop_state.h"

class CatalogTable;
class RandomSource;

// The fill counter: how far the treasure is already filled with magic. A
// complete item gets no random enchantments; the missile mark is used only
// inside the weapon rules and becomes 1 there.
constexpr int32_t kFillEmpty = 0;
constexpr int32_t kFillComplete = 6;
constexpr int32_t kFillMissile = 7;

// One roll-up of a random treasure: where it draws from, what it writes, and
// its fill counter.
struct RandomRun {
    CatalogTable& table;
    WorkshopState& state;
    RandomSource& random;
    int32_t fill = kFillEmpty;
    int32_t cutGem = 0;  // the gem cut to a new size, if any

    // d(faces): one fresh draw.
    int32_t Die(int32_t faces);
    // Puts the magic item on the workbench through the combination rules,
    // the given number of times in a row.
    void Put(int32_t index, int32_t times = 1);
};

// The rules of each catalog: they set the base item, put the magic that
// belongs to it and set the fill counter.
void RollCreature(RandomRun& run);
void RollComponent(RandomRun& run);
void RollCarpet(RandomRun& run);
void RollJewelry(RandomRun& run);
void RollGem(RandomRun& run);
void RollSpellBook(RandomRun& run);
void RollScroll(RandomRun& run);
void RollEquipment(RandomRun& run);
void RollWeapon(RandomRun& run);

// Picks shared by several catalogs.
void PutBonusBatch(RandomRun& run);                // Weapon/Armor + x d(5)
void PutAmuletPick(RandomRun& run);                // d(7): one of the seven amulets
void PutRodPick(RandomRun& run, int32_t rodRoll);  // 3..6: a rod x d(10)
void PutFigurinePick(RandomRun& run);              // d(8): demon, wards or proxy; sets F
void PutRingPick(RandomRun& run);                  // d(16): a ring's charm
void PutHelmetPick(RandomRun& run);                // d(6): a helmet's charm
void PutMissileCharmA(RandomRun& run);             // ammunition, by d(36)
void PutMissileCharmB(RandomRun& run);             // the bola, by d(56)
