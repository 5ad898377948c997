// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/bench/item_sheet.h"

#include <utility>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/text_format.h"
#include "workshop/bench/int32_wrap.h"
#include "workshop/bench/workbench_history.h"

namespace {

using entries::kSlotCount;

// The money of the base and total lines ends at column 45, the integer prices
// of the slot lines at 42: "%3f" puts three more characters (".00") after the
// integer digits, so the digits of all lines stand in the same columns.
constexpr int kFixedPriceEnd = 45;
constexpr int kSlotPriceEnd = 42;
constexpr int kWeeksWidth = 7;
constexpr int kFixedMinWidth = 3;

const char kTotalLabel[] = "            Total  ";

std::string SlotLine(const TMagicItemKest& slot, double price, double weeks) {
    return textfmt::LineBuilder(SheetSlotLabel(slot))
        .FigureEndAt(kSlotPriceEnd, textfmt::General(price))
        .FigureRight(kWeeksWidth, textfmt::General(weeks))
        .Take();
}

}  // namespace

std::string SheetSlotLabel(const TMagicItemKest& slot) {
    switch (slot.NoteCode) {
        case 'A':
            return slot.Name + textfmt::Int(slot.Level);
        case 'B':
            return slot.Name + " " + textfmt::Int(slot.Level);
        default:
            return slot.Name;
    }
}

namespace {

struct SheetTotals {
    double price = 0;
    double weeks = 0;
};

// The item sheet of a base item and the five slots slotAt(1..5) gives (a
// missing slot counts as empty), and the totals its last line shows.
template <class SlotAt>
std::vector<std::string> SheetLines(const std::string& baseName, double basePrice, double baseWeeks,
                                    int32_t hexCount, SlotAt slotAt, SheetTotals& totals) {
    std::vector<std::string> lines;
    if (!baseName.empty()) {
        lines.push_back(FormatBaseLine(baseName, basePrice, baseWeeks));
        lines.push_back(" ");
    }
    // Every slot counts in the totals, listed or not; the prices add up as
    // 32-bit dollars.
    int64_t slotPrices = 0;
    double slotWeeks = 0;
    for (int k = 1; k <= kSlotCount; ++k) {
        const TMagicItemKest* slot = slotAt(k);
        if (slot == nullptr) continue;
        if (!slot->Name.empty()) lines.push_back(FormatSheetSlotLine(*slot));
        slotPrices += slot->AdjustedPrice;
        slotWeeks += slot->Weeks;
    }
    totals.price = Wrap32(slotPrices) + basePrice;
    totals.weeks = slotWeeks + baseWeeks;
    lines.push_back(" ");
    lines.push_back(FormatTotalLine(hexCount, totals.price, totals.weeks));
    return lines;
}

}  // namespace

std::string FormatBaseLine(const std::string& name, double price, double weeks) {
    return textfmt::LineBuilder(name)
        .FigureEndAt(kFixedPriceEnd, textfmt::Fixed2(price, kFixedMinWidth))
        .FigureRight(kWeeksWidth, textfmt::Fixed2(weeks, kFixedMinWidth))
        .Take();
}

std::string FormatSheetSlotLine(const TMagicItemKest& slot) {
    return SlotLine(slot, slot.AdjustedPrice, slot.Weeks);
}

std::string FormatMakingSlotLine(const TMagicItemKest& slot) {
    return SlotLine(slot, slot.CostSoFar, slot.WeeksWorked + slot.WeeksLost);
}

double TotalLinePrice(int32_t hexCount, double priceTotal) {
    return hexCount >= 2 ? hexCount * priceTotal : priceTotal;
}

std::string FormatTotalLine(int32_t hexCount, double priceTotal, double weeksTotal) {
    textfmt::LineBuilder line(kTotalLabel);
    // An item covering several hexes costs its price once per hex; the weeks
    // of making stay the same.
    if (hexCount >= 2) line.Text("x").Text(textfmt::Int(hexCount)).Text(" hexes =  ");
    return line
        .FigureEndAt(kFixedPriceEnd,
                     textfmt::Fixed2(TotalLinePrice(hexCount, priceTotal), kFixedMinWidth))
        .FigureRight(kWeeksWidth, textfmt::Fixed2(weeksTotal, kFixedMinWidth))
        .Take();
}

std::vector<std::string> BuildItemSheet(const CatalogTable& table, WorkshopState& state) {
    SheetTotals totals;
    auto lines = SheetLines(
        state.BaseItemName, state.BaseItemPrice, state.BaseItemWeeks, state.HexCount,
        [&](int k) { return &table.Slot(k); }, totals);
    state.SheetTotalPrice = totals.price;
    state.SheetTotalWeeks = totals.weeks;
    return lines;
}

std::vector<std::string> WithItemName(const std::string& name, std::vector<std::string> report) {
    if (!name.empty()) report.insert(report.begin(), {name, " "});
    return report;
}

std::vector<std::string> BuildPlanSheet(const WorkbenchSnapshot& plan) {
    SheetTotals totals;
    const auto slotAt = [&](int k) {
        const auto at = static_cast<size_t>(k - 1);
        return at < plan.Slots.size() ? &plan.Slots[at] : nullptr;
    };
    return SheetLines(plan.BaseItemName, plan.BaseItemPrice, plan.BaseItemWeeks, plan.HexCount,
                      slotAt, totals);
}

std::vector<std::string> BuildMakingReport(const CatalogTable& table, WorkshopState& state) {
    std::vector<std::string> lines;
    // The base line stands even without a base item: blanks and the two figures.
    lines.push_back(
        FormatBaseLine(state.BaseItemName, state.AdjustedBasePrice, state.AdjustedBaseWeeks));
    lines.push_back(" ");
    // Only slots that have had a good week are listed; the money of the others
    // is in the total all the same.
    for (int k = 1; k <= kSlotCount; ++k) {
        const TMagicItemKest& slot = table.Slot(k);
        if (slot.WeeksWorked > 0 && !slot.Name.empty()) lines.push_back(FormatMakingSlotLine(slot));
    }
    state.SheetTotalPrice = state.TotalCostSoFar;
    lines.push_back(" ");
    lines.push_back(FormatTotalLine(state.HexCount, state.SheetTotalPrice,
                                    state.WeeksElapsed + state.AdjustedBaseWeeks));
    return WithItemName(state.MadeItemName, std::move(lines));
}
