// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/hoard_shares.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <utility>

namespace {

constexpr size_t kNone = std::numeric_limits<size_t>::max();

// A share of at most this many items also offers each two of its items for
// an exchange, which evens out the few items of a small hoard; in a larger
// one single items already leave the shares within cents of each other,
// and the pairs would grow with the square of the items.
constexpr size_t kMostItemsForPairs = 16;

// Items that change hands together: none, one or two of a share's items.
struct Bundle {
    int64_t worth = 0;
    size_t first = kNone, second = kNone;  // the hoard's items
};

// An exchange between a richer share and a poorer one: the bundle of each
// that goes to the other (an empty one makes it a move), and the gap it leaves.
struct Trade {
    size_t richer = 0, poorer = 0;
    Bundle fromRicher, fromPoorer;
    int64_t gap = 0;
};

class Sharing {
public:
    Sharing(const std::vector<int64_t>& cents, size_t count)
        : cents_(cents), shares_(count), sums_(count, 0) {}

    // The items from the most valuable down, each to the poorest share; one
    // worth more than a fair share opens a share of its own and stays alone.
    void Deal() {
        std::vector<size_t> order(cents_.size());
        std::iota(order.begin(), order.end(), size_t{0});
        std::stable_sort(order.begin(), order.end(),
                         [this](size_t a, size_t b) { return cents_[a] > cents_[b]; });
        const int64_t total = std::accumulate(cents_.begin(), cents_.end(), int64_t{0});
        const auto count = static_cast<int64_t>(shares_.size());
        for (const size_t item : order) {
            const size_t share = Poorest();
            Put(item, share);
            // Worth more than total / count, without the rounding of a division.
            if (cents_[item] * count > total) shares_[share].standsAlone = true;
        }
    }

    // Makes the exchange (or move) that narrows the gap most while there is one.
    void Improve() {
        for (;;) {
            const Trade best = BestTrade();
            if (best.gap >= Gap()) return;
            Move(best.fromRicher, best.richer, best.poorer);
            Move(best.fromPoorer, best.poorer, best.richer);
        }
    }

    std::vector<HoardShare> Take() {
        for (size_t s = 0; s < shares_.size(); ++s) {
            std::sort(shares_[s].items.begin(), shares_[s].items.end());
            shares_[s].cents = sums_[s];
        }
        return std::move(shares_);
    }

private:
    // The poorest share that does not stand alone (the first of equals).
    size_t Poorest() const {
        size_t poorest = kNone;
        for (size_t s = 0; s < shares_.size(); ++s) {
            if (shares_[s].standsAlone) continue;
            if (poorest == kNone || sums_[s] < sums_[poorest]) poorest = s;
        }
        return poorest;
    }

    void Put(size_t item, size_t share) {
        shares_[share].items.push_back(item);
        sums_[share] += cents_[item];
    }

    void Move(const Bundle& bundle, size_t from, size_t to) {
        std::vector<size_t>& items = shares_[from].items;
        for (const size_t item : {bundle.first, bundle.second}) {
            if (item == kNone) continue;
            items.erase(std::find(items.begin(), items.end(), item));
            sums_[from] -= cents_[item];
            Put(item, to);
        }
    }

    // What of a share may change hands, by worth: nothing, each item, and
    // each two items of a share that is not too large.
    std::vector<Bundle> Bundles(size_t share) const {
        const std::vector<size_t>& items = shares_[share].items;
        const bool pairs = items.size() <= kMostItemsForPairs;
        std::vector<Bundle> bundles(1);
        bundles.reserve(1 + (pairs ? items.size() * (items.size() + 1) / 2 : items.size()));
        for (size_t i = 0; i < items.size(); ++i) {
            bundles.push_back({cents_[items[i]], items[i], kNone});
            for (size_t j = i + 1; pairs && j < items.size(); ++j)
                bundles.push_back({cents_[items[i]] + cents_[items[j]], items[i], items[j]});
        }
        std::sort(bundles.begin(), bundles.end(),
                  [](const Bundle& a, const Bundle& b) { return a.worth < b.worth; });
        return bundles;
    }

    int64_t Gap() const {
        const auto [poorest, richest] = std::minmax_element(sums_.begin(), sums_.end());
        return *richest - *poorest;
    }

    Trade BestTrade() const {
        Trade best;
        best.gap = Gap();
        std::vector<std::vector<Bundle>> bundles(shares_.size());
        for (size_t s = 0; s < shares_.size(); ++s) {
            if (!shares_[s].standsAlone) bundles[s] = Bundles(s);
        }
        for (size_t a = 0; a < shares_.size(); ++a) {
            for (size_t b = 0; b < shares_.size(); ++b) {
                if (sums_[a] <= sums_[b] || shares_[a].standsAlone || shares_[b].standsAlone)
                    continue;
                PairTrade(a, b, bundles[a], bundles[b], best);
            }
        }
        return best;
    }

    // The best exchange between the richer share a and the poorer b: the
    // worth that changes hands nearest half their difference, from below or
    // from above, as the gap only widens further from it.
    void PairTrade(size_t a, size_t b, const std::vector<Bundle>& richer,
                   const std::vector<Bundle>& poorer, Trade& best) const {
        int64_t othersHigh = std::numeric_limits<int64_t>::min();
        int64_t othersLow = std::numeric_limits<int64_t>::max();
        for (size_t s = 0; s < sums_.size(); ++s) {
            if (s == a || s == b) continue;
            othersHigh = std::max(othersHigh, sums_[s]);
            othersLow = std::min(othersLow, sums_[s]);
        }
        const int64_t difference = sums_[a] - sums_[b];
        const auto gapAfter = [&](int64_t moved) {
            const int64_t x = sums_[a] - moved, y = sums_[b] + moved;
            return std::max({othersHigh, x, y}) - std::min({othersLow, x, y});
        };
        for (const Bundle& given : richer) {
            // The poorer share's bundle y with 2 * (given - y) nearest the difference.
            const auto at = std::lower_bound(
                poorer.begin(), poorer.end(), given.worth * 2 - difference,
                [](const Bundle& taken, int64_t twice) { return taken.worth * 2 < twice; });
            for (auto it = at == poorer.begin() ? at : at - 1; it != poorer.end() && it <= at;
                 ++it) {
                const int64_t moved = given.worth - it->worth;
                if (moved <= 0 || moved >= difference) continue;
                const int64_t gap = gapAfter(moved);
                if (gap < best.gap) best = {a, b, given, *it, gap};
            }
        }
    }

    const std::vector<int64_t>& cents_;
    std::vector<HoardShare> shares_;
    std::vector<int64_t> sums_;
};

}  // namespace

std::vector<HoardShare> ShareHoard(const std::vector<int64_t>& cents, int32_t count) {
    if (count < kMinShares || count > kMaxShares) return {};
    Sharing sharing(cents, static_cast<size_t>(count));
    sharing.Deal();
    sharing.Improve();
    return sharing.Take();
}

int64_t ShareGap(const std::vector<HoardShare>& shares) {
    if (shares.empty()) return 0;
    const auto [poorest, richest] = std::minmax_element(
        shares.begin(), shares.end(),
        [](const HoardShare& a, const HoardShare& b) { return a.cents < b.cents; });
    return richest->cents - poorest->cents;
}
