#pragma once

#include <cstdint>
#include <string>

#include "workshop/workshop_state.h"

class CatalogTable;
class RandomSource;

// The fill counter: how far the treasure is already filled with magic. A
// complete item gets no random enchantments; the missile mark is used only
// inside the weapon rules and becomes 1 there.
constexpr int32_t kFillEmpty = 0;
constexpr int32_t kFillComplete = 6;
constexpr int32_t kFillMissile = 7;

// Magic items the treasure rules name by catalog index.
namespace charm {
constexpr int32_t kStaff = 0;
constexpr int32_t kLight = 6;
constexpr int32_t kDarkness = 12;
constexpr int32_t kDetectEnemies = 14;
constexpr int32_t kLock = 15;
constexpr int32_t kKnock = 16;
constexpr int32_t kSpeedMovement = 18;
constexpr int32_t kDazzleGem = 19;
constexpr int32_t kShadow = 21;
constexpr int32_t kRope = 25;
constexpr int32_t kSilentMovement = 27;
constexpr int32_t kMageSight = 32;
constexpr int32_t kMagicRainstorm = 33;
constexpr int32_t kTelekenesis = 43;
constexpr int32_t kFreshAir = 49;
constexpr int32_t kFirstCreatureGem = 50;  // "Gem: Wolf, 6 turn"; 14 of them in a row
constexpr int32_t kQuiverOfReplenishment = 64;
constexpr int32_t kMaintainIllusionHex = 74;
constexpr int32_t kMaintainImageHex = 75;
constexpr int32_t kFirstMagicCarpet = 77;  // 2-, 4- and 7-hex, in carpet order
constexpr int32_t kSerpentTorc = 80;
constexpr int32_t kStaffOfPower = 84;
constexpr int32_t kTeleport = 86;
constexpr int32_t kGiantRope = 87;
constexpr int32_t kHammertouch = 89;
constexpr int32_t kSpellsniffer = 94;
constexpr int32_t kShapeshifting = 97;
constexpr int32_t kWoc = 100;
constexpr int32_t kCrystalBall = 101;
constexpr int32_t kFlammingWeapon = 102;
constexpr int32_t kFlammingMissileWeapon = 103;
constexpr int32_t kWards = 104;
constexpr int32_t kStBattery1 = 105;
constexpr int32_t kStBattery5 = 106;
constexpr int32_t kIncreaseSt = 109;
constexpr int32_t kIncreaseIq = 111;
constexpr int32_t kUnicornHorn = 116;
constexpr int32_t kGateKey = 117;
constexpr int32_t kGateLock = 118;
constexpr int32_t kBoundSmallDemon = 119;
constexpr int32_t kHandOfGlory = 121;
constexpr int32_t kLenseOfTranslation = 122;
constexpr int32_t kProxy = 125;
constexpr int32_t kWeaponArmorPlus = 126;
}  // namespace charm

// One roll-up of a random treasure: where it draws from, what it writes, and
// its fill counter.
struct RandomRun {
    CatalogTable& table;
    WorkshopState& state;
    RandomSource& random;
    int32_t fill = kFillEmpty;

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
