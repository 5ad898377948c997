// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/component.h"

#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>

#include "catalog/catalog_table.h"
#include "tests/support/catalog_checks.h"

namespace {

TEST(ComponentRecord, IndexOutsideTheCatalogLeavesAnEmptyRecord) {
    for (int index : {0, -3, 45, 900}) {
        SCOPED_TRACE(index);
        TComponentItemKest c(index);
        EXPECT_EQ(c.Name, "");
        EXPECT_EQ(c.Price, 0);
        EXPECT_EQ(c.Weight, 0);
    }
}

// The random treasure ties magic to components by number, so these must sit
// exactly at their places with their prices.
TEST(ComponentRecord, TellingRows) {
    struct Case {
        int index;
        const char* name;
        double price, weight;
    };
    const Case cases[] = {
        {1, "Carving", 125, 10},
        {2, "Common Ingrediant", 1, 0.2},
        {3, "Crystal lense", 2000, 0.05},
        {4, "Crystal sphere", 250, 2},
        {5, "1/20th 14-Hex Dragon skin", 1600, 15},
        {6, "Fresh Basilisk brain & eyes", 150, 3},
        {7, "Hand", 1000, 7},
        {9, "Silver beads", 55, 0.04},
        {10, "key", 10, 0.07},
        {11, "Silver key", 100, 0.05},
        {12, "lock", 14, 0.5},
        {13, "Silver Lock", 140, 0.5},
        {15, "Snake's Backbone", 50, 0.6},
        {16, "Statue", 1000, 65},
        {27, "tooth from Uncle Teeth", 5, 0.2},
        {37, "1/10th living red slime", 100, 45},
        {39, "centuar hoof", 100, 0.7},
        {42, "jewel dust", 20, 0.001},
        {44, "dragon heart", 2000, 26},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TComponentItemKest rec(c.index);
        EXPECT_EQ(rec.Name, c.name);
        EXPECT_EQ(rec.Price, c.price);
        EXPECT_EQ(rec.Weight, c.weight);
    }
}

TEST(ComponentCatalog, WholeDollarPricesDistinctNamesAndWeightBounds) {
    std::set<std::string> names;
    double lightest = 1e9, heaviest = 0;
    std::string lightestName, heaviestName;
    for (int n = 1; n <= kComponentCount; ++n) {
        SCOPED_TRACE(n);
        TComponentItemKest c(n);
        EXPECT_FALSE(c.Name.empty());
        // Names are compared exactly, so "key" and "Silver key" are two entries.
        EXPECT_TRUE(names.insert(c.Name).second) << "duplicate " << c.Name;
        EXPECT_LE(c.Name.size(), 28u);
        EXPECT_GT(c.Price, 0);
        EXPECT_EQ(c.Price, std::floor(c.Price)) << c.Name;
        if (c.Weight < lightest) {
            lightest = c.Weight;
            lightestName = c.Name;
        }
        if (c.Weight > heaviest) {
            heaviest = c.Weight;
            heaviestName = c.Name;
        }
    }
    EXPECT_EQ(names.size(), 44u);
    EXPECT_EQ(lightestName, "jewel dust");
    EXPECT_EQ(lightest, 0.001);
    EXPECT_EQ(heaviestName, "Statue");
    EXPECT_EQ(heaviest, 65);
}

TEST(ComponentCatalog, AccessorReadsTheComponentRange) {
    const CatalogTable& table = BuiltTable();
    EXPECT_EQ(&ComponentAt(table, 1), &table.At<TComponentItemKest>(526));
    EXPECT_EQ(&ComponentAt(table, 44), &table.At<TComponentItemKest>(569));
    EXPECT_EQ(ComponentAt(table, 1).Name, "Carving");
    EXPECT_EQ(ComponentAt(table, 44).Name, "dragon heart");
}

}  // namespace
