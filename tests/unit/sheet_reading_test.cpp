// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/plans/sheet_reading.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/carpet.h"
#include "catalog/catalog_table.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/magic_item.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/text_format.h"
#include "catalog/weapon.h"
#include "catalog/weapon_list.h"
#include "dice/random_source.h"
#include "random/random_item.h"
#include "tests/support/text.h"
#include "workshop/bench/base_items.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/bench/picking.h"
#include "workshop/lists/enchantment_list.h"
#include "workshop/making/making.h"
#include "workshop/plans/sheet_text.h"

namespace {

// Every list a pick can be made from: the enchantments first, as most picks are.
std::vector<Listing> PickLists(const CatalogTable& table) {
    return {ListEnchantments(table), ListWeapons(table), ListEquipment(table), ListScrolls(table),
            ListSpellBooks(table),   ListPotions(table), ListGems(table),      ListJewelry(table),
            ListCarpets(table),      ListFauna(table),   ListJobs(table)};
}

// Builds benches the way a user does, from one seed: picks on list lines,
// left or right, now and then a random treasure or a making.
class BenchBuilder {
public:
    BenchBuilder(CatalogTable& table, WorkshopState& state, uint64_t seed)
        : table_(table), state_(state), random_(seed) {}

    void Step(const std::vector<Listing>& lists) {
        const int32_t roll = random_.Below(20);
        if (roll < 5) {
            MakeRandomItem(table_, state_, random_);
        } else if (roll == 5) {
            StartMaking(table_, state_);
            while (MakingWeek(table_, state_, random_)) {
            }
        } else {
            // Half the picks on the enchantments, often the one picked last
            // again (to step it up or down), the rest on any list.
            const size_t n = random_.Below(2) == 0 ? 0 : static_cast<size_t>(random_.Below(11));
            const std::vector<std::string>& lines = lists[n].lines;
            if (n != 0 || random_.Below(2) == 0) {
                pick_ = lists[n]
                            .rows[static_cast<size_t>(
                                random_.Below(static_cast<int32_t>(lines.size())))]
                            .pick;
            }
            PickFromPane(table_, state_, pick_, random_.Below(4) == 0);
        }
    }

private:
    CatalogTable& table_;
    WorkshopState& state_;
    SeededRandom random_;
    RowPick pick_;  // the last line's pick
};

// The program writes its figures with this separator while it lives.
struct DecimalSeparator {
    explicit DecimalSeparator(char separator) { textfmt::SetDecimalSeparator(separator); }
    ~DecimalSeparator() { textfmt::SetDecimalSeparator('.'); }
};

// Copies the sheet of the bench where the decimal separator is `written` and
// reads it back where it is `read`, with the catalogs as at start-up (no gem
// cut): onto the same bench, the same workbench; onto that other, empty one
// (another run), the same sheet.
void ExpectRoundTrip(const CatalogTable& table, WorkshopState& state, CatalogTable& other,
                     const WorkbenchSnapshot& empty, char written, char read) {
    textfmt::SetDecimalSeparator(written);
    const std::string copied = CopiedSheetText(BuildItemSheet(table, state));
    textfmt::SetDecimalSeparator(read);
    const std::vector<std::string> sheet = BuildItemSheet(table, state);
    const WorkbenchSnapshot bench = CaptureWorkbench(table, state);
    const SheetReading reading = ReadItemSheet(other, bench, copied);
    ASSERT_TRUE(reading.plan) << reading.error << "\n" << copied;
    EXPECT_TRUE(*reading.plan == bench) << copied;
    const SheetReading elsewhere = ReadItemSheet(other, empty, copied);
    ASSERT_TRUE(elsewhere.plan) << elsewhere.error << "\n" << copied;
    WorkshopState otherState;
    RestoreWorkbench(*elsewhere.plan, other, otherState);
    EXPECT_EQ(BuildItemSheet(other, otherState), sheet);
}

TEST(SheetReading, EveryBenchReadsBackFromItsCopiedSheet) {
    CatalogTable table;
    table.Build();
    CatalogTable other;
    other.Build();
    const WorkbenchSnapshot empty = CaptureWorkbench(table, WorkshopState());
    const std::vector<Listing> lists = PickLists(table);
    const DecimalSeparator restored('.');
    const char separators[] = {'.', ','};
    for (uint64_t seed = 1; seed <= 400; ++seed) {
        WorkshopState state;
        RestoreWorkbench(empty, table, state);
        BenchBuilder builder(table, state, seed);
        for (int step = 0; step < 12; ++step) {
            builder.Step(lists);
            // Copied and pasted where the separators are the same or differ.
            const char written = separators[step % 2], read = separators[seed % 2];
            ExpectRoundTrip(table, state, other, empty, written, read);
            if (HasFailure()) {
                FAIL() << "seed " << seed << ", step " << step << ", copied with " << written
                       << ", pasted with " << read;
            }
        }
    }
}

// The text with its first "from" replaced.
std::string With(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

TEST(SheetReading, ReadsWhatACopyCanBecomeAndRefusesAnythingElse) {
    CatalogTable table;
    table.Build();
    WorkshopState state;
    SetBaseItem(state, BaseItemOf(table, {BaseSource::Weapon, 1}));
    for (const char* name : {"Blur", "Weakness ST", "Weakness ST", "Light", "Magic Fist rod(1D-2)",
                             "Magic Fist rod(1D-2)", "Trip"}) {
        for (int32_t i = 0; i < kMagicItemCount; ++i) {
            if (table.MagicItem(i).Name == name) Rectify_Magic_Item_list(table, state, i);
        }
    }
    const std::vector<std::string> lines = BuildItemSheet(table, state);
    const WorkbenchSnapshot bench = CaptureWorkbench(table, state);
    // dagger / blank / Blur / Weakness ST-2 / Magic Fist rod(1D-2) 2 / Light / Trip / blank / total
    const std::string sheet = CopiedSheetText(lines);
    std::string commaSheet;
    {
        const DecimalSeparator comma(',');
        commaSheet = CopiedSheetText(BuildItemSheet(table, state));
    }
    const std::string dagger = lines[0] + "\n";
    const std::string blur = lines[2] + "\n";
    const std::string trip = lines[6] + "\n";
    const std::string total = lines[8] + "\n";
    struct Case {
        std::string text;
        std::string error;  // empty: reads back to the bench
    };
    const Case cases[] = {
        {sheet, ""},
        {"\n \n" + sheet + "\n\n", ""},
        {"\xEF\xBB\xBF" + sheet.substr(0, sheet.size() - 1), ""},
        {With(With(With(sheet, "\n", "\r\n"), " \n", "\r\n"), "\n", "   \r\n"), ""},
        {With(sheet, "0.07\n", "0.07  \n"), ""},
        {"", "the clipboard holds no text"},
        {" \r\n\n  \n", "the clipboard holds only blank lines"},
        {std::string(10 << 20, 'x'),
         "the clipboard holds 10485760 bytes of text; an item sheet has at most 16384"},
        {With(sheet, "Blur ", "Blurr"), "line 3: no magic item called 'Blurr'"},
        {With(sheet, "Blur ", "Bl\xC3\xBCr"), "line 3: no magic item called 'Bl\xFCr'"},
        {With(sheet, "Blur", "Bl\xE2\x98\xBA"),
         "line 3: no catalog name holds the character U+263A"},
        {With(sheet, "Blur", "Bl\xFCr"), "line 3: the text is not UTF-8"},
        {With(sheet, " 3000", " 2500"), "line 3: Blur costs 3000 in slot 1, not 2500"},
        {With(sheet, "3000      5", "3000      4"), "line 3: Blur takes 5 weeks, not 4"},
        {With(sheet, "ST-2", "ST-7"), "line 4: Weakness ST has no level -7"},
        {With(sheet, "dagger", "daggor"), "line 1: no base item called 'daggor'"},
        {With(sheet, "10.00", "12.00"), "line 1: dagger costs 10.00, not 12.00"},
        {With(sheet, "0.07", "9.99"), "line 1: dagger takes 0.07 weeks, not 9.99"},
        {commaSheet, ""},
        {With(commaSheet, "10,00", "10,00x"), "line 1: the price '10,00x' is not a number"},
        {With(sheet, "10.00", "10,00"), "line 1: the price '10,00' is not a number"},
        {With(sheet, "5\n", "5x\n"), "line 3: the weeks '5x' are not a number"},
        {With(sheet, dagger + " \n" + blur, blur + dagger),
         "line 2: the base item dagger must come first, above the magic items"},
        {With(sheet, trip, trip + trip), "line 8: a sixth magic item; the bench holds five"},
        {With(sheet, trip, With(lines[5], "4000", "8000") + "\n"),
         "line 7: Light is on the bench already, on line 6"},
        {With(sheet, blur, With(lines[6], " 8000", " 3000") + "\n"),
         "line 3: Trip costs 500 in slot 1, not 3000"},
        {With(sheet, " \n" + blur, blur), "line 2: a blank line must follow the base item"},
        {With(sheet, " \n" + total, total), "line 8: a blank line must come before the total line"},
        {With(sheet, total, ""), "line 8: the sheet ends before its total line"},
        {With(sheet, "27010.00", "27011.00"),
         "line 9: the total does not add up to the lines above it"},
        {sheet + "\nhello\n", "line 11: nothing may follow the total line"},
        {"hello world\n", "line 1: 'hello world' is not a line of an item sheet"},
        {"Light" + B(34) + "500" + B(6) + "1\nBlur" + B(34) + "6000" + B(6) + "5\n",
         "line 2: Blur costs more than the item above it; the dearest stand first"},
        {"wavellite (gem)" + B(24) + "7.00" + B(3) + "0.00\n",
         "line 1: wavellite (gem) costs 5.00 a carat, and 7.00 is no whole number of carats"},
    };
    for (const Case& c : cases) {
        const SheetReading reading = ReadItemSheet(table, bench, c.text);
        if (c.error.empty()) {
            ASSERT_TRUE(reading.plan) << reading.error << "\n" << c.text;
            EXPECT_TRUE(*reading.plan == bench) << c.text;
        } else {
            EXPECT_FALSE(reading.plan) << c.text;
            EXPECT_EQ(reading.error, c.error) << c.text.substr(0, 1000);
        }
    }
}

}  // namespace
