// SPDX-License-Identifier: GPL-3.0-or-later
#include "dice/random_source.h"

#include <chrono>
#include <stdexcept>

namespace {

int32_t UniformBelow(std::mt19937_64& engine, int32_t bound) {
    if (bound <= 1) return 0;
    return std::uniform_int_distribution<int32_t>(0, bound - 1)(engine);
}

uint64_t ClockSeed() {
    return static_cast<uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}

}  // namespace

ClockRandom::ClockRandom() : engine_(ClockSeed()) {}

int32_t ClockRandom::Below(int32_t bound) { return UniformBelow(engine_, bound); }

void ClockRandom::ReseedFromClock() { engine_.seed(ClockSeed()); }

int32_t SeededRandom::Below(int32_t bound) { return UniformBelow(engine_, bound); }

DrawSource::DrawSource() : DrawSource(std::make_unique<ClockRandom>()) {}

DrawSource::DrawSource(std::unique_ptr<RandomSource> generator) : generator_(std::move(generator)) {
    onMismatch_ = [](int32_t asked, int32_t bound, int32_t die) {
        throw std::logic_error("draw asked below " + std::to_string(asked) + ", script says " +
                               std::to_string(bound) + ":" + std::to_string(die));
    };
}

void DrawSource::SetGenerator(std::unique_ptr<RandomSource> generator) {
    generator_ = std::move(generator);
}

void DrawSource::Script(int32_t bound, int32_t die) { script_.push_back({bound, die}); }

int32_t DrawSource::Below(int32_t bound) {
    int32_t value;
    if (!script_.empty()) {
        const ScriptedDraw next = script_.front();
        if (next.bound != bound) {
            onMismatch_(bound, next.bound, next.die);
            throw std::logic_error("a scripted draw for another bound was taken");
        }
        script_.pop_front();
        value = next.die - 1;
    } else {
        value = generator_->Below(bound);
    }
    if (observer_) observer_(bound, value);
    return value;
}
