// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/catalog_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <type_traits>
#include <utility>

#include "catalog/gem.h"
#include "catalog/magic_item.h"
#include "catalog/potion.h"
#include "catalog/weapon.h"

namespace {

class CatalogTableTest : public ::testing::Test {
protected:
    void SetUp() override { table_.Build(); }
    CatalogTable table_;
};

// Whoever holds the table as const can only read its records: a function that
// takes a const table cannot reset a slot or recut a gem behind the caller's
// back. Changes go through the edit paths, which need the table itself.
TEST(CatalogTableAccess, ConstTableHandsOutReadOnlyRecords) {
    using Table = const CatalogTable&;
    EXPECT_TRUE(
        (std::is_same_v<decltype(std::declval<Table>().At<TGemItemKest>(0)), const TGemItemKest&>));
    EXPECT_TRUE(
        (std::is_same_v<decltype(std::declval<Table>().MagicItem(0)), const TMagicItemKest&>));
    EXPECT_TRUE(
        (std::is_same_v<decltype(std::declval<Table>().Weapon(1)), const TWeaponItemKest&>));
    EXPECT_TRUE((std::is_same_v<decltype(std::declval<Table>().Slot(1)), const TMagicItemKest&>));
    EXPECT_TRUE(
        (std::is_same_v<decltype(std::declval<Table>().BlankItem()), const TMagicItemKest&>));
    EXPECT_TRUE((std::is_same_v<decltype(GemAt(std::declval<Table>(), 1)), const TGemItemKest&>));
    EXPECT_TRUE(
        (std::is_same_v<decltype(PotionAt(std::declval<Table>(), 1)), const TPotionItemKest&>));
    // The edit paths hand out records to change, and only from a table
    // that may be changed.
    EXPECT_TRUE(
        (std::is_same_v<decltype(std::declval<CatalogTable&>().EditSlot(1)), TMagicItemKest&>));
    EXPECT_TRUE(
        (std::is_same_v<decltype(GemToCut(std::declval<CatalogTable&>(), 1)), TGemItemKest&>));
}

TEST_F(CatalogTableTest, EditPathsReachTheSameRecords) {
    EXPECT_EQ(&table_.EditSlot(3), &table_.Slot(3));
    EXPECT_EQ(&GemToCut(table_, 7), &GemAt(table_, 7));
    EXPECT_EQ(&table_.Edit<TMagicItemKest>(entries::kMagicItemFirst + 2), &table_.MagicItem(2));
}

TEST_F(CatalogTableTest, MagicItemsSitAtTheirIndexPlusOne) {
    struct Case {
        int index;
        const char* name;
    };
    const Case cases[] = {{0, "Staff"}, {2, "Blur"}, {19, "Dazzle Gem"}, {126, "Weapon/Armor +"}};
    for (const Case& c : cases) {
        const auto& item = table_.At<TMagicItemKest>(c.index + 1);
        EXPECT_EQ(item.Name, c.name);
        EXPECT_EQ(item.CatalogIndex, c.index);
    }
}

TEST_F(CatalogTableTest, DerivedWorkingDays) {
    // Working days are five a week, rounded half to even; units are 20 a day.
    for (int i = 0; i < kMagicItemCount; ++i) {
        const TMagicItemKest& item = table_.MagicItem(i);
        EXPECT_EQ(item.CatalogIndex, i);
        EXPECT_EQ(item.WorkUnits, 20 * item.WorkDays);
        if (item.Weeks == static_cast<int>(item.Weeks)) {
            EXPECT_EQ(item.WorkDays, 5 * static_cast<int>(item.Weeks)) << item.Name;
        }
    }
    EXPECT_EQ(table_.MagicItem(19).WorkDays, 2);  // 0.42 weeks
    EXPECT_EQ(table_.MagicItem(19).WorkUnits, 40);
    EXPECT_EQ(table_.MagicItem(101).WorkDays, 200);  // 40 weeks
    EXPECT_EQ(table_.MagicItem(101).WorkUnits, 4000);
    EXPECT_EQ(table_.MagicItem(0).WorkDays, 0);  // 0 weeks
}

TEST_F(CatalogTableTest, BlankRecordsStayBlank) {
    for (int entry : {0, 884, 885, 886, 887, 888, 889, 890}) {
        const auto& blank = table_.At<TMagicItemKest>(entry);
        EXPECT_EQ(blank.Name, "") << entry;
        EXPECT_EQ(blank.CatalogIndex, 0) << entry;
        EXPECT_EQ(blank.WorkDays, 0) << entry;
        EXPECT_EQ(blank.WorkUnits, 0) << entry;
        EXPECT_EQ(blank.SpellNumber, -1) << entry;
    }
    EXPECT_EQ(&table_.BlankItem(), &table_.At<TMagicItemKest>(885));
    EXPECT_EQ(&table_.EditSwapItem(), &table_.At<TMagicItemKest>(884));
    EXPECT_EQ(&table_.Slot(1), &table_.At<TMagicItemKest>(886));
    EXPECT_EQ(&table_.Slot(5), &table_.At<TMagicItemKest>(890));
}

TEST_F(CatalogTableTest, WeaponsSitAtTheirRange) {
    EXPECT_EQ(table_.At<TWeaponItemKest>(128).Name, "dagger");
    EXPECT_EQ(table_.Weapon(59).Name, "main-Gauche");
    EXPECT_EQ(&table_.Weapon(59), &table_.At<TWeaponItemKest>(186));
}

TEST(CatalogTableShutdown, FreesEveryEntryOnceInOrder) {
    const std::vector<int> order = CatalogTable::ShutdownOrder();
    ASSERT_EQ(order.size(), 891u);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> all(891);
    std::iota(all.begin(), all.end(), 0);
    EXPECT_EQ(sorted, all);
    // The swap record first, the blank template and the slots last.
    EXPECT_EQ(order.front(), 884);
    EXPECT_EQ(order[1], 0);
    EXPECT_EQ(order[128], 127);
    EXPECT_EQ(order[129], 128);
    EXPECT_EQ(order[884], 883);
    EXPECT_EQ(std::vector<int>(order.end() - 6, order.end()),
              (std::vector<int>{885, 886, 887, 888, 889, 890}));
}

TEST(CatalogTableShutdown, FreeAllEmptiesTheTable) {
    CatalogTable table;
    table.Build();
    EXPECT_TRUE(table.Has(890));
    table.FreeAll();
    for (int entry = 0; entry < entries::kCount; ++entry) EXPECT_FALSE(table.Has(entry));
    table.FreeAll();  // freeing again frees nothing twice
}

}  // namespace
