// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/sheet_reading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "catalog/making_time.h"
#include "catalog/text_format.h"
#include "workshop/base_items.h"
#include "workshop/combination_rules.h"
#include "workshop/item_sheet.h"
#include "workshop/making_figures.h"
#include "workshop/making_rules.h"
#include "workshop/sheet_text.h"

namespace {

using entries::kSlotCount;

const char kTotalStart[] = "            Total";
// The note codes that make a base item dearer to work.
const char kDearerCodes[] = "DEFGH";
// The least money and weeks the sheet can tell apart.
constexpr double kHundredth = 0.01;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string TrimmedRight(std::string text) {
    const size_t last = text.find_last_not_of(' ');
    text.erase(last == std::string::npos ? 0 : last + 1);
    return text;
}

bool IsTotalLine(const std::string& text) { return text.rfind(kTotalStart, 0) == 0; }

// A line's last two words (its price and weeks) and what stands before them.
struct Figures {
    bool found = false;
    std::string label;
    std::string price;
    std::string weeks;
};

Figures SplitFigures(const std::string& line) {
    Figures figures;
    const size_t weeksBlank = line.find_last_of(' ');
    if (weeksBlank == std::string::npos) return figures;
    const size_t priceEnd = line.find_last_not_of(' ', weeksBlank);
    if (priceEnd == std::string::npos) return figures;
    const size_t priceBlank = line.find_last_of(' ', priceEnd);
    if (priceBlank == std::string::npos) return figures;
    const size_t labelEnd = line.find_last_not_of(' ', priceBlank);
    if (labelEnd == std::string::npos) return figures;
    figures.found = true;
    figures.label = line.substr(0, labelEnd + 1);
    figures.price = line.substr(priceBlank + 1, priceEnd - priceBlank);
    figures.weeks = line.substr(weeksBlank + 1);
    return figures;
}

// Base lines show money with two decimals; slot lines whole dollars.
bool ShowsBaseItem(const Figures& figures) {
    return figures.price.find(textfmt::DecimalSeparator()) != std::string::npos;
}

// A figure as the sheet prints it, read back; NaN when it is none.
double ParseFigure(std::string text) {
    for (char& c : text) {
        if (c == textfmt::DecimalSeparator()) c = '.';
    }
    double value = NAN;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return NAN;
    return value;
}

// The level a slot label shows after an item's name: a graded item's right
// after it, a counted item's after a blank; an item without levels shows
// only its name and stands at its catalog level.
bool LabelLevel(const TMagicItemKest& item, const std::string& label, int32_t& level) {
    if (label.compare(0, item.Name.size(), item.Name) != 0) return false;
    std::string_view rest =
        std::string_view(label).substr(std::min(item.Name.size(), label.size()));
    switch (item.NoteCode) {
        case 'A':
            break;
        case 'B':
            if (rest.empty() || rest[0] != ' ') return false;
            rest.remove_prefix(1);
            break;
        default:
            level = item.Level;
            return label.size() == item.Name.size();
    }
    const auto result = std::from_chars(rest.data(), rest.data() + rest.size(), level);
    return result.ec == std::errc() && result.ptr == rest.data() + rest.size() &&
           textfmt::Int(level) == rest;
}

// A base item that fits a base line, with the weeks figures the line can
// stand for: the bench's own or the catalog's, else those makings leave.
struct BaseFit {
    BaseItem item;
    std::vector<double> weeks;
    size_t madeFrom = 0;  // where the weeks of makings begin

    void Add(double value) {
        if (std::find(weeks.begin(), weeks.end(), value) == weeks.end()) weeks.push_back(value);
    }
};

// The weeks of making a making leaves on the base item: those of its price
// made dearer by the note codes of the slots, in slot order.
template <class Visit>
void ForEachMakingWeeks(double price, int codesLeft, const Visit& visit) {
    visit(WeeksOfMakingFor(price));
    if (codesLeft == 0) return;
    for (const char* code = kDearerCodes; *code != '\0'; ++code) {
        ForEachMakingWeeks(price * NoteCodePriceFactor(*code), codesLeft - 1, visit);
    }
}

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

    // The first line: a base item (then a blank line), or already a magic
    // item or the total line of a bench without a base item.
    bool ReadBase() {
        const PastedLine& line = lines_.front();
        if (!line.error.empty()) return Fail(line.number, line.error);
        const Figures figures = SplitFigures(line.text);
        if (IsTotalLine(line.text) || !figures.found || !ShowsBaseItem(figures)) return true;
        if (!FitBase(line, figures, fits_)) return false;
        ++at_;
        if (!IsBlank(Next())) return Fail(NextNumber(), "a blank line must follow the base item");
        ++at_;
        return true;
    }

    bool ReadSlots() {
        for (const PastedLine* line = Next();
             line != nullptr && !IsBlank(line) && !(line->error.empty() && IsTotalLine(line->text));
             line = Next()) {
            if (!line->error.empty()) return Fail(line->number, line->error);
            if (slots_.size() == static_cast<size_t>(kSlotCount)) {
                return Fail(line->number, "a sixth magic item; the bench holds five");
            }
            const Figures figures = SplitFigures(line->text);
            if (!figures.found) {
                return Fail(line->number, Quoted(line->text) + " is not a line of an item sheet");
            }
            if (ShowsBaseItem(figures)) {
                std::vector<BaseFit> fits;
                if (!FitBase(*line, figures, fits)) return false;
                return Fail(line->number, "the base item " + fits.front().item.name +
                                              " must come first, above the magic items");
            }
            if (!ReadSlot(*line, figures)) return false;
            ++at_;
        }
        return true;
    }

    bool ReadTotal() {
        const PastedLine* line = Next();
        if (line != nullptr && at_ > 0 && !IsBlank(line)) {
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

    // The base items the line shows, or a failure that says why none.
    bool FitBase(const PastedLine& line, const Figures& figures, std::vector<BaseFit>& fits) {
        const double shownWeeks = ParseFigure(figures.weeks);
        const std::vector<BaseItemChoice> choices = BaseItemsStarting(table_, line.text);
        for (const BaseItemChoice& choice : choices) {
            BaseFit fit{choice.item, {}};
            if (!PriceAsShown(choice, figures.price, fit.item.price)) continue;
            const auto fitsLine = [&](double weeks) {
                return FormatBaseLine(fit.item.name, fit.item.price, weeks) == line.text;
            };
            // Where the sheet cannot tell two weeks figures apart, the bench's
            // own (the sheet copied from it) comes first.
            if (bench_.BaseItemName == fit.item.name && bench_.BaseItemPrice == fit.item.price &&
                fitsLine(bench_.BaseItemWeeks)) {
                fit.Add(bench_.BaseItemWeeks);
            }
            if (fitsLine(choice.item.weeks)) fit.Add(choice.item.weeks);
            fit.madeFrom = fit.weeks.size();
            if (fit.weeks.empty()) {
                ForEachMakingWeeks(fit.item.price, kSlotCount, [&](double weeks) {
                    if (std::fabs(weeks - shownWeeks) <= kHundredth && fitsLine(weeks)) {
                        fit.Add(weeks);
                    }
                });
            }
            if (!fit.weeks.empty()) fits.push_back(std::move(fit));
        }
        if (!fits.empty()) return true;
        return Fail(line.number, WhyNoBase(choices, figures));
    }

    // The price a base line shows for a base item: its own, or a gem's at the
    // whole number of carats that gives it.
    static bool PriceAsShown(const BaseItemChoice& choice, const std::string& shown,
                             double& price) {
        if (choice.pricePerCarat <= 0) return true;
        const double carats = std::nearbyint(ParseFigure(shown) / choice.pricePerCarat);
        for (double c = std::max(1.0, carats - 1); c <= carats + 1; ++c) {
            if (textfmt::Fixed2(c * choice.pricePerCarat, 3) == shown) {
                price = c * choice.pricePerCarat;
                return true;
            }
        }
        return false;
    }

    static std::string WhyNoBase(const std::vector<BaseItemChoice>& choices,
                                 const Figures& figures) {
        for (const BaseItemChoice& choice : choices) {
            if (choice.item.name != figures.label) continue;
            const BaseItem& item = choice.item;
            if (choice.pricePerCarat > 0) {
                double price = 0;
                if (!PriceAsShown(choice, figures.price, price)) {
                    return item.name + " costs " + textfmt::Fixed2(choice.pricePerCarat, 3) +
                           " a carat, and " + figures.price + " is no whole number of carats";
                }
            } else if (textfmt::Fixed2(item.price, 3) != figures.price) {
                return item.name + " costs " + textfmt::Fixed2(item.price, 3) + ", not " +
                       figures.price;
            }
            if (textfmt::Fixed2(item.weeks, 3) != figures.weeks) {
                return item.name + " takes " + textfmt::Fixed2(item.weeks, 3) + " weeks, not " +
                       figures.weeks;
            }
            return "the figures of " + item.name + " are not in their columns";
        }
        return "no base item called " + Quoted(figures.label);
    }

    // The slot record a pick leaves in this place: the place's own figures,
    // and the catalog item's at the level shown.
    TMagicItemKest SlotAt(int k, const TMagicItemKest& item, int32_t level) const {
        TMagicItemKest slot = Place(k);
        slot.Assign(item);
        slot.Level = level;
        slot.Price = LevelPrice(item, level);
        slot.AdjustedPrice = PriceInSlot(slot, k);
        return slot;
    }

    TMagicItemKest Place(int k) const {
        const auto at = static_cast<size_t>(k - 1);
        return at < bench_.Slots.size() ? bench_.Slots[at] : TMagicItemKest(-1);
    }

    bool ReadSlot(const PastedLine& line, const Figures& figures) {
        const int k = static_cast<int>(slots_.size()) + 1;
        std::string why;
        for (int32_t i = 0; i < kMagicItemCount; ++i) {
            const TMagicItemKest& item = table_.MagicItem(i);
            int32_t level = 0;
            if (!LabelLevel(item, figures.label, level)) continue;
            const std::string name = TrimmedRight(item.Name);
            if (!LevelReachable(item, level)) {
                if (why.empty()) why = name + " has no level " + textfmt::Int(level);
                continue;
            }
            TMagicItemKest slot = SlotAt(k, item, level);
            TMagicItemKest ownHorn = slot;
            ChargeAsOwnHorn(ownHorn);
            if (FormatSheetSlotLine(slot) == line.text) return TakeSlot(line, std::move(slot));
            if (IsUnicornHorn(slot) && FormatSheetSlotLine(ownHorn) == line.text) {
                return TakeSlot(line, std::move(ownHorn));
            }
            if (!why.empty()) continue;
            if (textfmt::General(slot.AdjustedPrice) != figures.price) {
                why = name + " costs " + textfmt::General(slot.AdjustedPrice) + " in slot " +
                      textfmt::Int(k) + ", not " + figures.price;
            } else if (textfmt::General(slot.Weeks) != figures.weeks) {
                why = name + " takes " + textfmt::General(slot.Weeks) + " weeks, not " +
                      figures.weeks;
            } else {
                why = "the figures of " + name + " are not in their columns";
            }
        }
        if (why.empty()) why = "no magic item called " + Quoted(figures.label);
        return Fail(line.number, why);
    }

    // The rules keep one slot per item and the dearest first (a Unicorn Horn
    // charged as a unicorn's own stays where it was sorted at its price).
    bool TakeSlot(const PastedLine& line, TMagicItemKest slot) {
        for (size_t j = 0; j < slots_.size(); ++j) {
            if (slots_[j].Name == slot.Name) {
                return Fail(line.number, TrimmedRight(slot.Name) +
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
                return Fail(line.number, TrimmedRight(slot.Name) +
                                             " costs more than the item above it; the dearest "
                                             "stand first");
            }
        }
        slots_.push_back(std::move(slot));
        slotLines_.push_back(line.number);
        return true;
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
            PreferWeeksOfThisMaking(fit, plan.Slots);
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

    // Of the weeks makings leave, a bench copied right after its making shows
    // those of the slots on the sheet.
    static void PreferWeeksOfThisMaking(BaseFit& fit, const std::vector<TMagicItemKest>& slots) {
        const double made = WeeksOfMakingFor(AdjustedBasePriceFor(slots, fit.item.price));
        const auto from = fit.weeks.begin() + static_cast<std::ptrdiff_t>(fit.madeFrom);
        const auto at = std::find(from, fit.weeks.end(), made);
        if (at != fit.weeks.end()) std::rotate(from, at, at + 1);
    }

    bool TryPlan(const WorkbenchSnapshot& plan, const std::string& text) {
        if (TrimmedRight(BuildPlanSheet(plan).back()) != text) return false;
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
    return SheetReader(table, bench, std::move(pasted.lines)).Read();
}
