// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

class CatalogTable;

// What making one magic item alone would come to at a DX, as the Make
// button forecasts the bench a pick of it gives from an empty bench: no base
// item, the item in slot 1 as the pick copies it there (without the material
// it must start with, which counts once put on as the base item). Each
// figure is none where it means nothing.
struct ItemForecast {
    std::optional<double> weeks;           // on average, lost weeks included; none: no week to work
    std::optional<double> weeksNineInTen;  // the weeks 9 makings in 10 take at most
    std::optional<double> money;           // on average; none: the making never finishes
    // (price - money) / weeks, of which the analysis's share for the note code.
    std::optional<double> profitPerWeek;
};

ItemForecast ForecastItemAlone(const CatalogTable& table, int32_t catalogIndex, int32_t dx);
