// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

#include "catalog/listing.h"
#include "workshop/bench/workshop_state.h"

class CatalogTable;
class RandomSource;

// The header labels over the making report.
ListHeader MakingReportHeader();

// Starts a making: resets every slot's making figures, works out the base
// item's price after the slots' note-code factors and its weeks, and sets
// Making. (The window opens the name box and draws the report.)
void StartMaking(CatalogTable& table, WorkshopState& state);

// One tick of the making timer, one game week: a 3d6 roll against DX works or
// loses a week on the first unfinished slot and charges it. Returns whether
// the report must be redrawn (false when no making runs).
bool MakingWeek(CatalogTable& table, WorkshopState& state, RandomSource& random);
