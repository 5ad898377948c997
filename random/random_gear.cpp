// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure rules of equipment and weapons: the base item each one gives
// and the magic that goes with it.

#include <algorithm>
#include <initializer_list>

#include "catalog/catalog_table.h"
#include "catalog/equipment.h"
#include "catalog/weapon.h"
#include "random/random_run.h"
#include "workshop/bench/base_items.h"

namespace {

// A rod or a wand holds a staff, a staff of power, a charged rod or (a wand
// only, on a 7) a spellsniffer.
void PutRodOrWand(RandomRun& run, int32_t faces) {
    const int32_t roll = run.Die(faces);
    if (roll == 1) {
        run.Put(charm::kStaff);
    } else if (roll == 2) {
        run.Put(charm::kStaffOfPower);
    } else if (roll <= 6) {
        PutRodPick(run, roll);
    } else {
        run.Put(charm::kSpellsniffer);
    }
}

// A lantern sheds shadow or darkness one time in five, else sight or light.
void PutLanternCharm(RandomRun& run) {
    if (run.Die(5) == 1) {
        run.Put(run.Die(4) == 1 ? charm::kShadow : charm::kDarkness);
    } else {
        run.Put(run.Die(4) == 1 ? charm::kMageSight : charm::kLight);
    }
}

// The weapon itself, or now and then one of the other names it goes by.
void SetWeaponBaseItem(RandomRun& run, int32_t w) {
    const int32_t variants = BaseVariantCount(run.table, BaseSource::WeaponVariant, w);
    if (run.Die(2) == 1 || variants == 0) {
        SetBaseItem(run.state, BaseItemOf(run.table, {BaseSource::Weapon, w}));
    } else {
        SetBaseItem(run.state,
                    BaseItemOf(run.table, {BaseSource::WeaponVariant, w, run.Die(variants)}));
    }
}

bool IsOneOf(int32_t n, std::initializer_list<int32_t> numbers) {
    return std::find(numbers.begin(), numbers.end(), n) != numbers.end();
}

// The magic particular to weapon number w.
void PutWeaponCharms(RandomRun& run, int32_t w) {
    run.fill = kFillEmpty;
    if (IsOneOf(w, {19, 20, 21, 22, 23, 24, 45, 46, 54, 55})) {
        // slings, bows, crossbows, spear thrower, blowgun, arquebus, blunderbuss
        run.Put(charm::kFlammingMissileWeapon);
        run.fill = kFillMissile;
    } else if (IsOneOf(w, {25, 26, 28, 43, 47, 53})) {
        // arrows, quarrels, sling pellets, boomerang, dart, sha-ken
        PutMissileCharmA(run);
        PutBonusBatch(run);
        run.fill = kFillComplete;
    } else if (w == 27) {  // quiver
        run.Put(charm::kQuiverOfReplenishment - 1 + run.Die(3));
        run.fill = 1;
    } else if (w == 40) {  // cestus
        run.Put(charm::kHammertouch);
        run.fill = 1;
    } else if (w == 49) {  // wizard's staff
        run.Put(run.Die(2) == 1 ? charm::kStaff : charm::kStaffOfPower);
        run.fill = 1;
    } else if (IsOneOf(w, {50, 56, 57})) {  // molotail, grenade, petard
        run.Put(run.Die(4) <= 3 ? charm::kTelekenesis : charm::kTeleport);
        run.fill = kFillComplete;
    } else if (w == 52) {  // bola
        PutMissileCharmB(run);
        PutBonusBatch(run);
        run.fill = kFillComplete;
    } else if (w == 58) {  // gunpowder charge
        run.Put(charm::kSilentMovement);
        run.fill = kFillComplete;
    }
}

// Every weapon may still be set aflame (not a missile weapon, nor a complete
// one) and usually gets its plus.
void FinishWeapon(RandomRun& run) {
    if (run.fill == kFillMissile) {
        run.fill = 1;
    } else if (run.fill != kFillComplete && run.Die(10) == 1) {
        run.Put(charm::kFlammingWeapon);
        ++run.fill;
    }
    if (run.Die(10) <= 9) {
        PutBonusBatch(run);
        if (run.fill != kFillComplete) ++run.fill;
    }
}

// Articles that always carry the same charm.
struct GearCharm {
    int32_t number;
    int32_t charm;
};

// clang-format off
const GearCharm kEquipmentCharms[] = {
    // article  charm
    { 3, charm::kRope          },  // 3m rope
    { 4, charm::kGiantRope     },  // 10m rope
    {11, charm::kLight         },  // torch
    {12, charm::kTelekenesis   },  // 100m rope
    {13, charm::kTelekenesis   },  // 10m rope ladder
    {14, charm::kKnock         },  // crowbar
    {21, charm::kUnicornHorn   },  // waterskin
    {26, charm::kWoc           },  // painting
    {27, charm::kStaffOfPower  },  // quill
    {28, charm::kUnicornHorn   },  // unicorn horn
    {29, charm::kUnicornHorn   },  // drinking vessel
    {31, charm::kWoc           },  // carved stone
    {32, charm::kWoc           },  // parchment
    {33, charm::kWoc           },  // blank scroll
    {34, charm::kWoc           },  // blank book
    {35, charm::kWoc           },  // banner
    {36, charm::kSpeedMovement },  // travois
    {37, charm::kHammertouch   },  // glove
    {38, charm::kHammertouch   },  // gauntlet
    {44, charm::kMagicRainstorm},  // vial
    {47, charm::kSpeedMovement },  // boots
};
// clang-format on

}  // namespace

void RollEquipment(RandomRun& run) {
    const int32_t e = run.Die(kEquipmentCount);
    SetBaseItem(run.state, BaseItemOf(run.table, {BaseSource::Equipment, e}));
    run.fill = 1;
    switch (e) {
        case 25:  // lantern
            PutLanternCharm(run);
            return;
        case 30:  // rod
            PutRodOrWand(run, 6);
            return;
        case 39:  // vine
        case 40:  // necktie
            run.Put(run.Die(2) == 1 ? charm::kRope : charm::kGiantRope);
            return;
        case 41:  // amulet
            PutAmuletPick(run);
            return;
        case 42:  // mask
            run.Put(run.Die(2) == 1 ? charm::kFreshAir : charm::kShapeshifting);
            return;
        case 43:  // helmit
            PutHelmetPick(run);
            return;
        case 45:  // wand
            PutRodOrWand(run, 7);
            return;
        default:
            break;
    }
    for (const GearCharm& row : kEquipmentCharms) {
        if (row.number == e) {
            run.Put(row.charm);
            return;
        }
    }
    run.fill = kFillEmpty;  // plain gear
}

void RollWeapon(RandomRun& run) {
    const int32_t w = run.Die(kWeaponCount);
    SetWeaponBaseItem(run, w);
    PutWeaponCharms(run, w);
    FinishWeapon(run);
}
