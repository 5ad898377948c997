// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// A hoard planned by its worth: the game master asks for $1 to $10,000,000.
// Money is counted in cents, so that a total is exact however many items.
constexpr int64_t kHoardMinWorthCents = 100;
constexpr int64_t kHoardMaxWorthCents = 1'000'000'000;

// Whether the text asks for a worth rather than a count: it holds a '$'.
bool AsksForWorth(std::string_view text);

// The worth a text asks for, in cents, as a game master writes or pastes it:
// a '$' before or after the figure ("$5000", "5000$", "$ 5000"), the
// thousands grouped with ',' or '.' and the cents after the other mark
// ("$5,000.00", "$5.000,00"), whatever the program's own separator. A single
// mark is a decimal one before one or two digits ("$2.5", "$2,50") and
// groups thousands before three ("$5.000", "$5,000"). None for anything
// else, or for a worth outside $1 to $10,000,000.
std::optional<int64_t> ReadWorth(std::string_view text);
