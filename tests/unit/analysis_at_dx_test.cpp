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

// The weeks are the Make button's forecast for the item picked alone onto an
// empty bench; the money that forecast's and the item's starting material,
// which a pick leaves off the slot. The last of the six captioned columns,
// which a header press sorts by, reads the profit per week to the cent.
TEST(AnalysisAtDX, FiguresAreTheForecastOfTheItemAloneOnTheBench) {
    CatalogTable table;
    table.Build();
    for (int32_t dx : {5, 9, 12, 16}) {
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
            EXPECT_EQ(row.catalogIndex, i);
            EXPECT_EQ(row.figures.weeks.value_or(0), bench.expectedWeeks) << row.name << dx;
            EXPECT_EQ(row.figures.weeksNineInTen.value_or(0), bench.weeks[2]) << row.name << dx;
            EXPECT_DOUBLE_EQ(*row.figures.money,
                             bench.expectedMoney + MaterialCost(table.MagicItem(i)))
                << row.name << dx;
            const Cell& profit = listing.rows[static_cast<size_t>(i)].cells.back();
            const Figure shown = profit.key == KeyKind::Figure ? Figure(profit.figure) : Figure();
            EXPECT_TRUE(Near(shown, row.figures.profitPerWeek, 0.00501)) << row.name << dx;
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
        // 'c' counts half: a $40 gem and 2 weeks of $100 at 212 of 216 rolls.
        {51, 16, {108.0 / 53, 2, 40 + 10800.0 / 53, 40080.0 / 108 / 2}, "Gem: Wolf, 12 turn" +
             B(12) + "1000" + B(4) + "2.0" + B(5) + "2" + B(5) + "243.77" + B(3) + "185.56" + B(56)},
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
