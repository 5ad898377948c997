// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A wizard counts one week of making for every $150 an object is worth. The
// rate is applied in extended precision and the result kept as a double, so
// every catalog and the workshop get the same figure for the same price
// (10 gives 0.0666..., 600 gives 4, 2500 gives 16.666...).
inline double WeeksOfMakingFor(double dollars) {
    return static_cast<double>(static_cast<long double>(dollars) * (1.0L / 150));
}
