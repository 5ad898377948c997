// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/bench/item_sheet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/magic_item.h"
#include "tests/support/text.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/workshop_state.h"

namespace {

const std::string kTotal = "            Total  ";

int32_t IndexOf(const CatalogTable& table, const std::string& name) {
    for (int32_t i = 0; i < kMagicItemCount; ++i) {
        if (table.MagicItem(i).Name == name) return i;
    }
    ADD_FAILURE() << "no magic item " << name;
    return -1;
}

class ItemSheetTest : public ::testing::Test {
protected:
    void SetUp() override { table_.Build(); }

    void Put(const std::string& name) {
        Rectify_Magic_Item_list(table_, state_, IndexOf(table_, name));
    }

    CatalogTable table_;
    WorkshopState state_;
};

TEST_F(ItemSheetTest, BlurAloneIsTheWorkedExample) {
    state_.HexCount = 1;
    Put("Blur");
    // clang-format off
    const std::vector<std::string> expected = {
        "Blur" + B(34) + "3000" + B(6) + "5",
        " ",
        kTotal + B(19) + "3000.00" + B(3) + "5.00",
    };
    // clang-format on
    EXPECT_EQ(BuildItemSheet(table_, state_), expected);
    EXPECT_EQ(state_.SheetTotalPrice, 3000);
    EXPECT_EQ(state_.SheetTotalWeeks, 5);
}

TEST_F(ItemSheetTest, EmptyBenchHasOnlyTheTotal) {
    const std::vector<std::string> expected = {" ", kTotal + B(22) + "0.00" + B(3) + "0.00"};
    EXPECT_EQ(BuildItemSheet(table_, state_), expected);
    EXPECT_EQ(state_.SheetTotalPrice, 0);
    EXPECT_EQ(state_.SheetTotalWeeks, 0);
}

TEST_F(ItemSheetTest, BaseItemStandsAboveTheSlots) {
    state_.BaseItemName = "dagger";
    state_.BaseItemPrice = 10;
    state_.BaseItemWeeks = 10.0 / 150;
    state_.HexCount = 1;
    Put("Blur");
    Put("Light");
    // clang-format off
    const std::vector<std::string> expected = {
        "dagger" + B(34) + "10.00" + B(3) + "0.07",
        " ",
        "Blur" + B(34) + "3000" + B(6) + "5",
        "Light" + B(33) + "1000" + B(6) + "1",
        " ",
        kTotal + B(19) + "4010.00" + B(3) + "6.07",
    };
    // clang-format on
    EXPECT_EQ(BuildItemSheet(table_, state_), expected);
    EXPECT_EQ(state_.SheetTotalPrice, 4010);
    EXPECT_DOUBLE_EQ(state_.SheetTotalWeeks, 6 + 10.0 / 150);
}

TEST(FormatSheetSlotLine, LabelsByNoteCode) {
    struct Case {
        int32_t index;  // catalog index of the record
        int32_t level;
        int32_t adjustedPrice;
        const char* line;
    };
    // 'A' glues the level to the name, 'B' puts a blank between, any other
    // code shows the name alone.
    // clang-format off
    const Case cases[] = {
        {126,   1,   1000, "Weapon/Armor +1                       1000      2"},
        {126,   4,   8000, "Weapon/Armor +4                       8000      2"},
        {  7,  -1,   1000, "Weakness ST-1                         1000      1"},
        {  7,  -5,  16000, "Weakness ST-5                        16000      1"},
        {106,   5,   5000, "ST battery 5pt 5                      5000      2"},
        {105, 256, 256000, "ST battery 1pt 256                  256000      1"},
        { 73,   0,   2000, "1-Hex Pentagram 0                     2000      3"},
        {  2,  -4,   3000, "Blur                                  3000      5"},
        { 19,  -4,    500, "Dazzle Gem                             500   0.42"},
    };
    // clang-format on
    for (const Case& c : cases) {
        TMagicItemKest slot(c.index);
        slot.Level = c.level;
        slot.AdjustedPrice = c.adjustedPrice;
        EXPECT_EQ(FormatSheetSlotLine(slot), c.line) << c.index;
    }
}

TEST(FormatSheetSlotLine, ShowsTheAdjustedNotTheCatalogPrice) {
    TMagicItemKest slot(6);  // Light, 500
    slot.AdjustedPrice = 4000;
    EXPECT_EQ(FormatSheetSlotLine(slot), "Light" + B(33) + "4000" + B(6) + "1");
}

TEST(FormatSheetSlotLine, LongLabelPushesTheNumbersRight) {
    TMagicItemKest slot(-1);
    slot.Name = "Amulet of Everlasting Wakefulness, forged";  // 41 characters
    slot.AdjustedPrice = 16000;
    slot.Weeks = 12;
    // However long the label, a blank stands before the price.
    EXPECT_EQ(FormatSheetSlotLine(slot), slot.Name + B(1) + "16000" + B(5) + "12");
    slot.Name = "Amulet of Everlasting Wakefulness";  // 33 + 5 = 38: 4 blanks still fit
    EXPECT_EQ(FormatSheetSlotLine(slot), slot.Name + B(4) + "16000" + B(5) + "12");
}

TEST(FormatTotalLine, OnlyThePriceIsMultipliedByTheHexes) {
    struct Case {
        int32_t hexes;
        double price;
        double weeks;
        std::string line;
    };
    const Case cases[] = {
        {1, 3000, 5, kTotal + B(19) + "3000.00" + B(3) + "5.00"},
        {0, 3000, 5, kTotal + B(19) + "3000.00" + B(3) + "5.00"},
        {-2, 3000, 5, kTotal + B(19) + "3000.00" + B(3) + "5.00"},
        {2, 459, 0, kTotal + "x2 hexes =  " + B(8) + "918.00" + B(3) + "0.00"},
        {3, 3000, 5, kTotal + "x3 hexes =  " + B(7) + "9000.00" + B(3) + "5.00"},
        {7, 1234567.5, 123.25, kTotal + "x7 hexes =  " + B(4) + "8641972.50" + B(1) + "123.25"},
        // Figures past their columns keep a blank before them.
        {1, 0.126, 1234567, kTotal + B(22) + "0.13" + B(1) + "1234567.00"},
        {1, 2389910.35, 2543.17, kTotal + B(16) + "2389910.35" + B(1) + "2543.17"},
        {1, 1e25, 1, kTotal + B(1) + "10000000000000000905969664.00" + B(3) + "1.00"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FormatTotalLine(c.hexes, c.price, c.weeks), c.line) << c.hexes;
    }
}

TEST(FormatBaseLine, NameMoneyAndWeeks) {
    EXPECT_EQ(FormatBaseLine("unicorn horn", 6500, 0),
              "unicorn horn" + B(26) + "6500.00" + B(3) + "0.00");
    EXPECT_EQ(FormatBaseLine("", 11, 0.0666), B(40) + "11.00" + B(3) + "0.07");
    const std::string longName(50, 'x');
    EXPECT_EQ(FormatBaseLine(longName, 1.5, 12.5), longName + B(1) + "1.50" + B(2) + "12.50");
}

TEST_F(ItemSheetTest, NamelessSlotIsNotListedButCounted) {
    Put("Blur");
    TMagicItemKest& stray = table_.EditSlot(3);
    stray.AdjustedPrice = 700;
    stray.Weeks = 2;
    const std::vector<std::string> sheet = BuildItemSheet(table_, state_);
    ASSERT_EQ(sheet.size(), 3u);
    EXPECT_EQ(sheet[0].substr(0, 4), "Blur");
    EXPECT_EQ(sheet[2], kTotal + B(19) + "3700.00" + B(3) + "7.00");
    EXPECT_EQ(state_.SheetTotalPrice, 3700);
    EXPECT_EQ(state_.SheetTotalWeeks, 7);
}

TEST_F(ItemSheetTest, HexesMultiplyTheSheetPrice) {
    state_.BaseItemName = "unicorn horse";
    state_.BaseItemPrice = 459;
    state_.HexCount = 3;
    Put("Light");
    const std::vector<std::string> sheet = BuildItemSheet(table_, state_);
    ASSERT_EQ(sheet.size(), 5u);
    EXPECT_EQ(sheet[4], kTotal + "x3 hexes =  " + B(7) + "2877.00" + B(3) + "1.00");
    EXPECT_EQ(state_.SheetTotalPrice, 959);  // the stored total is per hex
}

TEST_F(ItemSheetTest, SlotPricesAddUpAsThirtyTwoBitDollars) {
    for (int k = 1; k <= 5; ++k) table_.EditSlot(k).AdjustedPrice = 1000000000;
    state_.BaseItemPrice = 0.5;
    BuildItemSheet(table_, state_);
    // 5,000,000,000 wraps to 5,000,000,000 - 2^32.
    EXPECT_EQ(state_.SheetTotalPrice, 705032704.5);
    table_.EditSlot(1).AdjustedPrice = INT32_MIN;
    for (int k = 2; k <= 5; ++k) table_.EditSlot(k).AdjustedPrice = 0;
    table_.EditSlot(2).AdjustedPrice = -1;
    BuildItemSheet(table_, state_);
    EXPECT_EQ(state_.SheetTotalPrice, 2147483647.5);
}

class MakingReportTest : public ItemSheetTest {
protected:
    void SetUp() override {
        ItemSheetTest::SetUp();
        Put("Blur");
        Put("Light");
        state_.BaseItemName = "dagger";
        // The report shows the weeks the making counts, not the plan's.
        state_.BaseItemWeeks = 0.07;
        state_.AdjustedBaseWeeks = 0.5;
        state_.AdjustedBasePrice = 11;
        state_.HexCount = 1;
        state_.WeeksElapsed = 4;
        TMagicItemKest& blur = table_.EditSlot(1);
        blur.WeeksWorked = 3;
        blur.WeeksLost = 1;
        blur.CostSoFar = 1250;
        TMagicItemKest& light = table_.EditSlot(2);  // only bad weeks so far
        light.WeeksLost = 2;
        light.CostSoFar = 300;
        state_.TotalCostSoFar = 11 + 1250 + 300;
    }
};

TEST_F(MakingReportTest, NamedItemWithItsWorkedSlots) {
    state_.MadeItemName = "Cloak of the Grey Fox";
    // clang-format off
    const std::vector<std::string> expected = {
        "Cloak of the Grey Fox",
        " ",
        "dagger" + B(34) + "11.00" + B(3) + "0.50",
        " ",
        "Blur" + B(34) + "1250" + B(6) + "4",
        " ",
        kTotal + B(19) + "1561.00" + B(3) + "4.50",
    };
    // clang-format on
    EXPECT_EQ(BuildMakingReport(table_, state_), expected);
    EXPECT_EQ(state_.SheetTotalPrice, 1561);
}

TEST_F(MakingReportTest, UnnamedItemWithoutBaseStillHasTheBaseLine) {
    state_.BaseItemName.clear();
    state_.HexCount = 2;
    table_.EditSlot(2).WeeksWorked = 1;
    const std::vector<std::string> report = BuildMakingReport(table_, state_);
    // clang-format off
    const std::vector<std::string> expected = {
        B(40) + "11.00" + B(3) + "0.50",
        " ",
        "Blur" + B(34) + "1250" + B(6) + "4",
        "Light" + B(34) + "300" + B(6) + "3",
        " ",
        kTotal + "x2 hexes =  " + B(7) + "3122.00" + B(3) + "4.50",
    };
    // clang-format on
    EXPECT_EQ(report, expected);
}

}  // namespace
