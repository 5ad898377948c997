// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/making/making_odds.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numeric>

namespace {

// A cumulative chance this close under a level counts as reaching it, so that
// a level the distribution meets exactly (half the weeks at DX 10) is not
// missed by the rounding of the sums.
constexpr double kLevelSlack = 1e-12;

// Ends of the sum holding less than this are dropped as the parts are added
// up, well inside what the parts' own cut leaves out.
constexpr double kTrimTail = 1e-12;

// Whole weights up to this size keep the sum's values exact in a double.
constexpr double kLargestWholeWeight = 1e12;

// The chances of the lost weeks, from their most likely count outwards.
// Beyond the most likely count the chance of each further count shrinks by a
// ratio that itself shrinks, so the whole tail is at most chance * r / (1 - r);
// the walk stops once that bound is under the cut, on either side.
std::vector<double> LostWeeks(double n, double chance, double cutTail, int64_t& first) {
    const double q = 1 - chance;
    const double logQ = std::log1p(-chance);
    const auto mode = static_cast<int64_t>(n > 1 ? std::floor((n - 1) * q / chance) : 0);
    const auto m = static_cast<double>(mode);
    const double atMode = std::exp(std::lgamma(n + m) - std::lgamma(m + 1) - std::lgamma(n) +
                                   n * std::log(chance) + m * logQ);

    std::vector<double> below;  // mode - 1, mode - 2, ... down to the cut
    double p = atMode;
    for (int64_t k = mode; k > 0;) {
        const auto kk = static_cast<double>(k);
        const double ratio = kk / ((n + kk - 1) * q);  // chance(k - 1) / chance(k)
        if (ratio < 1 && p * ratio / (1 - ratio) < cutTail) break;
        p *= ratio;
        --k;
        if (p == 0) break;
        below.push_back(p);
    }
    std::vector<double> mass(below.rbegin(), below.rend());
    first = mode - static_cast<int64_t>(below.size());
    mass.push_back(atMode);
    p = atMode;
    for (int64_t k = mode;; ++k) {
        const auto kk = static_cast<double>(k);
        const double ratio = (n + kk) * q / (kk + 1);  // chance(k + 1) / chance(k)
        if (ratio < 1 && p * ratio / (1 - ratio) < cutTail) break;
        p *= ratio;
        if (p == 0) break;
        mass.push_back(p);
    }
    // The chance at the mode carries the rounding of the log-gamma terms
    // (about 1e-12 for thousands of weeks); the whole sums to 1 less the cut
    // tails, far closer, so scaling to 1 is the more exact.
    const double total = std::accumulate(mass.begin(), mass.end(), 0.0);
    for (double& m : mass) m /= total;
    return mass;
}

// Drops the ends of a distribution that hold less than kTrimTail each;
// returns how many points were dropped at the front.
size_t Trim(std::vector<double>& mass) {
    size_t front = 0;
    for (double sum = 0; front + 1 < mass.size(); ++front) {
        sum += mass[front];
        if (sum >= kTrimTail) break;
    }
    size_t back = mass.size();
    for (double sum = 0; back > front + 1; --back) {
        sum += mass[back - 1];
        if (sum >= kTrimTail) break;
    }
    mass.erase(mass.begin() + static_cast<std::ptrdiff_t>(back), mass.end());
    mass.erase(mass.begin(), mass.begin() + static_cast<std::ptrdiff_t>(front));
    return front;
}

// A part of the money: its weekly charge, its successful weeks, and its
// weeks' distribution with the charge's smallest value and span.
struct Part {
    double weekly = 0;
    int64_t successes = 0;
    CountDistribution weeks;
    double low = 0;
    double span = 0;
};

// The money so far: mass[i] is the chance of the parts' smallest values
// added up plus (offset + i) grid steps. spare is room for the next sum, so
// that adding parts reuses the memory it has.
struct Sum {
    std::vector<double> mass{1.0};
    int64_t offset = 0;
    std::vector<double> spare;
};

// A grid point of a part and its chance.
struct GridPoint {
    size_t at;
    double mass;
};

// A part's charges on the grid, counted from the part's smallest: each on
// its grid point when exact, else shared between its two neighbours (the
// grid then has few points, at most kMostGridPoints over all parts).
std::vector<GridPoint> LayOut(const Part& part, double step, bool exact) {
    const auto last = static_cast<size_t>(std::floor(part.span / step)) + 1;
    std::vector<GridPoint> points;
    std::vector<double> shared(exact ? 0 : last + 1, 0.0);
    for (size_t i = 0; i < part.weeks.mass.size(); ++i) {
        const double value =
            part.weekly * static_cast<double>(part.weeks.first + static_cast<int64_t>(i));
        // Rounding may put the end values a hair outside the part's span.
        const double x = std::clamp((value - part.low) / step, 0.0, static_cast<double>(last));
        if (exact) {
            points.push_back({static_cast<size_t>(std::llround(x)), part.weeks.mass[i]});
            continue;
        }
        const double below = std::min(std::floor(x), static_cast<double>(last - 1));
        const double share = x - below;  // of the chance that goes one point up
        const auto j = static_cast<size_t>(below);
        shared[j] += (1 - share) * part.weeks.mass[i];
        shared[j + 1] += share * part.weeks.mass[i];
    }
    for (size_t j = 0; j < shared.size(); ++j) {
        if (shared[j] != 0) points.push_back({j, shared[j]});
    }
    return points;
}

// Adds a part by laying its charges on the grid and convolving: work of the
// part's points times the sum's points.
void AddLaidOut(Sum& sum, const Part& part, double step, bool exact) {
    const std::vector<GridPoint> points = LayOut(part, step, exact);
    size_t length = 0;
    for (const GridPoint& point : points) length = std::max(length, point.at + 1);
    if (sum.mass.size() == 1) {
        // The first part: the sum is the part itself.
        const double start = sum.mass[0];
        sum.mass.assign(length, 0.0);
        for (const GridPoint& point : points) sum.mass[point.at] += start * point.mass;
        sum.offset += static_cast<int64_t>(Trim(sum.mass));
        return;
    }
    sum.spare.assign(sum.mass.size() + length - 1, 0.0);
    const double* in = sum.mass.data();
    const size_t n = sum.mass.size();
    for (const GridPoint& point : points) {
        double* out = sum.spare.data() + point.at;
        for (size_t i = 0; i < n; ++i) out[i] += point.mass * in[i];
    }
    sum.mass.swap(sum.spare);
    sum.offset += static_cast<int64_t>(Trim(sum.mass));
}

// Adds a part of whole steps a = weekly / step by its successes one at a
// time: a week count from one success to the next adds a * (lost weeks), and
// with lost weeks k at chance p * q^k the new chances follow
// new[i] = p * old[i] + q * new[i - a]. Work of the part's successes times
// the sum's points, and exact.
void AddBySuccesses(Sum& sum, const Part& part, double step, double chance) {
    const auto a = static_cast<size_t>(std::llround(part.weekly / step));
    const double q = 1 - chance;
    // Room up to the part's cut largest value; what would lie beyond is
    // dropped with the cut tail.
    const auto lostWeeks = static_cast<size_t>(part.weeks.Last() - part.successes);
    sum.mass.resize(sum.mass.size() + a * lostWeeks, 0.0);
    double* y = sum.mass.data();
    const size_t n = sum.mass.size();
    for (int64_t s = 0; s < part.successes; ++s) {
        for (size_t i = 0; i < a && i < n; ++i) y[i] *= chance;
        for (size_t i = a; i < n; ++i) y[i] = chance * y[i] + q * y[i - a];
    }
    // The sum's points count from the part's smallest cut value, not from its
    // least possible one (every week a success).
    sum.offset += static_cast<int64_t>(a) * (part.successes - part.weeks.first);
    sum.offset += static_cast<int64_t>(Trim(sum.mass));
}

}  // namespace

CountDistribution WeeksForSuccesses(int64_t successes, double chance, double cutTail) {
    CountDistribution weeks;
    if (successes <= 0) {
        weeks.mass = {1.0};
        return weeks;
    }
    if (chance >= 1) {
        weeks.first = successes;
        weeks.mass = {1.0};
        return weeks;
    }
    int64_t firstLost = 0;
    weeks.mass = LostWeeks(static_cast<double>(successes), chance, cutTail, firstLost);
    weeks.first = successes + firstLost;
    return weeks;
}

int64_t CountQuantile(const CountDistribution& counts, double level) {
    double cumulative = 0;
    for (size_t i = 0; i < counts.mass.size(); ++i) {
        cumulative += counts.mass[i];
        if (cumulative >= level - kLevelSlack) return counts.first + static_cast<int64_t>(i);
    }
    return counts.Last();
}

GridDistribution ChargedSum(const std::vector<ChargedWeeks>& parts, double chance,
                            double resolution) {
    GridDistribution result;
    result.mass = {1.0};
    std::vector<Part> work;
    double span = 0;
    int64_t divisor = 0;  // of all charges, when they are whole; 0 otherwise
    bool whole = true;
    for (const ChargedWeeks& charged : parts) {
        if (charged.weekly == 0 || charged.successes <= 0) continue;
        Part part;
        part.weekly = charged.weekly;
        part.successes = charged.successes;
        part.weeks = WeeksForSuccesses(charged.successes, chance, kMoneyCut);
        const double a = part.weekly * static_cast<double>(part.weeks.first);
        const double b = part.weekly * static_cast<double>(part.weeks.Last());
        part.low = std::min(a, b);
        part.span = std::abs(b - a);
        result.origin += part.low;
        span += part.span;
        const double w = std::abs(part.weekly);
        if (w != std::floor(w) || w > kLargestWholeWeight) whole = false;
        if (whole) divisor = std::gcd(divisor, static_cast<int64_t>(w));
        work.push_back(std::move(part));
    }
    if (work.empty()) return result;

    // The widest part first: adding it to the lone starting point costs
    // nothing either way.
    std::sort(work.begin(), work.end(),
              [](const Part& a, const Part& b) { return a.span > b.span; });

    // Exact, on the grid of the charges' common divisor, when the cheaper way
    // of adding each part keeps the work within bounds. Adding by successes
    // needs a charge of at least one step up.
    std::vector<bool> bySuccesses(work.size(), false);
    double exactWork = 0;
    if (whole) {
        const auto step = static_cast<double>(divisor);
        double points = 1;
        for (size_t k = 0; k < work.size(); ++k) {
            const double length = work[k].span / step + 1;
            const double laidOut = static_cast<double>(work[k].weeks.mass.size()) * points;
            const double successes = static_cast<double>(work[k].successes) * (points + length);
            bySuccesses[k] = work[k].weekly > 0 && successes < laidOut;
            exactWork += std::min(laidOut, bySuccesses[k] ? successes : laidOut);
            points += length - 1;
        }
    }
    Sum sum;
    if (whole && exactWork <= kExactWork) {
        result.step = static_cast<double>(divisor);
        result.exact = true;
        // Room for the whole sum at once: the sums grow part by part.
        const auto points = static_cast<size_t>(span / result.step) + work.size() + 1;
        sum.mass.reserve(points);
        for (size_t k = 0; k < work.size(); ++k) {
            if (bySuccesses[k]) {
                AddBySuccesses(sum, work[k], result.step, chance);
            } else {
                AddLaidOut(sum, work[k], result.step, true);
            }
        }
    } else {
        result.step = std::max(resolution, span / static_cast<double>(kMostGridPoints));
        if (!(result.step > 0)) result.step = 1;
        result.exact = false;
        for (const Part& part : work) AddLaidOut(sum, part, result.step, false);
    }
    result.origin += static_cast<double>(sum.offset) * result.step;
    result.mass = std::move(sum.mass);
    return result;
}

double GridQuantile(const GridDistribution& sum, double level) {
    double cumulative = 0;
    for (size_t i = 0; i < sum.mass.size(); ++i) {
        const double before = cumulative;
        cumulative += sum.mass[i];
        if (cumulative < level - kLevelSlack) continue;
        const double at = sum.origin + static_cast<double>(i) * sum.step;
        if (sum.exact) return at;
        const double into = sum.mass[i] > 0 ? (level - before) / sum.mass[i] : 0.5;
        return at + (std::clamp(into, 0.0, 1.0) - 0.5) * sum.step;
    }
    return sum.origin + static_cast<double>(sum.mass.size() - 1) * sum.step;
}
