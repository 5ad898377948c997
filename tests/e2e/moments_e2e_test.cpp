// SPDX-License-Identifier: GPL-3.0-or-later
// What every input around the window does in each of its moments: planning,
// making (the name box open, weeks still to go) and naming (every slot has its
// weeks). While the making runs nothing changes the bench; once it has ended,
// picks plan the next item, and the stored report is the made one with the
// name above it.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

// The making also runs on once its name is stored before its end.
enum Moment { kPlanning, kMaking, kNaming, kMakingNamed };
// What an input does to the bench: nothing; something (a random item); the
// same as the reference script; nothing to the bench, though its draws may
// change the weeks still to roll (a hoard); or, marked "-", it cannot be given.
enum Effect { kNothing, kChanges, kAsReference, kBenchKept, kNotThere };

std::string Pick(const std::string& name, int column, const std::string& how = "") {
    return "pick " + std::to_string(EntryLine("Button9_Enchant", name)) + " " +
           std::to_string(column) + how + "\n";
}

// A dagger with Blur and Light, with Weapon/Armor + picked and taken back
// so that both an undo and a redo are there to make.
std::string Bench() {
    return "seed 5\npress Button_Weapon\npick " +
           std::to_string(EntryLine("Button_Weapon", "dagger")) + " 3\npress Button9_Enchant\n" +
           Pick("Blur", 3) + Pick("Light", 3) + Pick("Weapon/Armor +", 3) +
           "focus ListBox1\nkey Ctrl+Z\n";
}

// Each moment after an earlier item was made and named "Old".
std::string Setup(Moment moment) {
    const std::string named = Bench() + "press Button_Make\ntype Old\npress Button_Make\n";
    if (moment == kPlanning) return named + "tick 300\n";
    if (moment == kMaking) return named + "press Button_Make\ntick\n";
    if (moment == kMakingNamed)
        return named + "press Button_Make\ntick\ntype Viper\npress Button_Make\n";
    return named + "press Button_Make\ntick 300\n";
}

// After the input: the making runs to its end and the item is named.
const char* const kNameIt = "tick 300\ntype Viper\npress Button_Make\npane\n";

struct Row {
    const char* what;
    std::string input;
    std::array<Effect, 3> effect;   // planning, making, naming
    std::string reference{};        // for kAsReference
    const char* nameBox = nullptr;  // the box's text after the input, while open
};

std::vector<Row> Rows() {
    const std::array<Effect, 3> undo = {kChanges, kNothing, kNothing};
    const std::array<Effect, 3> box = {kNotThere, kNothing, kNothing};
    const std::array<Effect, 3> asReference = {kAsReference, kAsReference, kAsReference};
    const std::string list = "press Button9_Enchant\n";
    const std::string weapon = Pick("Weapon/Armor +", 3);
    std::vector<Row> rows;
    for (const char* from : {"Button_Job", "ListBox1", "RichEdit1"}) {
        for (const char* key : {"Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+Y"}) {
            rows.push_back({key, std::string("focus ") + from + "\nkey " + key + "\n", undo});
        }
    }
    rows.push_back({"box Ctrl+Z", "focus Edit1\ntype Bat\nkey Ctrl+Z\n", box, "", ""});
    rows.push_back({"box Ctrl+Shift+Z", "focus Edit1\ntype Bat\nkey Ctrl+Z\nkey Ctrl+Shift+Z\n",
                    box, "", "Bat"});
    rows.push_back(
        {"box Ctrl+Y", "focus Edit1\ntype Bat\nkey Ctrl+Z\nkey Ctrl+Y\n", box, "", "Bat"});
    rows.push_back({"fresh box Ctrl+Z", "focus Edit1\nkey Ctrl+Z\n", box, "", ""});
    rows.push_back({"box Ctrl+V", "setclipboard Bat\nfocus Edit1\nkey Ctrl+V\n", box, "", "Bat"});
    rows.push_back({"press inside Ctrl+A", list + "focus RichEdit1\nkey Ctrl+A\n" + weapon,
                    asReference, list + weapon});
    rows.push_back({"press inside a drag",
                    list + "drag " + std::to_string(EntryLine("Button9_Enchant", "Blur")) + " 0 " +
                        std::to_string(EntryLine("Button9_Enchant", "Light")) + " 9 ctrl\n" +
                        Pick("Light", 2),
                    asReference, list + Pick("Light", 2)});
    rows.push_back({"shift press", list + Pick("Weapon/Armor +", 3, " shift"), asReference, list});
    rows.push_back(
        {"ctrl press", list + Pick("Weapon/Armor +", 3, " right ctrl"), asReference, list});
    rows.push_back({"list command", "press Button_Gem\n", asReference, ""});
    const std::array<Effect, 3> plans = {kChanges, kNothing, kChanges};
    rows.push_back({"Random", "press Button_Random\n", plans});
    const std::string hoard = "press Button_Random shift\nkey Return\n";
    rows.push_back({"a hoard", hoard, {kBenchKept, kBenchKept, kBenchKept}});
    rows.push_back({"a hoard's item", hoard + "pick 0 3\n", plans});
    const std::string shares = hoard + "key Shift+Alt+S\nkey Return\n";
    rows.push_back({"shares", shares, {kBenchKept, kBenchKept, kBenchKept}});
    rows.push_back({"a share's item", shares + "pick 1 3\n", plans});
    const std::string rapier = "press Button_Weapon\npick " +
                               std::to_string(EntryLine("Button_Weapon", "rapier")) + " 3\nsheet\n";
    rows.push_back(
        {"Ctrl+V", SetClipboard(Block(RunFine(rapier), "sheet")) + "key Ctrl+V\n", undo});
    rows.push_back({"an item made", "key Ctrl+H\npick 0 3\n", undo});
    rows.push_back({"a base item",
                    "press Button_Weapon\npick " +
                        std::to_string(EntryLine("Button_Weapon", "rapier")) + " 3\n",
                    plans});
    rows.push_back({"an enchantment", list + weapon, plans});
    rows.push_back({"Enter on an enchantment",
                    list + "caret " + std::to_string(125 * EntryLine("Button9_Enchant", "Light")) +
                        "\nfocus RichEdit1\nkey Return\n",
                    plans});
    return rows;
}

struct Outcome {
    std::vector<std::string> before, after;  // state and sheet
    std::string nameBox;
    std::vector<std::string> named;  // the stored report
};

Outcome RunIn(Moment moment, const std::string& input) {
    const std::string tail =
        moment == kPlanning ? "" : (moment == kMakingNamed ? "tick 300\npane\n" : kNameIt);
    const DriverRun run =
        RunFine(Setup(moment) + "state\nsheet\n" + input + "state\nsheet\ncontrols\n" + tail);
    const auto states = StateBlocks(run);
    const auto sheets = Blocks(run, "sheet");
    Outcome outcome;
    if (states.size() != 2 || sheets.size() != 2) return outcome;
    outcome.before = states[0];
    outcome.before.insert(outcome.before.end(), sheets[0].begin(), sheets[0].end());
    outcome.after = states[1];
    outcome.after.insert(outcome.after.end(), sheets[1].begin(), sheets[1].end());
    const auto box = Prefixed(run, "Edit1 ");
    if (!box.empty()) outcome.nameBox = Unbar(box[0]);
    outcome.named = Block(run, "pane");
    return outcome;
}

class Moments : public ::testing::TestWithParam<Moment> {};

TEST_P(Moments, EveryInputAsTheTableSays) {
    const Moment moment = GetParam();
    std::map<std::string, Outcome> references;
    const auto reference = [&](const std::string& script) -> const Outcome& {
        auto known = references.find(script);
        if (known == references.end())
            known = references.emplace(script, RunIn(moment, script)).first;
        return known->second;
    };
    const Outcome& untouched = reference("");
    ASSERT_FALSE(untouched.before.empty());
    if (moment != kPlanning) {
        // The report the making stores: the name, then the made item's lines.
        ASSERT_GT(untouched.named.size(), 3u);
        EXPECT_EQ(untouched.named[0].find("Viper"), 0u) << untouched.named[0];
        EXPECT_NE(untouched.named[2].find("dagger"), std::string::npos) << untouched.named[2];
    }
    for (const Row& row : Rows()) {
        // Named while it runs, the making locks the bench as before its name;
        // the name box is closed.
        const Effect effect = moment != kMakingNamed               ? row.effect[moment]
                              : row.effect[kPlanning] == kNotThere ? kNotThere
                                                                   : row.effect[kMaking];
        if (effect == kNotThere) continue;
        const Outcome got = RunIn(moment, row.input);
        ASSERT_FALSE(got.after.empty()) << row.what;
        switch (effect) {
            case kNothing:
                EXPECT_EQ(got.after, got.before) << row.what;
                EXPECT_EQ(got.named, untouched.named) << row.what;
                break;
            case kBenchKept:
                EXPECT_EQ(got.after, got.before) << row.what;
                break;
            case kChanges:
                EXPECT_NE(got.after, got.before) << row.what;
                break;
            case kAsReference:
                EXPECT_EQ(got.after, reference(row.reference).after) << row.what;
                EXPECT_EQ(got.named, reference(row.reference).named) << row.what;
                break;
            case kNotThere:
                break;
        }
        // Whatever the bench became while the name box was open, the name
        // goes on the item as it was made.
        if (moment == kNaming) {
            EXPECT_EQ(got.named, untouched.named) << row.what;
        }
        if (row.nameBox != nullptr && moment != kPlanning && moment != kMakingNamed) {
            EXPECT_EQ(got.nameBox, row.nameBox) << row.what;
        }
    }
}

std::string MomentName(const ::testing::TestParamInfo<Moment>& info) {
    const char* const names[] = {"Planning", "Making", "Naming", "MakingNamed"};
    return names[info.param];
}

INSTANTIATE_TEST_SUITE_P(E2E, Moments, ::testing::Values(kPlanning, kMaking, kNaming, kMakingNamed),
                         MomentName);

}  // namespace
