// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/making/making_odds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

struct Moments {
    double total = 0, mean = 0, variance = 0;
};

Moments MomentsOf(const CountDistribution& counts) {
    Moments m;
    for (size_t i = 0; i < counts.mass.size(); ++i) {
        const auto x = static_cast<double>(counts.first + static_cast<int64_t>(i));
        m.total += counts.mass[i];
        m.mean += x * counts.mass[i];
    }
    for (size_t i = 0; i < counts.mass.size(); ++i) {
        const double d = static_cast<double>(counts.first + static_cast<int64_t>(i)) - m.mean;
        m.variance += d * d * counts.mass[i];
    }
    return m;
}

Moments MomentsOf(const GridDistribution& sum) {
    Moments m;
    for (size_t i = 0; i < sum.mass.size(); ++i) {
        m.total += sum.mass[i];
        m.mean += (sum.origin + static_cast<double>(i) * sum.step) * sum.mass[i];
    }
    return m;
}

// The weeks to n successes: n / p on average with variance n (1 - p) / p^2,
// the whole chance kept but for the cut tails, from DX 3 to DX 16 and from
// one success to the longest bench's 135.
TEST(WeeksForSuccesses, NegativeBinomialMoments) {
    for (double p : {1 / 216.0, 10 / 216.0, 108 / 216.0, 160 / 216.0, 212 / 216.0}) {
        for (int64_t n : {1, 3, 40, 135}) {
            SCOPED_TRACE(::testing::Message() << "p " << p << " n " << n);
            const CountDistribution weeks = WeeksForSuccesses(n, p);
            const Moments m = MomentsOf(weeks);
            EXPECT_GE(weeks.first, n);
            EXPECT_NEAR(m.total, 1, 1e-12);
            EXPECT_NEAR(m.mean, n / p, 1e-10 * n / p);
            const double variance = n * (1 - p) / (p * p);
            EXPECT_NEAR(m.variance, variance, 1e-8 * variance);
        }
    }
}

TEST(WeeksForSuccesses, SmallCasesExactly) {
    // One success at even odds: week w with chance 1 / 2^w.
    const CountDistribution half = WeeksForSuccesses(1, 0.5);
    ASSERT_EQ(half.first, 1);
    for (size_t i = 0; i < 10; ++i) {
        const double expected = std::ldexp(1.0, -static_cast<int>(i) - 1);
        EXPECT_NEAR(half.mass[i], expected, 1e-14 * expected) << i;
    }
    // Three successes at 3/4: exactly 3 weeks with 27/64, 4 weeks with 3 * 27/256.
    const CountDistribution three = WeeksForSuccesses(3, 0.75);
    ASSERT_EQ(three.first, 3);
    EXPECT_NEAR(three.mass[0], 27.0 / 64, 1e-14);  // p^3
    EXPECT_NEAR(three.mass[1], 81.0 / 256, 1e-14);
    // No success needed, or none lost: one certain count.
    for (const auto& [weeks, value] : {std::pair{WeeksForSuccesses(0, 0.3), int64_t{0}},
                                       std::pair{WeeksForSuccesses(7, 1.0), int64_t{7}}}) {
        EXPECT_EQ(weeks.first, value);
        EXPECT_EQ(weeks.mass, std::vector<double>{1.0});
    }
}

// A level the cumulative chance meets exactly is reached there, not a
// week later: at even odds one success comes by week 1 half the time and
// by week 2 three times in four.
TEST(CountQuantile, LevelsMetExactly) {
    const CountDistribution half = WeeksForSuccesses(1, 0.5);
    const std::pair<double, int64_t> cases[] = {{0.1, 1}, {0.5, 1},    {0.5000001, 2}, {0.75, 2},
                                                {0.9, 4}, {0.9375, 4}, {0.99, 7}};
    for (const auto& [level, weeks] : cases) EXPECT_EQ(CountQuantile(half, level), weeks) << level;
}

// The money's distribution against the sum worked out point by point from
// the parts' own distributions.
std::vector<std::pair<double, double>> PointByPoint(const std::vector<ChargedWeeks>& parts,
                                                    double p) {
    std::vector<std::pair<double, double>> sum = {{0.0, 1.0}};
    for (const ChargedWeeks& part : parts) {
        const CountDistribution weeks = WeeksForSuccesses(part.successes, p);
        std::vector<std::pair<double, double>> next;
        for (const auto& [value, chance] : sum) {
            for (size_t i = 0; i < weeks.mass.size(); ++i) {
                const auto w = static_cast<double>(weeks.first + static_cast<int64_t>(i));
                next.push_back({value + part.weekly * w, chance * weeks.mass[i]});
            }
        }
        std::sort(next.begin(), next.end());
        sum.clear();
        for (const auto& point : next) {
            if (!sum.empty() && sum.back().first == point.first) {
                sum.back().second += point.second;
            } else {
                sum.push_back(point);
            }
        }
    }
    return sum;
}

double QuantileOf(const std::vector<std::pair<double, double>>& sum, double level) {
    double cumulative = 0;
    for (const auto& [value, chance] : sum) {
        cumulative += chance;
        if (cumulative >= level - 1e-12) return value;
    }
    return sum.back().first;
}

TEST(ChargedSum, AgreesWithThePointByPointSum) {
    struct Case {
        const char* what;
        std::vector<ChargedWeeks> parts;
        double p;
        bool exact;
        double tolerance;  // of the money
    };
    // On a grid whose step is wider than the gaps between the sum's values,
    // a percentile can come out up to a step off: a few parts in a thousand
    // where the values bunch at whole $1,000s.
    const Case cases[] = {
        {"one part", {{90, 1}}, 10 / 216.0, true, 0},
        {"two parts on a $70 grid", {{140, 2}, {70, 1}}, 56 / 216.0, true, 0},
        {"two parts with no common step", {{580, 1}, {483, 1}}, 20 / 216.0, true, 0},
        {"many weeks at close charges", {{1000, 10}, {1001, 12}}, 0.2, false, 0.005},
        {"charges below a grid step", {{7, 10}, {11, 12}, {1301, 3}}, 0.3, false, 0.002},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const GridDistribution sum = ChargedSum(c.parts, c.p, 0);
        const auto exact = PointByPoint(c.parts, c.p);
        EXPECT_EQ(sum.exact, c.exact);
        double mean = 0;
        for (const auto& [value, chance] : exact) mean += value * chance;
        const Moments m = MomentsOf(sum);
        EXPECT_NEAR(m.total, 1, 1e-9);
        // Sharing a value between two grid points keeps the mean.
        EXPECT_NEAR(m.mean, mean, 1e-8 * mean);
        for (double level : {0.1, 0.5, 0.9}) {
            const double expected = QuantileOf(exact, level);
            EXPECT_NEAR(GridQuantile(sum, level), expected, c.tolerance * expected) << level;
        }
    }
}

TEST(ChargedSum, NothingChargedIsZero) {
    for (const std::vector<ChargedWeeks>& parts :
         {std::vector<ChargedWeeks>{}, std::vector<ChargedWeeks>{{0, 5}, {40, 0}}}) {
        const GridDistribution sum = ChargedSum(parts, 0.5, 1);
        for (double level : {0.1, 0.5, 0.9}) EXPECT_EQ(GridQuantile(sum, level), 0);
    }
}

}  // namespace
