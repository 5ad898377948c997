// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// The text of a catalog row's field; the rows leave a missing note or
// name as nullptr, which reads as no text.
inline std::string TextOf(const char* text) {
    return text != nullptr ? std::string(text) : std::string();
}
