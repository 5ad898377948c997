// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/bench/combination_rules.h"

#include <cstdlib>
#include <string>

#include "catalog/catalog_table.h"
#include "catalog/charms.h"
#include "catalog/equipment.h"
#include "catalog/magic_item.h"
#include "workshop/bench/int32_wrap.h"

namespace {

using entries::kSlotCount;
constexpr int32_t kFirstIndex = -1;  // the blank record: re-run the rules, add nothing
constexpr int32_t kLastIndex = kMagicItemCount - 1;

// The 5-point battery is charged and priced five points at a time.
constexpr int32_t kFivePointBattery = charm::kStBattery5;
constexpr int32_t kBatteryStep = 5;
// A counted item at 256 or more goes off with the next step up; the 5-point
// battery goes off as soon as a step would take it past 255.
constexpr int32_t kCountLimit = 256;
constexpr int32_t kFivePointLimit = 255;
// A graded item runs from level +-1 to +-5.
constexpr int32_t kTopGrade = 5;

// The unicorn's horn, as an article of equipment.
constexpr int kUnicornHornArticle = 28;

enum class Step { Up, Down };

// Items that keep their own price in any slot, however many items stand above
// them on the bench.
bool ImmuneToDoubling(const std::string& name) {
    return name == "Staff" || name == "Staff of Power" || name == "Limiting Spell";
}

class Bench {
public:
    Bench(CatalogTable& table, WorkshopState& state, int32_t index)
        : table_(table), state_(state), index_(index), picked_(table.MagicItem(index)) {}

    void Run(Step step) {
        const bool found = FindAndStep(step);
        if (!found) PutIn();
        SortByPrice();
        PriceBySlot();
    }

private:
    TMagicItemKest& Slot(int k) const { return table_.EditSlot(k); }

    // Takes the item in slot k off: the slots below move up one place and the
    // last one is emptied. The making figures stay with the slot positions.
    void Remove(int k) const {
        for (int j = k; j < kSlotCount; ++j) Slot(j).Assign(Slot(j + 1));
        Slot(kSlotCount).Assign(table_.BlankItem());
    }

    // Steps every slot that holds the picked item once. After a removal the
    // scan goes on with the next slot number, which then holds what stood two
    // places further down, so the item that moved up into the emptied place
    // is not looked at again.
    bool FindAndStep(Step step) const {
        bool found = false;
        for (int k = 1; k <= kSlotCount; ++k) {
            if (Slot(k).Name != picked_.Name) continue;
            found = true;
            if (step == Step::Up) {
                StepUp(k);
            } else {
                StepDown(k);
            }
        }
        return found;
    }

    void StepUp(int k) const {
        TMagicItemKest& slot = Slot(k);
        int32_t& level = slot.Level;
        switch (slot.NoteCode) {
            case 'A':
                if (level == kTopGrade || level == -kTopGrade) {
                    Remove(k);
                } else if (level >= 1 && level < kTopGrade) {
                    ++level;
                    slot.Price = LevelPrice(picked_, level);
                } else if (level <= -1 && level > -kTopGrade) {
                    --level;
                    slot.Price = LevelPrice(picked_, level);
                }
                break;  // level 0 is not graded: nothing happens
            case 'B':
                if (level >= kCountLimit) {
                    Remove(k);
                } else if (index_ == kFivePointBattery) {
                    level += kBatteryStep;
                    slot.Price = LevelPrice(picked_, level);
                    if (level > kFivePointLimit) Remove(k);
                } else {
                    ++level;
                    slot.Price = LevelPrice(picked_, level);
                }
                break;
            default:
                Remove(k);  // an item without levels is toggled off
                break;
        }
    }

    void StepDown(int k) const {
        TMagicItemKest& slot = Slot(k);
        int32_t& level = slot.Level;
        switch (slot.NoteCode) {
            case 'A':
                if (level == 1 || level == -1) {
                    Remove(k);
                } else if (level >= 2 && level <= kTopGrade) {
                    --level;
                    slot.Price = LevelPrice(picked_, level);
                } else if (level <= -2 && level >= -kTopGrade) {
                    ++level;
                    slot.Price = LevelPrice(picked_, level);
                }
                break;
            case 'B':
                if (level <= 1) {
                    Remove(k);
                } else if (index_ == kFivePointBattery) {
                    if (level <= kBatteryStep) {
                        Remove(k);
                    } else {
                        level -= kBatteryStep;
                        slot.Price = LevelPrice(picked_, level);
                    }
                } else {
                    --level;
                    slot.Price = LevelPrice(picked_, level);
                }
                break;
            default:
                Remove(k);
                break;
        }
    }

    // An item not yet on the bench goes into the first empty slot, at its
    // catalog level and price; a full bench takes nothing more.
    void PutIn() const {
        for (int k = 1; k <= kSlotCount; ++k) {
            if (Slot(k).Name.empty()) {
                Slot(k).Assign(picked_);
                return;
            }
        }
    }

    // Dearest first. Neighbours are exchanged only when the lower one costs
    // strictly more, so items of equal price keep their order.
    void SortByPrice() const {
        TMagicItemKest& swap = table_.EditSwapItem();
        for (int pass = 0; pass < kSlotCount; ++pass) {
            for (int k = 1; k < kSlotCount; ++k) {
                if (Slot(k + 1).Price > Slot(k).Price) {
                    swap.Assign(Slot(k));
                    Slot(k).Assign(Slot(k + 1));
                    Slot(k + 1).Assign(swap);
                }
            }
        }
    }

    // The second item on an object costs twice its price, the third four
    // times, and so on; then the unicorn horn rule.
    void PriceBySlot() const {
        for (int k = 1; k <= kSlotCount; ++k) {
            TMagicItemKest& slot = Slot(k);
            if (slot.Name.empty()) continue;
            slot.AdjustedPrice = PriceInSlot(slot, k);
            ApplyUnicornRule(slot);
        }
    }

    // Enchanting a unicorn with its own horn: the horn becomes the base item,
    // and the enchantment costs nothing and takes a week.
    void ApplyUnicornRule(TMagicItemKest& slot) const {
        if (!IsUnicornHorn(slot)) return;
        if (state_.BaseItemName == "unicorn horse") {
            const TEquipmentItemKest& horn = EquipmentAt(table_, kUnicornHornArticle);
            state_.BaseItemName = horn.Name;
            state_.BaseItemPrice = horn.Cost;
            state_.BaseItemWeeks = horn.Weeks;
        }
        if (state_.BaseItemName == "unicorn horn") ChargeAsOwnHorn(slot);
    }

    CatalogTable& table_;
    WorkshopState& state_;
    const int32_t index_;
    const TMagicItemKest& picked_;
};

void RunRules(CatalogTable& table, WorkshopState& state, int32_t index, Step step) {
    // Only the magic items and the blank record can be picked; any other
    // index would name a record of another catalog.
    if (index < kFirstIndex || index > kLastIndex) return;
    Bench(table, state, index).Run(step);
}

}  // namespace

void Rectify_Magic_Item_list(CatalogTable& table, WorkshopState& state, int32_t index) {
    RunRules(table, state, index, Step::Up);
}

void UnRectify_Magic_Item_list(CatalogTable& table, WorkshopState& state, int32_t index) {
    RunRules(table, state, index, Step::Down);
}

bool SlotsTakenAgainst(const CatalogTable& table, int32_t index) {
    if (index < 0 || index > kLastIndex) return false;
    const std::string& name = table.MagicItem(index).Name;
    for (int k = 1; k <= kSlotCount; ++k) {
        const std::string& slot = table.Slot(k).Name;
        if (slot.empty() || slot == name) return false;
    }
    return true;
}

int32_t LevelPrice(const TMagicItemKest& item, int32_t level) {
    if (level == item.Level) return item.Price;  // as the catalog puts it on
    switch (item.NoteCode) {
        case 'A':  // x16 at +-5; there are no other grades
            if (level == 0 || level < -kTopGrade || level > kTopGrade) return item.Price;
            return Multiply32(item.Price, int64_t{1} << (std::abs(level) - 1));
        case 'B':
            if (item.CatalogIndex == kFivePointBattery) {
                return Multiply32(item.Price, level / kBatteryStep);
            }
            return Multiply32(item.Price, level);
        default:
            return item.Price;
    }
}

bool LevelReachable(const TMagicItemKest& item, int32_t level) {
    if (level == item.Level) return true;
    switch (item.NoteCode) {
        case 'A':
            if (item.Level >= 1 && item.Level <= kTopGrade) return level >= 1 && level <= kTopGrade;
            if (item.Level <= -1 && item.Level >= -kTopGrade) {
                return level <= -1 && level >= -kTopGrade;
            }
            return false;  // an item at level 0 (or beyond 5) never moves
        case 'B':
            if (item.CatalogIndex == kFivePointBattery) {
                return level >= kBatteryStep && level <= kFivePointLimit &&
                       level % kBatteryStep == 0;
            }
            return level >= 1 && level <= kCountLimit;
        default:
            return false;
    }
}

int32_t PriceInSlot(const TMagicItemKest& slot, int k) {
    if (k == 1 || ImmuneToDoubling(slot.Name)) return slot.Price;
    return Multiply32(slot.Price, int64_t{1} << (k - 1));
}

bool IsUnicornHorn(const TMagicItemKest& slot) { return slot.Name == "Unicorn Horn"; }

void ChargeAsOwnHorn(TMagicItemKest& slot) {
    slot.Price = 0;
    slot.AdjustedPrice = 0;
    slot.Weeks = 1;
}
