// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "catalog/listing.h"

// The magic item being planned or made, apart from its five slots (which are
// records of the catalog table). It lives for the whole run.
struct WorkshopState {
    std::string BaseItemName;  // empty = no base item
    double BaseItemPrice = 0;
    double BaseItemWeeks = 0;
    int32_t HexCount = 0;      // the price total is multiplied by it from 2 hexes on
    std::string MadeItemName;  // the name the wizard gave the item being made
    double SheetTotalPrice = 0;
    double SheetTotalWeeks = 0;
    double AdjustedBasePrice = 0;
    double AdjustedBaseWeeks = 0;
    double WeeksElapsed = 0;
    double TotalCostSoFar = 0;
    bool Making = false;
    bool MakingDone = false;
    // The name box is open: from Make until the name is stored.
    bool NameBoxOpen = false;
    // The report of the item as it stood when its making ended, without a
    // name: Name puts the name above it, whatever the bench became since.
    // Empty from Make until the making ends.
    std::vector<std::string> MadeReport;
    int32_t DX = 12;
    // The catalog whose entries the output pane lists now; a click picks
    // only among them.
    ShownList shown = ShownList::None;

    // Makes an entry of a catalog the base item the enchantments go on.
    void SetBaseItem(std::string name, double price, double weeks, int32_t hexes = 1) {
        BaseItemName = std::move(name);
        BaseItemPrice = price;
        BaseItemWeeks = weeks;
        HexCount = hexes;
    }
};
