// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/kept_lists.h"

#include <string>

#include "journal/workshop_journal.h"

namespace {

// The labels of the first row of captions; the others (4, 6 and 8) stand
// below them, captionless here.
// The items made: the money ending at column 58 and the weeks at 66, as they
// always stood, the date made before them; narrow enough that all of it
// shows in the pane as the window opens, and the captions stand clear of the
// Make button.
// clang-format off
const ListForm kItemsForm = {{
    {"Item",        0,  20, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Base item",   20, 18, Align::Left,  Holds::Texts,   1, {20, 3}},
    {"Made",        38, 10, Align::Left,  Holds::Texts,   2, {38, 3}},
    {"Making cost", 48, 10, Align::Right, Holds::Figures, 3, {47, 3}},
    {"Weeks",       58, 8,  Align::Right, Holds::Figures, 5, {61, 3}},
}, {{6, {66, 3}}}, true};

// The plans kept: the enchantments last, from column 63 on, and on note lines
// under their plan where they do not fit.
const ListForm kPlansForm = {{
    {"Plan",        0,  18, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Base item",   18, 16, Align::Left,  Holds::Texts,   1, {18, 3}},
    {"Price",       34, 10, Align::Right, Holds::Figures, 2, {39, 3}},
    {"Weeks",       44, 7,  Align::Right, Holds::Figures, 3, {46, 3}},
    {"Kept",        52, 10, Align::Left,  Holds::Texts,   5, {52, 3}},
    {"Magic",       63, 60, Align::Left,  Holds::Texts,   7, {62, -3}},
}, {}, true};
// clang-format on
constexpr size_t kMagic = 5;
constexpr int kFixedMinWidth = 3;

// A text cut to leave at least one blank in its column.
Cell Fit(const ListForm& form, const std::string& text, size_t column) {
    return Cell::Text(text.substr(0, size_t(form.columns[column].width - 1)));
}

Cell Figure(double value) { return Cell::Fixed(value, kFixedMinWidth); }

// The enchantments, separated by commas, in as few pieces of the column's
// width as they fit in; a name is never split.
std::vector<std::string> EnchantmentPieces(const std::vector<std::string>& names) {
    const auto width = static_cast<size_t>(kPlansForm.columns[kMagic].width);
    std::vector<std::string> pieces(1);
    for (size_t i = 0; i < names.size(); ++i) {
        const std::string name = i + 1 < names.size() ? names[i] + "," : names[i];
        if (pieces.back().empty()) {
            pieces.back() = name;
        } else if (pieces.back().size() + 1 + name.size() <= width) {
            pieces.back() += " " + name;
        } else {
            pieces.push_back(name);
        }
    }
    return pieces;
}

Listing Finished(Listing listing, ShownList shown) {
    listing.Format();
    listing.returnToTop = true;
    listing.shown = shown;
    return listing;
}

}  // namespace

Listing ListKeptItems(const std::vector<KeptItem>& items) {
    Listing listing(&kItemsForm);
    listing.rows.reserve(items.size());
    for (size_t i = 0; i < items.size(); ++i) {
        const KeptItem& item = items[i];
        listing
            .Add(Fit(kItemsForm, item.name, 0), Fit(kItemsForm, item.baseItem, 1),
                 Cell::Text(DateText(item.made)), Figure(item.money), Figure(item.weeks))
            .pick = {PickKind::MadeItem, {}, static_cast<int32_t>(i), 0};
    }
    if (items.empty()) listing.Add(Cell::Text("No item has been made and named."));
    return Finished(std::move(listing), ShownList::MadeItems);
}

Listing ListKeptPlans(const std::vector<KeptPlan>& plans) {
    Listing listing(&kPlansForm);
    listing.rows.reserve(plans.size());
    for (size_t i = 0; i < plans.size(); ++i) {
        const KeptPlan& plan = plans[i];
        const RowPick pick{PickKind::KeptPlan, {}, static_cast<int32_t>(i), 0};
        std::vector<std::string> pieces = EnchantmentPieces(plan.enchantments);
        // A plan without a base item still shows a mark, so that its line is
        // never taken for a note line.
        listing
            .Add(Fit(kPlansForm, plan.name, 0),
                 Fit(kPlansForm, plan.baseItem.empty() ? "-" : plan.baseItem, 1),
                 Figure(plan.price), Figure(plan.weeks), Cell::Text(DateText(plan.kept)),
                 Cell::Text(std::move(pieces.front())))
            .pick = pick;
        for (size_t p = 1; p < pieces.size(); ++p) listing.AddNote(kMagic, pieces[p]).pick = pick;
    }
    if (plans.empty()) {
        listing.Add(Cell::Text("No plan has been kept: Ctrl+S keeps the plan on the bench."));
    }
    return Finished(std::move(listing), ShownList::KeptPlans);
}
