// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/bench/workbench_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/gem.h"
#include "catalog/magic_item.h"
#include "dice/random_source.h"
#include "random/random_item.h"
#include "tests/support/catalog_checks.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/workshop_state.h"

namespace {

// A workbench told apart by its base item's name alone.
WorkbenchSnapshot Named(const std::string& name) {
    WorkbenchSnapshot snapshot;
    snapshot.BaseItemName = name;
    for (int k = 0; k < 5; ++k) snapshot.Slots.emplace_back(-1);
    return snapshot;
}

// Plays a script of workbench steps on a history and returns the base name
// of the workbench after each step. Each word of the script is one step:
// a name is a change to that workbench, "=" a pick that changed nothing,
// "u" an undo and "r" a redo (an undo or redo with no step changes nothing).
std::string Play(WorkbenchHistory& history, const std::string& script) {
    WorkbenchSnapshot bench = Named("start");
    std::istringstream in(script);
    std::string after;
    for (std::string step; in >> step;) {
        if (step == "u" || step == "r") {
            auto next = step == "u" ? history.Undo(bench) : history.Redo(bench);
            if (next) bench = *next;
        } else if (step == "=") {
            history.Record(bench, bench);
        } else {
            const WorkbenchSnapshot changed = Named(step);
            history.Record(bench, changed);
            bench = changed;
        }
        after += (after.empty() ? "" : " ") + bench.BaseItemName;
    }
    return after;
}

TEST(WorkbenchHistory, UndoAndRedoWalkTheSteps) {
    struct Case {
        size_t capacity;
        const char* script;
        const char* benches;  // the workbench after each step
        size_t undoLeft, redoLeft;
    };
    // clang-format off
    const Case cases[] = {
        // Back and forth over every step, and past both ends.
        {10, "A B C u u u u r r r r",  "A B C B A start start A B C C",  3, 0},
        // A change that changes nothing is no step, and keeps the redo steps.
        {10, "A = = u = r",            "A A A start start A",             1, 0},
        // A new change after an undo drops what could be redone.
        {10, "A B u C r u u",          "A B A C C A start",               0, 2},
        // Undo at the very start does nothing.
        {10, "u r",                    "start start",                     0, 0},
        // Only the newest steps are kept.
        {3,  "A B C D E u u u u",      "A B C D E D C B B",               0, 3},
        {1,  "A B u u r r",            "A B A A B B",                     1, 0},
        // A history that keeps nothing never undoes.
        {0,  "A B u r",                "A B B B",                         0, 0},
        // A redo makes room in a full history by forgetting the oldest step.
        {2,  "A B u C D u u r r",      "A B A C D C A C D",               2, 0},
        // Changing back to an earlier workbench is a step like any other.
        {10, "A start u u",            "A start A start",                 0, 2},
    };
    // clang-format on
    for (const Case& c : cases) {
        WorkbenchHistory history(c.capacity);
        EXPECT_EQ(Play(history, c.script), c.benches) << c.script;
        EXPECT_EQ(history.UndoSteps(), c.undoLeft) << c.script;
        EXPECT_EQ(history.RedoSteps(), c.redoLeft) << c.script;
    }
}

TEST(WorkbenchHistory, KeepsAtLeastAHundredSteps) {
    WorkbenchHistory history;
    EXPECT_GE(history.Capacity(), 100u);
    std::string changes, undos, expected;
    for (int n = 1; n <= 150; ++n) changes += " s" + std::to_string(n);
    for (int n = 149; n >= 1; --n) expected += " s" + std::to_string(n);
    for (int n = 0; n < 150; ++n) undos += " u";
    // The 150 undos go back over every change, to the very start.
    const std::string benches = Play(history, changes + undos);
    expected += " start";
    ASSERT_GT(benches.size(), expected.size());
    EXPECT_EQ(benches.substr(benches.size() - expected.size()), expected);
}

class WorkbenchSnapshotTest : public ::testing::Test {
protected:
    void SetUp() override {
        table_.Build();
        state_.SetBaseItem("dagger", 10, 10.0 / 150);
        Rectify_Magic_Item_list(table_, state_, 2);  // Blur
        Rectify_Magic_Item_list(table_, state_, 5);
        Rectify_Magic_Item_list(table_, state_, 5);
    }

    CatalogTable table_;
    WorkshopState state_;
};

TEST_F(WorkbenchSnapshotTest, EveryFieldOfTheBenchCounts) {
    using Change = std::function<void(WorkshopState&, TMagicItemKest & slot2)>;
    struct Case {
        const char* field;
        Change change;
    };
    const Case cases[] = {
        {"BaseItemName", [](WorkshopState& s, TMagicItemKest&) { s.BaseItemName += "x"; }},
        {"BaseItemPrice", [](WorkshopState& s, TMagicItemKest&) { s.BaseItemPrice += 0.5; }},
        {"BaseItemWeeks", [](WorkshopState& s, TMagicItemKest&) { s.BaseItemWeeks += 0.5; }},
        {"HexCount", [](WorkshopState& s, TMagicItemKest&) { s.HexCount = 2; }},
        {"Name", [](WorkshopState&, TMagicItemKest& t) { t.Name = "Blurry"; }},
        {"Price", [](WorkshopState&, TMagicItemKest& t) { t.Price += 1; }},
        {"AdjustedPrice", [](WorkshopState&, TMagicItemKest& t) { t.AdjustedPrice += 1; }},
        {"NoteCode", [](WorkshopState&, TMagicItemKest& t) { t.NoteCode = 'Z'; }},
        {"Weeks", [](WorkshopState&, TMagicItemKest& t) { t.Weeks += 1; }},
        {"WeeksWorked", [](WorkshopState&, TMagicItemKest& t) { t.WeeksWorked += 1; }},
        {"WeeksLost", [](WorkshopState&, TMagicItemKest& t) { t.WeeksLost += 1; }},
        {"CostSoFar", [](WorkshopState&, TMagicItemKest& t) { t.CostSoFar += 1; }},
        {"STPerDay", [](WorkshopState&, TMagicItemKest& t) { t.STPerDay += 1; }},
        {"IngredientCost", [](WorkshopState&, TMagicItemKest& t) { t.IngredientCost += 1; }},
        {"Note1", [](WorkshopState&, TMagicItemKest& t) { t.Note1 += "x"; }},
        {"Note5", [](WorkshopState&, TMagicItemKest& t) { t.Note5 += "x"; }},
        {"MaterialCost1", [](WorkshopState&, TMagicItemKest& t) { t.MaterialCost1 += 1; }},
        {"MaterialCost5", [](WorkshopState&, TMagicItemKest& t) { t.MaterialCost5 += 1; }},
        {"CatalogIndex", [](WorkshopState&, TMagicItemKest& t) { t.CatalogIndex += 1; }},
        {"IQ", [](WorkshopState&, TMagicItemKest& t) { t.IQ += 1; }},
        {"Aux", [](WorkshopState&, TMagicItemKest& t) { t.Aux += 1; }},
        {"Level", [](WorkshopState&, TMagicItemKest& t) { t.Level += 1; }},
        {"WorkDays", [](WorkshopState&, TMagicItemKest& t) { t.WorkDays += 1; }},
        {"WorkUnits", [](WorkshopState&, TMagicItemKest& t) { t.WorkUnits += 1; }},
        {"SpellNumber", [](WorkshopState&, TMagicItemKest& t) { t.SpellNumber += 1; }},
    };
    const WorkbenchSnapshot before = CaptureWorkbench(table_, state_);
    EXPECT_EQ(CaptureWorkbench(table_, state_), before);
    for (const Case& c : cases) {
        c.change(state_, table_.EditSlot(2));
        EXPECT_NE(CaptureWorkbench(table_, state_), before) << c.field;
        WorkbenchHistory history;
        EXPECT_TRUE(history.Record(before, CaptureWorkbench(table_, state_))) << c.field;
        RestoreWorkbench(*history.Undo(CaptureWorkbench(table_, state_)), table_, state_);
        EXPECT_EQ(CaptureWorkbench(table_, state_), before) << c.field;
    }
}

TEST_F(WorkbenchSnapshotTest, RestoringTouchesOnlyTheBench) {
    state_.Making = true;
    state_.DX = 9;
    state_.MadeItemName = "Glimmer";
    state_.WeeksElapsed = 3;
    state_.shown = ShownList::Gems;
    const WorkbenchSnapshot planned = CaptureWorkbench(table_, state_);
    const WorkshopState kept = state_;

    // Random items empty the bench; roll them until one has recut a gem of
    // the catalog.
    std::vector<double> gemPrices;
    for (uint64_t seed = 1; seed < 1000 && gemPrices.empty(); ++seed) {
        SeededRandom random(seed);
        MakeRandomItem(table_, state_, random);
        for (int n = 1; n <= kGemCount; ++n) {
            if (GemAt(table_, n).Price != GemAt(BuiltTable(), n).Price) {
                for (int g = 1; g <= kGemCount; ++g) gemPrices.push_back(GemAt(table_, g).Price);
                break;
            }
        }
    }
    ASSERT_FALSE(gemPrices.empty());
    ASSERT_NE(CaptureWorkbench(table_, state_), planned);
    const std::string blur = table_.MagicItem(2).Name;

    RestoreWorkbench(planned, table_, state_);
    EXPECT_EQ(CaptureWorkbench(table_, state_), planned);
    EXPECT_EQ(table_.Slot(1).Name, "Blur");
    EXPECT_EQ(state_.Making, kept.Making);
    EXPECT_EQ(state_.DX, kept.DX);
    EXPECT_EQ(state_.MadeItemName, kept.MadeItemName);
    EXPECT_EQ(state_.WeeksElapsed, kept.WeeksElapsed);
    EXPECT_EQ(state_.shown, kept.shown);
    for (int n = 1; n <= kGemCount; ++n) {
        EXPECT_EQ(GemAt(table_, n).Price, gemPrices[static_cast<size_t>(n - 1)]) << n;
    }
    EXPECT_EQ(table_.MagicItem(2).Name, blur);
}

}  // namespace
