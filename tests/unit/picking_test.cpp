// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/bench/picking.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "catalog/base_item_sources.h"
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
#include "catalog/weapon_list.h"
#include "tests/support/catalog_checks.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/workshop_state.h"
#include "workshop/lists/enchantment_list.h"

namespace {

// The list command that puts a catalog on show.
Listing ListOf(const CatalogTable& table, ShownList shown) {
    switch (shown) {
        case ShownList::Weapons:
            return ListWeapons(table);
        case ShownList::Equipment:
            return ListEquipment(table);
        case ShownList::Scrolls:
            return ListScrolls(table);
        case ShownList::SpellBooks:
            return ListSpellBooks(table);
        case ShownList::Potions:
            return ListPotions(table);
        case ShownList::Gems:
            return ListGems(table);
        case ShownList::Jewelry:
            return ListJewelry(table);
        case ShownList::Carpets:
            return ListCarpets(table);
        case ShownList::Fauna:
            return ListFauna(table);
        case ShownList::Jobs:
            return ListJobs(table);
        case ShownList::MagicItems:
            return ListEnchantments(table);
        default:
            return Listing();
    }
}

// What a magic item's line in the enchantment list begins with: its name,
// then blanks to the price column.
std::string MagicItemSelection(const std::string& name) {
    return name + std::string(kPickTextLength - name.size(), ' ');
}

const std::string kBlankSelection(kPickTextLength, ' ');

// The first 28 characters of the line that starts with text and a blank, as
// a click anywhere on that line selects them.
std::string Selection(const Listing& listing, const std::string& text) {
    for (const std::string& line : listing.lines) {
        if (line.compare(0, text.size(), text) == 0 && line.size() > text.size() &&
            line[text.size()] == ' ') {
            return line.substr(0, kPickTextLength);
        }
    }
    ADD_FAILURE() << "no line starts with '" << text << "'";
    return {};
}

TEST(PickLineStart, StartOfTheLineHoldingTheCaret) {
    struct Case {
        int32_t caret;
        int32_t start;
    };
    const Case cases[] = {
        {0, 0},     {1, 0},     {27, 0},        {122, 0},   {123, 0},  // 123, 124: the line break
        {124, 0},   {125, 125}, {126, 125},     {249, 125}, {250, 250},
        {374, 250}, {375, 375}, {12499, 12375}, {-3, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(PickLineStart(c.caret), c.start) << c.caret;
}

class PickingTest : public ::testing::Test {
protected:
    void SetUp() override {
        table_.Build();
        Reset();
    }

    // An empty bench on a base item that every pick would visibly replace.
    void Reset() {
        for (int k = 1; k <= 5; ++k) table_.EditSlot(k).Assign(table_.BlankItem());
        state_ = WorkshopState();
        state_.BaseItemName = "old base";
        state_.BaseItemPrice = 77;
        state_.BaseItemWeeks = 7;
        state_.HexCount = 5;
    }

    // The pick of the row of the list on show whose line starts with the
    // selected characters; nothing when no line does.
    RowPick RowFor(ShownList shown, const std::string& selected) {
        const Listing listing = ListOf(table_, shown);
        for (size_t i = 0; i < listing.lines.size(); ++i) {
            if (listing.lines[i].compare(0, kPickTextLength, selected) == 0) {
                return listing.rows[i].pick;
            }
        }
        return {};
    }

    // A click whose selection is `selected`: a base item is set, a magic
    // item's index returned (and left off the bench); -1 otherwise.
    int32_t Pick(ShownList shown, const std::string& selected) {
        const RowPick pick = RowFor(shown, selected);
        if (pick.kind == PickKind::MagicItem) return pick.index;
        PickFromPane(table_, state_, pick, false);
        return -1;
    }

    PickOutcome PickLine(ShownList shown, const std::string& selected, bool right) {
        return PickFromPane(table_, state_, RowFor(shown, selected), right);
    }

    void ExpectBase(const std::string& name, double price, double weeks, int32_t hexes,
                    const std::string& why) {
        EXPECT_EQ(state_.BaseItemName, name) << why;
        EXPECT_DOUBLE_EQ(state_.BaseItemPrice, price) << why;
        EXPECT_DOUBLE_EQ(state_.BaseItemWeeks, weeks) << why;
        EXPECT_EQ(state_.HexCount, hexes) << why;
    }

    void ExpectBaseUntouched(const std::string& why) { ExpectBase("old base", 77, 7, 5, why); }

    std::vector<std::string> SlotNames() const {
        std::vector<std::string> names;
        for (int k = 1; k <= 5; ++k) names.push_back(table_.Slot(k).Name);
        return names;
    }

    CatalogTable table_;
    WorkshopState state_;
};

TEST_F(PickingTest, EachListPicksItsOwnEntryAsTheBaseItem) {
    struct Case {
        ShownList shown;
        const char* line;  // how the clicked line starts
        const char* name;
        double price;
        double weeks;
        int32_t hexes;
    };
    using S = ShownList;
    // clang-format off
    const Case cases[] = {
        {S::Weapons,      "dagger",         "dagger",              10,   10.0 / 150,   1},
        {S::Weapons,      " dirk",          "dirk (dagger)",       10,   10.0 / 150,   1},
        {S::Weapons,      "hammer",         "hammer",              25,   25.0 / 150,   1},
        {S::Weapons,      " knobkerrie",    "knobkerrie (hammer)", 25,   25.0 / 150,   1},
        {S::Equipment,  "hammer",         "hammer",              13,   0.02,         1},
        {S::Equipment,  "unicorn horn",   "unicorn horn",        6500, 0,            1},
        {S::Scrolls,      "fireball,S",     "fireball scroll",     550,  2,            1},
        {S::SpellBooks, "fireball",       "book, fireball",      240,  2,            1},
        {S::Potions,      "flight",         "flight",              1200, 6,            1},
        {S::Potions,      "sleep",          "sleep",               150,  2,            1},
        {S::Gems,            "diamond",        "diamond",             400,  0,            1},
        {S::Jewelry,      "ring",           "ring",                3,    3.0 / 150,    1},
        {S::Carpets,      "4 Hex Carpet",   "4 Hex Carpet",        1000, 1000.0 / 150, 1},
        {S::Fauna,          " unicorn horse", "unicorn horse",       459,  0,            2},
        {S::Fauna,          " pegasus horse", "pegasus horse",       1365, 0,            2},
        {S::Jobs,            "unskilled",      "unskilled",           0,    0,            1},
    };
    // clang-format on
    for (const Case& c : cases) {
        Reset();
        const std::string selected = Selection(ListOf(table_, c.shown), c.line);
        EXPECT_EQ(Pick(c.shown, selected), -1) << c.line;
        ExpectBase(c.name, c.price, c.weeks, c.hexes, c.line);
        EXPECT_EQ(SlotNames(), std::vector<std::string>(5)) << c.line;
    }
}

TEST_F(PickingTest, AGemIsTakenAtItsPriceAsCutNow) {
    GemToCut(table_, 1).Price = 1234.5;  // the random treasure may have recut it
    Pick(ShownList::Gems, Selection(ListGems(table_), "diamond"));
    ExpectBase("diamond", 1234.5, 0, 1, "recut diamond");
}

TEST_F(PickingTest, ALineIsPickedOnlyFromTheListOnShow) {
    struct Case {
        ShownList shown;
        std::string selected;
    };
    const std::string hammer = Selection(ListEquipment(table_), "hammer");
    const std::string flight = Selection(ListPotions(table_), "flight");
    const Case cases[] = {
        {ShownList::None, hammer},  // the making report
        {ShownList::None, MagicItemSelection("Blur")},
        {ShownList::Scrolls, flight},
        {ShownList::Jobs, hammer},
        {ShownList::MagicItems, hammer},
        {ShownList::Weapons, MagicItemSelection("Blur")},
        {ShownList::Fauna, Selection(ListFauna(table_), "horse")},  // a kind's title line
    };
    for (const Case& c : cases) {
        Reset();
        EXPECT_EQ(Pick(c.shown, c.selected), -1) << c.selected;
        ExpectBaseUntouched(c.selected);
    }
    // A slot's line in the making report starts like its enchantment line,
    // yet clicking it takes nothing off.
    Reset();
    PickLine(ShownList::MagicItems, MagicItemSelection("Blur"), false);
    PickLine(ShownList::None, MagicItemSelection("Blur"), false);
    PickLine(ShownList::None, MagicItemSelection("Blur"), true);
    EXPECT_EQ(SlotNames(), (std::vector<std::string>{"Blur", "", "", "", ""}));

    // The same 28 characters give the potion from the potion list and the
    // spell book from the spell-book list.
    EXPECT_EQ(Selection(ListSpellBooks(table_), "flight"), flight);
    Pick(ShownList::Potions, flight);
    EXPECT_EQ(state_.BaseItemName, "flight");
    Pick(ShownList::SpellBooks, flight);
    EXPECT_EQ(state_.BaseItemName, "book, flight");
}

TEST_F(PickingTest, BlankLinesPickNothingInAnyList) {
    const ShownList lists[] = {
        ShownList::None,       ShownList::Weapons, ShownList::Equipment, ShownList::Scrolls,
        ShownList::SpellBooks, ShownList::Potions, ShownList::Gems,      ShownList::Jewelry,
        ShownList::Carpets,    ShownList::Fauna,   ShownList::Jobs,      ShownList::MagicItems,
    };
    // The lists whose note or continuation lines are blank at the start, and
    // the jewelry place that holds no piece.
    for (ShownList shown : {ShownList::Weapons, ShownList::Equipment, ShownList::Potions,
                            ShownList::Jewelry, ShownList::Jobs}) {
        bool found = false;
        for (const std::string& line : ListOf(table_, shown).lines) {
            found = found || line.compare(0, kPickTextLength, kBlankSelection) == 0;
        }
        EXPECT_TRUE(found);
    }
    Rectify_Magic_Item_list(table_, state_, 2);  // Blur
    for (ShownList shown : lists) {
        for (bool right : {false, true}) {
            PickLine(shown, kBlankSelection, right);
            ExpectBaseUntouched("blank line");
            EXPECT_EQ(SlotNames(), (std::vector<std::string>{"Blur", "", "", "", ""}));
        }
    }
}

TEST_F(PickingTest, DiseaseLinesMatchNoCreature) {
    const TFloura_FaunaKest& disease = FaunaAt(table_, kFaunaDisease);
    const Listing fauna = ListFauna(table_);
    int lines = 0;
    for (int v = 1; v <= kFaunaVariantSlots; ++v) {
        const std::string& variant = disease.VariantName[static_cast<size_t>(v - 1)];
        if (variant.empty()) continue;
        const std::string selected = Selection(fauna, " " + variant);
        if (selected.empty()) continue;
        ++lines;
        EXPECT_EQ(Pick(ShownList::Fauna, selected), -1);
        ExpectBaseUntouched(variant);
    }
    EXPECT_GT(lines, 0);
}

TEST_F(PickingTest, MagicItemsGoToTheCombinationRules) {
    const std::string blur = MagicItemSelection("Blur");
    const std::string light = MagicItemSelection("Light");
    EXPECT_EQ(Pick(ShownList::MagicItems, blur), 2);
    EXPECT_EQ(SlotNames()[0], "");
    ExpectBaseUntouched("the pick of a magic item");

    struct Step {
        const std::string* line;
        bool right;
        std::vector<std::string> slots;
    };
    const Step steps[] = {
        {&blur, false, {"Blur", "", "", "", ""}},
        {&light, false, {"Blur", "Light", "", "", ""}},
        {&blur, true, {"Light", "", "", "", ""}},      // right button takes it off
        {&blur, true, {"Blur", "Light", "", "", ""}},  // and puts on one that is not there
        {&light, false, {"Blur", "", "", "", ""}},
    };
    for (const Step& s : steps) {
        EXPECT_EQ(PickLine(ShownList::MagicItems, *s.line, s.right), PickOutcome::Picked);
        EXPECT_EQ(SlotNames(), s.slots) << *s.line << (s.right ? " right" : " left");
    }
    // A sixth finds every slot taken, with either button: nothing changes, and the pick says so.
    for (const char* name : {"Avert", "Slow Movement", "Drop Weapon", "Light"}) {
        PickLine(ShownList::MagicItems, MagicItemSelection(name), false);
    }
    const std::vector<std::string> full = SlotNames();
    for (const bool right : {false, true}) {
        EXPECT_EQ(PickLine(ShownList::MagicItems, MagicItemSelection("Detect Magic"), right),
                  PickOutcome::SlotsFull);
        EXPECT_EQ(SlotNames(), full);
    }
    PickLine(ShownList::MagicItems, light, true);
    ExpectBaseUntouched("magic items leave the base");
    EXPECT_EQ(table_.Slot(1).Price, 3000);

    // Graded: the right button steps down.
    const std::string plus = MagicItemSelection("Weapon/Armor +");
    PickLine(ShownList::MagicItems, plus, false);
    PickLine(ShownList::MagicItems, plus, false);
    PickLine(ShownList::MagicItems, plus, false);
    PickLine(ShownList::MagicItems, plus, true);
    EXPECT_EQ(table_.Slot(2).Name, "Weapon/Armor +");
    EXPECT_EQ(table_.Slot(2).Level, 2);
    EXPECT_EQ(table_.Slot(2).Price, 2000);
}

TEST_F(PickingTest, BaseItemPicksLeaveTheSlots) {
    PickLine(ShownList::MagicItems, MagicItemSelection("Blur"), false);
    for (bool right : {false, true}) {
        PickLine(ShownList::Weapons, Selection(ListWeapons(table_), "dagger"), right);
        EXPECT_EQ(SlotNames(), (std::vector<std::string>{"Blur", "", "", "", ""}));
        EXPECT_EQ(state_.BaseItemName, "dagger");
    }
}

TEST_F(PickingTest, PickingAUnicornRerunsTheRules) {
    Rectify_Magic_Item_list(table_, state_, 2);  // Blur
    const int32_t hornIndex = 116;
    ASSERT_EQ(table_.MagicItem(hornIndex).Name, "Unicorn Horn");
    Rectify_Magic_Item_list(table_, state_, hornIndex);
    ASSERT_EQ(table_.Slot(1).Name, "Unicorn Horn");
    ASSERT_EQ(table_.Slot(2).AdjustedPrice, 6000);

    PickLine(ShownList::Fauna, Selection(ListFauna(table_), " unicorn horse"), false);
    EXPECT_EQ(state_.BaseItemName, "unicorn horn");
    EXPECT_EQ(state_.BaseItemPrice, 6500);
    EXPECT_EQ(state_.BaseItemWeeks, 0);
    EXPECT_EQ(table_.Slot(1).Name, "Unicorn Horn");
    EXPECT_EQ(table_.Slot(1).Price, 0);
    EXPECT_EQ(table_.Slot(1).Weeks, 1);
    EXPECT_EQ(SlotNames(), (std::vector<std::string>{"Unicorn Horn", "Blur", "", "", ""}));
}

TEST_F(PickingTest, ACreatureOnAnEmptyBenchAddsNothing) {
    Pick(ShownList::Fauna, Selection(ListFauna(table_), " nag horse"));
    EXPECT_EQ(state_.BaseItemName, "nag horse");
    EXPECT_EQ(SlotNames(), std::vector<std::string>(5));
}

TEST_F(PickingTest, TheLastMatchWins) {
    // Two potions of one name: the later one is the pick.
    table_.Edit<TPotionItemKest>(entries::kPotionFirst - 1 + 5).Name = "flight";
    table_.Edit<TPotionItemKest>(entries::kPotionFirst - 1 + 5).Price = 1;
    Pick(ShownList::Potions, Selection(ListPotions(table_), "flight"));
    EXPECT_EQ(state_.BaseItemPrice, PotionAt(table_, 11).Price);
    EXPECT_NE(state_.BaseItemPrice, 1);

    table_.Edit<TMagicItemKest>(entries::kMagicItemFirst + 40).Name = "Blur";
    EXPECT_EQ(Pick(ShownList::MagicItems, MagicItemSelection("Blur")), 40);
}

TEST_F(PickingTest, ExactTwentyEightCharacterComparison) {
    const std::string hammer = Selection(ListWeapons(table_), "hammer");
    struct Case {
        std::string selected;
        bool matches;
    };
    const Case cases[] = {
        {hammer, true},
        {"hammer", false},                     // fewer than 28 characters: end of the text
        {"Hammer" + hammer.substr(6), false},  // case counts
        {" " + hammer.substr(0, 27), false},   // no trimming
        {hammer + " ", false},
    };
    for (const Case& c : cases) {
        Reset();
        Pick(ShownList::Weapons, c.selected);
        EXPECT_EQ(state_.BaseItemName == "hammer", c.matches) << "[" << c.selected << "]";
    }

    // A name longer than 28 characters can never be picked.
    TJobKest& job = table_.Edit<TJobKest>(entries::kJobFirst);
    job.Name = "unskilled labourer of the docks";  // 31 characters
    Reset();
    Pick(ShownList::Jobs, job.Name.substr(0, kPickTextLength));
    ExpectBaseUntouched("long name");
    job.Name = job.Name.substr(0, kPickTextLength);  // exactly 28: fills the selection
    Pick(ShownList::Jobs, job.Name);
    EXPECT_EQ(state_.BaseItemName, job.Name);
}

TEST_F(PickingTest, CaretArithmeticOnTheWeaponList) {
    // The pane holds the list with two-character line breaks.
    std::string pane;
    for (const std::string& line : ListWeapons(table_).lines) pane += line + "\r\n";
    struct Case {
        int32_t caret;
        const char* base;
    };
    const Case cases[] = {
        {0, "dagger"},  // the very first character
        {60, "dagger"},
        {124, "dagger"},  // on the line break
        {125, "cinquedea (dagger)"},
        {250 + 122, "dirk (dagger)"},
        {9 * 125 + 3, "rapier"},
    };
    for (const Case& c : cases) {
        Reset();
        const int32_t start = PickLineStart(c.caret);
        Pick(ShownList::Weapons, pane.substr(static_cast<size_t>(start), kPickTextLength));
        EXPECT_EQ(state_.BaseItemName, c.base) << c.caret;
    }
}

// Every line of every catalog list picks what the pane's arithmetic picks
// there: the 28 positions from the start of the caret's 125-position line
// (line breaks counted as two), compared with each entry of the list on
// show, the last one whose text, filled out with blanks, they are.
TEST_F(PickingTest, EveryRowPicksWhatItsLinePicks) {
    for (ShownList shown :
         {ShownList::Weapons, ShownList::Equipment, ShownList::Scrolls, ShownList::SpellBooks,
          ShownList::Potions, ShownList::Gems, ShownList::Jewelry, ShownList::Carpets,
          ShownList::Fauna, ShownList::Jobs, ShownList::MagicItems}) {
        const Listing listing = ListOf(table_, shown);
        const std::vector<PickCandidate> candidates = PickCandidates(table_, shown);
        std::string pane;
        for (const std::string& line : listing.lines) pane += line + "\r\n";
        ASSERT_EQ(listing.rows.size(), listing.lines.size());
        for (size_t i = 0; i < listing.lines.size(); ++i) {
            const int32_t press = static_cast<int32_t>(125 * i + i % 123);
            const std::string selected =
                pane.substr(static_cast<size_t>(PickLineStart(press)), kPickTextLength);
            RowPick expected;
            for (const PickCandidate& c : candidates) {
                if (c.text.find_first_not_of(' ') != std::string::npos &&
                    c.text.size() <= selected.size() && selected.rfind(c.text, 0) == 0 &&
                    selected.find_first_not_of(' ', c.text.size()) == std::string::npos) {
                    expected = c.pick;
                }
            }
            const RowPick& pick = listing.rows[i].pick;
            EXPECT_TRUE(pick.kind == expected.kind && pick.source == expected.source &&
                        pick.index == expected.index && pick.variant == expected.variant)
                << listing.lines[i];
        }
    }
}

}  // namespace
