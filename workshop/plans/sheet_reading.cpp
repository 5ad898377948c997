// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/sheet_reading.h"

#include <cstddef>
#include <utility>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/text_format.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/plans/sheet_figures.h"
#include "workshop/plans/sheet_lines.h"
#include "workshop/plans/sheet_text.h"

namespace {

using entries::kSlotCount;

const char kTotalStart[] = "            Total";

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

bool IsTotalLine(const std::string& text) { return text.rfind(kTotalStart, 0) == 0; }

// Reads the sheet line by line as BuildItemSheet writes it: the base item
// and a blank line (when there is a base item), the filled slots, a blank
// line and the total line.
class SheetReader {
public:
    SheetReader(const CatalogTable& table, const WorkbenchSnapshot& bench,
                std::vector<PastedLine> lines)
        : table_(table), bench_(bench), lines_(std::move(lines)) {}

    SheetReading Read() {
        SheetReading reading;
        if (ReadBase() && ReadSlots() && ReadTotal()) {
            reading.plan = std::move(plan_);
        } else {
            reading.error = std::move(error_);
        }
        return reading;
    }

private:
    bool Fail(int number, const std::string& why) {
        error_ = "line " + textfmt::Int(number) + ": " + why;
        return false;
    }

    const PastedLine* Next() const { return at_ < lines_.size() ? &lines_[at_] : nullptr; }
    int NextNumber() const {
        return at_ < lines_.size() ? lines_[at_].number : lines_.back().number + 1;
    }
    static bool IsBlank(const PastedLine* line) {
        return line != nullptr && line->error.empty() && line->text.empty();
    }
    static bool IsTotal(const PastedLine* line) {
        return line != nullptr && line->error.empty() && IsTotalLine(line->text);
    }

    // The first line: a base item (then a blank line), or already a magic
    // item or the total line of a bench without a base item.
    bool ReadBase() {
        const PastedLine& line = lines_.front();
        if (!line.error.empty()) return Fail(line.number, line.error);
        if (IsTotalLine(line.text) || !ShowsBaseItem(SplitSheetLine(line.text))) return true;
        std::string why;
        fits_ = FitBaseLine(table_, bench_, line.text, why);
        if (fits_.empty()) return Fail(line.number, why);
        ++at_;
        if (!IsBlank(Next())) return Fail(NextNumber(), "a blank line must follow the base item");
        ++at_;
        return true;
    }

    bool ReadSlots() {
        for (const PastedLine* line = Next(); line != nullptr && !IsBlank(line) && !IsTotal(line);
             line = Next()) {
            if (!line->error.empty()) return Fail(line->number, line->error);
            if (slots_.size() == static_cast<size_t>(kSlotCount)) {
                return Fail(line->number, "a sixth magic item; the bench holds five");
            }
            const SheetLineParts parts = SplitSheetLine(line->text);
            if (!parts.found) {
                return Fail(line->number, Quoted(line->text) + " is not a line of an item sheet");
            }
            std::string why;
            if (ShowsBaseItem(parts)) {
                const std::vector<BaseFit> fits = FitBaseLine(table_, bench_, line->text, why);
                if (fits.empty()) return Fail(line->number, why);
                return Fail(line->number, "the base item " + fits.front().item.name +
                                              " must come first, above the magic items");
            }
            const int k = static_cast<int>(slots_.size()) + 1;
            std::optional<TMagicItemKest> slot = ReadSlotLine(table_, Place(k), k, line->text, why);
            if (!slot) return Fail(line->number, why);
            if (!TakeSlot(*line, std::move(*slot))) return false;
            ++at_;
        }
        return true;
    }

    // The rules keep one slot per item and the dearest first (a Unicorn Horn
    // charged as a unicorn's own stays where it was sorted at its price).
    bool TakeSlot(const PastedLine& line, TMagicItemKest slot) {
        for (size_t j = 0; j < slots_.size(); ++j) {
            if (slots_[j].Name == slot.Name) {
                return Fail(line.number, NameInMessage(slot.Name) +
                                             " is on the bench already, on line " +
                                             textfmt::Int(slotLines_[j]));
            }
        }
        if (!slots_.empty()) {
            const TMagicItemKest& above = slots_.back();
            const bool ownHorn = IsUnicornHorn(above) && above.Price == 0;
            const int32_t sortedAt =
                ownHorn ? table_.MagicItem(above.CatalogIndex).Price : above.Price;
            if (slot.Price > sortedAt) {
                return Fail(line.number, NameInMessage(slot.Name) +
                                             " costs more than the item above it; the dearest "
                                             "stand first");
            }
        }
        slots_.push_back(std::move(slot));
        slotLines_.push_back(line.number);
        return true;
    }

    bool ReadTotal() {
        const PastedLine* line = Next();
        if (IsTotal(line) && at_ > 0) {
            return Fail(line->number, "a blank line must come before the total line");
        }
        if (IsBlank(line)) ++at_;
        line = Next();
        if (line == nullptr) return Fail(NextNumber(), "the sheet ends before its total line");
        if (!line->error.empty()) return Fail(line->number, line->error);
        if (!IsTotalLine(line->text)) {
            return Fail(line->number, Quoted(line->text) + " stands where the total line should");
        }
        if (!MatchTotal(line->text)) {
            return Fail(line->number, "the total does not add up to the lines above it");
        }
        for (++at_; at_ < lines_.size(); ++at_) {
            if (!IsBlank(&lines_[at_])) {
                return Fail(lines_[at_].number, "nothing may follow the total line");
            }
        }
        return true;
    }

    // The record now in slot k, whose making figures a pick would keep.
    TMagicItemKest Place(int k) const {
        const auto at = static_cast<size_t>(k - 1);
        return at < bench_.Slots.size() ? bench_.Slots[at] : TMagicItemKest(-1);
    }

    // The plan whose total line is the one shown: each base item that fits,
    // each of its weeks, in turn.
    bool MatchTotal(const std::string& text) {
        WorkbenchSnapshot plan;
        for (int k = 1; k <= kSlotCount; ++k) {
            const auto at = static_cast<size_t>(k - 1);
            if (at < slots_.size()) {
                plan.Slots.push_back(slots_[at]);
            } else {
                plan.Slots.push_back(Place(k));
                plan.Slots.back().Assign(table_.BlankItem());
            }
        }
        if (fits_.empty()) {
            // No base item: as at start-up, or (the sheet cannot tell) the
            // bench's own hexes when it has none either.
            if (bench_.BaseItemName.empty() && bench_.HexCount != 0) {
                plan.HexCount = bench_.HexCount;
                if (TryPlan(plan, text)) return true;
                plan.HexCount = 0;
            }
            return TryPlan(plan, text);
        }
        for (BaseFit& fit : fits_) {
            fit.PreferMakingOf(plan.Slots);
            plan.BaseItemName = fit.item.name;
            plan.BaseItemPrice = fit.item.price;
            plan.HexCount = fit.item.hexes;
            for (double weeks : fit.weeks) {
                plan.BaseItemWeeks = weeks;
                if (TryPlan(plan, text)) return true;
            }
        }
        return false;
    }

    bool TryPlan(const WorkbenchSnapshot& plan, const std::string& text) {
        if (BuildPlanSheet(plan).back() != text) return false;
        plan_ = plan;
        return true;
    }

    const CatalogTable& table_;
    const WorkbenchSnapshot& bench_;
    const std::vector<PastedLine> lines_;
    size_t at_ = 0;
    std::vector<BaseFit> fits_;  // none: no base item
    std::vector<TMagicItemKest> slots_;
    std::vector<int> slotLines_;
    WorkbenchSnapshot plan_;
    std::string error_;
};

}  // namespace

SheetReading ReadItemSheet(const CatalogTable& table, const WorkbenchSnapshot& bench,
                           std::string_view utf8) {
    PastedText pasted = SplitPastedText(utf8);
    if (!pasted.error.empty()) return {std::nullopt, pasted.error};
    ReadFiguresAsWritten(pasted.lines);
    return SheetReader(table, bench, std::move(pasted.lines)).Read();
}
