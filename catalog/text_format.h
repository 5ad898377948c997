// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The number and padding rules every list, the item sheet and the making
// report are built from. Texts are 8-bit (Latin-1) strings; every length and
// every padding is counted in bytes.
namespace textfmt {

// The decimal separator of every number format; the window sets it from the
// user's locale at start-up. '.' until then.
void SetDecimalSeparator(char separator);
char DecimalSeparator();

// Plain decimal integer with a leading '-' when negative.
std::string Int(int64_t value);

// Shortest general form: up to 15 significant digits, no trailing zeros,
// exponent form only for very large or very small magnitudes (10, 0.1, 2500, 0.025).
std::string General(double value);

// Fixed form with exactly two decimals and at least minWidth characters
// ("%4f": 0.1 -> "0.10", 0.025 -> "0.03"; "%3f": 0 -> "0.00").
std::string Fixed2(double value, int minWidth);

// A whole number with its thousands grouped, with ',' or, where ',' is the
// decimal separator, with '.': 1,850 or 1.850.
std::string Grouped(int64_t value);

// Money to the cent, grouped: whole dollars as $4,870, any cents after the
// decimal separator ($4,870.50); a '-' before the '$' when negative.
std::string Dollars(int64_t cents);

// n blanks; none when n <= 0.
std::string Blanks(int n);

// Every list line is this wide, so that with its line break it takes 125
// character positions of the pane.
constexpr int kListLineWidth = 123;

// Builds one fixed-column line left to right. Nothing is ever cut: a text
// longer than its field pushes the rest of the line to the right.
class LineBuilder {
public:
    // Room for a whole list line from the start, so that building one takes
    // a single allocation.
    LineBuilder() { line_.reserve(kListLineWidth); }
    explicit LineBuilder(std::string_view start) : LineBuilder() { line_.append(start); }

    // Appends text as it is.
    LineBuilder& Text(std::string_view text);
    // Appends n blanks.
    LineBuilder& Blanks(int n);
    // Fills with blanks up to width characters (none when already that long).
    LineBuilder& PadTo(int width);
    // Appends a figure so that it ends at column (counted from 1), or
    // right-aligned in a field of width characters, preceded by as many
    // blanks as fit, and at least one, so that it never runs into what
    // stands before it, even when it overflows its column.
    LineBuilder& FigureEndAt(int column, std::string_view value);
    LineBuilder& FigureRight(int width, std::string_view value);

    int Length() const { return static_cast<int>(line_.size()); }
    std::string Take() { return std::move(line_); }

private:
    std::string line_;
};

// A continuation line of a note column: blanks up to noteColumn (counted from
// 0, so noteColumn blanks), the note, then blanks up to the list width.
std::string NoteLine(int noteColumn, std::string_view note);

}  // namespace textfmt
