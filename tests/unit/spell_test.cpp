// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/spell.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/text_format.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"

namespace {

TEST(SpellRecord, DerivedFiguresFollowIQ) {
    struct Case {
        int32_t number;
        const char* name;
        int32_t iq;
        int32_t bookPrice;
        double bookWeight;
        double weeks;
        int32_t scrollPrice;
        int32_t stCost;
        int32_t stPerTurn;
        char kind;
    };
    const Case cases[] = {
        {1, "staff", 8, 160, 0.74, 4.0 / 3.0, 300, 5, 0, 'S'},
        {156, "possession", 20, 400, 1.1, 10.0 / 3.0, 1500, 20, 0, 'S'},
        {123, "great magic item creation", 20, 400, 1.1, 10.0 / 3.0, 1500, 1000, 0, 'S'},
        {122, "revival", 19, 380, 1.07, 19.0 / 6.0, 1250, 100, 0, 'T'},
        // No row: the derived figures are still worked out, from IQ 0.
        {0, "", 0, 0, 0.5, 0.0, 0, 1, 1, ' '},
        {157, "", 0, 0, 0.5, 0.0, 0, 1, 1, ' '},
        {-1, "", 0, 0, 0.5, 0.0, 0, 1, 1, ' '},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const TSpellsKest s(c.number);
        EXPECT_EQ(s.Name, c.name);
        EXPECT_EQ(s.IQ, c.iq);
        EXPECT_EQ(s.IQCopy, c.iq);
        EXPECT_EQ(s.KindCode, c.kind);
        EXPECT_EQ(s.STCost, c.stCost);
        EXPECT_EQ(s.STPerTurn, c.stPerTurn);
        EXPECT_EQ(s.BookPrice, c.bookPrice);
        EXPECT_DOUBLE_EQ(s.BookWeight, c.bookWeight);
        EXPECT_DOUBLE_EQ(s.Weeks, c.weeks);
        EXPECT_EQ(s.ScrollPrice, c.scrollPrice);
    }
}

TEST(SpellRecord, ScrollPriceTable) {
    const std::map<int32_t, int32_t> prices = {
        {7, 0},     {8, 300},   {9, 350},  {10, 400}, {11, 475},  {12, 550},
        {13, 625},  {14, 700},  {15, 800}, {16, 900}, {17, 1000}, {18, 1100},
        {19, 1250}, {20, 1500}, {21, 0},   {0, 0},    {-8, 0}};
    for (const auto& [iq, price] : prices) EXPECT_EQ(ScrollPriceForIQ(iq), price) << iq;
}

TEST(SpellCatalog, TellingRows) {
    struct Row {
        int number;
        const char* name;
        int32_t iq;
        char kind;
        int32_t stCost;
        int32_t stPerTurn;
    };
    const Row rows[] = {
        {1, "staff", 8, 'S', 5, 0},
        {2, "magic fist", 8, 'M', 1, 0},
        {3, "blur", 8, 'T', 1, 1},
        {5, "drop weapon", 8, ' ', 1, 0},
        {6, "image", 8, 'C', 1, 0},
        {7, "detect magic", 8, 'T', 1, 0},
        {18, "dark vision", 9, 'T', 3, 0},
        {20, "speed movement", 10, 'T', 2, 0},
        {22, "dazzle", 10, 'S', 3, 0},
        {29, "lock/knock", 10, 'T', 2, 0},
        {30, "sleep", 11, 'T', 3, 0},
        {38, "silent movement", 11, 'T', 1, 1},
        {43, "fireball", 12, 'M', 1, 0},
        {44, "invisibility", 12, 'T', 3, 1},
        {51, "magic rainstorm", 12, 'C', 4, 0},
        {52, "drain strength", 12, 'S', -1, 0},
        {55, "flight", 13, 'T', 3, 1},
        {63, "fireproofing", 13, 'T', 3, 1},
        {69, "lightning", 14, 'M', 1, 0},
        {74, "spell shield", 14, 't', 3, 1},
        {78, "telepathy", 14, 'T', 4, 1},
        {84, "giant rope", 15, ' ', 5, 0},
        {92, "create gate", 15, 'C', 50, 50},
        {104, "staff of power", 16, 'S', 240, 0},
        {106, "geas", 17, 'S', 10, 0},
        {110, "expunge", 17, 'S', 2250, 0},
        {116, "wizard's wrath", 18, 'M', 1, 0},
        {117, "control gate", 18, 'S', 10, 0},
        {121, "zombie", 19, 'T', 6, 0},
        {122, "revival", 19, 'T', 100, 0},
        {123, "great magic item creation", 20, 'S', 1000, 0},
        {124, "W.O.C. kill", 20, 'S', 3, 0},
        {139, "W.O.C. eat", 20, 'S', 3, 0},
        {155, "W.O.C. do not eat", 20, 'S', 3, 0},
        {156, "possession", 20, 'S', 20, 0},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.number);
        const TSpellsKest s(r.number);
        EXPECT_EQ(s.Name, r.name);
        EXPECT_EQ(s.IQ, r.iq);
        EXPECT_EQ(s.KindCode, r.kind);
        EXPECT_EQ(s.STCost, r.stCost);
        EXPECT_EQ(s.STPerTurn, r.stPerTurn);
    }
}

TEST(SpellCatalog, IQRisesInBands) {
    struct Band {
        int first, last;
        int32_t iq;
    };
    const Band bands[] = {{1, 8, 8},     {9, 18, 9},     {19, 29, 10},   {30, 41, 11},
                          {42, 54, 12},  {55, 68, 13},   {69, 80, 14},   {81, 93, 15},
                          {94, 104, 16}, {105, 114, 17}, {115, 119, 18}, {120, 122, 19},
                          {123, 156, 20}};
    int covered = 0;
    for (const Band& b : bands) {
        for (int n = b.first; n <= b.last; ++n, ++covered) {
            EXPECT_EQ(TSpellsKest(n).IQ, b.iq) << "spell " << n;
        }
    }
    EXPECT_EQ(covered, kSpellCount);
}

TEST(SpellCatalog, KindCodeCounts) {
    std::map<char, int> counts;
    for (int n = 1; n <= kSpellCount; ++n) ++counts[TSpellsKest(n).KindCode];
    const std::map<char, int> expected = {{'S', 59}, {'T', 61}, {'C', 29},
                                          {'M', 4},  {'t', 1},  {' ', 2}};
    EXPECT_EQ(counts, expected);
}

TEST(SpellCatalog, FiguresWithinTheirRanges) {
    for (int n = 1; n <= kSpellCount; ++n) {
        const TSpellsKest s(n);
        SCOPED_TRACE(s.Name);
        EXPECT_GE(s.STCost, -1);
        EXPECT_LE(s.STCost, 2250);
        EXPECT_NE(s.STCost, 0);
        const std::set<int32_t> perTurn = {0, 1, 2, 50};
        EXPECT_EQ(perTurn.count(s.STPerTurn), 1u);
    }
}

// Picking tells entries apart by name alone, so the names must be distinct, lower case
// except the W.O.C. prefix, and short enough to be picked from a 28-character selection.
TEST(SpellCatalog, NamesArePickable) {
    std::set<std::string> names;
    int wordsOfCommand = 0;
    size_t longest = 0;
    for (int n = 1; n <= kSpellCount; ++n) {
        const std::string name = TSpellsKest(n).Name;
        SCOPED_TRACE(name);
        EXPECT_TRUE(names.insert(name).second);
        std::string rest = name;
        if (name.rfind("W.O.C. ", 0) == 0) {
            ++wordsOfCommand;
            rest = name.substr(7);
        }
        EXPECT_TRUE(std::none_of(rest.begin(), rest.end(),
                                 [](unsigned char c) { return std::isupper(c); }));
        longest = std::max(longest, name.size());
    }
    EXPECT_EQ(wordsOfCommand, 32);
    EXPECT_EQ(longest, std::string("lesser magic item creation").size());
}

TEST(SpellLists, LabelsAndShownList) {
    const CatalogTable& t = BuiltTable();
    struct Expected {
        Listing listing;
        ShownList shown;
        std::vector<std::string> labels;
    };
    const Expected lists[] = {
        {ListScrolls(t),
         ShownList::Scrolls,
         {"Magic Scroll", "Cost", "WT", "IQ", "", "", "", "", ""}},
        {ListSpellBooks(t),
         ShownList::SpellBooks,
         {"Spell Book", "Cost", "WT", "IQ", "", "", "", "", ""}},
    };
    for (const Expected& e : lists) {
        EXPECT_EQ(e.listing.shown, e.shown);
        EXPECT_TRUE(e.listing.returnToTop);
        ExpectCaptions(e.listing, e.labels);
    }
}

TEST(SpellLists, EveryLineFullWidthAndStartsWithItsPickText) {
    const CatalogTable& t = BuiltTable();
    const Listing scrolls = ListScrolls(t);
    const Listing books = ListSpellBooks(t);
    ASSERT_EQ(scrolls.lines.size(), 156u);
    ASSERT_EQ(books.lines.size(), 156u);
    for (int n = 1; n <= kSpellCount; ++n) {
        const std::string name = SpellAt(t, n).Name;
        SCOPED_TRACE(name);
        const std::string& scroll = scrolls.lines[static_cast<size_t>(n - 1)];
        const std::string& book = books.lines[static_cast<size_t>(n - 1)];
        EXPECT_EQ(scroll.size(), 123u);
        EXPECT_EQ(book.size(), 123u);
        const std::string scrollText = name + ",S";
        EXPECT_EQ(scroll.substr(0, 28), Padded(scrollText, 28));
        EXPECT_EQ(book.substr(0, 28), Padded(name, 28));
    }
}

TEST(SpellLists, ExampleLines) {
    const CatalogTable& t = BuiltTable();
    const Listing scrolls = ListScrolls(t);
    const Listing books = ListSpellBooks(t);
    struct Case {
        const Listing* listing;
        int number;
        std::string line;
    };
    const Case cases[] = {
        {&scrolls, 1, "staff,S" + B(23) + "   300" + "   0.12" + "      8" + B(73)},
        {&books, 1, "staff" + B(23) + "   160" + "   0.74" + "      8" + B(75)},
        {&scrolls, 156, "possession,S" + B(18) + "  1500" + "   0.12" + "     20" + B(73)},
        {&books, 156, "possession" + B(18) + "   400" + "   1.10" + "     20" + B(75)},
        {&scrolls, 118,
         "lesser magic item creation,S" + B(2) + "  1100" + "   0.12" + "     18" + B(73)},
        {&books, 118,
         "lesser magic item creation" + B(2) + "   360" + "   1.04" + "     18" + B(75)},
        {&scrolls, 43, "fireball,S" + B(20) + "   550" + "   0.12" + "     12" + B(73)},
        {&books, 43, "fireball" + B(20) + "   240" + "   0.86" + "     12" + B(75)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        EXPECT_EQ(c.listing->lines.at(static_cast<size_t>(c.number - 1)), c.line);
    }
}

TEST(SpellLists, DecimalSeparatorFollowsTheLocale) {
    const CatalogTable& t = BuiltTable();
    textfmt::SetDecimalSeparator(',');
    const Listing books = ListSpellBooks(t);
    textfmt::SetDecimalSeparator('.');
    EXPECT_EQ(books.lines[0].substr(28, 20), "   160   0,74      8");
}

}  // namespace
