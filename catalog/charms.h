// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Magic items the rules name by catalog index (0..126): the treasure tables,
// and the combination rules for the batteries.
namespace charm {
constexpr int32_t kStaff = 0;
constexpr int32_t kSlowMovement = 3;
constexpr int32_t kLight = 6;
constexpr int32_t kWeaknessSt = 7;
constexpr int32_t kClumsinessDx = 8;
constexpr int32_t kConfusionIq = 9;
constexpr int32_t kDarkness = 12;
constexpr int32_t kDarkVision = 13;
constexpr int32_t kDetectEnemies = 14;
constexpr int32_t kLock = 15;
constexpr int32_t kKnock = 16;
constexpr int32_t kTrip = 17;
constexpr int32_t kSpeedMovement = 18;
constexpr int32_t kDazzleGem = 19;
constexpr int32_t kShadow = 21;
constexpr int32_t kFarVision = 22;
constexpr int32_t kSleep = 23;
constexpr int32_t kRope = 25;
constexpr int32_t kSilentMovement = 27;
constexpr int32_t kPersuasiveness = 28;
constexpr int32_t kFreeze = 29;
constexpr int32_t kInvisibility = 31;
constexpr int32_t kMageSight = 32;
constexpr int32_t kMagicRainstorm = 33;
constexpr int32_t kEyesBehind = 34;
constexpr int32_t kStoneFlesh = 36;
constexpr int32_t kMobileSlipperyFloor = 38;
constexpr int32_t kMobileStickyFloor = 40;
constexpr int32_t kCurse = 41;
constexpr int32_t kTelekenesis = 43;
constexpr int32_t kFreshAir = 49;
constexpr int32_t kFirstCreatureGem = 50;  // "Gem: Wolf, 6 turn"; 14 of them in a row
constexpr int32_t kQuiverOfReplenishment = 64;
constexpr int32_t kAmuletVsDrunkenness = 67;
constexpr int32_t kAmuletVsDrowning = 68;
constexpr int32_t kAmuletVsCreature = 69;
constexpr int32_t kAmuletVsOneElemental = 70;
constexpr int32_t kAmuletVsAllElementals = 71;
constexpr int32_t kAmuletVsDisease = 72;
constexpr int32_t kMaintainIllusionHex = 74;
constexpr int32_t kMaintainImageHex = 75;
constexpr int32_t kRingOfControl = 76;
constexpr int32_t kFirstMagicCarpet = 77;  // 2-, 4- and 7-hex, in carpet order
constexpr int32_t kSerpentTorc = 80;
constexpr int32_t kStaffOfPower = 84;
constexpr int32_t kIronFlesh = 85;
constexpr int32_t kTeleport = 86;
constexpr int32_t kGiantRope = 87;
constexpr int32_t kAstralProjection = 88;
constexpr int32_t kHammertouch = 89;
constexpr int32_t kUnnoticeability = 90;
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
constexpr int32_t kIncreaseDx = 110;
constexpr int32_t kIncreaseIq = 111;
constexpr int32_t kMagicFistRod = 112;  // then the Fireball, Lightning-bolt and Wizard's Wrath rods
constexpr int32_t kUnicornHorn = 116;
constexpr int32_t kGateKey = 117;
constexpr int32_t kGateLock = 118;
constexpr int32_t kBoundSmallDemon = 119;
constexpr int32_t kAmuletOfSkepticism = 120;
constexpr int32_t kHandOfGlory = 121;
constexpr int32_t kLenseOfTranslation = 122;
constexpr int32_t kZombieRing = 124;
constexpr int32_t kProxy = 125;
constexpr int32_t kWeaponArmorPlus = 126;
}  // namespace charm
