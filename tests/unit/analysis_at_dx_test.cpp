// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/analysis_at_dx.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "tests/support/catalog_checks.h"
#include "tests/support/text.h"
#include "workshop/combination_rules.h"
#include "workshop/forecast.h"
#include "workshop/list_columns.h"
#include "workshop/making_figures.h"
#include "workshop/sort_value.h"

namespace {

using Figure = std::optional<double>;
using Figures = std::array<Figure, 4>;  // weeks, 9 in 10 within, money, profit per week

Figures FiguresOf(const ItemForecast& f) {
    return {f.weeks, f.weeksNineInTen, f.money, f.profitPerWeek};
}

// The list's weeks are the Make button's forecast for the item picked alone
// onto an empty bench, and its money that forecast and the item's starting
// material, which a pick leaves off the slot.
TEST(AnalysisAtDX, FiguresAreTheForecastOfTheItemAloneOnTheBench) {
    CatalogTable table;
    table.Build();
    for (int32_t dx : {5, 9, 12, 16}) {
        const std::vector<AnalysisAtDXRow> rows = AnalysisAtDXRows(table, dx);
        ASSERT_EQ(rows.size(), static_cast<size_t>(kMagicItemCount));
        for (int32_t i = 0; i < kMagicItemCount; ++i) {
            for (int k = 1; k <= entries::kSlotCount; ++k) {
                table.EditSlot(k).Assign(table.BlankItem());
            }
            WorkshopState state;
            Rectify_Magic_Item_list(table, state, i);
            const MakingForecast bench = ForecastMaking(table, state, dx);
            const ItemForecast& f = rows[static_cast<size_t>(i)].figures;
            SCOPED_TRACE(table.MagicItem(i).Name + " at DX " + std::to_string(dx));
            EXPECT_EQ(rows[static_cast<size_t>(i)].catalogIndex, i);
            EXPECT_EQ(f.weeks.value_or(0), bench.expectedWeeks);
            EXPECT_EQ(f.weeksNineInTen.value_or(0), bench.weeks[2]);
            EXPECT_DOUBLE_EQ(f.money.value(),
                             bench.expectedMoney + MaterialCost(table.MagicItem(i)));
        }
    }
}

TEST(AnalysisAtDX, FiguresAndLinesWorkedByHand) {
    struct Case {
        int32_t index, dx;
        Figures figures;
        std::string line;
    };
    const Figure none;
    // clang-format off
    const Case cases[] = {
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
    for (const Case& c : cases) {
        const AnalysisAtDXRow row = AnalysisAtDXRows(BuiltTable(), c.dx).at(c.index);
        const Figures figures = FiguresOf(row.figures);
        for (size_t k = 0; k < figures.size(); ++k) {
            ASSERT_EQ(figures[k].has_value(), c.figures[k].has_value()) << row.name << k;
            if (figures[k]) {
                EXPECT_NEAR(*figures[k], *c.figures[k], 1e-9) << row.name << k;
            }
        }
        EXPECT_EQ(ListAnalysisAtDX({row}).lines.at(0), c.line);
    }
}

// A header press sorts by the figure under it: each column reads back its
// own figure, to half its last digit shown, at every DX.
TEST(AnalysisAtDX, EveryColumnReadsItsOwnFigure) {
    const double halfDigit[] = {0, 0.05, 0, 0.005, 0.005};  // price, weeks, ...
    for (int32_t dx = 5; dx <= 16; ++dx) {
        const std::vector<AnalysisAtDXRow> rows = AnalysisAtDXRows(BuiltTable(), dx);
        const Listing listing = ListAnalysisAtDX(rows);
        const std::vector<int> headers = ColumnHeaders(listing);
        ASSERT_EQ(headers.size(), 6u);
        for (size_t i = 0; i < rows.size(); ++i) {
            const Figures f = FiguresOf(rows[i].figures);
            const Figure figures[] = {rows[i].price == 0 ? Figure() : rows[i].price, f[0], f[1],
                                      f[2], f[3]};
            for (size_t c = 0; c < 5; ++c) {
                const Figure read =
                    ReadFigure(ColumnText(listing.lines[i], *HeaderColumn(listing, headers[c + 1])),
                               ColumnReading::Plain);
                ASSERT_EQ(read.has_value(), figures[c].has_value()) << rows[i].name << c;
                if (read) {
                    EXPECT_LE(std::abs(*read - *figures[c]), halfDigit[c] * 1.001) << rows[i].name;
                }
            }
        }
    }
}

}  // namespace
