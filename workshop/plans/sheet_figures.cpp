// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/sheet_figures.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

#include "catalog/text_format.h"
#include "workshop/plans/sheet_lines.h"

namespace {

bool IsMark(char c) { return c == '.' || c == ',' || c == textfmt::DecimalSeparator(); }

// A word with a digit in it, where a line's price or weeks stand, is meant as
// a figure; any other word leaves the line to be read as it is.
bool MeantAsFigure(std::string_view word) {
    return std::any_of(word.begin(), word.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// Whether the word is a number as the program writes one with the separator.
bool IsNumber(std::string word, char separator) {
    for (char& c : word) {
        if (c == separator) {
            c = '.';
        } else if (IsMark(c)) {
            return false;
        }
    }
    double value = 0;
    const auto result = std::from_chars(word.data(), word.data() + word.size(), value);
    return result.ec == std::errc() && result.ptr == word.data() + word.size();
}

// The separator most of the figures use; none when no figure has one.
char SheetSeparator(const std::vector<PastedLine>& lines) {
    const std::array<char, 3> marks = {textfmt::DecimalSeparator(), '.', ','};
    std::array<int, 3> uses{};
    for (const PastedLine& line : lines) {
        const SheetLineParts parts = SplitSheetLine(line.text);
        if (!line.error.empty() || !parts.found) continue;
        for (const std::string* word : {&parts.price, &parts.weeks}) {
            if (!MeantAsFigure(*word)) continue;
            for (char c : *word) {
                // The first mark that stands for c, so the program's own counts once.
                const auto at = std::find(marks.begin(), marks.end(), c);
                if (at != marks.end()) ++uses[static_cast<size_t>(at - marks.begin())];
            }
        }
    }
    const auto most = std::max_element(uses.begin(), uses.end());
    return *most == 0 ? '\0' : marks[static_cast<size_t>(most - uses.begin())];
}

}  // namespace

void ReadFiguresAsWritten(std::vector<PastedLine>& lines) {
    const char separator = SheetSeparator(lines);
    if (separator == '\0') return;
    for (PastedLine& line : lines) {
        const SheetLineParts parts = SplitSheetLine(line.text);
        if (!line.error.empty() || !parts.found) continue;
        if (MeantAsFigure(parts.price) && !IsNumber(parts.price, separator)) {
            line.error = "the price '" + parts.price + "' is not a number";
        } else if (MeantAsFigure(parts.weeks) && !IsNumber(parts.weeks, separator)) {
            line.error = "the weeks '" + parts.weeks + "' are not a number";
        }
        if (!line.error.empty()) {
            line.text.clear();
            continue;
        }
        // Only the figures, which stand after the label: a name keeps its marks.
        std::replace(line.text.begin() + static_cast<std::ptrdiff_t>(parts.label.size()),
                     line.text.end(), separator, textfmt::DecimalSeparator());
    }
}
