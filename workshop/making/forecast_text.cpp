// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/making/forecast_text.h"

#include <cmath>
#include <cstdlib>

#include "catalog/text_format.h"

namespace {

// A rounded figure an exact one sits just above by the rounding of its sums
// (12.000000000001 weeks) is not rounded up to the next.
constexpr double kRoundingSlack = 1e-9;

using textfmt::Grouped;

// Weeks to one decimal, without it when it is 0: 9.4, 12, 2,916.3.
std::string Weeks(double weeks) {
    const int64_t tenths = std::llround(weeks * 10);
    const int64_t whole = std::llabs(tenths) / 10;
    const std::string sign = tenths < 0 ? "-" : "";
    if (tenths % 10 == 0) return sign + Grouped(whole);
    return sign + Grouped(whole) + textfmt::DecimalSeparator() +
           static_cast<char>('0' + std::llabs(tenths) % 10);
}

// "week" after a figure shown as 1, "weeks" after any other.
std::string WeeksWord(const std::string& figure) { return figure == "1" ? " week" : " weeks"; }

// Whole weeks at or above the figure.
std::string WeeksUpTo(double weeks) {
    return Grouped(static_cast<int64_t>(std::ceil(weeks - kRoundingSlack)));
}

// Money in whole dollars, to three significant figures from $1,000 on:
// rounded to the nearest, or up.
std::string Money(double dollars, bool up) {
    double step = 1;
    while (std::abs(dollars) >= 1000 * step) step *= 10;
    const double steps = dollars / step;
    const double rounded = up ? std::ceil(steps - kRoundingSlack) : std::round(steps);
    return "$" + Grouped(std::llround(rounded * step));
}

std::string ExactMoney(double dollars) { return "$" + Grouped(std::llround(dollars)); }

std::string Odds(const MakingForecast& forecast) {
    return "At DX " + textfmt::Int(forecast.dx) + " each week succeeds on " +
           textfmt::Int(forecast.goodRolls) + " of " + textfmt::Int(kRollsOf3d6) + " rolls";
}

}  // namespace

std::string ForecastText(const MakingForecast& forecast, const char* between) {
    if (!forecast.finishes) return Odds(forecast) + ": the making would never finish.";
    if (forecast.weeksToWork == 0) {
        const std::string weeks = Weeks(forecast.expectedWeeks);
        const std::string figures =
            weeks + WeeksWord(weeks) + " and " + ExactMoney(forecast.expectedMoney) + ".";
        if (forecast.filledSlots == 0) {
            return "With nothing on the bench the making is the base item alone: " + figures;
        }
        return "Nothing on the bench needs a week of work: the making comes to " + figures;
    }
    const size_t ninth = 2;
    static_assert(kForecastLevels[ninth] == 0.9, "9 in 10 is the third level");
    const std::string weeks = Weeks(forecast.expectedWeeks);
    return Odds(forecast) + "." + between + "Expect " + weeks + WeeksWord(weeks) +
           " (9 in 10 within " + WeeksUpTo(forecast.weeks[ninth]) + ") and " +
           Money(forecast.expectedMoney, false) + " (9 in 10 within " +
           Money(forecast.money[ninth], true) + ").";
}

std::string WeekChanceText(int32_t dx) {
    const int32_t good = GoodRollsAt(dx);
    const int64_t tenths = std::llround(1000.0 * good / kRollsOf3d6);
    std::string percent = textfmt::Int(tenths / 10);
    if (tenths % 10 != 0) percent += textfmt::DecimalSeparator() + std::to_string(tenths % 10);
    return "At DX " + textfmt::Int(dx) + " a week of making succeeds on " + textfmt::Int(good) +
           " of " + textfmt::Int(kRollsOf3d6) + " rolls of 3d6 (" + percent + "%).";
}
