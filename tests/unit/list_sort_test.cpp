// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/list_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/text_format.h"
#include "catalog/weapon_list.h"
#include "tests/support/catalog_checks.h"
#include "workshop/lists/analysis.h"
#include "workshop/lists/enchantment_list.h"

namespace {

constexpr SortOrder kUp = SortOrder::Ascending;
constexpr SortOrder kDown = SortOrder::Descending;

using Lister = Listing (*)(const CatalogTable&);

const ListForm kItemForm = {{{"Item", 0, 28, Align::Left, Holds::Texts, 0, {0, 3}},
                             {"Cost", 28, 6, Align::Right, Holds::Figures, 1, {28, 3}},
                             {"", 40, 20, Align::Left}},
                            {}};

// A figure where the text is a number, else a text.
Cell Value(const std::string& text) {
    double value = 0;
    const char* const end = text.data() + text.size();
    const auto read = std::from_chars(text.data(), end, value);
    return read.ec == std::errc() && read.ptr == end ? Cell::Figure(text, value) : Cell::Text(text);
}

// Text A to Z, figures largest first and texts among them A to Z, no values
// last either way, ties and note rows in place; an entry with a blank name
// moves alone, a variant under its kind.
TEST(ListSort, OrdersEntriesByTextOrFigure) {
    const std::vector<std::pair<std::string, std::string>> entries = {
        {"Bow", "12"}, {"", ""},         {"axe", "-"},      {"  Club", "12"}, {"dagger", "3"},
        {"Epee", ""},  {"flail", "ask"}, {"Glaive", "2.5"}, {"hammer", "Bid"}};
    const RowKind E = RowKind::Entry, N = RowKind::Note, T = RowKind::Title;
    const std::vector<RowKind> notes = {E, N, E, E, E, E, E, E, E};
    const std::vector<RowKind> blank = {E, E, E, E, E, E, E, E, E};
    const std::vector<RowKind> kinds = {T, E, T, E, T, T, T, T, T};
    struct Case {
        const std::vector<RowKind>* rows;
        int header;
        SortOrder order;
        std::vector<size_t> catalogLines;
        std::string state;
    };
    // clang-format off
    const Case cases[] = {
        {&notes, 0, kUp,   {2, 0, 1, 3, 4, 5, 6, 7, 8}, "sorted by Item, A to Z"},
        {&notes, 0, kDown, {8, 7, 6, 5, 4, 3, 0, 1, 2}, "sorted by Item, Z to A"},
        {&notes, 1, kDown, {0, 1, 3, 4, 7, 6, 8, 2, 5}, "sorted by Cost, largest first"},
        {&notes, 1, kUp,   {7, 4, 0, 1, 3, 8, 6, 2, 5}, "sorted by Cost, smallest first"},
        {&notes, 1, SortOrder::Catalog, {0, 1, 2, 3, 4, 5, 6, 7, 8}, ""},
        {&notes, 2, kUp,   {0, 1, 2, 3, 4, 5, 6, 7, 8}, ""},  // no caption
        {&blank, 1, kDown, {0, 3, 4, 7, 6, 8, 1, 2, 5}, "sorted by Cost, largest first"},
        {&kinds, 0, kDown, {8, 7, 6, 5, 4, 0, 1, 2, 3}, "sorted by Item, Z to A"},
        {&kinds, 1, kDown, {0, 1, 2, 3, 4, 7, 6, 8, 5}, "sorted by Cost, largest first"},
    };
    // clang-format on
    for (const Case& c : cases) {
        Listing listing(&kItemForm);
        for (size_t i = 0; i < entries.size(); ++i) {
            listing.Add({Cell::Text(entries[i].first), Value(entries[i].second)}, (*c.rows)[i]);
        }
        listing.Format();
        const SortedListing sorted = SortListing(listing, c.header, c.order);
        EXPECT_EQ(sorted.catalogLine, c.catalogLines) << c.state;
        EXPECT_EQ(sorted.state, c.state);
        for (size_t i = 0; i < c.catalogLines.size(); ++i) {
            EXPECT_EQ(sorted.lines.at(i), listing.lines[c.catalogLines[i]]);
        }
    }
}

// A cell is made from its value: its text formatted once from it, in the
// program's decimal separator, and its key the value itself; what is no
// number shows and sorts as a text, "-" and blanks as no value.
TEST(ListSort, CellsAreMadeFromTheirValues) {
    struct Case {
        Cell cell;
        std::string text;
        KeyKind key;
        double figure;
    };
    // clang-format off
    const Case cases[] = {
        {Cell::General(-0.5), "-0.5", KeyKind::Figure, -0.5},
        {Cell::General(1e20), "1E20", KeyKind::Figure, 1e20},
        {Cell::General(std::nan("")), "NAN", KeyKind::Text, 0},
        {Cell::Fixed(0.125, 5), " 0.12", KeyKind::Figure, 0.125},
        {Cell::Fixed(1234567890123.4567, 4), "1234567890123.46", KeyKind::Figure, 1234567890123.4567},
        {Cell::Int(0), "0", KeyKind::Figure, 0},
        {Cell::Figure("$ 4", 4), "$ 4", KeyKind::Figure, 4},
        {Cell::Dice("1-1", 2.5), "1-1", KeyKind::Figure, 2.5},
        {Cell::Text("-"), "-", KeyKind::None, 0},
        {Cell::Text("  "), "  ", KeyKind::None, 0},
        {Cell::Text("8 x showy"), "8 x showy", KeyKind::Text, 0},
    };
    // clang-format on
    for (const Case& c : cases) {
        EXPECT_EQ(c.cell.text, c.text);
        EXPECT_EQ(c.cell.key, c.key) << c.text;
        if (c.key == KeyKind::Figure) {
            EXPECT_EQ(c.cell.figure, c.figure) << c.text;
        }
    }
    textfmt::SetDecimalSeparator(',');
    EXPECT_EQ(Cell::Fixed(0.42, 4).text, "0,42");
    textfmt::SetDecimalSeparator('.');
    // Weapon damage by its mean roll.
    const Listing weapons = ListWeapons(BuiltTable());
    EXPECT_EQ(weapons.rows.at(0).cells.at(1).text, "1-1");
    EXPECT_EQ(weapons.rows.at(0).cells.at(1).figure, 2.5);
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

// Whether cell a may stand before cell b: figures, then texts, then no
// values; figures in the order asked, texts A to Z on a first press.
bool InOrder(const Cell& a, const Cell& b, bool figuresDown, bool textsUp) {
    const auto rank = [](const Cell& c) {
        return static_cast<int>(c.key == KeyKind::None ? 3 : c.key == KeyKind::Text ? 2 : 1);
    };
    if (rank(a) != rank(b)) return rank(a) < rank(b);
    if (a.key == KeyKind::Figure) return figuresDown ? a.figure >= b.figure : a.figure <= b.figure;
    if (a.key != KeyKind::Text) return true;
    std::string x = a.text, y = b.text;
    for (std::string* t : {&x, &y}) {
        t->erase(0, t->find_first_not_of(' '));
        std::transform(t->begin(), t->end(), t->begin(),
                       [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; });
    }
    return textsUp ? x <= y : x >= y;
}

// Every column of every list, both ways: the entries stand in the order of
// their cells' keys within their kind, each note right under its entry.
TEST(ListSort, EveryColumnOfEveryListSortsByItsKeys) {
    const Lister lists[] = {ListWeapons, ListEquipment,    ListScrolls, ListSpellBooks,
                            ListPotions, ListGems,         ListJewelry, ListFauna,
                            ListJobs,    ListEnchantments, Analyze};
    for (Lister list : lists) {
        const Listing listing = list(BuiltTable());
        for (int header : ColumnHeaders(listing)) {
            const ListSort first = PressHeader(listing, {}, header);
            size_t column = 0;
            while (listing.form->columns[column].label != header) ++column;
            for (SortOrder order : {kDown, kUp}) {
                const SortedListing sorted = SortListing(listing, header, order);
                const std::vector<size_t>& at = sorted.catalogLine;
                ASSERT_EQ(at.size(), listing.rows.size());
                std::vector<size_t> rows(at.size());
                for (size_t i = 0; i < rows.size(); ++i) rows[i] = i;
                EXPECT_TRUE(std::is_permutation(at.begin(), at.end(), rows.begin()));
                // Each creature stays under the title of its own kind.
                std::vector<size_t> kindOf(at.size(), at.size());
                for (size_t i = 0; i < at.size(); ++i) {
                    const bool title = listing.rows[i].kind == RowKind::Title;
                    kindOf[i] = title ? i : (i > 0 ? kindOf[i - 1] : at.size());
                }
                size_t kind = at.size();
                const ListRow* previous = nullptr;
                size_t previousAt = 0;
                for (size_t i = 0; i < at.size(); ++i) {
                    const ListRow& row = listing.rows[at[i]];
                    SCOPED_TRACE(listing.lines[at[i]]);
                    if (row.kind == RowKind::Note) {
                        EXPECT_EQ(at[i - 1] + 1, at[i]);
                        continue;
                    }
                    if (row.kind == RowKind::Title) {
                        previous = nullptr;
                        kind = at[i];
                        continue;
                    }
                    EXPECT_EQ(kindOf[at[i]], kind);
                    const Cell blank;
                    const Cell& cell = column < row.cells.size() ? row.cells[column] : blank;
                    if (previous != nullptr) {
                        const Cell& before =
                            column < previous->cells.size() ? previous->cells[column] : blank;
                        const bool figures = first.order == kDown;
                        Cell a = before, b = cell;
                        if (!figures && a.key == KeyKind::Figure) a.key = KeyKind::Text;
                        if (!figures && b.key == KeyKind::Figure) b.key = KeyKind::Text;
                        EXPECT_TRUE(InOrder(a, b, order == kDown, order == first.order));
                        if (InOrder(b, a, order == kDown, order == first.order)) {
                            EXPECT_LT(previousAt, at[i]);  // ties keep catalog order
                        }
                    }
                    previous = &row;
                    previousAt = at[i];
                }
            }
        }
    }
}

}  // namespace
