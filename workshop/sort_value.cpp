// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/sort_value.h"

#include <charconv>

#include "catalog/text_format.h"

namespace {

constexpr double kMeanDieRoll = 3.5;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// No figure the lists write is longer; a longer value is a text.
constexpr size_t kLongestFigure = 40;

// A plain number: an optional minus, a digit, then whatever the lists' number
// forms write. std::from_chars reads it the same in every C locale.
std::optional<double> ReadNumber(std::string_view text) {
    const size_t digit = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (text.size() <= digit || !IsDigit(text[digit]) || text.size() > kLongestFigure) {
        return std::nullopt;
    }
    char number[kLongestFigure];
    for (size_t i = 0; i < text.size(); ++i) {
        number[i] = text[i] == textfmt::DecimalSeparator() ? '.' : text[i];
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number, number + text.size(), value);
    if (error != std::errc() || end != number + text.size()) return std::nullopt;
    return value;
}

// Whole dice with adds: "2+1", "1-1", "3", "+2", "-1".
std::optional<double> ReadDice(std::string_view text) {
    size_t at = 0;
    double dice = 0;  // counted in doubles, so that no text can overflow them
    while (at < text.size() && IsDigit(text[at])) dice = dice * 10 + (text[at++] - '0');
    if (at == text.size())
        return at > 0 ? std::optional<double>(dice * kMeanDieRoll) : std::nullopt;
    const char sign = text[at++];
    if ((sign != '+' && sign != '-') || at == text.size()) return std::nullopt;
    double adds = 0;
    for (; at < text.size(); ++at) {
        if (!IsDigit(text[at])) return std::nullopt;
        adds = adds * 10 + (text[at] - '0');
    }
    return dice * kMeanDieRoll + (sign == '-' ? -adds : adds);
}

}  // namespace

bool IsNoValue(std::string_view value) { return value.empty() || value == "-"; }

std::optional<double> ReadFigure(std::string_view value, ColumnReading reading) {
    if (reading == ColumnReading::Dice) return ReadDice(value);
    if (!value.empty() && value[0] == '$') {
        value.remove_prefix(1);
        while (!value.empty() && value[0] == ' ') value.remove_prefix(1);
    }
    return ReadNumber(value);
}
