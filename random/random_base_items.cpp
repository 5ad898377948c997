// SPDX-License-Identifier: GPL-3.0-or-later
// The treasure rules of the creatures, ingredients, carpets, jewelry, gems and
// spells: the base item each one gives and the magic that goes with it.

#include <cmath>

#include "catalog/carpet.h"
#include "catalog/component.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/spell.h"
#include "random/random_run.h"
#include "workshop/bench/base_items.h"

namespace {

// Creatures that come with their own magic.
constexpr int32_t kDemon = 16;
constexpr int32_t kLesserDemon = 17;
constexpr int32_t kMnoren = 33;

// Cuts gem n to about the given value: one carat more than the value buys,
// and the stone stays that size in the catalog from now on.
void ResizeGem(RandomRun& run, int32_t n, double value) {
    TGemItemKest& gem = GemToCut(run.table, n);
    gem.Carats = std::nearbyint(value / gem.PricePerCarat) + 1;
    gem.Price = gem.Carats * gem.PricePerCarat;
    run.cutGem = n;
}

void SetGemBaseItem(RandomRun& run, int32_t n) {
    SetBaseItem(run.state, BaseItemOf(run.table, {BaseSource::TreasureGem, n}));
}

// A creature gem, by d(14): wolf, myrmidon, bear, gargoyle, giant and the two
// dragons, each for 6 or 12 turns. Returns the value the stone must have.
double PutCreatureGem(RandomRun& run) {
    const int32_t k = run.Die(14);
    run.Put(charm::kFirstCreatureGem - 1 + k);
    if (k <= 4) return 40;
    if (k <= 8) return 80;
    if (k <= 12) return 285;
    return 600;
}

}  // namespace

void RollCreature(RandomRun& run) {
    const int32_t f = run.Die(kFaunaCount);
    const int32_t variants = BaseVariantCount(run.table, BaseSource::Creature, f);
    if (variants > 0) {
        SetBaseItem(run.state, BaseItemOf(run.table, {BaseSource::Creature, f, run.Die(variants)}));
    } else {
        SetBaseItem(run.state, BaseItemOf(run.table, {BaseSource::CreatureBySize, f}));
    }
    run.fill = kFillEmpty;
    if (f == kDemon) {
        run.fill = kFillComplete;  // a demon will bear no enchantment
    } else if (f == kLesserDemon) {
        run.Put(charm::kBoundSmallDemon);
        run.fill = kFillComplete;
    } else if (f == kMnoren) {
        run.Put(charm::kGateKey);
        run.Put(charm::kGateLock);
        run.fill = 2;
    }
}

void RollComponent(RandomRun& run) {
    const int32_t k = run.Die(kComponentCount);
    SetBaseItem(run.state, BaseItemOf(run.table, {BaseSource::Component, k}));
    run.fill = 1;
    switch (k) {
        case 1:  // Carving
            PutFigurinePick(run);
            break;
        case 3: {  // Crystal lense: one more language for every d(3) that misses 1
            int32_t languages = 1;
            while (run.Die(3) != 1) ++languages;
            run.Put(charm::kLenseOfTranslation, languages);
            break;
        }
        case 4:  // Crystal sphere
            run.Put(charm::kCrystalBall);
            break;
        case 7:  // Hand
            run.Put(charm::kHandOfGlory);
            break;
        case 9:   // Silver beads
        case 15:  // Snake's Backbone
            run.Put(charm::kSerpentTorc);
            break;
        case 10:  // key
            run.Put(charm::kKnock);
            break;
        case 11:  // Silver key
            run.Put(run.Die(2) == 1 ? charm::kKnock : charm::kGateKey);
            run.fill = kFillComplete;
            break;
        case 12:  // lock
            run.Put(charm::kLock);
            run.fill = kFillComplete;
            break;
        case 13:  // Silver Lock
            run.Put(run.Die(2) == 1 ? charm::kLock : charm::kGateLock);
            break;
        default:  // a plain ingredient
            run.fill = kFillEmpty;
            break;
    }
}

void RollCarpet(RandomRun& run) {
    const int32_t c = run.Die(kCarpetCount);
    SetBaseItem(run.state, BaseItemOf(run.table, {BaseSource::Carpet, c}));
    run.Put(charm::kFirstMagicCarpet - 1 + c);
    run.fill = 1;
}

void RollJewelry(RandomRun& run) {
    const int32_t j = run.Die(kJewelryCount);
    SetBaseItem(run.state, BaseItemOf(run.table, {BaseSource::Jewelry, j}));
    run.fill = 1;
    switch (j) {
        case 8:   // chalice
        case 12:  // cup
        case 13:  // decanter
        case 15:  // goblet
        case 29:  // tankard
            run.Put(charm::kUnicornHorn);
            break;
        case 22:  // necklace
            run.Put(charm::kRope);
            break;
        case 23:  // pendant
            PutAmuletPick(run);
            break;
        case 24:  // orb
            run.Put(charm::kCrystalBall);
            break;
        case 25:  // ring
            PutRingPick(run);
            break;
        case 27:  // seal
            run.Put(charm::kLock);
            run.fill = kFillComplete;
            break;
        case 28:  // statuette
            PutFigurinePick(run);
            break;
        case 31:  // candelabra
            run.Put(run.Die(2) == 1 ? charm::kDetectEnemies : charm::kLight);
            break;
        default:  // a plain piece
            run.fill = kFillEmpty;
            break;
    }
}

void RollGem(RandomRun& run) {
    const int32_t g = run.Die(kGemCount);
    if (run.Die(2) == 1) {
        // An ST battery of s points: a stone of 200 dollars a point, charged
        // in 5-point and 1-point batteries.
        const int32_t s = run.Die(25);
        ResizeGem(run, g, 200.0 * s);
        SetGemBaseItem(run, g);
        run.Put(charm::kStBattery5, s / 5);
        run.Put(charm::kStBattery1, s % 5);
        run.fill = 1;
        return;
    }
    if (run.Die(2) == 1) {
        ResizeGem(run, g, PutCreatureGem(run));
        SetGemBaseItem(run, g);
    } else if (run.Die(2) == 1) {
        ResizeGem(run, g, 20);
        SetGemBaseItem(run, g);
        run.Put(charm::kDazzleGem);
    } else {
        ResizeGem(run, g, PutCreatureGem(run));
        SetGemBaseItem(run, g);
        run.Put(charm::kDazzleGem);
    }
    run.fill = kFillComplete;
}

void RollSpellBook(RandomRun& run) {
    SetBaseItem(run.state, BaseItemOf(run.table, {BaseSource::SpellBook, run.Die(kSpellCount)}));
    run.fill = kFillEmpty;
}

void RollScroll(RandomRun& run) {
    SetBaseItem(run.state, BaseItemOf(run.table, {BaseSource::Scroll, run.Die(kSpellCount)}));
    run.fill = kFillComplete;  // the spell on it is all a scroll holds
}
