// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>

// Building the expected text of a list line from its columns.

// n blanks, so an expected line reads column by column: "orb" + B(29) + ...
// A negative count is a slip in the test's own arithmetic and throws.
std::string B(int n);

// The text with blanks added up to width; text already that wide or wider is
// kept whole, as the lists never cut a long name.
std::string Padded(std::string text, size_t width);

// The text blanked or cut to exactly width characters: what a fixed column
// of that width holds, such as the 28 characters a click compares.
std::string FixedWidth(std::string text, size_t width);
