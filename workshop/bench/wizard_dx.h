// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// The DX the wizard makes items with follows the spinner but stays within
// what a character can have when making magic items.
constexpr int32_t kMinMakingDX = 5;
constexpr int32_t kMaxMakingDX = 16;
constexpr int32_t kStartDX = 12;

int32_t DXFromSpinner(int32_t position);
