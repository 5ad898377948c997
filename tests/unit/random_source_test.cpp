// SPDX-License-Identifier: GPL-3.0-or-later
#include "dice/random_source.h"

#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <vector>

namespace {

TEST(RandomSource, GeneratorsStayBelowTheBound) {
    ClockRandom clock;
    SeededRandom seeded(7);
    for (RandomSource* source : std::array<RandomSource*, 2>{&clock, &seeded}) {
        std::array<int, 6> seen{};
        for (int n = 0; n < 6000; ++n) {
            const int32_t value = source->Below(6);
            ASSERT_GE(value, 0);
            ASSERT_LT(value, 6);
            ++seen[static_cast<size_t>(value)];
        }
        for (int count : seen) EXPECT_GT(count, 800);  // every face comes up
        EXPECT_EQ(source->Below(1), 0);
    }
}

TEST(RandomSource, SeededRepeatsAndIgnoresTheClock) {
    SeededRandom first(42), second(42);
    std::vector<int32_t> a, b;
    for (int n = 0; n < 50; ++n) {
        a.push_back(first.Below(1000));
        if (n == 10) second.ReseedFromClock();
        b.push_back(second.Below(1000));
    }
    EXPECT_EQ(a, b);
}

TEST(DrawSource, ScriptedDrawsComeFirstThenTheGenerator) {
    DrawSource source(std::make_unique<SeededRandom>(1));
    SeededRandom reference(1);
    source.Script(6, 6);
    source.Script(45, 1);
    EXPECT_EQ(source.ScriptedLeft(), 2u);
    EXPECT_EQ(source.Die(6), 6);
    EXPECT_EQ(source.Below(45), 0);
    EXPECT_EQ(source.ScriptedLeft(), 0u);
    EXPECT_EQ(source.Below(100), reference.Below(100));
}

TEST(DrawSource, ScriptForAnotherBoundIsAnError) {
    DrawSource source(std::make_unique<SeededRandom>(1));
    source.Script(5, 2);
    EXPECT_THROW(source.Below(6), std::logic_error);
}

TEST(DrawSource, ObserverSeesEveryDraw) {
    DrawSource source(std::make_unique<SeededRandom>(3));
    std::vector<std::pair<int32_t, int32_t>> seen;
    source.SetObserver([&](int32_t bound, int32_t value) { seen.emplace_back(bound, value); });
    source.Script(3, 3);
    source.Below(3);
    const int32_t free = source.Below(10);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(3, 2));
    EXPECT_EQ(seen[1], std::make_pair(10, free));
}

}  // namespace
