// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls at the design size: every caption shown whole,
// tooltips, and the timer running only while a making runs.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/driver_run.h"
#include "tests/e2e/e2e_helpers.h"

namespace {

const char* const kButtons[] = {
    "Button_Weapon",  "Button_Equipment", "Button_Scroll",  "Button_Spell_Book", "Button_Gem",
    "Button_Jewelry", "Button_Carpet",    "Button_Fauna",   "Button9_Enchant",   "Button_Potion",
    "Button_Job",     "Button_Random",    "Button_Analyze", "Button_Make",
};

// The buttons' captions as the form gives them.
const std::pair<const char*, const char*> kCaptions[] = {
    {"Button_Weapon", "&Weapon"},    {"Button_Equipment", "E&quipment"},
    {"Button_Scroll", "&Scroll"},    {"Button_Spell_Book", "Spell &book"},
    {"Button_Gem", "&Gem"},          {"Button_Jewelry", "Je&welry"},
    {"Button_Carpet", "&Carpet"},    {"Button_Fauna", "&Fauna"},
    {"Button9_Enchant", "&Enchant"}, {"Button_Potion", "&Potion"},
    {"Button_Job", "&Job"},          {"Button_Random", "&Random"},
    {"Button_Analyze", "&Analyze"},  {"Button_Make", "&Make"},
};

bool Overlap(const Geometry& a, const Geometry& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// The DX label keeps its place and is wide enough, in its own font as drawn,
// for the naming prompt and the widest spinner position, and it overlaps no
// button and not the spinner.
TEST(WindowFit, TheDXLabelShowsItsWholeCaption) {
    std::string script = "geometry Label13\ngeometry UpDown1\n";
    for (const char* button : kButtons) script += std::string("geometry ") + button + "\n";
    script += "up 987\nlabels\ngeometry Label13\npress Button_Make\nlabels\ngeometry Label13\n";
    const DriverRun run = RunFine(script);
    const std::vector<std::string> printed = Prefixed(run, "Label13 ");
    ASSERT_EQ(printed.size(), 5u);
    EXPECT_EQ(printed[1], "Label13 400 144 |DX: 999|");
    EXPECT_EQ(printed[3], "Label13 400 144 |Name item|");

    const Geometry label = ParseGeometry(printed[0]);
    EXPECT_EQ(label.left, 400);
    EXPECT_EQ(label.top, 144);
    EXPECT_EQ(label.height, 27);
    EXPECT_EQ(label.pixelSize, 24);
    EXPECT_TRUE(label.bold);
    for (const char* caption : {"Name item", "DX: 999", "DX: 12"}) {
        EXPECT_GE(label.width, TextWidth(label.family, label.pixelSize, label.bold, caption))
            << caption << " in " << label.family;
    }
    // It never moves or narrows with the captions it gets.
    EXPECT_EQ(printed[2], printed[0]);
    EXPECT_EQ(printed[4], printed[0]);

    for (const std::string& line : Prefixed(run, "Button")) {
        EXPECT_FALSE(Overlap(label, ParseGeometry(line))) << line;
    }
    EXPECT_FALSE(Overlap(label, ParseGeometry(Prefixed(run, "UpDown1 ")[0])));
}

// After every list, the making report and naming, each label is as wide as
// its caption in its font, and each button's caption fits inside it.
TEST(WindowFit, NoCaptionIsCut) {
    const char* const commands[] = {
        "",
        "press Button_Weapon",
        "press Button_Equipment",
        "press Button_Scroll",
        "press Button_Spell_Book",
        "press Button_Gem",
        "press Button_Jewelry",
        "press Button_Carpet",
        "press Button_Fauna",
        "press Button9_Enchant",
        "press Button_Potion",
        "press Button_Job",
        "press Button_Analyze",
        "press Button_Make",
    };
    for (const char* command : commands) {
        std::string script = std::string(command) + "\nlabels\n";
        for (int k = 1; k <= 13; ++k) script += "geometry Label" + std::to_string(k) + "\n";
        for (const char* button : kButtons) script += std::string("geometry ") + button + "\n";
        const DriverRun run = RunFine(script + "controls\n");
        for (int k = 1; k <= 13; ++k) {
            const std::string name = "Label" + std::to_string(k) + " ";
            const std::vector<std::string> lines = Prefixed(run, name);
            ASSERT_EQ(lines.size(), 2u) << command << " " << name;
            const std::string caption = Unbar(lines[0]);
            const Geometry g = ParseGeometry(lines[1]);
            EXPECT_GE(g.width, TextWidth(g.family, g.pixelSize, g.bold, caption))
                << command << ": " << lines[0] << " in " << lines[1];
        }
        // A button's caption, its accelerator's '&' not drawn, within its
        // frame of two pixels each side.
        const std::string make = Unbar(Prefixed(run, "Button_Make |")[0]);
        for (const auto& [button, designCaption] : kCaptions) {
            const Geometry g = ParseGeometry(Prefixed(run, std::string(button) + " ")[0]);
            std::string caption = std::string(button) == "Button_Make" ? make : designCaption;
            caption.erase(caption.find('&'), 1);
            EXPECT_LE(TextWidth(g.family, g.pixelSize, g.bold, caption) + 4, g.width)
                << command << ": " << caption;
        }
    }
}

// Every control keeps its design place; the name box is hidden at start.
TEST(WindowFit, ControlsAtTheirDesignPlaces) {
    struct Case {
        const char* control;
        const char* place;
    };
    const Case cases[] = {
        {"RichEdit1", "RichEdit1 1 216 624 224 shown"},
        {"ListBox1", "ListBox1 0 40 377 137 shown"},
        {"UpDown1", "UpDown1 384 144 16 24 shown"},
        {"Edit1", "Edit1 384 168 161 22 hidden"},
        {"Button_Weapon", "Button_Weapon 384 8 75 25 shown"},
        {"Button_Spell_Book", "Button_Spell_Book 384 104 75 25 shown"},
        {"Button_Fauna", "Button_Fauna 464 104 75 25 shown"},
        {"Button_Make", "Button_Make 544 168 75 25 shown"},
        {"Label10", "Label10 8 24 32 16 shown"},
        {"Label12", "Label12 336 24 40 16 shown"},
    };
    for (const Case& c : cases) {
        const DriverRun run = RunFine(std::string("geometry ") + c.control + "\n");
        ASSERT_EQ(run.out.size(), 1u) << c.control;
        EXPECT_EQ(run.out[0].substr(0, std::string(c.place).size()), c.place);
    }
    // The sheet, the buttons and the name box take the window's font.
    const Geometry sheet = ParseGeometry(RunFine("geometry ListBox1\n").out[0]);
    EXPECT_EQ(sheet.pixelSize, 11);
    EXPECT_FALSE(sheet.bold);
    const Geometry pane = ParseGeometry(RunFine("geometry RichEdit1\n").out[0]);
    EXPECT_EQ(pane.pixelSize, 13);
    EXPECT_EQ(pane.family, sheet.family);
}

TEST(Tooltips, EveryCommandAndTheSpinnerPaneAndSheetSayWhatTheyDo) {
    std::string script;
    for (const char* button : kButtons) script += std::string("tooltip ") + button + "\n";
    for (const char* control : {"UpDown1", "RichEdit1", "ListBox1"}) {
        script += std::string("tooltip ") + control + "\n";
    }
    const DriverRun run = RunFine(script + "tooltip Label1\n");
    const auto blocks = Blocks(run, "tooltip");
    ASSERT_EQ(blocks.size(), std::size(kButtons) + 4);
    // Each tooltip as one text, its lines joined by blanks.
    std::vector<std::string> tips;
    for (const auto& lines : blocks) {
        std::string text;
        for (const std::string& line : lines) text += (text.empty() ? "" : " ") + line;
        tips.push_back(text);
    }
    for (size_t k = 0; k + 1 < tips.size(); ++k) EXPECT_GE(tips[k].size(), 20u) << k;
    EXPECT_TRUE(tips.back().empty());  // a column header has none
    // The list buttons say how a line is picked, and their keys.
    for (size_t k = 0; k < 8; ++k) {
        EXPECT_NE(tips[k].find("press Enter on it"), std::string::npos) << tips[k];
        EXPECT_NE(tips[k].find("Alt+"), std::string::npos) << tips[k];
        EXPECT_NE(tips[k].find("type a name to jump"), std::string::npos) << tips[k];
    }
    EXPECT_NE(tips[std::size(kButtons) + 1].find("Shift+Enter"), std::string::npos);
    EXPECT_NE(tips[std::size(kButtons) + 1].find("Ctrl+F"), std::string::npos);
    EXPECT_NE(tips[std::size(kButtons) + 2].find("Ctrl+Shift+C"), std::string::npos);
}

// The Make button's tooltip follows its caption: naming while it reads Name.
TEST(Tooltips, TheMakeButtonsFollowsItsCaption) {
    const DriverRun run = RunFine(
        "tooltip Button_Make\npress Button_Make\ntooltip Button_Make\npress Button_Make\n"
        "controls\ntooltip Button_Make\n");
    const auto tips = Blocks(run, "tooltip");
    ASSERT_EQ(tips.size(), 3u);
    for (const auto& tip : tips) ASSERT_FALSE(tip.empty());
    EXPECT_NE(tips[1][0].find("name typed"), std::string::npos) << tips[1][0];
    EXPECT_NE(tips[1], tips[0]);
    EXPECT_EQ(Prefixed(run, "Button_Make ")[0], "Button_Make |&Make|");
    EXPECT_NE(tips[2], tips[1]);
}

// The timer runs while a making runs and not otherwise (under the driver it
// is held, and prints as the window would run it).
TEST(Timer, RunsOnlyWhileAMakingRuns) {
    const DriverRun run = RunFine(
        "geometry Timer1\n"
        "press Button9_Enchant\npick " +
        std::to_string(EntryLine("Button9_Enchant", "Dazzle Gem")) +
        " 3\ngeometry Timer1\npress Button_Make\ngeometry Timer1\npress Button_Make\n"
        "geometry Timer1\ndraws 6:1 6:1 6:1\ntick\ntick\ngeometry Timer1\nstate\n");
    EXPECT_EQ(Prefixed(run, "Timer1 "),
              (std::vector<std::string>{"Timer1 1 stopped", "Timer1 1 stopped", "Timer1 1 running",
                                        "Timer1 1 running", "Timer1 1 stopped"}));
    EXPECT_EQ(Prefixed(run, "MakingDone ")[0], "MakingDone true");
}

}  // namespace
