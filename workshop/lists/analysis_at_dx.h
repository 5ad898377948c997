// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/listing.h"
#include "workshop/making/item_forecast.h"

class CatalogTable;

// The analysis at the wizard's DX: every magic item, in catalog order, with
// what making it alone comes to at that DX (the Make button's forecast for
// it), and so what it earns per week once the lost weeks are counted.

// One entry, as figures; a pick on its line puts the magic item of
// catalogIndex on the bench.
struct AnalysisAtDXRow {
    int32_t catalogIndex = 0;
    std::string name;
    int32_t price = 0;
    ItemForecast figures;
};

std::vector<AnalysisAtDXRow> AnalysisAtDXRows(const CatalogTable& table, int32_t dx);

// The rows as the pane shows them: name and price as the analysis writes
// them (so a line picks as the analysis's does), the weeks to one decimal,
// "9 in 10 within" in whole weeks rounded up, the money and the profit per
// week to the cent, "-" for a figure that is none.
Listing ListAnalysisAtDX(const CatalogTable& table, const std::vector<AnalysisAtDXRow>& rows);

// The pane's name while it shows the list: "Analysis at DX 11".
std::string AnalysisAtDXName(int32_t dx);
