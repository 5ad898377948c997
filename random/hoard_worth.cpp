// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/hoard_worth.h"

#include <string>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsMark(char c) { return c == '.' || c == ','; }

std::string_view Trimmed(std::string_view text) {
    const size_t from = text.find_first_not_of(' ');
    if (from == std::string_view::npos) return {};
    return text.substr(from, text.find_last_not_of(' ') + 1 - from);
}

// The figure without its '$', which stands first or last, alone.
std::optional<std::string_view> Figure(std::string_view text) {
    text = Trimmed(text);
    if (text.find('$') != text.rfind('$') || text.size() < 2) return std::nullopt;
    if (text.front() == '$') return Trimmed(text.substr(1));
    if (text.back() == '$') return Trimmed(text.substr(0, text.size() - 1));
    return std::nullopt;
}

// Whole dollars written with or without a mark between each group of
// three digits ("5000", "5,000", "1.000.000"): every mark the same, the
// first group of one to three digits, every later one of three.
std::optional<int64_t> WholeDollars(std::string_view digits) {
    // More than 12 digits is far beyond the largest worth taken.
    constexpr size_t kMostDigits = 12;
    int64_t dollars = 0;
    size_t count = 0;
    size_t sinceMark = 0;
    char mark = '\0';
    for (const char c : digits) {
        if (IsDigit(c)) {
            if (++count > kMostDigits) return std::nullopt;
            dollars = dollars * 10 + (c - '0');
            ++sinceMark;
            continue;
        }
        if (!IsMark(c) || (mark != '\0' && c != mark)) return std::nullopt;
        const bool firstGroup = mark == '\0';
        if (sinceMark == 0 || sinceMark > 3 || (!firstGroup && sinceMark != 3)) {
            return std::nullopt;
        }
        mark = c;
        sinceMark = 0;
    }
    if (count == 0 || (mark != '\0' && sinceMark != 3)) return std::nullopt;
    return dollars;
}

}  // namespace

bool AsksForWorth(std::string_view text) { return text.find('$') != std::string_view::npos; }

std::optional<int64_t> ReadWorth(std::string_view text) {
    const std::optional<std::string_view> figure = Figure(text);
    if (!figure || figure->empty()) return std::nullopt;
    // The last mark is the decimal one when one or two digits follow it and
    // no other mark like it stands before it.
    std::string_view whole = *figure;
    int64_t cents = 0;
    const size_t last = figure->find_last_of(".,");
    if (last != std::string_view::npos) {
        const std::string_view after = figure->substr(last + 1);
        const bool decimal =
            (after.size() == 1 || after.size() == 2) &&
            figure->substr(0, last).find((*figure)[last]) == std::string_view::npos;
        if (decimal) {
            for (const char c : after) {
                if (!IsDigit(c)) return std::nullopt;
                cents = cents * 10 + (c - '0');
            }
            if (after.size() == 1) cents *= 10;
            whole = figure->substr(0, last);
        }
    }
    const std::optional<int64_t> dollars = WholeDollars(whole);
    if (!dollars) return std::nullopt;
    const int64_t worth = *dollars * 100 + cents;
    if (worth < kHoardMinWorthCents || worth > kHoardMaxWorthCents) return std::nullopt;
    return worth;
}
