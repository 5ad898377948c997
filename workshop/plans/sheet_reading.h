// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "workshop/bench/workbench_history.h"

class CatalogTable;

// What reading a pasted item sheet gave: the plan it holds, or why it holds
// none.
struct SheetReading {
    std::optional<WorkbenchSnapshot> plan;
    // The first line that could not be read and why, in Latin-1:
    // "line 3: no magic item called 'Blurr'". Empty when there is a plan.
    std::string error;
};

// Reads an item sheet as a copy of it puts it on the clipboard (utf8, see
// sheet_text.h) back into the workbench it was drawn from, so that the plan
// restored gives the same sheet again. Nothing is changed: the caller puts
// the plan on the bench (RestoreWorkbench) as one undo step.
//
// A sheet shows the names, levels, prices and weeks; every other figure comes
// from the catalogs and the combination rules as a pick would set it: a slot
// holds its catalog item at the level shown, priced for its level and its
// place. What the rules leave with a slot's place and no sheet shows (the
// making's progress, the material costs, the spell number) is taken from
// bench, the workbench the plan replaces, as a pick keeps it.
//
// A base item is looked up in every catalog by its name, price and weeks
// (where one line fits several, as a weapon and an article of one name do, the
// total line decides, then catalog order). A gem reads at any whole number of
// carats: the sheet keeps the stone as it was cut when it was copied, whatever
// size a random treasure has cut the catalog's stone to since, and the catalog
// stays as it is. Besides its catalog weeks, a base item may show the weeks a
// making set (one week per $150 of the price made dearer by note codes).
//
// Where the sheet cannot tell two workbenches apart, bench decides when it is
// one of them (so a sheet pasted back onto the bench it was copied from
// changes nothing), else the catalogs do: base weeks shown to two decimals
// (the catalog's 0.666 or a making's 0.6666...), and no base item at all (as
// at start-up, or after a random treasure found the empty jewelry place).
//
// The figures may be written with "." or "," (sheet_figures.h), whatever
// the program's separator is now.
//
// Refused, with the reason: an empty text, one of more than
// kMostSheetTextBytes, a figure that is no number, a name no catalog has, a
// figure that is not the one the rules give, a level the steps never reach, a
// base item below a magic item, a sixth magic item, one item twice, a line
// out of place, a total that does not add up.
SheetReading ReadItemSheet(const CatalogTable& table, const WorkbenchSnapshot& bench,
                           std::string_view utf8);
