// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/window/soak_checks.h"

#include <algorithm>
#include <set>
#include <sstream>

#include "app/tform1.h"
#include "catalog/magic_item.h"
#include "ui/control_names.h"

namespace {

// The rules promise at most five items on the bench, and the window has
// exactly five slots for them.
constexpr int kSlots = 5;
constexpr int kListWidth = 123;
const std::string kTotalLabel = "            Total  ";

std::string Quoted(const std::string& text) { return "|" + text + "|"; }

// The making report: the name and a blank line, the base line and a blank,
// one line per slot with a good week, a blank and the total line. Its lines
// are as long as their figures make them, not the lists' 123.
bool LooksLikeTheMakingReport(const std::vector<std::string>& lines) {
    return lines.size() >= 4 && lines.size() <= 6 + kSlots &&
           lines.back().compare(0, kTotalLabel.size(), kTotalLabel) == 0 &&
           static_cast<int>(lines.back().size()) < kListWidth && lines[lines.size() - 2] == " ";
}

std::string CheckPane(const TForm1& form) {
    const std::vector<std::string> lines = Named<OutputPane>(form, "RichEdit1")->Lines();
    const bool report = LooksLikeTheMakingReport(lines);
    const bool listShown = form.Workshop().shown != ShownList::None;
    if (report == listShown) {
        return report ? "the making report is in the pane, yet a list is recorded as shown"
                      : "a list is in the pane, yet none is recorded as shown";
    }
    if (report) return "";
    // Every line of every list is 123 characters: picking counts on it.
    if (lines.size() < 3) return "a list of " + std::to_string(lines.size()) + " lines";
    for (size_t i = 0; i < lines.size(); ++i) {
        if (static_cast<int>(lines[i].size()) != kListWidth) {
            return "list line " + std::to_string(i) + " is " + std::to_string(lines[i].size()) +
                   " characters: " + Quoted(lines[i]);
        }
    }
    return "";
}

std::string CheckBench(const TForm1& form) {
    const CatalogTable& table = form.Catalogs();
    const WorkshopState& state = form.Workshop();
    int filled = 0;
    std::set<std::string> names;
    for (int k = 1; k <= kSlots; ++k) {
        const TMagicItemKest& slot = table.Slot(k);
        const std::string where = "slot " + std::to_string(k) + " " + Quoted(slot.Name);
        // Filled from the first slot on, without a gap.
        if (slot.Name.empty()) continue;
        if (filled != k - 1) return where + " is filled below an empty slot";
        ++filled;
        if (!names.insert(slot.Name).second) return where + " holds an item twice on the bench";
        if (slot.CatalogIndex < 0 || slot.CatalogIndex >= kMagicItemCount ||
            table.MagicItem(slot.CatalogIndex).Name != slot.Name) {
            return where + " is no magic item of the catalog (index " +
                   std::to_string(slot.CatalogIndex) + ")";
        }
        // Figures the rules never make negative (a level may be: Weakness ST-2).
        const double figures[] = {double(slot.Price),
                                  double(slot.AdjustedPrice),
                                  slot.Weeks,
                                  slot.WeeksWorked,
                                  slot.WeeksLost,
                                  slot.CostSoFar,
                                  double(slot.IngredientCost)};
        for (const double figure : figures) {
            if (figure < 0) return where + " has a negative figure: " + DescribeMagicItem(slot);
        }
    }
    // The item sheet, once drawn, lists the base item, each filled slot and
    // the total.
    const int sheet = Named<SheetList>(form, "ListBox1")->count();
    const int expected = (state.BaseItemName.empty() ? 0 : 2) + filled + 2;
    if (sheet != 0 && sheet != expected) {
        return "the item sheet has " + std::to_string(sheet) + " lines for " +
               std::to_string(filled) + " items" +
               (state.BaseItemName.empty() ? "" : " and a base");
    }
    const TMagicItemKest& blank = table.BlankItem();
    if (!blank.Name.empty() || blank.Price != 0 || blank.Weeks != 0 || blank.Level != 0) {
        return "the blank record that empties a slot was changed: " + DescribeMagicItem(blank);
    }
    return "";
}

std::string CheckFigures(const TForm1& form) {
    const WorkshopState& s = form.Workshop();
    const std::pair<const char*, double> figures[] = {
        {"BaseItemPrice", s.BaseItemPrice},
        {"BaseItemWeeks", s.BaseItemWeeks},
        {"HexCount", s.HexCount},
        {"SheetTotalPrice", s.SheetTotalPrice},
        {"SheetTotalWeeks", s.SheetTotalWeeks},
        {"AdjustedBasePrice", s.AdjustedBasePrice},
        {"AdjustedBaseWeeks", s.AdjustedBaseWeeks},
        {"WeeksElapsed", s.WeeksElapsed},
        {"TotalCostSoFar", s.TotalCostSoFar},
    };
    for (const auto& [name, value] : figures) {
        if (value < 0) return std::string(name) + " is negative: " + std::to_string(value);
    }
    if (s.Making && s.MakingDone) return "a making both runs and is done";
    if (s.DX < 5 || s.DX > 16) return "DX " + std::to_string(s.DX) + " outside 5..16";
    const int position = Named<UpDown>(form, "UpDown1")->Position();
    if (position < 1 || position > 999) return "spinner at " + std::to_string(position);
    if (s.DX != std::clamp(position, 5, 16)) {
        return "DX " + std::to_string(s.DX) + " with the spinner at " + std::to_string(position);
    }
    return "";
}

std::string CheckControls(const TForm1& form) {
    // From Make until the name is stored the name box and "&Name" stand in
    // the spinner's place.
    const bool naming = form.Moment() != WindowMoment::Planning;
    const UpDown* spinner = Named<UpDown>(form, "UpDown1");
    if (naming != Named<NameBox>(form, "Edit1")->isVisible() || naming == spinner->isVisible()) {
        return "the name box or the spinner shown in the wrong moment";
    }
    const std::string make = ButtonNamed(form, "Button_Make")->Caption();
    if (make != (naming ? "&Name" : "&Make")) return "Make button captioned " + Quoted(make);
    const std::string dx = "DX: " + std::to_string(spinner->Position());
    const std::string label = Named<Label>(form, "Label13")->Caption();
    if (label != (naming ? std::string("Name item") : dx)) {
        return "the DX label reads " + Quoted(label);
    }
    // The driver's hold keeps the timer still; weeks pass only on ticks.
    if (Named<QTimer>(form, "Timer1")->isActive()) return "the held making timer runs";
    const QRect pane = Named<OutputPane>(form, "RichEdit1")->geometry();
    const QRect fill(1, 216, std::max(0, form.width() - 2), std::max(0, form.height() - 218));
    if (pane != fill) {
        std::ostringstream out;
        out << "pane at " << pane.x() << ',' << pane.y() << ' ' << pane.width() << 'x'
            << pane.height() << " in a window of " << form.width() << 'x' << form.height();
        return out.str();
    }
    return "";
}

}  // namespace

std::string DescribeMagicItem(const TMagicItemKest& item) {
    std::ostringstream out;
    out << Quoted(item.Name) << " Price " << item.Price << " AdjustedPrice " << item.AdjustedPrice
        << " Level " << item.Level << " NoteCode " << int(item.NoteCode) << " Weeks " << item.Weeks
        << " WeeksWorked " << item.WeeksWorked << " WeeksLost " << item.WeeksLost << " CostSoFar "
        << item.CostSoFar << " STPerDay " << item.STPerDay << " IngredientCost "
        << item.IngredientCost << " CatalogIndex " << item.CatalogIndex;
    return out.str();
}

SoakChecks::SoakChecks(const TForm1& form) {
    for (int i = 0; i < kMagicItemCount; ++i) {
        magicItems_.push_back(DescribeMagicItem(form.Catalogs().MagicItem(i)));
    }
}

std::string SoakChecks::Check(const TForm1& form) const {
    for (int i = 0; i < kMagicItemCount; ++i) {
        if (DescribeMagicItem(form.Catalogs().MagicItem(i)) !=
            magicItems_[static_cast<size_t>(i)]) {
            return "magic item " + std::to_string(i) +
                   " of the catalog changed: " + DescribeMagicItem(form.Catalogs().MagicItem(i));
        }
    }
    for (auto check : {CheckPane, CheckBench, CheckFigures, CheckControls}) {
        std::string failure = check(form);
        if (!failure.empty()) return failure;
    }
    return "";
}
