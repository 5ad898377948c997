// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/hoard.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/gem.h"
#include "catalog/text_format.h"
#include "dice/random_source.h"
#include "random/hoard_list.h"
#include "random/hoard_worth.h"
#include "random/random_item.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/lists/list_sort.h"

namespace {

// A seeded source that counts how often it is asked to seed from the clock.
struct CountedSeeds : SeededRandom {
    using SeededRandom::SeededRandom;
    void ReseedFromClock() override { ++seedings; }
    int seedings = 0;
};

// A bench with a base item and a slot in the middle of its making.
void FillBench(CatalogTable& table, WorkshopState& state) {
    table.Build();
    state.SetBaseItem("dagger", 10, 1);
    Rectify_Magic_Item_list(table, state, 2);
    table.EditSlot(1).WeeksWorked = 3;
}

// A hoard's bench and a reference bench filled alike, whose presses of
// Random the hoard's rolls must equal, from the same seed.
struct Rolls {
    explicit Rolls(uint64_t seed) : random(seed), pressRandom(seed) {
        FillBench(table, state);
        FillBench(reference, presses);
    }
    CatalogTable table, reference;
    WorkshopState state, presses;
    CountedSeeds random;
    SeededRandom pressRandom;
};

// The text of a column without its blanks.
std::string Column(const std::string& line, size_t from, size_t width) {
    const std::string text = line.substr(from, width);
    const size_t first = text.find_first_not_of(' ');
    return first > width ? "" : text.substr(first, text.find_last_not_of(' ') + 1 - first);
}

TEST(Hoard, IsTheItemsRandomRollsOneAfterAnotherFromOneSeedListedAndSummed) {
    struct Case {
        uint64_t seed;
        int32_t count;
        size_t items;  // none beyond the limits
    } const cases[] = {{1, 1, 1}, {7, 25, 25}, {20240611, 1000, 1000}, {3, 0, 0}, {3, 1001, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        Rolls r(c.seed);
        auto& [table, reference, state, presses, random, pressRandom] = r;
        const WorkbenchSnapshot bench = CaptureWorkbench(table, state);
        const std::vector<HoardItem> hoard = RollHoard(table, state, random, c.count);
        ASSERT_EQ(hoard.size(), c.items);
        EXPECT_EQ(random.seedings, hoard.empty() ? 0 : 1);
        EXPECT_EQ(CaptureWorkbench(table, state), bench);
        const Listing list = ListHoard(hoard);
        const std::vector<std::string>& lines = list.lines;
        ASSERT_EQ(list.rows.size(), lines.size());
        EXPECT_EQ(list.rows.back().pick.kind, PickKind::Nothing);  // the sum
        // Sorted by value, largest first, the sum stays under the items.
        if (!hoard.empty()) {
            EXPECT_EQ(SortListing(list, 1, SortOrder::Descending).lines.back(), lines.back());
        }
        std::vector<std::string> shown(hoard.size());  // each item's enchantment column
        size_t items = 0;
        double total = 0;
        for (size_t n = 0; n + 1 < lines.size(); ++n) {
            SCOPED_TRACE(lines[n]);
            EXPECT_EQ(lines[n].size(), 123u);
            if (lines[n].find_first_not_of(' ') < 28) {  // an item's line, not a note line
                const HoardItem& item = hoard[items++];
                MakeRandomItem(reference, presses, pressRandom);
                const WorkbenchSnapshot rolled = CaptureWorkbench(reference, presses);
                ASSERT_EQ(item.bench, rolled);
                // The enchantments are named as the sheet's slot lines name them.
                const std::vector<std::string> sheet = BuildItemSheet(reference, presses);
                const size_t first = rolled.BaseItemName.empty() ? 0 : 2;
                ASSERT_EQ(sheet.size(), first + item.enchantments.size() + 2);
                for (size_t k = 0; k < item.enchantments.size(); ++k) {
                    EXPECT_EQ(sheet[first + k].rfind(item.enchantments[k] + " ", 0), 0u);
                }
                EXPECT_EQ(Column(lines[n], 0, 36),
                          rolled.BaseItemName.empty() ? "-" : rolled.BaseItemName);
                const double value = TotalLinePrice(presses.HexCount, presses.SheetTotalPrice);
                EXPECT_EQ(Column(lines[n], 36, 14), textfmt::Fixed2(value, 3));
                EXPECT_EQ(Column(lines[n], 50, 8), textfmt::Fixed2(presses.SheetTotalWeeks, 3));
                total += value;
                // Taken from the hoard, the item is back on the bench as rolled, its gem too.
                PutHoardItem(item, table, state);
                EXPECT_EQ(CaptureWorkbench(table, state), rolled);
                if (item.gem > 0) {
                    EXPECT_EQ(GemAt(table, item.gem).Carats, GemAt(reference, item.gem).Carats);
                }
            }
            ASSERT_EQ(list.rows[n].pick.kind, PickKind::HoardItem);
            ASSERT_EQ(list.rows[n].pick.index, static_cast<int32_t>(items - 1));
            shown[items - 1] += (shown[items - 1].empty() ? "" : " ") + Column(lines[n], 61, 62);
        }
        for (size_t i = 0; i < hoard.size(); ++i) {
            std::string names;
            for (const std::string& name : hoard[i].enchantments)
                names += (names.empty() ? "" : ", ") + name;
            EXPECT_EQ(shown[i], names);
        }
        EXPECT_EQ(items, hoard.size());
        EXPECT_EQ(lines.back().size(), 123u);
        EXPECT_EQ(Column(lines.back(), 0, 36),
                  "Total: " + std::to_string(items) + (items == 1 ? " item" : " items"));
        EXPECT_EQ(Column(lines.back(), 36, 87), textfmt::Fixed2(total, 3));
    }
}

}  // namespace

namespace {

// Rolled to a worth, the hoard keeps, in order, each roll of Random from
// the one seeding that still fits within the worth, and stops once within a
// tenth under it or after 1,000 rolls; the sum line says what came of it.
TEST(Hoard, RolledToAWorthKeepsTheRollsThatFitUntilWithinATenthUnder) {
    struct Case {
        uint64_t seed;
        int64_t worth;    // in cents
        bool allRolled;   // no total within a tenth under it in 1,000 rolls
        const char* sum;  // the sum line's words, when checked as written
    } const cases[] = {{5, 500000, false, "5 items worth $4,595 of $5,000"},
                       {1, 100, true, nullptr},
                       {9, 100000000, false, nullptr},
                       {3, 1000000000, false, nullptr},
                       {4, 99, false, nullptr},
                       {4, 1000000001, false, nullptr}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.worth);
        Rolls r(c.seed);
        auto& [table, reference, state, presses, random, pressRandom] = r;
        const WorkbenchSnapshot bench = CaptureWorkbench(table, state);
        const std::vector<HoardItem> hoard = RollHoardToWorth(table, state, random, c.worth);
        EXPECT_EQ(CaptureWorkbench(table, state), bench);
        if (c.worth < kHoardMinWorthCents || c.worth > kHoardMaxWorthCents) {
            EXPECT_TRUE(hoard.empty());
            EXPECT_EQ(random.seedings, 0);
            continue;
        }
        // The presses of Random the hoard stands for, and the items that fit.
        std::vector<WorkbenchSnapshot> kept;
        int64_t total = 0;
        int rolls = 0;
        for (; rolls < kHoardMaxItems && total * 10 < c.worth * 9; ++rolls) {
            MakeRandomItem(reference, presses, pressRandom);
            BuildItemSheet(reference, presses);
            const int64_t value =
                std::llround(TotalLinePrice(presses.HexCount, presses.SheetTotalPrice) * 100);
            if (total + value > c.worth) continue;
            total += value;
            kept.push_back(CaptureWorkbench(reference, presses));
        }
        EXPECT_EQ(rolls == kHoardMaxItems, c.allRolled);
        ASSERT_EQ(hoard.size(), kept.size());
        for (size_t i = 0; i < kept.size(); ++i) EXPECT_EQ(hoard[i].bench, kept[i]) << i;
        EXPECT_EQ(random.Below(1000000), pressRandom.Below(1000000));  // as many rolls made
        EXPECT_LE(total, c.worth);
        const std::string line = ListHoard(hoard, c.worth).lines.back();
        const std::string words = std::to_string(kept.size()) +
                                  (kept.size() == 1 ? " item" : " items") + " worth " +
                                  textfmt::Dollars(total) + " of " + textfmt::Dollars(c.worth);
        EXPECT_EQ(line.rfind(words + "  ", 0), 0u) << line;
        EXPECT_EQ(Column(line, words.size(), line.size()),
                  textfmt::Fixed2(static_cast<double>(total) / 100, 3));
        EXPECT_EQ(line.size(), 123u);
        EXPECT_EQ(words, c.sum != nullptr ? c.sum : words);
    }
}

// A worth as a game master writes or pastes it, in cents; none for what is
// no worth of $1 to $10,000,000.
TEST(Hoard, AWorthIsReadWithEitherMarkForTheCentsAndTheOtherForThousands) {
    // clang-format off
    const std::pair<const char*, int64_t> cases[] = {
        {"$5000", 500000},   {"5000$", 500000},   {" $ 5000 ", 500000}, {"$5,000.00", 500000},
        {"$5.000,00", 500000}, {"$5,000", 500000}, {"$5.000", 500000},  {"$2.5", 250},
        {"$2,05", 205},      {"$1", 100},         {"$10,000,000", 1000000000},
        {"$1.234.567,8", 123456780},
        // refused
        {"$0.99", -1},       {"$10,000,000.01", -1}, {"5000", -1},      {"$", -1},
        {"$$5", -1},         {"5$0", -1},         {"$-5", -1},          {"$5,00,000", -1},
        {"$1,000.000", -1},  {"$1.000,000.00", -1}, {"$5000.", -1},     {"$5.0000", -1},
        {"$5 000", -1},      {"$,500", -1},       {"$99999999999999999999", -1}};
    // clang-format on
    for (const auto& [text, cents] : cases) {
        EXPECT_TRUE(AsksForWorth(text) || cents < 0) << text;
        const std::optional<int64_t> worth = ReadWorth(text);
        EXPECT_EQ(worth.value_or(-1), cents) << text;
    }
}

}  // namespace
