// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/analysis_at_dx.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/making/forecast.h"
#include "workshop/making/making_figures.h"

namespace {

using Figure = std::optional<double>;

// Both none, or both figures within a distance.
bool Near(const Figure& a, const Figure& b, double within) {
    return a && b ? std::abs(*a - *b) <= within : a.has_value() == b.has_value();
}

// Each line is the Make button's forecast of the bench its pick gives from
// an empty bench, at every DX, to the line's own precision: the weeks to a
// tenth, "9 in 10 within" in whole weeks, the money to the cent. The last
// of the six captioned columns, which a header press sorts by, reads the
// profit per week to the cent.
TEST(AnalysisAtDX, EachLineIsTheForecastOfTheBenchItsPickGives) {
    CatalogTable table;
    table.Build();
    for (int32_t dx = 5; dx <= 16; ++dx) {
        const std::vector<AnalysisAtDXRow> rows = AnalysisAtDXRows(table, dx);
        ASSERT_EQ(rows.size(), static_cast<size_t>(kMagicItemCount));
        const Listing listing = ListAnalysisAtDX(table, rows);
        ASSERT_EQ(listing.form->columns.size(), 6u);
        for (const ListColumn& column : listing.form->columns) EXPECT_NE(*column.caption, '\0');
        for (int32_t i = 0; i < kMagicItemCount; ++i) {
            for (int k = 1; k <= entries::kSlotCount; ++k) {
                table.EditSlot(k).Assign(table.BlankItem());
            }
            WorkshopState state;
            Rectify_Magic_Item_list(table, state, i);
            const MakingForecast bench = ForecastMaking(table, state, dx);
            const AnalysisAtDXRow& row = rows[static_cast<size_t>(i)];
            const std::vector<Cell>& cells = listing.rows[static_cast<size_t>(i)].cells;
            const auto shown = [&cells](size_t k) {
                return cells[k].key == KeyKind::Figure ? Figure(cells[k].figure) : Figure();
            };
            const bool worked = bench.weeksToWork > 0;
            const Figure weeks = worked ? Figure(bench.expectedWeeks) : Figure();
            const Figure within = worked ? Figure(std::ceil(bench.weeks[2] - 1e-9)) : Figure();
            EXPECT_EQ(row.catalogIndex, i);
            EXPECT_TRUE(Near(shown(2), weeks, 0.0501)) << row.name << dx;
            EXPECT_TRUE(Near(shown(3), within, 0)) << row.name << dx;
            const Figure money = bench.finishes ? Figure(bench.expectedMoney) : Figure();
            EXPECT_TRUE(Near(shown(4), money, 0.00501)) << row.name << dx;
            EXPECT_TRUE(Near(shown(5), row.figures.profitPerWeek, 0.00501)) << row.name << dx;
        }
    }
}

TEST(AnalysisAtDX, FiguresAndLinesWorkedByHand) {
    const Figure none;
    // clang-format off
    const struct {
        int32_t index, dx;
        std::array<Figure, 4> figures;  // weeks, 9 in 10 within, money, profit per week
        std::string line;
    } cases[] = {
        // 3 weeks at 135 of 216 rolls: 4.8 weeks of $500 of ST; 7 weeks hold
        // 92.6% of the chance, 6 weeks 85.4%.
        {1, 11, {4.8, 7, 2400, -400 / 4.8}, "Magic Fist spell" + B(14) + "2000" + B(4) + "4.8" +
             B(5) + "7" + B(4) + "2400.00" + B(3) + "-83.33" + B(56)},
        // 'c' counts half: 2 weeks of $100 at 212 of 216 rolls; the $40 gem it
        // must start with is no part of the bench a pick gives.
        {51, 16, {108.0 / 53, 2, 10800.0 / 53, 42200.0 / 108 / 2}, "Gem: Wolf, 12 turn" +
             B(12) + "1000" + B(4) + "2.0" + B(5) + "2" + B(5) + "203.77" + B(3) + "195.37" + B(56)},
        // No week to work: nothing to divide by.
        {0, 12, {none, none, 0, none}, "Staff" + B(28) + "-" + B(6) + "-" + B(5) + "-" + B(7) +
             "0.00" + B(8) + "-" + B(56)},
    };
    // clang-format on
    for (const auto& c : cases) {
        const AnalysisAtDXRow row = AnalysisAtDXRows(BuiltTable(), c.dx).at(c.index);
        const ItemForecast& f = row.figures;
        const Figure figures[] = {f.weeks, f.weeksNineInTen, f.money, f.profitPerWeek};
        for (size_t k = 0; k < 4; ++k) {
            EXPECT_TRUE(Near(figures[k], c.figures[k], 1e-9)) << row.name << k;
        }
        EXPECT_EQ(ListAnalysisAtDX(BuiltTable(), {row}).lines.at(0), c.line);
    }
}

}  // namespace
