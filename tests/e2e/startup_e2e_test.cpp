// SPDX-License-Identifier: GPL-3.0-or-later
// What the window shows right after start-up.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/e2e/driver_run.h"
#include "tests/support/text.h"

namespace {

class StartupTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        run_ = new DriverRun(RunDriver("pane\nlabels\ncontrols\nstate\n"));
    }
    static void TearDownTestSuite() { delete run_; }

    static const std::string* Find(const std::string& start) {
        for (const std::string& line : run_->out) {
            if (line.compare(0, start.size(), start) == 0) return &line;
        }
        return nullptr;
    }
    static std::vector<std::string> Pane() { return Block(*run_, "pane"); }

    static DriverRun* run_;
};
DriverRun* StartupTest::run_ = nullptr;

TEST_F(StartupTest, RunsCleanly) { EXPECT_EQ(run_->exitCode, 0) << run_->err; }

TEST_F(StartupTest, OpensWithTheWeaponList) {
    const std::vector<std::string> pane = Pane();
    size_t weapons = 0, variants = 0, notes = 0;
    for (const std::string& line : pane) {
        EXPECT_EQ(line.size(), 123u) << line;
        if (line.compare(0, 58, std::string(58, ' ')) == 0) {
            ++notes;
        } else if (line[0] == ' ') {
            ++variants;
        } else {
            ++weapons;
        }
    }
    EXPECT_EQ(weapons, 59u);
    EXPECT_EQ(variants, 97u);
    EXPECT_GE(notes, 2u);  // the heavy crossbow's and the pike's second lines at least
    ASSERT_FALSE(pane.empty());
    EXPECT_EQ(pane[0], Padded("dagger", 29) + "1-1    4        10   0.10" + std::string(69, ' '));
    EXPECT_EQ(pane[1].substr(0, 11), " cinquedea ");
}

TEST_F(StartupTest, TellingWeaponLines) {
    const std::vector<std::string> pane = Pane();
    auto line = [&](const std::string& name) -> std::string {
        for (size_t i = 0; i < pane.size(); ++i) {
            if (pane[i].compare(0, name.size() + 1, name + " ") == 0) return pane[i];
        }
        ADD_FAILURE() << "no line " << name;
        return std::string(123, '?');
    };
    auto next = [&](const std::string& name) -> std::string {
        const auto at = std::find(pane.begin(), pane.end(), line(name));
        return at + 1 < pane.end() ? *(at + 1) : std::string();
    };
    EXPECT_EQ(line("club").substr(29, 3), " +3");
    EXPECT_EQ(line("sheath").substr(29, 3), " - ");
    EXPECT_EQ(line("broadsword").substr(29, 3), "2  ");
    EXPECT_EQ(line("arrow").substr(50, 4), "0.03");
    EXPECT_EQ(line("sling pellets").substr(37, 10), "       0.1");
    EXPECT_EQ(next("heavy crossbow"),
              std::string(58, ' ') + Padded("every other turn if adjDX 16+", 65));
    EXPECT_EQ(next("Pike"), std::string(58, ' ') + Padded("Normaly used grounded vs. cavalry", 65));
    EXPECT_EQ(line("javelin").substr(58, 4), "1\xBDm;");
}

TEST_F(StartupTest, LabelsOfTheWeaponList) {
    const char* expected[] = {
        "Label1 8 176 |Weapon|",    "Label2 222 176 |damage|", "Label3 284 176 |ST|",
        "Label4 348 176 |Cost|",    "Label5 348 192 ||",       "Label6 402 176 |WT|",
        "Label7 402 192 ||",        "Label8 468 176 |Notes|",  "Label9 468 192 ||",
        "Label10 8 24 |Item|",      "Label11 264 24 |Cost|",   "Label12 336 24 |Weeks|",
        "Label13 400 144 |DX: 12|",
    };
    for (const char* label : expected) EXPECT_NE(Find(label), nullptr) << label;
}

TEST_F(StartupTest, ControlsAndState) {
    const char* expected[] = {
        "Caption |Tharnwell|", "Title |tharnwell|", "Button_Make |&Make|",
        "Edit1 hidden ||",     "UpDown1 shown 12",  "DX 12",
        "Making false",        "MakingDone false",  "BaseItemName ||",
        "HexCount 0",
    };
    for (const char* line : expected) EXPECT_NE(Find(line), nullptr) << line;
    for (int k = 1; k <= 5; ++k) {
        const std::string* slot = Find("Slot" + std::to_string(k) + " ");
        ASSERT_NE(slot, nullptr);
        EXPECT_EQ(slot->substr(0, 16), "Slot" + std::to_string(k) + " || Price 0");
        EXPECT_NE(slot->find("CatalogIndex 0"), std::string::npos);
    }
}

}  // namespace
