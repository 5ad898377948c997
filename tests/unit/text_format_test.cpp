// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/text_format.h"

#include "catalog/making_time.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <vector>

namespace {

struct NumberCase {
    double value;
    const char* general;
    const char* fixed4;
    const char* fixed3;
};

TEST(TextFormat, NumberForms) {
    // clang-format off
    const NumberCase cases[] = {
        {0,          "0",          "0.00",    "0.00"},
        {10,         "10",         "10.00",   "10.00"},
        {0.1,        "0.1",        "0.10",    "0.10"},
        {2500,       "2500",       "2500.00", "2500.00"},
        {0.025,      "0.025",      "0.03",    "0.03"},
        {0.42,       "0.42",       "0.42",    "0.42"},
        {1.0 / 15,   "0.0666666666666667", "0.07", "0.07"},
        {50.0 / 3,   "16.6666666666667",   "16.67", "16.67"},
        {166.666666666667, "166.666666666667", "166.67", "166.67"},
        {-3.5,       "-3.5",       "-3.50",   "-3.50"},
        {2147483647, "2147483647", "2147483647.00", "2147483647.00"},
        {1e20,       "1E20",       "100000000000000000000.00", "100000000000000000000.00"},
        {0.00001,    "1E-5",       "0.00",    "0.00"},
    };
    // clang-format on
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.general);
        EXPECT_EQ(textfmt::General(c.value), c.general);
        EXPECT_EQ(textfmt::Fixed2(c.value, 4), c.fixed4);
        EXPECT_EQ(textfmt::Fixed2(c.value, 3), c.fixed3);
    }
}

TEST(TextFormat, IntegersAndBlanks) {
    EXPECT_EQ(textfmt::Int(0), "0");
    EXPECT_EQ(textfmt::Int(-5), "-5");
    EXPECT_EQ(textfmt::Int(2147483647), "2147483647");
    EXPECT_EQ(textfmt::Blanks(3), "   ");
    EXPECT_EQ(textfmt::Blanks(0), "");
    EXPECT_EQ(textfmt::Blanks(-4), "");
    EXPECT_EQ(textfmt::Grouped(INT64_MIN), "-9,223,372,036,854,775,808");
    EXPECT_EQ(textfmt::Dollars(487000), "$4,870");  // no cents, none shown
    EXPECT_EQ(textfmt::Dollars(-100050), "-$1,000.50");
}

TEST(TextFormat, DecimalSeparatorFollowsTheSetting) {
    textfmt::SetDecimalSeparator(',');
    EXPECT_EQ(textfmt::General(0.025), "0,025");
    EXPECT_EQ(textfmt::Fixed2(0.1, 4), "0,10");
    EXPECT_EQ(textfmt::General(2500), "2500");
    EXPECT_EQ(textfmt::Dollars(123456705), "$1.234.567,05");  // grouped with the free mark
    textfmt::SetDecimalSeparator('.');
    EXPECT_EQ(textfmt::General(0.025), "0.025");
}

TEST(TextFormat, LineBuilderPlacesColumnsAndNeverCuts) {
    struct Case {
        const char* what;
        std::string built;
        std::string expected;
    };
    using textfmt::LineBuilder;
    const Case cases[] = {
        {"end at a column", LineBuilder("dagger").FigureEndAt(32, "1-1").Take(),
         "dagger" + std::string(23, ' ') + "1-1"},
        {"end at, line already too long",
         LineBuilder(std::string(31, 'x')).FigureEndAt(32, "1-1").Take(),
         std::string(31, 'x') + " 1-1"},
        {"right-align", LineBuilder().FigureRight(5, "4").Take(), "    4"},
        {"right-align, text wider than the field", LineBuilder().FigureRight(3, "12345").Take(),
         " 12345"},
        {"pad to width", LineBuilder("ab").PadTo(5).Take(), "ab   "},
        {"pad when already wider", LineBuilder("abcdef").PadTo(3).Take(), "abcdef"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.built, c.expected) << c.what;
    }
}

TEST(TextFormat, NoteLineFillsTheListWidth) {
    const std::string line = textfmt::NoteLine(58, "5m");
    EXPECT_EQ(line.size(), 123u);
    EXPECT_EQ(line.substr(0, 58), std::string(58, ' '));
    EXPECT_EQ(line.substr(58, 2), "5m");
    EXPECT_EQ(line.substr(60), std::string(63, ' '));
    // A note too long for the line is kept whole.
    EXPECT_EQ(textfmt::NoteLine(58, std::string(70, 'n')).size(), 128u);
}

// The window's toolkit sets the C locale from the environment, so a German
// user's process formats printf numbers with a comma. The lists must still
// use exactly the separator the program chose: '.' stays '.', ',' stays ','.
TEST(TextFormat, SeparatorIsTheProgramsWhateverTheCLocale) {
    const char* const commaLocales[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"};
    const char* found = nullptr;
    for (const char* name : commaLocales) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr) {
            found = name;
            break;
        }
    }
    if (found == nullptr) GTEST_SKIP() << "no locale with a decimal comma is installed";
    struct Case {
        char separator;
        const char* general;
        const char* fixed;
    };
    const Case cases[] = {
        {'.', "0.025", "  0.10"}, {',', "0,025", "  0,10"}, {';', "0;025", "  0;10"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(found) + " with '" + c.separator + "'");
        textfmt::SetDecimalSeparator(c.separator);
        EXPECT_EQ(textfmt::General(0.025), c.general);
        EXPECT_EQ(textfmt::Fixed2(0.1, 6), c.fixed);
        EXPECT_EQ(textfmt::General(1e20), "1E20");
    }
    textfmt::SetDecimalSeparator('.');
    std::setlocale(LC_NUMERIC, "C");
}

// The two number forms are those of printf's "%.15G" and "%.2f" in the "C"
// locale, digit for digit, also where rounding is delicate.
TEST(TextFormat, NumberFormsMatchPrintfInTheCLocale) {
    ASSERT_NE(std::setlocale(LC_NUMERIC, "C"), nullptr);
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<double> values = {
        0.125, 0.375, 2.675,   1.005, 0.005, -0.004, 1e15, 1e16, 123456789012345.6, 1e-4,
        1e-5,  1e300, -1e-300, 1e308, inf,   -inf,   -0.0, -7,   999999999999999};
    std::mt19937_64 random(20240517);
    std::uniform_real_distribution<double> mantissa(-10, 10);
    std::uniform_int_distribution<int> exponent(-12, 18);
    for (int n = 0; n < 2000; ++n)
        values.push_back(std::ldexp(mantissa(random), exponent(random) * 3));
    for (const double value : values) {
        char general[64], fixed[400];
        std::snprintf(general, sizeof general, "%.15G", value);
        std::snprintf(fixed, sizeof fixed, "%3.2f", value);
        std::string expected = general;
        const auto e = expected.find('E');
        if (e != std::string::npos) {  // the list form drops the '+' and leading zeros
            const bool negative = expected[e + 1] == '-';
            std::string digits = expected.substr(e + 2);
            digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size() - 1));
            expected = expected.substr(0, e) + "E" + (negative ? "-" : "") + digits;
        }
        SCOPED_TRACE(general);
        EXPECT_EQ(textfmt::General(value), value == 0 ? "0" : expected);
        EXPECT_EQ(textfmt::Fixed2(value, 3), fixed);
    }
}
}  // namespace

namespace {

TEST(MakingTime, AWeekForEveryHundredAndFiftyDollars) {
    const std::pair<double, double> cases[] = {{0, 0}, {150, 1}, {300, 2}, {600, 4}, {6000, 40}};
    for (const auto& [dollars, weeks] : cases) EXPECT_EQ(WeeksOfMakingFor(dollars), weeks);
    EXPECT_DOUBLE_EQ(WeeksOfMakingFor(10), 1.0 / 15);
    EXPECT_DOUBLE_EQ(WeeksOfMakingFor(2500), 50.0 / 3);
}

}  // namespace
