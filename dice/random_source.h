// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <random>
#include <string>

// The one source of chance in the program: every die roll of the making and
// of random treasure asks it for an integer 0..n-1.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform integer 0..bound-1; bound > 0.
    virtual int32_t Below(int32_t bound) = 0;
    // Starts a fresh sequence from the clock.
    virtual void ReseedFromClock() = 0;

    // d(n): a die with n faces, 1..n.
    int32_t Die(int32_t faces) { return Below(faces) + 1; }
};

// The program's own source: a Mersenne twister seeded from the clock.
class ClockRandom : public RandomSource {
public:
    ClockRandom();
    int32_t Below(int32_t bound) override;
    void ReseedFromClock() override;

private:
    std::mt19937_64 engine_;
};

// A generator with a fixed seed that ignores re-seeds from the clock, so a
// run can be repeated draw for draw.
class SeededRandom : public RandomSource {
public:
    explicit SeededRandom(uint64_t seed) : engine_(seed) {}
    int32_t Below(int32_t bound) override;
    void ReseedFromClock() override {}

private:
    std::mt19937_64 engine_;
};

// The source the program draws from: a queue of scripted draws first, then a
// generator that can be exchanged. Tests script draws with it; the program
// itself only ever uses the generator.
class DrawSource : public RandomSource {
public:
    // Called when a scripted draw was made for another bound; it must not
    // return normally (the default throws std::logic_error).
    using MismatchHandler =
        std::function<void(int32_t askedBound, int32_t scriptBound, int32_t scriptDie)>;
    // Sees every draw: the bound asked for and the value returned.
    using DrawObserver = std::function<void(int32_t bound, int32_t value)>;

    DrawSource();
    explicit DrawSource(std::unique_ptr<RandomSource> generator);

    void SetGenerator(std::unique_ptr<RandomSource> generator);
    // Queues the die d(bound) = die for the next draw below bound.
    void Script(int32_t bound, int32_t die);
    size_t ScriptedLeft() const { return script_.size(); }
    void SetMismatchHandler(MismatchHandler handler) { onMismatch_ = std::move(handler); }
    void SetObserver(DrawObserver observer) { observer_ = std::move(observer); }

    int32_t Below(int32_t bound) override;
    void ReseedFromClock() override { generator_->ReseedFromClock(); }

private:
    struct ScriptedDraw {
        int32_t bound;
        int32_t die;
    };
    std::unique_ptr<RandomSource> generator_;
    std::deque<ScriptedDraw> script_;
    MismatchHandler onMismatch_;
    DrawObserver observer_;
};
