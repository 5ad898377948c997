// SPDX-License-Identifier: GPL-3.0-or-later
// The window under a German locale: every number it formats carries a
// decimal comma, in the lists, the item sheet and the making report alike,
// and nothing else of the text changes.
#include <gtest/gtest.h>

#include <cctype>

#include "tests/e2e/driver_run.h"
#include "tests/e2e/e2e_helpers.h"
#include "tests/support/text.h"

namespace {

const char* const kCommaLocale = "de_DE.UTF-8";

// A dagger with Blur on it, made for one good week, printing each text.
const char* const kScript =
    "pane\n"
    "pick 0 0\n"
    "press Button9_Enchant\n"
    "pane\n"
    "pick 2 1\n"
    "sheet\n"
    "press Button_Analyze\n"
    "pane\n"
    "press Button_Make\n"
    "draws 6:4 6:4 6:4\n"
    "tick\n"
    "pane\n";

// The same line with each number's decimal point as a comma: a point
// between two digits, and only where the window wrote a number.
std::string WithComma(std::string line) {
    for (size_t i = 1; i + 1 < line.size(); ++i) {
        if (line[i] == '.' && isdigit(static_cast<unsigned char>(line[i - 1])) &&
            isdigit(static_cast<unsigned char>(line[i + 1]))) {
            line[i] = ',';
        }
    }
    return line;
}

class CommaLocale : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        point_ = new DriverRun(RunDriver(kScript));
        comma_ = new DriverRun(RunDriverInLocale(kScript, kCommaLocale));
    }
    static void TearDownTestSuite() {
        delete point_;
        delete comma_;
    }
    static DriverRun* point_;
    static DriverRun* comma_;
};
DriverRun* CommaLocale::point_ = nullptr;
DriverRun* CommaLocale::comma_ = nullptr;

TEST_F(CommaLocale, EveryFigureTakesTheComma) {
    ASSERT_EQ(point_->exitCode, 0) << point_->err;
    ASSERT_EQ(comma_->exitCode, 0) << comma_->err;
    const auto points = Blocks(*point_, "pane");
    const auto commas = Blocks(*comma_, "pane");
    ASSERT_EQ(points.size(), 4u);
    ASSERT_EQ(commas.size(), 4u);

    // The weapon list: "0.10" kg for the dagger, "0.03" for an arrow.
    EXPECT_EQ(commas[0][0], Padded("dagger", 29) + "1-1    4        10   0,10" + B(69));
    // The enchantment list: the Dazzle Gem's 0.42 weeks.
    EXPECT_EQ(commas[1][19].substr(0, 45), Padded("Dazzle Gem", 31) + "250       0,42");
    // The analysis: a profit per week with its fraction.
    EXPECT_EQ(commas[2][19].substr(63, 17), "1      525,238095");
    // The making report after a good week: 15 for ingredients and 150 for ST.
    EXPECT_EQ(commas[3],
              (std::vector<std::string>{"dagger" + B(34) + "10,00" + "   0,07", " ",
                                        "Blur" + B(35) + "165" + "      1", " ",
                                        "            Total  " + B(20) + "175,00" + "   1,07"}));

    // Apart from the separator every list and the report read the same; the
    // names and notes that hold a point ("W.O.C.", "1.5m") keep it.
    size_t changed = 0;
    for (size_t p = 0; p < points.size(); ++p) {
        ASSERT_EQ(commas[p].size(), points[p].size()) << "pane " << p;
        for (size_t i = 0; i < points[p].size(); ++i) {
            changed += commas[p][i] != points[p][i];
            if (commas[p][i] != points[p][i]) {
                EXPECT_EQ(commas[p][i], WithComma(points[p][i])) << "pane " << p << " line " << i;
            }
        }
    }
    EXPECT_GT(changed, 100u);
}

TEST_F(CommaLocale, TheItemSheet) {
    const std::vector<std::string> sheet = Block(*comma_, "sheet");
    EXPECT_EQ(sheet,
              (std::vector<std::string>{"dagger" + B(34) + "10,00" + "   0,07", " ",
                                        "Blur" + B(34) + "3000" + B(6) + "5", " ",
                                        "            Total  " + B(19) + "3010,00" + "   5,07"}));
}

// A sheet copied where the separator is a point pastes back under the comma.
TEST_F(CommaLocale, ASheetCopiedWithPointsPastesBack) {
    const DriverRun run = RunDriverInLocale(
        SetClipboard(Block(*point_, "sheet")) + "key Ctrl+V\nsheet\n", kCommaLocale);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(Block(run, "sheet"), Block(*comma_, "sheet"));
}

// The driver's "decimal" command sets the separator whatever the locale.
TEST(CommaLocaleDriver, DecimalCommandOverridesTheLocale) {
    const DriverRun run = RunDriverInLocale("decimal .\npick 0 0\nsheet\n", kCommaLocale);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<std::string> sheet = Block(run, "sheet");
    ASSERT_FALSE(sheet.empty());
    EXPECT_EQ(sheet.back(), "            Total  " + B(21) + "10.00" + "   0.07");
}

}  // namespace
