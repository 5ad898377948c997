// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "workshop/making/forecast.h"

// The forecast in words, for the tooltips of the Make button and the DX
// spinner (Latin-1 text).
//
// Numbers use the decimal separator of every other number of the program;
// thousands are grouped with ',' or, where ',' is the decimal separator,
// with '.'. The expected weeks show one decimal (none when it is 0), the
// expected money three significant figures in whole dollars. "9 in 10
// within" gives the 90th percentile rounded up, so that it still holds:
// the weeks to the whole week, the money to three significant figures.
// Figures that are certain (no week of work) are shown to the dollar.

// "At DX 12 each week succeeds on 160 of 216 rolls. Expect 9.4 weeks (9 in 10
// within 12) and $1,850 (9 in 10 within $2,150)." The odds and what to
// expect stand apart by `between` (a line break in a tooltip).
std::string ForecastText(const MakingForecast& forecast, const char* between = " ");

// "At DX 12 a week of making succeeds on 160 of 216 rolls of 3d6 (74.1%)."
std::string WeekChanceText(int32_t dx);
