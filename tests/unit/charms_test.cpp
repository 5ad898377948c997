// SPDX-License-Identifier: GPL-3.0-or-later
// Every magic item the rules name by catalog index is the item of that name
// in the catalog, so a slipped index in the treasure tables or the battery
// rule shows here rather than as a wrong charm on a random item.
#include "catalog/charms.h"

#include <gtest/gtest.h>

#include "catalog/magic_item.h"
#include "tests/support/catalog_checks.h"

namespace {

TEST(Charms, EachNameIsItsCatalogItem) {
    struct Case {
        int32_t index;
        const char* name;
    };
    const Case cases[] = {
        {charm::kStaff, "Staff"},
        {charm::kSlowMovement, "Slow Movement"},
        {charm::kLight, "Light"},
        {charm::kWeaknessSt, "Weakness ST"},
        {charm::kClumsinessDx, "Clumsiness DX"},
        {charm::kConfusionIq, "Confusion IQ"},
        {charm::kDarkness, "Darkness, radius "},  // the catalog names end in a blank
        {charm::kDarkVision, "Dark Vision"},
        {charm::kDetectEnemies, "Detect Enemies"},
        {charm::kLock, "Lock"},
        {charm::kKnock, "Knock"},
        {charm::kTrip, "Trip"},
        {charm::kSpeedMovement, "Speed Movement"},
        {charm::kDazzleGem, "Dazzle Gem"},
        {charm::kShadow, "Shadow"},
        {charm::kFarVision, "Far Vision"},
        {charm::kSleep, "Sleep"},
        {charm::kRope, "Rope"},
        {charm::kSilentMovement, "Silent Movement"},
        {charm::kPersuasiveness, "Persuasiveness"},
        {charm::kFreeze, "Freeze"},
        {charm::kInvisibility, "Invisibility"},
        {charm::kMageSight, "Mage Sight"},
        {charm::kMagicRainstorm, "Magic Rainstorm"},
        {charm::kEyesBehind, "Eyes-Behind"},
        {charm::kStoneFlesh, "Stone Flesh"},
        {charm::kMobileSlipperyFloor, "Mobile Slippery Floor"},
        {charm::kMobileStickyFloor, "Mobile Sticky Floor"},
        {charm::kCurse, "Curse "},
        {charm::kTelekenesis, "Telekenesis"},
        {charm::kFreshAir, "Fresh Air"},
        {charm::kFirstCreatureGem, "Gem: Wolf, 6 turn"},
        {charm::kQuiverOfReplenishment, "Quiver of Replenishment"},
        {charm::kAmuletVsDrunkenness, "Amulet: vs. Drunkenness"},
        {charm::kAmuletVsDrowning, "Amulet: vs. Drowning"},
        {charm::kAmuletVsCreature, "Amulet: vs. creature"},
        {charm::kAmuletVsOneElemental, "Amulet: vs. one elemental"},
        {charm::kAmuletVsAllElementals, "Amulet: vs. all elementals"},
        {charm::kAmuletVsDisease, "Amulet: vs. Disease"},
        {charm::kMaintainIllusionHex, "Maintain Illusion hex"},
        {charm::kMaintainImageHex, "Maintain Image hex"},
        {charm::kRingOfControl, "Ring of Control"},
        {charm::kFirstMagicCarpet, "2-hex Magic Carpet"},
        {charm::kSerpentTorc, "Serpent Torc"},
        {charm::kStaffOfPower, "Staff of Power"},
        {charm::kIronFlesh, "Iron Flesh"},
        {charm::kTeleport, "Teleport"},
        {charm::kGiantRope, "Giant Rope"},
        {charm::kAstralProjection, "Astral Projection"},
        {charm::kHammertouch, "Hammertouch"},
        {charm::kUnnoticeability, "Unnoticeability"},
        {charm::kSpellsniffer, "Spellsniffer"},
        {charm::kShapeshifting, "Shapeshifting"},
        {charm::kWoc, "W.O.C."},
        {charm::kCrystalBall, "Crystal Ball"},
        {charm::kFlammingWeapon, "Flamming Weapon"},
        {charm::kFlammingMissileWeapon, "Flamming Missile Weapon"},
        {charm::kWards, "Wards"},
        {charm::kStBattery1, "ST battery 1pt"},
        {charm::kStBattery5, "ST battery 5pt"},
        {charm::kIncreaseSt, "Increase ST+"},
        {charm::kIncreaseDx, "Increase DX+"},
        {charm::kIncreaseIq, "Increase IQ+"},
        {charm::kMagicFistRod, "Magic Fist rod(1D-2)"},
        {charm::kUnicornHorn, "Unicorn Horn"},
        {charm::kGateKey, "Gate Key"},
        {charm::kGateLock, "Gate Lock"},
        {charm::kBoundSmallDemon, "Bound Small Demon"},
        {charm::kAmuletOfSkepticism, "Amulet of Skepticism"},
        {charm::kHandOfGlory, "Hand of Glory"},
        {charm::kLenseOfTranslation, "Lense of Translation"},
        {charm::kZombieRing, "Zombie Ring"},
        {charm::kProxy, "Proxy"},
        {charm::kWeaponArmorPlus, "Weapon/Armor +"},
        // The runs the rules count along.
        {charm::kFirstCreatureGem + 13, "Gem: 7-Hex dragon, 12 turn"},
        {charm::kFirstMagicCarpet + 1, "4-hex Magic Carpet"},
        {charm::kFirstMagicCarpet + 2, "7-hex Magic Carpet"},
        {charm::kMagicFistRod + 1, "Fireball rod(1D-1)"},
        {charm::kMagicFistRod + 2, "Lightning-bolt rod(1D)"},
        {charm::kMagicFistRod + 3, "Wizard's Wrath rod(1D+1)"},
    };
    for (const Case& c : cases) {
        ASSERT_GE(c.index, 0);
        ASSERT_LT(c.index, kMagicItemCount);
        EXPECT_EQ(BuiltTable().MagicItem(c.index).Name, c.name) << c.index;
    }
}

}  // namespace
