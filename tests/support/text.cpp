// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/text.h"

#include <stdexcept>

std::string B(int n) {
    if (n < 0) throw std::length_error("B(" + std::to_string(n) + "): a negative blank count");
    return std::string(static_cast<size_t>(n), ' ');
}

std::string Padded(std::string text, size_t width) {
    if (text.size() < width) text.resize(width, ' ');
    return text;
}

std::string FixedWidth(std::string text, size_t width) {
    text.resize(width, ' ');
    return text;
}
