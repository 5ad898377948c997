// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <vector>

// The chances behind a forecast of a making: how many weeks it takes to get a
// number of successful weeks, and what a sum of weekly charges comes to.

// A distribution over the whole numbers first, first + 1, ...: mass[i] is the
// chance of first + i. A long tail is cut where less than kCutTail of the
// chance lies beyond.
struct CountDistribution {
    int64_t first = 0;
    std::vector<double> mass;

    int64_t Last() const { return first + static_cast<int64_t>(mass.size()) - 1; }
};

constexpr double kCutTail = 1e-14;

// The weeks worked up to and including the n-th successful one, when every
// week succeeds with the given chance (0 < chance <= 1): n plus the lost
// weeks, which follow a negative binomial law. n = 0 takes no week. Each
// tail is cut where less than cutTail lies beyond.
CountDistribution WeeksForSuccesses(int64_t successes, double chance, double cutTail = kCutTail);

// The least value at which the cumulative chance reaches level (0 < level < 1).
int64_t CountQuantile(const CountDistribution& counts, double level);

// One part of the money a making charges: weekly dollars for each week,
// worked or lost, up to the given number of successful weeks.
struct ChargedWeeks {
    double weekly = 0;
    int64_t successes = 0;
};

// A distribution over the evenly spaced values origin + i * step: mass[i] is
// the chance of that value. exact: every value of the sum lies on the grid;
// otherwise each value was shared between its two neighbouring grid points,
// keeping the mean.
struct GridDistribution {
    double origin = 0;
    double step = 1;
    bool exact = true;
    std::vector<double> mass;
};

// The distribution of the money of independent parts, every week succeeding
// with the given chance (0 < chance <= 1). It is exact, on the grid of the
// weekly charges' greatest common divisor, when that takes at most
// kExactWork steps of reckoning; otherwise it is kept on a grid of step at
// least resolution and of at most kMostGridPoints points. Tails holding less
// than kMoneyCut are left out: they cannot move a percentile.
constexpr double kExactWork = 1e6;
constexpr int64_t kMostGridPoints = 1024;
constexpr double kMoneyCut = 1e-10;
GridDistribution ChargedSum(const std::vector<ChargedWeeks>& parts, double chance,
                            double resolution);

// The value at which the cumulative chance reaches level (0 < level < 1): a
// grid value when exact, else read between grid points as if each point's
// chance were spread evenly over its step.
double GridQuantile(const GridDistribution& sum, double level);
