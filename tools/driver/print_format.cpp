// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/driver/print_format.h"

#include <charconv>
#include <string_view>

std::string Barred(const std::string& latin1) {
    std::string utf8 = "|";
    for (unsigned char c : latin1) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    utf8 += '|';
    return utf8;
}

std::string ShortestDouble(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    std::string text(buffer, result.ptr);
    if (text.find_first_of(".ni") != std::string::npos) return text;  // has a point, inf, nan
    const auto exponent = text.find('e');
    if (exponent == std::string::npos) return text + ".0";
    return text.substr(0, exponent) + ".0" + text.substr(exponent);
}

std::string NoteCodeText(char code) {
    return code == '\0' ? std::string("\\0") : std::string(1, code);
}
