// SPDX-License-Identifier: GPL-3.0-or-later
// Building an item on the workbench through real clicks on the lists.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>

#include "tests/e2e/driver_run.h"
#include "tests/e2e/e2e_helpers.h"

namespace {

// "pick" commands for an enchantment, clicked count times.
std::string Pick(const std::string& item, int count = 1, const char* button = "left",
                 int column = 3) {
    std::string script;
    const int line = EntryLine("Button9_Enchant", item);
    for (int n = 0; n < count; ++n) {
        script +=
            "pick " + std::to_string(line) + " " + std::to_string(column) + " " + button + "\n";
    }
    return script;
}

struct Slot {
    std::string name;
    long price = 0, adjusted = 0, level = 0;
    std::string weeks;
};

// Every "state" print of a run, as the five slots and the state's lines.
struct Snapshot {
    std::vector<Slot> slots;
    std::map<std::string, std::string> values;
};

std::vector<Snapshot> States(const DriverRun& run) {
    std::vector<Snapshot> states;
    for (const std::string& line : run.out) {
        if (line.compare(0, 13, "BaseItemName ") == 0) states.emplace_back();
        if (states.empty()) continue;
        if (line.compare(0, 4, "Slot") == 0) {
            Slot slot;
            slot.name = Unbar(line.substr(6, line.find("| Price") - 5));
            std::sscanf(line.c_str() + line.find("| Price ") + 8, "%ld AdjustedPrice %ld Level %ld",
                        &slot.price, &slot.adjusted, &slot.level);
            const auto weeks = line.find(" Weeks ") + 7;
            slot.weeks = line.substr(weeks, line.find(' ', weeks) - weeks);
            states.back().slots.push_back(slot);
        } else {
            const auto blank = line.find(' ');
            states.back().values[line.substr(0, blank)] = line.substr(blank + 1);
        }
    }
    return states;
}

DriverRun RunOk(const std::string& script) {
    DriverRun run = RunDriver(script);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return run;
}

TEST(CombinationRules, GradedItemStepsUpAndDown) {
    // Weapon/Armor +: levels 1..5 doubling the price, the sixth click takes it off.
    std::string script = "press Button9_Enchant\n";
    for (int n = 0; n < 6; ++n) script += Pick("Weapon/Armor +") + "state\n";
    const std::vector<Snapshot> up = States(RunOk(script));
    ASSERT_EQ(up.size(), 6u);
    const long prices[] = {1000, 2000, 4000, 8000, 16000};
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(up[n].slots[0].name, "Weapon/Armor +");
        EXPECT_EQ(up[n].slots[0].level, n + 1);
        EXPECT_EQ(up[n].slots[0].price, prices[n]);
        EXPECT_EQ(up[n].slots[0].adjusted, prices[n]);
    }
    EXPECT_EQ(up[5].slots[0].name, "");

    // A right click at level 3 gives level 2; at level 1 it takes the item off.
    const std::vector<Snapshot> down = States(
        RunOk("press Button9_Enchant\n" + Pick("Weapon/Armor +", 3) +
              Pick("Weapon/Armor +", 1, "right") + "state\n" + Pick("Weapon/Armor +", 1, "right") +
              "state\n" + Pick("Weapon/Armor +", 1, "right") + "state\n"));
    ASSERT_EQ(down.size(), 3u);
    EXPECT_EQ(down[0].slots[0].level, 2);
    EXPECT_EQ(down[0].slots[0].price, 2000);
    EXPECT_EQ(down[1].slots[0].level, 1);
    EXPECT_EQ(down[2].slots[0].name, "");
}

TEST(CombinationRules, NegativeGradeGoesDownToMinusFive) {
    std::string script = "press Button9_Enchant\n";
    for (int n = 0; n < 6; ++n) script += Pick("Weakness ST") + "state\n";
    script += Pick("Weakness ST", 2) + Pick("Weakness ST", 1, "right") + "state\n";
    const std::vector<Snapshot> s = States(RunOk(script));
    ASSERT_EQ(s.size(), 7u);
    for (int n = 0; n < 5; ++n) {
        EXPECT_EQ(s[n].slots[0].level, -1 - n);
        EXPECT_EQ(s[n].slots[0].price, 1000L << n);
    }
    EXPECT_EQ(s[5].slots[0].name, "");   // the click at -5 took it off
    EXPECT_EQ(s[6].slots[0].level, -1);  // put on at -1, down to -2, a right click back to -1
    EXPECT_EQ(s[6].slots[0].price, 1000);
}

TEST(CombinationRules, FivePointBatteryCountsByFives) {
    std::string script = "press Button9_Enchant\n" + Pick("ST battery 5pt") + "state\n" +
                         Pick("ST battery 5pt") + "state\n" + Pick("ST battery 5pt", 49) +
                         "state\n" + Pick("ST battery 5pt") + "state\n";
    const std::vector<Snapshot> s = States(RunOk(script));
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0].slots[0].level, 5);
    EXPECT_EQ(s[0].slots[0].price, 5000);
    EXPECT_EQ(s[1].slots[0].level, 10);
    EXPECT_EQ(s[1].slots[0].price, 10000);
    EXPECT_EQ(s[2].slots[0].level, 255);
    EXPECT_EQ(s[2].slots[0].price, 255000);
    EXPECT_EQ(s[3].slots[0].name, "");

    const std::vector<Snapshot> r = States(RunOk(
        "press Button9_Enchant\n" + Pick("ST battery 5pt", 2) + Pick("ST battery 5pt", 1, "right") +
        "state\n" + Pick("ST battery 5pt", 1, "right") + "state\n"));
    ASSERT_EQ(r.size(), 2u);
    EXPECT_EQ(r[0].slots[0].level, 5);
    EXPECT_EQ(r[0].slots[0].price, 5000);
    EXPECT_EQ(r[1].slots[0].name, "");
}

TEST(CombinationRules, OnePointBatteryCountsToTwoHundredFiftySix) {
    const std::vector<Snapshot> s =
        States(RunOk("press Button9_Enchant\n" + Pick("ST battery 1pt", 256) + "state\n" +
                     Pick("ST battery 1pt") + "state\n"));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].slots[0].level, 256);
    EXPECT_EQ(s[0].slots[0].price, 256000);
    EXPECT_EQ(s[1].slots[0].name, "");
}

TEST(CombinationRules, PentagramCountsFromZero) {
    const std::vector<Snapshot> s =
        States(RunOk("press Button9_Enchant\n" + Pick("1-Hex Pentagram") + "state\n" +
                     Pick("1-Hex Pentagram") + "state\n"));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].slots[0].level, 0);
    EXPECT_EQ(s[1].slots[0].level, 1);
    EXPECT_EQ(s[1].slots[0].price, 2000);
}

TEST(CombinationRules, PlainItemTogglesWithEitherButton) {
    for (const char* button : {"left", "right", "middle"}) {
        const std::vector<Snapshot> s =
            States(RunOk("press Button9_Enchant\n" + Pick("Blur", 1, "left", 20) + "state\n" +
                         Pick("Blur", 1, button, 60) + "state\n"));
        ASSERT_EQ(s.size(), 2u);
        EXPECT_EQ(s[0].slots[0].name, "Blur") << button;
        EXPECT_EQ(s[1].slots[0].name, "") << button;
    }
}

TEST(CombinationRules, RightClickActsOnTheLineUnderThePointer) {
    // The caret is left on the Light line; the right click on the Blur line
    // must take Blur off, not Light.
    const std::vector<Snapshot> s = States(RunOk(
        "press Button9_Enchant\n" + Pick("Blur") + Pick("Light") + "state\n" +
        Pick("Blur", 1, "right", 40) + "state\n" + Pick("Light", 1, "middle", 50) + "state\n"));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].slots[0].name, "Blur");
    EXPECT_EQ(s[0].slots[1].name, "Light");
    EXPECT_EQ(s[1].slots[0].name, "Light");
    EXPECT_EQ(s[1].slots[1].name, "");
    EXPECT_EQ(s[2].slots[0].name, "");  // the middle button puts on or toggles like the left
}

// The middle button picks exactly as the left one: on an item already on
// the bench it steps it up, where the right button would step it down. (On
// an item not yet on the bench every button puts it on.)
TEST(CombinationRules, MiddleButtonStepsUpAsTheLeftDoes) {
    struct Case {
        const char* item;
        int leftClicksBefore;
    };
    const Case cases[] = {
        {"Weapon/Armor +", 2},   // +2 to +3
        {"Weakness ST", 1},      // -1 to -2
        {"ST battery 5pt", 1},   // 5 to 10
        {"ST battery 1pt", 3},   // 3 to 4
        {"1-Hex Pentagram", 1},  // counted from 0
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        // Blur stands on the bench too, so the order and the doubling show.
        const std::string before =
            "press Button9_Enchant\n" + Pick("Blur") + Pick(c.item, c.leftClicksBefore);
        auto after = [&](const char* button) {
            return RunOk(before + Pick(c.item, 1, button, 9) + "state\nsheet\n").out;
        };
        const std::vector<std::string> left = after("left");
        EXPECT_EQ(after("middle"), left);
        EXPECT_NE(after("right"), left);
    }
}

TEST(CombinationRules, DoublingBySlotWithTheExemptNames) {
    const DriverRun run =
        RunOk("press Button9_Enchant\n" + Pick("Light") + Pick("Blur") + "state\nsheet\n");
    const std::vector<Snapshot> s = States(run);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_EQ(s[0].slots[0].name, "Blur");
    EXPECT_EQ(s[0].slots[0].adjusted, 3000);
    EXPECT_EQ(s[0].slots[1].name, "Light");
    EXPECT_EQ(s[0].slots[1].adjusted, 1000);
    EXPECT_EQ(Block(run, "sheet").size(), 4u);

    const std::vector<Snapshot> e =
        States(RunOk("press Button9_Enchant\n" + Pick("Blur") + Pick("Expunge Spell") +
                     Pick("Limiting Spell") + Pick("Staff") + Pick("Staff of Power") + "state\n"));
    ASSERT_EQ(e.size(), 1u);
    const std::map<std::string, long> expectedFactor = {{"Blur", 1},
                                                        {"Expunge Spell", 2},
                                                        {"Limiting Spell", 1},
                                                        {"Staff", 1},
                                                        {"Staff of Power", 1}};
    for (const Slot& slot : e[0].slots) {
        ASSERT_TRUE(expectedFactor.count(slot.name)) << slot.name;
        EXPECT_EQ(slot.adjusted, slot.price * expectedFactor.at(slot.name)) << slot.name;
    }
}

TEST(CombinationRules, SixthItemIsIgnoredAndEqualPricesKeepTheirOrder) {
    const DriverRun run =
        RunOk("press Button9_Enchant\n" + Pick("Slow Movement") + Pick("Drop Weapon") + "state\n" +
              Pick("Blur") + Pick("Light") + Pick("Lock") + "sheet\n" + Pick("Knock") +
              "state\nsheet\naccessible RichEdit1\n");
    const std::vector<Snapshot> s = States(run);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].slots[0].name, "Slow Movement");
    EXPECT_EQ(s[0].slots[1].name, "Drop Weapon");
    EXPECT_EQ(s[0].slots[1].adjusted, 1000);
    for (const Slot& slot : s[1].slots) EXPECT_NE(slot.name, "Knock");
    const std::vector<std::vector<std::string>> sheets = Blocks(run, "sheet");
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0], sheets[1]);
    // The refusal is said below the pane and told to a screen reader.
    EXPECT_EQ(run.out.back(),
              "accessible RichEdit1 editabletext |Enchantment list| "
              "|All five slots are taken: take one off first| -");
}

TEST(ItemSheet, BlurAloneAndTheEmptyBench) {
    const DriverRun run =
        RunOk("press Button9_Enchant\n" + Pick("Blur") + "sheet\n" + Pick("Blur") + "sheet\n");
    const std::vector<std::vector<std::string>> sheets = Blocks(run, "sheet");
    ASSERT_EQ(sheets.size(), 2u);
    const std::vector<std::string> blur = {
        "Blur" + std::string(34, ' ') + "3000" + std::string(6, ' ') + "5",
        " ",
        "            Total  " + std::string(19, ' ') + "3000.00" + "   5.00",
    };
    EXPECT_EQ(sheets[0], blur);
    const std::vector<std::string> empty = {
        " ",
        "            Total  " + std::string(22, ' ') + "0.00" + "   0.00",
    };
    EXPECT_EQ(sheets[1], empty);
}

TEST(Picking, BaseItemsFromEveryList) {
    struct Case {
        const char* button;
        const char* line;  // the first 28 characters of the clicked line
        const char* baseName;
        const char* hexes;
    };
    const Case cases[] = {
        {"Button_Weapon", "hammer", "hammer", "1"},
        {"Button_Equipment", "hammer", "hammer", "1"},
        {"Button_Weapon", " dirk", "dirk (dagger)", "1"},
        {"Button_Scroll", "fireball,S", "fireball scroll", "1"},
        {"Button_Spell_Book", "fireball", "book, fireball", "1"},
        {"Button_Potion", "acute hearing", "acute hearing", "1"},
        {"Button_Gem", "diamond", "diamond", "1"},
        {"Button_Jewelry", "anklet", "anklet", "1"},
        {"Button_Fauna", " unicorn horse", "unicorn horse", "2"},
        {"Button_Job", "unskilled", "unskilled", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.button) + " " + c.line);
        const int line = EntryLine(c.button, c.line);
        const std::vector<Snapshot> s =
            States(RunOk(std::string("press ") + c.button + "\npick " + std::to_string(line) +
                         " 2\nstate\nselection\n"));
        ASSERT_EQ(s.size(), 1u);
        EXPECT_EQ(s[0].values.at("BaseItemName"), std::string("|") + c.baseName + "|");
        EXPECT_EQ(s[0].values.at("HexCount"), c.hexes);
    }
}

TEST(Picking, WeaponAndEquipmentHammerDiffer) {
    const std::vector<Snapshot> weapon =
        States(RunOk("press Button_Weapon\npick " +
                     std::to_string(EntryLine("Button_Weapon", "hammer")) + " 0\nstate\n"));
    const std::vector<Snapshot> article =
        States(RunOk("press Button_Equipment\npick " +
                     std::to_string(EntryLine("Button_Equipment", "hammer")) + " 0\nstate\n"));
    ASSERT_EQ(weapon.size(), 1u);
    ASSERT_EQ(article.size(), 1u);
    EXPECT_EQ(weapon[0].values.at("BaseItemPrice"), "25.0");  // the weapon's cost
    EXPECT_NE(article[0].values.at("BaseItemPrice"), "25.0");
}

TEST(Picking, UnicornHornRuleAndItsPersistence) {
    const int unicorn = EntryLine("Button_Fauna", " unicorn horse");
    const std::string pickUnicorn = "press Button_Fauna\npick " + std::to_string(unicorn) + " 5\n";
    const std::vector<Snapshot> s =
        States(RunOk("press Button9_Enchant\n" + Pick("Unicorn Horn") + "state\n" + pickUnicorn +
                     "state\n" + "press Button_Weapon\npick 0 0\nstate\n"));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_EQ(s[0].slots[0].price, 6500);
    EXPECT_EQ(s[1].values.at("BaseItemName"), "|unicorn horn|");
    EXPECT_EQ(s[1].values.at("BaseItemPrice"), "6500.0");
    EXPECT_EQ(s[1].values.at("BaseItemWeeks"), "0.0");
    EXPECT_EQ(s[1].slots[0].price, 0);
    EXPECT_EQ(s[1].slots[0].adjusted, 0);
    EXPECT_EQ(s[1].slots[0].weeks, "1.0");
    // Another base item leaves the enchantment free and at one week.
    EXPECT_EQ(s[2].values.at("BaseItemName"), "|dagger|");
    EXPECT_EQ(s[2].slots[0].price, 0);
    EXPECT_EQ(s[2].slots[0].weeks, "1.0");
}

TEST(Picking, BlankLinesAndTheReportPickNothing) {
    // The heavy crossbow's second note line starts with 58 blanks.
    const int crossbow = EntryLine("Button_Weapon", "heavy crossbow");
    const std::vector<Snapshot> s =
        States(RunOk("seed 2\npick " + std::to_string(crossbow) + " 3\nstate\npick " +
                     std::to_string(crossbow + 1) + " 3\nstate\npress Button9_Enchant\n" +
                     Pick("Blur") + "press Button_Make\npick 0 0\nstate\n" +
                     // Below the last of the three carpets, the making over (so
                     // nothing locks the bench): no line is there.
                     "press Button_Make\ntick 300\npress Button_Carpet\npressat 40 300\n" +
                     "pressat 40 300 right\nstate\n"));
    ASSERT_EQ(s.size(), 4u);
    EXPECT_EQ(s[0].values.at("BaseItemName"), "|heavy crossbow|");
    EXPECT_EQ(s[1].values.at("BaseItemName"), "|heavy crossbow|");  // unchanged
    EXPECT_EQ(s[2].slots[0].name, "Blur");  // the report offers nothing to toggle
    EXPECT_EQ(s[3].values.at("BaseItemName"), "|heavy crossbow|");
    EXPECT_EQ(s[3].slots[0].name, "Blur");
    // Nor does a press there, of any button, scroll the view: the window looks
    // the same after each as after the first (the caret then at the end of
    // the last line, out of sight to the right).
    const std::string shot = std::string(P_tmpdir) + "/tharnwell-e2e-no-line-";
    const char* const buttons[] = {"left", "right", "middle"};
    std::string script = "press Button_Carpet\n";
    for (const char* button : buttons) {
        script += std::string("pressat 100 150 ") + button + "\nscreenshot " + shot + button + "\n";
    }
    RunOk(script);
    std::vector<std::string> pictures;
    for (const char* button : buttons) {
        std::ifstream png(shot + button, std::ios::binary);
        pictures.emplace_back(std::istreambuf_iterator<char>(png),
                              std::istreambuf_iterator<char>());
        std::remove((shot + button).c_str());
    }
    EXPECT_TRUE(!pictures[0].empty() && pictures[1] == pictures[0] && pictures[2] == pictures[0]);
}

TEST(Picking, CaretArithmetic) {
    struct Case {
        int caret;
        const char* selection;
    };
    const Case cases[] = {
        {0, "selection 0 28 |dagger                      |"},
        {130, "selection 125 28 | cinquedea                  |"},
        {249, "selection 125 28 | cinquedea                  |"},
        {250, "selection 250 28 | dirk                       |"},
    };
    for (const Case& c : cases) {
        const DriverRun run =
            RunOk("caret " + std::to_string(c.caret) + "\nmousedown\nselection\nstate\n");
        std::string selection;
        for (const std::string& line : run.out) {
            if (line.compare(0, 10, "selection ") == 0) selection = line;
        }
        EXPECT_EQ(selection, c.selection) << c.caret;
    }
}

}  // namespace
