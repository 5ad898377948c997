// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/line_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/fauna.h"
#include "catalog/weapon_list.h"

namespace {

// Type to jump over real lists: case, leading blanks, a variant by its own
// name, the first and the last lines, wrapping round, and text beyond the
// first column.
TEST(LineStartingWith, FindsTheFirstColumnIgnoringCaseAndBlanks) {
    CatalogTable table;
    table.Build();
    const std::vector<std::string> weapons = ListWeapons(table).lines;
    const std::vector<std::string> fauna = ListFauna(table).lines;
    // The last line's name, without the blank that marks a variant.
    const std::string& end = weapons.back();
    const std::string last = end.substr(end.find_first_not_of(' '), 8);
    struct Case {
        const std::vector<std::string>& lines;
        std::string typed;
        size_t from;
        std::optional<size_t> line;
    };
    const Case cases[] = {
        {weapons, "DAGGER", 0, 0},               // the first line, in capitals
        {weapons, "dirk", 0, 2},                 // " dirk", the dagger's variant
        {weapons, "Dirk", 3, 2},                 // wrapping round past the last line
        {weapons, last, 0, weapons.size() - 1},  // the last line
        {weapons, "1-1", 0, std::nullopt},       // a later column is no first column
        {weapons, "zzz", 5, std::nullopt},
        // Nor is the end of the first column and more.
        {weapons, weapons[0].substr(0, 30), 0, std::nullopt},
        {weapons, "", 0, std::nullopt},
        {fauna, "h", 0, 0},  // "human" holds the caret's line
        {fauna, "h", 1, 6},  // " hairy human"
        {fauna, "hob", 6, 34},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LineStartingWith(c.lines, c.typed, c.from), c.line) << c.typed << " " << c.from;
    }
}

// Quick typing grows the text; a pause starts afresh; the one letter again
// steps on; Backspace takes back the last character.
TEST(TypeAhead, GrowsPausesStepsOnAndTakesBack) {
    TypeAhead typing;
    constexpr uint64_t kInterval = 400;
    const auto type = [&](char c, uint64_t ms) {
        const TypeAhead::Search search = typing.Type(c, ms, kInterval);
        return search.text + (search.fromNext ? " next" : "");
    };
    EXPECT_EQ(type(' ', 900), "");  // a blank starts nothing
    EXPECT_EQ(type('f', 1000), "f");
    EXPECT_EQ(type('i', 1100), "fi");
    EXPECT_EQ(type(' ', 1200), "fi ");
    EXPECT_EQ(type('r', 1500), "fi r");
    EXPECT_EQ(typing.TakeBack(1800)->text, "fi ");
    EXPECT_EQ(type('x', 2100), "fi x");  // Backspace was a keystroke: no pause
    typing.End();                        // Enter, a pick, a caret key
    EXPECT_EQ(type('y', 2200), "y");
    EXPECT_EQ(type('d', 2700), "d");  // after a pause
    EXPECT_EQ(type('D', 2701), "D next");
    EXPECT_EQ(type('d', 3700), "d next");  // the same letter after a pause
    EXPECT_EQ(type('x', 10), "x");         // a time stamp from another clock
    EXPECT_FALSE(typing.TakeBack(20).has_value());
    EXPECT_FALSE(typing.TakeBack(30).has_value());
}

TEST(FindInLines, EveryPlaceIgnoringCaseAndTheOneAtOrAfterTheCaret) {
    const std::vector<std::string> lines = {"Light", "  twilight LIGHT", "Lamp", "\xC9p\xE9"};
    const std::vector<TextMatch> light = FindInLines(lines, "light");
    EXPECT_EQ(light, (std::vector<TextMatch>{{0, 0}, {1, 5}, {1, 11}}));
    EXPECT_EQ(FindInLines(lines, "\xE9P\xC9"), (std::vector<TextMatch>{{3, 0}}));  // Latin-1
    EXPECT_EQ(FindInLines(lines, "aa").size(), 0u);
    EXPECT_EQ(FindInLines(lines, "").size(), 0u);
    EXPECT_EQ(FindInLines({"aaaa"}, "aa"), (std::vector<TextMatch>{{0, 0}, {0, 2}}));
    EXPECT_EQ(MatchAtOrAfter(light, {0, 0}), 0u);
    EXPECT_EQ(MatchAtOrAfter(light, {0, 1}), 1u);
    EXPECT_EQ(MatchAtOrAfter(light, {1, 11}), 2u);
    EXPECT_EQ(MatchAtOrAfter(light, {2, 0}), 0u);  // wraps round
    EXPECT_FALSE(MatchAtOrAfter({}, {0, 0}).has_value());
    EXPECT_EQ(MatchBefore(light, {1, 11}), 1u);
    EXPECT_EQ(MatchBefore(light, {0, 0}), 2u);  // round to the last
    EXPECT_FALSE(MatchBefore({}, {0, 0}).has_value());
}

}  // namespace
