// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/window_moment.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(BenchAnswers, EachInputInEachMoment) {
    using A = BenchAnswer;
    const struct {
        const char* moment;
        bool nameBoxOpen, making;
        std::array<A, 3> answers;  // a plan, a paste, an undo
    } rows[] = {
        {"planning", false, false, {A::Change, A::Change, A::Change}},
        {"making", true, true, {A::BeingMade, A::BeingMade, A::BeingMade}},
        {"naming", true, false, {A::Change, A::UntilNamed, A::Nothing}},
        {"named before the making ends", false, true, {A::BeingMade, A::BeingMade, A::BeingMade}},
    };
    for (const auto& row : rows) {
        WorkshopState state;
        state.NameBoxOpen = row.nameBoxOpen;
        state.Making = row.making;
        const BenchInput inputs[] = {BenchInput::Plan, BenchInput::Paste, BenchInput::Undo};
        for (size_t k = 0; k < row.answers.size(); ++k) {
            EXPECT_EQ(AnswerTo(inputs[k], state), row.answers[k]) << row.moment << ", input " << k;
        }
    }
}

}  // namespace
