// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/sheet_lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string_view>
#include <utility>

#include "catalog/catalog_table.h"
#include "catalog/gem.h"
#include "catalog/making_time.h"
#include "catalog/text_format.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/bench/workbench_history.h"
#include "workshop/making/making_figures.h"
#include "workshop/making/making_rules.h"

namespace {

using entries::kSlotCount;

// The note codes that make a base item dearer to work.
const char kDearerCodes[] = "DEFGH";
// The least money and weeks the sheet can tell apart.
constexpr double kHundredth = 0.01;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

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

void AddWeeks(BaseFit& fit, double weeks) {
    if (std::find(fit.weeks.begin(), fit.weeks.end(), weeks) == fit.weeks.end()) {
        fit.weeks.push_back(weeks);
    }
}

// A base item a base line may show: a gem may stand at any whole number of
// carats (a random treasure cuts the stones), at pricePerCarat each; its
// item.price is its present size.
struct BaseItemChoice {
    BaseItem item;
    double pricePerCarat = 0;
};

// The base items whose names begin the line, catalog by catalog. A nameless
// entry (the empty jewelry place) is never a base item.
std::vector<BaseItemChoice> BaseItemsStarting(const CatalogTable& table, const std::string& line) {
    std::vector<BaseItemChoice> choices;
    for (const BaseRef& ref : BaseRefs(table)) {
        BaseItem item = BaseItemOf(table, ref);
        if (line.compare(0, item.name.size(), item.name) != 0) continue;
        if (item.name.find_first_not_of(' ') == std::string::npos) continue;
        const double perCarat = CutToSize(ref.source) ? GemAt(table, ref.n).PricePerCarat : 0;
        choices.push_back({std::move(item), perCarat});
    }
    return choices;
}

// The price a base line shows for a base item: its own, or a gem's at the
// whole number of carats that gives it.
bool PriceAsShown(const BaseItemChoice& choice, const std::string& shown, double& price) {
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

std::string WhyNoBase(const std::vector<BaseItemChoice>& choices, const SheetLineParts& parts) {
    for (const BaseItemChoice& choice : choices) {
        if (choice.item.name != parts.label) continue;
        const BaseItem& item = choice.item;
        if (choice.pricePerCarat > 0) {
            double price = 0;
            if (!PriceAsShown(choice, parts.price, price)) {
                return item.name + " costs " + textfmt::Fixed2(choice.pricePerCarat, 3) +
                       " a carat, and " + parts.price + " is no whole number of carats";
            }
        } else if (textfmt::Fixed2(item.price, 3) != parts.price) {
            return item.name + " costs " + textfmt::Fixed2(item.price, 3) + ", not " + parts.price;
        }
        if (textfmt::Fixed2(item.weeks, 3) != parts.weeks) {
            return item.name + " takes " + textfmt::Fixed2(item.weeks, 3) + " weeks, not " +
                   parts.weeks;
        }
        return "the figures of " + item.name + " are not in their columns";
    }
    return "no base item called " + Quoted(parts.label);
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

}  // namespace

std::string NameInMessage(std::string name) {
    name.erase(name.find_last_not_of(' ') + 1);
    return name;
}

SheetLineParts SplitSheetLine(const std::string& line) {
    SheetLineParts parts;
    const size_t weeksBlank = line.find_last_of(' ');
    if (weeksBlank == std::string::npos) return parts;
    const size_t priceEnd = line.find_last_not_of(' ', weeksBlank);
    if (priceEnd == std::string::npos) return parts;
    const size_t priceBlank = line.find_last_of(' ', priceEnd);
    if (priceBlank == std::string::npos) return parts;
    const size_t labelEnd = line.find_last_not_of(' ', priceBlank);
    if (labelEnd == std::string::npos) return parts;
    parts.found = true;
    parts.label = line.substr(0, labelEnd + 1);
    parts.price = line.substr(priceBlank + 1, priceEnd - priceBlank);
    parts.weeks = line.substr(weeksBlank + 1);
    return parts;
}

bool ShowsBaseItem(const SheetLineParts& parts) {
    return parts.found && parts.price.find(textfmt::DecimalSeparator()) != std::string::npos;
}

void BaseFit::PreferMakingOf(const std::vector<TMagicItemKest>& slots) {
    const double made = WeeksOfMakingFor(AdjustedBasePriceFor(slots, item.price));
    const auto from = weeks.begin() + static_cast<std::ptrdiff_t>(madeFrom);
    const auto at = std::find(from, weeks.end(), made);
    if (at != weeks.end()) std::rotate(from, at, at + 1);
}

std::vector<BaseFit> FitBaseLine(const CatalogTable& table, const WorkbenchSnapshot& bench,
                                 const std::string& line, std::string& why) {
    const SheetLineParts parts = SplitSheetLine(line);
    const double shownWeeks = ParseFigure(parts.weeks);
    const std::vector<BaseItemChoice> choices = BaseItemsStarting(table, line);
    std::vector<BaseFit> fits;
    for (const BaseItemChoice& choice : choices) {
        BaseFit fit{choice.item, {}};
        if (!PriceAsShown(choice, parts.price, fit.item.price)) continue;
        const auto fitsLine = [&](double weeks) {
            return FormatBaseLine(fit.item.name, fit.item.price, weeks) == line;
        };
        if (bench.BaseItemName == fit.item.name && bench.BaseItemPrice == fit.item.price &&
            fitsLine(bench.BaseItemWeeks)) {
            AddWeeks(fit, bench.BaseItemWeeks);
        }
        if (fitsLine(choice.item.weeks)) AddWeeks(fit, choice.item.weeks);
        fit.madeFrom = fit.weeks.size();
        if (fit.weeks.empty()) {
            ForEachMakingWeeks(fit.item.price, kSlotCount, [&](double weeks) {
                if (std::fabs(weeks - shownWeeks) <= kHundredth && fitsLine(weeks)) {
                    AddWeeks(fit, weeks);
                }
            });
        }
        if (!fit.weeks.empty()) fits.push_back(std::move(fit));
    }
    if (fits.empty()) why = WhyNoBase(choices, parts);
    return fits;
}

std::optional<TMagicItemKest> ReadSlotLine(const CatalogTable& table, const TMagicItemKest& place,
                                           int k, const std::string& line, std::string& why) {
    const SheetLineParts parts = SplitSheetLine(line);
    why.clear();
    for (int32_t i = 0; i < kMagicItemCount; ++i) {
        const TMagicItemKest& item = table.MagicItem(i);
        int32_t level = 0;
        if (!LabelLevel(item, parts.label, level)) continue;
        if (!LevelReachable(item, level)) {
            if (why.empty())
                why = NameInMessage(item.Name) + " has no level " + textfmt::Int(level);
            continue;
        }
        TMagicItemKest slot = place;
        slot.Assign(item);
        slot.Level = level;
        slot.Price = LevelPrice(item, level);
        slot.AdjustedPrice = PriceInSlot(slot, k);
        if (FormatSheetSlotLine(slot) == line) return slot;
        if (IsUnicornHorn(slot)) {
            TMagicItemKest ownHorn = slot;
            ChargeAsOwnHorn(ownHorn);
            if (FormatSheetSlotLine(ownHorn) == line) return ownHorn;
        }
        if (!why.empty()) continue;
        if (textfmt::General(slot.AdjustedPrice) != parts.price) {
            why = NameInMessage(item.Name) + " costs " + textfmt::General(slot.AdjustedPrice) +
                  " in slot " + textfmt::Int(k) + ", not " + parts.price;
        } else if (textfmt::General(slot.Weeks) != parts.weeks) {
            why = NameInMessage(item.Name) + " takes " + textfmt::General(slot.Weeks) +
                  " weeks, not " + parts.weeks;
        } else {
            why = "the figures of " + NameInMessage(item.Name) + " are not in their columns";
        }
    }
    if (why.empty()) why = "no magic item called " + Quoted(parts.label);
    return std::nullopt;
}
