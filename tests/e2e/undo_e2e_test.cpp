// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of the workbench with Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/e2e_helpers.h"

namespace {

std::string At(int line, int column) { return std::to_string(line) + " " + std::to_string(column); }

std::string PickEnchantment(const std::string& name, const char* button = "left") {
    return "press Button9_Enchant\npick " + At(EntryLine("Button9_Enchant", name), 4) + " " +
           button + "\n";
}

std::string PickWeapon(const std::string& name) {
    return "press Button_Weapon\npick " + At(EntryLine("Button_Weapon", name), 2) + "\n";
}

// A random treasure on a diamond made into a 5-point ST battery; the draws
// after these come from the seeded generator.
const char* const kRandomDiamond = "draws 45:15 202:1 2:1 25:5\npress Button_Random\n";

const char* const kPoint = "state\nsheet\n";

// The state and the sheet at each print of a run.
struct Point {
    std::vector<std::string> state;
    std::vector<std::string> sheet;
    bool operator==(const Point& other) const {
        return state == other.state && sheet == other.sheet;
    }
};

std::vector<Point> Points(const DriverRun& run) {
    const auto states = StateBlocks(run);
    const auto sheets = Blocks(run, "sheet");
    std::vector<Point> points;
    for (size_t i = 0; i < states.size() && i < sheets.size(); ++i) {
        points.push_back({states[i], sheets[i]});
    }
    return points;
}

// The workbench at each state print: the base item and the slots.
std::vector<std::vector<std::string>> Benches(const DriverRun& run) {
    std::vector<std::vector<std::string>> benches;
    for (const auto& state : StateBlocks(run)) {
        benches.emplace_back();
        for (const std::string& line : state) {
            if (line.compare(0, 8, "BaseItem") == 0 || line.compare(0, 8, "HexCount") == 0 ||
                line.compare(0, 4, "Slot") == 0) {
                benches.back().push_back(line);
            }
        }
    }
    return benches;
}

// Picks, a pick that changes nothing, a random item and more picks; then
// undo walks back to the start and redo forward to the end, each step at the
// state and sheet recorded at that point, and neither goes past its end.
TEST(Undo, WalksBackAndForthOverPicksAndARandomItem) {
    const std::string steps[] = {
        PickEnchantment("Blur"),
        PickEnchantment("Weapon/Armor +"),
        PickEnchantment("Weapon/Armor +"),
        PickWeapon(" dirk"),
        kRandomDiamond,
        PickEnchantment("Light"),
        PickEnchantment("Light", "right"),
        PickEnchantment("Weapon/Armor +", "right"),
    };
    // A note line changes nothing: no step of its own.
    const std::string noChange =
        "press Button9_Enchant\npick " +
        At(EntryLine("Button9_Enchant", "Amulet: vs. all elementals") + 1, 3) + "\n";
    for (const char* focus : {"RichEdit1", "ListBox1", "Button_Job"}) {
        // The sheet is first built by a pick, here one that changes nothing.
        std::string script = "seed 9\n" + noChange + kPoint;
        for (const std::string& step : steps) script += step + noChange + kPoint;
        script += std::string("focus ") + focus + "\n";
        const size_t n = std::size(steps);
        for (size_t k = 0; k <= n; ++k) script += std::string("key Ctrl+Z\n") + kPoint;
        for (size_t k = 0; k <= n; ++k) {
            script += std::string(k % 2 == 0 ? "key Ctrl+Shift+Z\n" : "key Ctrl+Y\n") + kPoint;
        }
        const std::vector<Point> points = Points(RunFine(script));
        ASSERT_EQ(points.size(), 3 * n + 3) << focus;
        // points[0..n]: the recorded ones, all different.
        for (size_t k = 1; k <= n; ++k) EXPECT_FALSE(points[k] == points[k - 1]) << k;
        for (size_t k = 0; k <= n; ++k) {
            const size_t back = k < n ? n - 1 - k : 0;  // one undo past the start stays there
            EXPECT_TRUE(points[n + 1 + k] == points[back]) << focus << " undo " << k + 1;
            const size_t forth = k < n ? k + 1 : n;  // one redo past the end stays there
            EXPECT_TRUE(points[2 * n + 2 + k] == points[forth]) << focus << " redo " << k + 1;
        }
    }
}

// An undo changes neither the pane's listing nor the catalogs: the diamond the
// random item resized stays resized.
TEST(Undo, LeavesThePaneAndTheCatalogs) {
    const DriverRun run =
        RunFine(std::string("seed 4\npress Button_Gem\npane\n") + kRandomDiamond +
                "press Button_Gem\npane\nstate\n" +
                "focus ListBox1\nkey Ctrl+Z\npane\nstate\npress Button_Gem\npane\n");
    const auto panes = Blocks(run, "pane");
    ASSERT_EQ(panes.size(), 4u);
    EXPECT_NE(panes[0], panes[1]);  // the diamond's carats and price as resized
    EXPECT_EQ(panes[1], panes[2]);  // the undo leaves the pane
    EXPECT_EQ(panes[1], panes[3]);  // and the catalog
    const auto states = StateBlocks(run);
    ASSERT_EQ(states.size(), 2u);
    EXPECT_EQ(states[0][0], "BaseItemName |diamond (gem)|");
    EXPECT_EQ(states[1][0], "BaseItemName ||");
}

// A new change after an undo drops what could be redone; a pick that changes
// nothing keeps it.
TEST(Undo, ANewChangeDropsTheRedo) {
    struct Case {
        std::string between;  // what happens between the undo and the redo
        bool redone;
    };
    const std::string note =
        "pick " + At(EntryLine("Button9_Enchant", "Amulet: vs. all elementals") + 1, 3) + "\n";
    const Case cases[] = {
        {"", true},
        {note, true},
        {"press Button_Gem\npress Button9_Enchant\n", true},  // lists change no bench
        {"up 2\n", true},                                     // nor does DX
        {PickEnchantment("Light"), false},
        {kRandomDiamond, false},
    };
    for (const Case& c : cases) {
        const DriverRun run =
            RunFine("seed 2\n" + PickEnchantment("Blur") + PickEnchantment("Shadow") + kPoint +
                    "focus ListBox1\nkey Ctrl+Z\n" + c.between + kPoint +
                    "focus ListBox1\nkey Ctrl+Y\n" + kPoint);
        const auto benches = Benches(run);
        ASSERT_EQ(benches.size(), 3u) << c.between;
        EXPECT_EQ(benches[2] == benches[0], c.redone) << c.between;
        EXPECT_EQ(benches[2] == benches[1], !c.redone) << c.between;
    }
}

// In the name box Ctrl+Z undoes the typing, as in any text box, and leaves
// the bench; elsewhere it leaves the bench too while a making runs, and the
// making goes on with the slots it started with.
TEST(Undo, DuringAMaking) {
    const DriverRun run =
        RunFine(PickEnchantment("Dazzle Gem") + kPoint + PickEnchantment("Light") + kPoint +
                "press Button_Make\ntype Lamp\nkey Ctrl+Z\ncontrols\nstate\n" +
                "focus ListBox1\nkey Ctrl+Z\nstate\n" + "draws 6:1 6:1 6:1\ntick\nstate\n");
    const auto states = StateBlocks(run);
    ASSERT_EQ(states.size(), 5u);
    const auto slotNames = [&states](size_t k) {
        std::vector<std::string> names;
        for (size_t slot = 14; slot < 19; ++slot) {
            names.push_back(states[k][slot].substr(0, states[k][slot].find("| Price")));
        }
        return names;
    };
    EXPECT_NE(slotNames(0), slotNames(1));
    // The name box's own undo took the typing back; the bench stayed.
    EXPECT_EQ(Prefixed(run, "Edit1 ")[0], "Edit1 shown ||");
    EXPECT_EQ(slotNames(2), slotNames(1));
    EXPECT_EQ(states[2][11], "Making true");
    // The window's undo leaves the bench of the item being made.
    EXPECT_EQ(states[3], states[2]);
    EXPECT_EQ(slotNames(4), slotNames(1));
    EXPECT_EQ(states[4][9], "WeeksElapsed 1.0");
}

}  // namespace
