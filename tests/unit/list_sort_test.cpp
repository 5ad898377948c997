// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/list_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalog/fauna.h"
#include "catalog/job.h"
#include "catalog/spell.h"
#include "catalog/text_format.h"
#include "catalog/weapon_list.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"
#include "workshop/analysis.h"
#include "workshop/enchantment_list.h"
#include "workshop/list_columns.h"
#include "workshop/sort_value.h"

namespace {

constexpr SortOrder kUp = SortOrder::Ascending;
constexpr SortOrder kDown = SortOrder::Descending;
constexpr ColumnReading kPlain = ColumnReading::Plain;
constexpr ColumnReading kDice = ColumnReading::Dice;

using Lister = Listing (*)(const CatalogTable&);

// A cost ending at column 34, under the "Cost" label at pixel 232.
std::string Line(const std::string& name, const std::string& cost) {
    return Padded(name, 28) + B(6 - static_cast<int>(cost.size())) + cost;
}

// Text A to Z, figures largest first and texts among them A to Z, no values
// last either way, ties and note lines in place; a jewelry line with a blank
// name moves alone, a fauna variant under its kind.
TEST(ListSort, OrdersEntriesByTextOrFigure) {
    Listing listing;
    listing.labels[0] = {8, "Item"};
    listing.labels[1] = {232, "Cost"};
    listing.lines = {Line("Bow", "12"),    B(40) + "a note",      Line("axe", "-"),
                     Line("  Club", "12"), Line("dagger", "3"),   Line("Epee", ""),
                     Line("flail", "ask"), Line("Glaive", "2.5"), Line("hammer", "Bid")};
    struct Case {
        ShownList shown;
        int header;
        SortOrder order;
        std::vector<size_t> catalogLines;
        std::string state;
    };
    // clang-format off
    const Case cases[] = {
        {ShownList::None,    0, kUp,   {2, 0, 1, 3, 4, 5, 6, 7, 8}, "sorted by Item, A to Z"},
        {ShownList::None,    0, kDown, {8, 7, 6, 5, 4, 3, 0, 1, 2}, "sorted by Item, Z to A"},
        {ShownList::None,    1, kDown, {0, 1, 3, 4, 7, 6, 8, 2, 5}, "sorted by Cost, largest first"},
        {ShownList::None,    1, kUp,   {7, 4, 0, 1, 3, 8, 6, 2, 5}, "sorted by Cost, smallest first"},
        {ShownList::None,    1, SortOrder::Catalog, {0, 1, 2, 3, 4, 5, 6, 7, 8}, ""},
        {ShownList::None,    2, kUp,   {0, 1, 2, 3, 4, 5, 6, 7, 8}, ""},  // no caption
        {ShownList::Jewelry, 1, kDown, {0, 3, 4, 7, 1, 6, 8, 2, 5}, "sorted by Cost, largest first"},
        {ShownList::Fauna,   0, kDown, {8, 7, 6, 5, 4, 0, 1, 2, 3}, "sorted by Item, Z to A"},
        {ShownList::Fauna,   1, kDown, {0, 1, 2, 3, 4, 7, 6, 8, 5}, "sorted by Cost, largest first"},
    };
    // clang-format on
    for (const Case& c : cases) {
        listing.shown = c.shown;
        const SortedListing sorted = SortListing(listing, c.header, c.order);
        EXPECT_EQ(sorted.catalogLine, c.catalogLines) << c.state;
        EXPECT_EQ(sorted.state, c.state);
        for (size_t i = 0; i < c.catalogLines.size(); ++i) {
            EXPECT_EQ(sorted.listing.lines.at(i), listing.lines[c.catalogLines[i]]);
        }
    }
}

// The text under a header on real lines: stacked labels, figures starting
// left of their label's edge, the headers read in their own way.
TEST(ListSort, ReadsTheValueUnderEachHeader) {
    struct Case {
        Lister list;
        std::string line;
        int header;
        std::string value;
    };
    // clang-format off
    const Case cases[] = {
        {ListScrolls, "staff,S", 1, "300"},       {ListScrolls, "staff,S", 2, "0.12"},
        {ListSpellBooks, "staff ", 1, "160"},     {ListWeapons, "dagger", 1, "1-1"},
        {ListFauna, " black human", 3, "70.00"},  {ListFauna, " black human", 6, "32"},
        {ListJobs, "farmhand", 5, "$ 4"},         {ListJobs, "fisherman", 1, "boating"},
        {ListEnchantments, "Charm (+2)", 1, "100000"},
        {ListEnchantments, "Weakness ST", 7, "430"},  // not the notes after it
        {Analyze, "Magic Fist spell", 8, "166.666666666667"},
    };
    // clang-format on
    for (const Case& c : cases) {
        const Listing listing = c.list(BuiltTable());
        const auto line =
            std::find_if(listing.lines.begin(), listing.lines.end(),
                         [&](const std::string& l) { return l.rfind(c.line, 0) == 0; });
        const auto column = HeaderColumn(listing, c.header);
        ASSERT_TRUE(column && line != listing.lines.end()) << c.line;
        EXPECT_EQ(ColumnText(*line, *column), c.value) << c.line;
    }
}

// Figures in the lists' forms and the user's decimal separator, money, and
// dice by their mean roll; anything else is a text.
TEST(ListSort, ReadsFiguresMoneyAndDice) {
    struct Case {
        std::string value;
        ColumnReading reading;
        std::optional<double> figure;
    };
    // clang-format off
    const Case cases[] = {
        {"-0.5", kPlain, -0.5}, {"1E20", kPlain, 1e20}, {"$ 4", kPlain, 4},    {"8 x showy", kPlain, {}},
        {"1-1", kPlain, {}},    {"nan", kPlain, {}},    {"2+1", kDice, 8},     {"1-1", kDice, 2.5},
        {"3", kDice, 10.5},     {"+2", kDice, 2},       {"2x", kDice, {}},
    };
    // clang-format on
    for (const Case& c : cases) EXPECT_EQ(ReadFigure(c.value, c.reading), c.figure) << c.value;
    textfmt::SetDecimalSeparator(',');
    EXPECT_EQ(ReadFigure("0,42", kPlain), 0.42);
    textfmt::SetDecimalSeparator('.');
    EXPECT_TRUE(IsNoValue("-") && IsNoValue("") && !IsNoValue("0"));
}

// Text first A to Z, figures first largest first, the second press
// reverses, the third returns; stacked labels are one column.
TEST(ListSort, PressesCycleThroughTheOrders) {
    const Listing fauna = ListFauna(BuiltTable());
    const std::pair<int, ListSort> presses[] = {
        {5, {5, kDown}}, {6, {5, kUp}},   {5, {}},
        {6, {5, kDown}}, {4, {5, kDown}},  // no caption
        {0, {0, kUp}},   {0, {0, kDown}}, {7, {7, kUp}},
    };
    ListSort sort;
    for (const auto& [header, after] : presses) {
        sort = PressHeader(fauna, sort, header);
        EXPECT_TRUE(sort == after) << header;
    }
    // The column keys' order: one for each column, left to right.
    EXPECT_EQ(ColumnHeaders(fauna), (std::vector<int>{0, 1, 2, 3, 5, 7}));
    EXPECT_EQ(ColumnHeaders(ListJobs(BuiltTable())), (std::vector<int>{0, 1, 5, 7}));
}

// The analysis by profit per week, largest or smallest first, equal profits
// in catalog order.
TEST(ListSort, RanksTheAnalysisByProfitPerWeek) {
    const Listing analysis = Analyze(BuiltTable());
    const ColumnSpan column = *HeaderColumn(analysis, 7);
    for (SortOrder order : {kDown, kUp}) {
        const SortedListing sorted = SortListing(analysis, 8, order);
        std::vector<std::pair<double, size_t>> ranked;  // the profit, largest first negated
        for (size_t i = 0; i < sorted.catalogLine.size(); ++i) {
            const double profit =
                ReadFigure(ColumnText(sorted.listing.lines[i], column), kPlain).value();
            ranked.emplace_back(order == kDown ? -profit : profit, sorted.catalogLine[i]);
        }
        EXPECT_TRUE(std::is_sorted(ranked.begin(), ranked.end()));
    }
}

}  // namespace
