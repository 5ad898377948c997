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
    // rolls   charm  x d(5)
    { 1, 11, 17, false},  // Trip
    {12, 15,  3, false},  // Slow Movement
    {16, 16, 29, false},  // Freeze
    {17, 17,  7, true },  // Weakness ST
    {18, 18,  8, true },  // Clumsiness DX
    {19, 19,  9, true },  // Confusion IQ
    {20, 20, 41, true },  // Curse
    {21, 34, 23, false},  // Sleep
    {35, 35, 38, false},  // Mobile Slippery Floor
    {36, 36, 40, false},  // Mobile Sticky Floor
};

// Charms on a bola, by d(56): table A with the Rope charm slipped in.
const MissileCharmRow kMissileTableB[] = {
    // rolls   charm  x d(5)
    { 1, 11, 17, false},  // Trip
    {12, 15,  3, false},  // Slow Movement
    {16, 16, 29, false},  // Freeze
    {17, 17,  7, true },  // Weakness ST
    {18, 18,  8, true },  // Clumsiness DX
    {19, 19,  9, true },  // Confusion IQ
    {20, 20, 41, true },  // Curse
    {21, 40, 25, false},  // Rope
    {41, 54, 23, false},  // Sleep
    {55, 55, 38, false},  // Mobile Slippery Floor
    {56, 56, 40, false},  // Mobile Sticky Floor
};

// An amulet, by d(7): the six wards, then the Amulet of Skepticism.
const int32_t kAmuletCharms[] = {
    67,   // Amulet: vs. Drunkenness
    68,   // Amulet: vs. Drowning
    69,   // Amulet: vs. creature
    70,   // Amulet: vs. one elemental
    71,   // Amulet: vs. all elementals
    72,   // Amulet: vs. Disease
    120,  // Amulet of Skepticism
};

// A ring, by d(16): half of all magic rings are Rings of Control.
const int32_t kRingCharms[] = {
    76, 76, 76, 76, 76, 76, 76, 76,  //  1-8  Ring of Control
    124,                             //  9    Zombie Ring
    31,                              // 10    Invisibility
    88,                              // 11    Astral Projection
    90,                              // 12    Unnoticeability
    36,                              // 13    Stone Flesh
    85,                              // 14    Iron Flesh
    28,                              // 15    Persuasiveness
    32,                              // 16    Mage Sight
};

// A helmet, by d(6).
const int32_t kHelmetCharms[] = {
    22,  // Far Vision
    31,  // Invisibility
    32,  // Mage Sight
    34,  // Eyes-Behind
    49,  // Fresh Air
    13,  // Dark Vision
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
