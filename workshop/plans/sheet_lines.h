// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "catalog/magic_item.h"
#include "workshop/bench/base_items.h"

class CatalogTable;
struct WorkbenchSnapshot;

// One line of a pasted item sheet read back: the base item or the slot it
// shows, or why it shows nothing the program could have drawn. Lines are
// Latin-1 without trailing blanks.

// A name as a message gives it, without the blank a few names end with.
std::string NameInMessage(std::string name);

// A line's last two words (its price and weeks) and what stands before them.
struct SheetLineParts {
    bool found = false;
    std::string label;
    std::string price;
    std::string weeks;
};
SheetLineParts SplitSheetLine(const std::string& line);

// Base lines show money with two decimals; slot lines whole dollars.
bool ShowsBaseItem(const SheetLineParts& parts);

// A base item that fits a base line, with the weeks figures the line can
// stand for: the bench's own or the catalog's, else those makings leave.
struct BaseFit {
    BaseItem item;
    std::vector<double> weeks;
    size_t madeFrom = 0;  // where the weeks of makings begin

    // Of the weeks makings leave, a bench copied right after its making
    // shows those of the slots on its sheet: they go first.
    void PreferMakingOf(const std::vector<TMagicItemKest>& slots);
};

// Every base item the line can show, in catalog order; none, and why, when
// there is none. Where the line cannot tell two weeks figures apart, the
// bench's own comes first (the sheet was copied from it).
std::vector<BaseFit> FitBaseLine(const CatalogTable& table, const WorkbenchSnapshot& bench,
                                 const std::string& line, std::string& why);

// The slot record the line shows in slot k (1..5), made as a pick makes it
// on place, the record now in that slot: the catalog item at the level shown,
// priced for its level and its place; nothing, and why, when there is none.
std::optional<TMagicItemKest> ReadSlotLine(const CatalogTable& table, const TMagicItemKest& place,
                                           int k, const std::string& line, std::string& why);
