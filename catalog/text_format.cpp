// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace textfmt {
namespace {

char g_decimalSeparator = '.';

// std::to_chars writes as printf does in the "C" locale, always with '.',
// whatever C locale the process runs in (the window's toolkit sets it from
// the environment); swap in the program's separator afterwards.
std::string WithSeparator(std::string text) {
    if (g_decimalSeparator != '.') {
        for (char& c : text) {
            if (c == '.') c = g_decimalSeparator;
        }
    }
    return text;
}

// Whole numbers below 10^15 are written from their digits: every form below
// writes them digit for digit, and most figures in the lists are such.
bool IsWhole(double value) { return std::fabs(value) < 1e15 && value == std::trunc(value); }

}  // namespace

void SetDecimalSeparator(char separator) { g_decimalSeparator = separator; }
char DecimalSeparator() { return g_decimalSeparator; }

std::string Int(int64_t value) { return std::to_string(value); }

std::string General(double value) {
    if (value == 0) return "0";  // also for -0
    if (IsWhole(value)) return Int(static_cast<int64_t>(value));
    char buffer[64];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
    std::string text(buffer, end);
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');  // 1E20, INF, NAN
    }
    // "%G" writes 1E+20; the list form writes 1E20 and 1E-5.
    const auto e = text.find('E');
    if (e != std::string::npos) {
        std::string mantissa = text.substr(0, e);
        std::string exponent = text.substr(e + 1);
        const bool negative = exponent[0] == '-';
        size_t digits = exponent.find_first_not_of("+-0");
        exponent = digits == std::string::npos ? "0" : exponent.substr(digits);
        text = mantissa + "E" + (negative ? "-" : "") + exponent;
    }
    return WithSeparator(text);
}

std::string Fixed2(double value, int minWidth) {
    std::string text;
    if (IsWhole(value)) {
        text = (std::signbit(value) ? "-" : "") + Int(static_cast<int64_t>(std::fabs(value)));
        (text += g_decimalSeparator) += "00";
    } else {
        char buffer[400];
        const auto end =
            std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2).ptr;
        text = WithSeparator(std::string(buffer, end));
    }
    if (static_cast<int>(text.size()) < minWidth) {
        text.insert(0, static_cast<size_t>(minWidth) - text.size(), ' ');
    }
    return text;
}

std::string Grouped(int64_t value) {
    const char group = g_decimalSeparator == ',' ? '.' : ',';
    // The magnitude as unsigned, so that the least int64_t has one too.
    const uint64_t magnitude = value < 0 ? 0 - static_cast<uint64_t>(value) : uint64_t(value);
    const std::string digits = std::to_string(magnitude);
    std::string text = value < 0 ? "-" : "";
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) text += group;
        text += digits[i];
    }
    return text;
}

std::string Dollars(int64_t cents) {
    const uint64_t magnitude = cents < 0 ? 0 - static_cast<uint64_t>(cents) : uint64_t(cents);
    std::string text = (cents < 0 ? "-$" : "$") + Grouped(static_cast<int64_t>(magnitude / 100));
    const auto rest = static_cast<int>(magnitude % 100);
    if (rest != 0) {
        text += g_decimalSeparator;
        text += static_cast<char>('0' + rest / 10);
        text += static_cast<char>('0' + rest % 10);
    }
    return text;
}

std::string Blanks(int n) {
    return n > 0 ? std::string(static_cast<size_t>(n), ' ') : std::string();
}

LineBuilder& LineBuilder::Text(std::string_view text) {
    line_.append(text);
    return *this;
}

LineBuilder& LineBuilder::Blanks(int n) {
    if (n > 0) line_.append(static_cast<size_t>(n), ' ');
    return *this;
}

LineBuilder& LineBuilder::PadTo(int width) { return Blanks(width - Length()); }

LineBuilder& LineBuilder::FigureEndAt(int column, std::string_view value) {
    Blanks(std::max(1, column - Length() - static_cast<int>(value.size())));
    return Text(value);
}

LineBuilder& LineBuilder::FigureRight(int width, std::string_view value) {
    Blanks(std::max(1, width - static_cast<int>(value.size())));
    return Text(value);
}

std::string NoteLine(int noteColumn, std::string_view note) {
    return LineBuilder().Blanks(noteColumn).Text(note).PadTo(kListLineWidth).Take();
}

}  // namespace textfmt
