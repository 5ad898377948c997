#include "catalog/text_format.h"

#include "catalog/making_time.h"

#include <gtest/gtest.h>

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
}

TEST(TextFormat, DecimalSeparatorFollowsTheSetting) {
    textfmt::SetDecimalSeparator(',');
    EXPECT_EQ(textfmt::General(0.025), "0,025");
    EXPECT_EQ(textfmt::Fixed2(0.1, 4), "0,10");
    EXPECT_EQ(textfmt::General(2500), "2500");
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
        {"end at a column", LineBuilder("dagger").EndAt(32, "1-1").Take(),
         "dagger" + std::string(23, ' ') + "1-1"},
        {"end at, line already too long", LineBuilder(std::string(31, 'x')).EndAt(32, "1-1").Take(),
         std::string(31, 'x') + "1-1"},
        {"right-align", LineBuilder().Right(5, "4").Take(), "    4"},
        {"right-align, text wider than the field", LineBuilder().Right(3, "12345").Take(), "12345"},
        {"left field", LineBuilder().Left(6, "abc").Text("|").Take(), "abc   |"},
        {"left field overflows", LineBuilder().Left(2, "abcd").Text("|").Take(), "abcd|"},
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

}  // namespace

namespace {

TEST(MakingTime, AWeekForEveryHundredAndFiftyDollars) {
    const std::pair<double, double> cases[] = {{0, 0}, {150, 1}, {300, 2}, {600, 4}, {6000, 40}};
    for (const auto& [dollars, weeks] : cases) EXPECT_EQ(WeeksOfMakingFor(dollars), weeks);
    EXPECT_DOUBLE_EQ(WeeksOfMakingFor(10), 1.0 / 15);
    EXPECT_DOUBLE_EQ(WeeksOfMakingFor(2500), 50.0 / 3);
}

}  // namespace
