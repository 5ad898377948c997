// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure tables that map one die roll to the charm a piece carries.

#include "random/random_run.h"

#include <cstddef>

namespace {

// A span of rolls of one table and the charm they give; an "x d(5)" charm is
// put as many times as a further d(5) says.
struct MissileCharmRow {
    int32_t firstRoll;
    int32_t lastRoll;
    int32_t charm;
    bool timesD5;
};

// clang-format off

// Charms on ammunition (arrows, quarrels, pellets, boomerangs, darts, sha-ken), by d(36).
const MissileCharmRow kMissileTableA[] = {
    // rolls   charm                        x d(5)
    { 1, 11, charm::kTrip,                 false},
    {12, 15, charm::kSlowMovement,         false},
    {16, 16, charm::kFreeze,               false},
    {17, 17, charm::kWeaknessSt,           true },
    {18, 18, charm::kClumsinessDx,         true },
    {19, 19, charm::kConfusionIq,          true },
    {20, 20, charm::kCurse,                true },
    {21, 34, charm::kSleep,                false},
    {35, 35, charm::kMobileSlipperyFloor,  false},
    {36, 36, charm::kMobileStickyFloor,    false},
};

// Charms on a bola, by d(56): table A with the Rope charm slipped in.
const MissileCharmRow kMissileTableB[] = {
    // rolls   charm                        x d(5)
    { 1, 11, charm::kTrip,                 false},
    {12, 15, charm::kSlowMovement,         false},
    {16, 16, charm::kFreeze,               false},
    {17, 17, charm::kWeaknessSt,           true },
    {18, 18, charm::kClumsinessDx,         true },
    {19, 19, charm::kConfusionIq,          true },
    {20, 20, charm::kCurse,                true },
    {21, 40, charm::kRope,                 false},
    {41, 54, charm::kSleep,                false},
    {55, 55, charm::kMobileSlipperyFloor,  false},
    {56, 56, charm::kMobileStickyFloor,    false},
};

// An amulet, by d(7): the six wards, then the Amulet of Skepticism.
const int32_t kAmuletCharms[] = {
    charm::kAmuletVsDrunkenness,
    charm::kAmuletVsDrowning,
    charm::kAmuletVsCreature,
    charm::kAmuletVsOneElemental,
    charm::kAmuletVsAllElementals,
    charm::kAmuletVsDisease,
    charm::kAmuletOfSkepticism,
};

// A ring, by d(16): half of all magic rings are Rings of Control.
const int32_t kRingCharms[] = {
    charm::kRingOfControl, charm::kRingOfControl, charm::kRingOfControl, charm::kRingOfControl,
    charm::kRingOfControl, charm::kRingOfControl, charm::kRingOfControl, charm::kRingOfControl,
    charm::kZombieRing,         //  9
    charm::kInvisibility,       // 10
    charm::kAstralProjection,   // 11
    charm::kUnnoticeability,    // 12
    charm::kStoneFlesh,         // 13
    charm::kIronFlesh,          // 14
    charm::kPersuasiveness,     // 15
    charm::kMageSight,          // 16
};

// A helmet, by d(6).
const int32_t kHelmetCharms[] = {
    charm::kFarVision,
    charm::kInvisibility,
    charm::kMageSight,
    charm::kEyesBehind,
    charm::kFreshAir,
    charm::kDarkVision,
};

// clang-format on

template <size_t N>
void PutByDie(RandomRun& run, const int32_t (&charms)[N]) {
    const int32_t roll = run.Die(static_cast<int32_t>(N));
    run.Put(charms[roll - 1]);
}

template <size_t N>
void PutMissileCharm(RandomRun& run, const MissileCharmRow (&table)[N]) {
    const int32_t roll = run.Die(table[N - 1].lastRoll);
    for (const MissileCharmRow& row : table) {
        if (roll < row.firstRoll || roll > row.lastRoll) continue;
        run.Put(row.charm, row.timesD5 ? run.Die(5) : 1);
        return;
    }
}

}  // namespace

void PutAmuletPick(RandomRun& run) { PutByDie(run, kAmuletCharms); }

void PutRingPick(RandomRun& run) { PutByDie(run, kRingCharms); }

void PutHelmetPick(RandomRun& run) { PutByDie(run, kHelmetCharms); }

void PutMissileCharmA(RandomRun& run) { PutMissileCharm(run, kMissileTableA); }

void PutMissileCharmB(RandomRun& run) { PutMissileCharm(run, kMissileTableB); }
