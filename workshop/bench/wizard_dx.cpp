// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/bench/wizard_dx.h"

int32_t DXFromSpinner(int32_t position) {
    int32_t dx = position;
    if (dx < kMinMakingDX) dx = kMinMakingDX;
    if (dx > kMaxMakingDX) dx = kMaxMakingDX;
    return dx;
}
