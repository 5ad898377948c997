// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// Magic item prices are 32-bit dollars. The rules reckon them in 64 bits and
// bring the result back into 32 bits the way a 32-bit register would (two's
// complement wrap-around), so that an absurd price gives a definite, repeatable
// figure instead of undefined behaviour.
inline int32_t Wrap32(int64_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);  // modulo 2^32
    if (bits <= uint32_t{INT32_MAX}) return static_cast<int32_t>(bits);
    return static_cast<int32_t>(bits - uint32_t{0x80000000u}) + INT32_MIN;
}

inline int32_t Multiply32(int32_t a, int64_t b) { return Wrap32(int64_t{a} * b); }
