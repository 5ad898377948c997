// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/random_item.h"

#include <algorithm>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "dice/random_source.h"
#include "random/random_run.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/lists/enchantment_list.h"

namespace {

constexpr int32_t kMaxEnchantmentSteps = 4;

// The nine catalogs a treasure's base item comes from, by d(45): the more
// common the find, the wider its span.
struct CatalogChoice {
    int32_t lastRoll;
    void (*roll)(RandomRun&);
};

// clang-format off
const CatalogChoice kCatalogChoices[] = {
    // rolls up to   catalog
    { 1,  RollCreature },   // 1 in 45
    { 3,  RollComponent},   // 2 in 45
    { 6,  RollCarpet   },   // 3 in 45
    {10,  RollJewelry  },   // 4 in 45
    {15,  RollGem      },   // 5 in 45
    {21,  RollSpellBook},   // 6 in 45
    {28,  RollScroll   },   // 7 in 45
    {36,  RollEquipment},   // 8 in 45
    {45,  RollWeapon   },   // 9 in 45
};
// clang-format on

void RollBaseItem(RandomRun& run) {
    const int32_t roll = run.Die(45);
    for (const CatalogChoice& choice : kCatalogChoices) {
        if (roll <= choice.lastRoll) {
            choice.roll(run);
            return;
        }
    }
}

// How often Maintain Illusion hex and Maintain Image hex are put, by d(4):
// the hexes of a 1-, 2-, 4- or 7-hex illusion.
constexpr int32_t kIllusionHexes[] = {1, 2, 4, 7};

// One random enchantment: most go on once, the graded ones as many levels as
// a further die says.
void PutRandomEnchantment(RandomRun& run) {
    const int32_t e = GetEnchant(run.random, true);
    if (e == charm::kDarkness) {
        run.Put(e, run.Die(5));
    } else if (e == charm::kMaintainIllusionHex || e == charm::kMaintainImageHex) {
        run.Put(e, kIllusionHexes[run.Die(4) - 1]);
    } else if (e >= charm::kIncreaseSt && e <= charm::kIncreaseIq) {
        run.Put(e, run.Die(5));
    } else {
        run.Put(e);
    }
}

// The random enchantments on top of the base item's own magic: fewer the
// fuller the item already is, none on a complete one, at most four.
void PutRandomEnchantments(RandomRun& run) {
    // The room left on the bench: d(5 - fill). A fill of 5 does not arise;
    // like a complete item it would leave no room.
    const int32_t room = entries::kSlotCount - run.fill;
    const int32_t n = room <= 0 ? 0 : run.Die(room);
    for (int32_t step = 0; step < std::min(n, kMaxEnchantmentSteps); ++step) {
        PutRandomEnchantment(run);
    }
}

}  // namespace

int32_t RandomRun::Die(int32_t faces) { return random.Die(faces); }

void RandomRun::Put(int32_t index, int32_t times) {
    for (int32_t i = 0; i < times; ++i) Rectify_Magic_Item_list(table, state, index);
}

void PutBonusBatch(RandomRun& run) { run.Put(charm::kWeaponArmorPlus, run.Die(5)); }

void PutRodPick(RandomRun& run, int32_t rodRoll) {
    // Rolls 3..6 give the Magic Fist, Fireball, Lightning-bolt and Wizard's
    // Wrath rods, charged d(10) times.
    run.Put(charm::kMagicFistRod - 3 + rodRoll, run.Die(10));
}

void PutFigurinePick(RandomRun& run) {
    const int32_t roll = run.Die(8);
    if (roll == 1) {
        run.Put(charm::kBoundSmallDemon);
        run.fill = kFillComplete;  // the bound demon fills the piece
    } else {
        run.Put(roll == 8 ? charm::kProxy : charm::kWards);
        run.fill = 1;
    }
}

RandomItemRoll RollRandomItem(CatalogTable& table, WorkshopState& state, RandomSource& random) {
    // Empty the bench; the slots keep their making figures.
    for (int32_t slot = 1; slot <= entries::kSlotCount; ++slot) {
        table.EditSlot(slot).Assign(table.BlankItem());
    }
    RandomRun run{table, state, random};
    RollBaseItem(run);
    PutRandomEnchantments(run);
    return {run.cutGem};
}

void MakeRandomItem(CatalogTable& table, WorkshopState& state, RandomSource& random) {
    random.ReseedFromClock();
    RollRandomItem(table, state, random);
}
