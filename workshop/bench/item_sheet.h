// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "workshop/bench/workshop_state.h"

class CatalogTable;
class TMagicItemKest;
struct WorkbenchSnapshot;

// The name part of a slot line: graded items ('A') carry their level right
// after the name ("Weapon/Armor +3", "Weakness ST-2"), counted items ('B')
// after a blank ("ST battery 5pt 15").
std::string SheetSlotLabel(const TMagicItemKest& slot);

// The fixed-column lines of the item sheet (the list box) and of the making
// report (the output pane).
std::string FormatBaseLine(const std::string& name, double price, double weeks);
std::string FormatSheetSlotLine(const TMagicItemKest& slot);
std::string FormatMakingSlotLine(const TMagicItemKest& slot);
std::string FormatTotalLine(int32_t hexCount, double priceTotal, double weeksTotal);

// The money a total line shows for a price total: an item covering two hexes
// or more costs its price once per hex.
double TotalLinePrice(int32_t hexCount, double priceTotal);

// The item sheet: the base item, the filled slots and the total line. Stores
// SheetTotalPrice and SheetTotalWeeks.
std::vector<std::string> BuildItemSheet(const CatalogTable& table, WorkshopState& state);

// The item sheet of a workbench kept aside (a plan pasted or made before), line
// for line as BuildItemSheet draws it once the plan is back on the bench.
std::vector<std::string> BuildPlanSheet(const WorkbenchSnapshot& plan);

// The money and weeks a plan's sheet totals, as its total line shows them
// (the money once per hex).
struct PlanTotals {
    double price = 0;
    double weeks = 0;
};
PlanTotals TotalsOfPlan(const WorkbenchSnapshot& plan);

// The making report: the item's name, the base item at its adjusted price,
// the slots with a successful week, and the money and weeks so far. Stores
// SheetTotalPrice.
std::vector<std::string> BuildMakingReport(const CatalogTable& table, WorkshopState& state);

// A making report with the item's name above it (none for an empty name).
std::vector<std::string> WithItemName(const std::string& name, std::vector<std::string> report);
