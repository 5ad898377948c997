// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

// A list is rows of typed cells under columns that each list declares once;
// the 123-character lines the pane shows are made from them, and sorting,
// picking and copying read the rows, never the lines.

// Which catalog's entries a listing puts in the output pane; a click on the
// pane picks only among these.
enum class ShownList {
    None,     // nothing pickable (the making report)
    Weapons,  // the weapons and their variants
    Equipment,
    Scrolls,     // the spells as scrolls
    SpellBooks,  // the spells as books
    Potions,
    Gems,
    Jewelry,
    Carpets,
    Fauna,
    Jobs,
    MagicItems,  // the enchantment list and the analysis
    Hoard,       // a rolled hoard: a line gives its item by its place, not by name
    MadeItems,   // the items made and kept: a line stands for its item's plan
    EveryList,   // lines found in every catalog list: a line picks what it picks in its own list
    Shares,      // a hoard's items again as shares: a line gives its item as the hoard does
    KeptPlans,   // the plans kept by name: a line stands for its plan
};

// Where a header label stands over the pane: above a character column, a
// few pixels off where the captions were set by eye (ui/ turns it into pixels).
struct LabelPlace {
    int column = 0;
    int nudge = 0;
};

// One of the nine column header labels above the output pane.
struct HeaderLabel {
    LabelPlace place;
    std::string caption;
};
using ListHeader = std::array<HeaderLabel, 9>;

enum class Align {
    Left,   // from the column's first character
    Right,  // ending at its last, after whatever the cells before it took
    Flush,  // ending at its last, taking up what a long cell before it ran over
};

// What a column holds, which says how a press on its header sorts it: texts
// A to Z first; figures largest first, a text among them ("none" pay) after
// them, A to Z.
enum class Holds : uint8_t { Texts, Figures };

// One column of a list.
struct ListColumn {
    const char* caption;  // on its header label; "" for a column no label heads
    int first;            // its first character column (from 0)
    int width;
    Align align;
    Holds holds = Holds::Texts;
    int label = -1;  // the header label (0..8) showing the caption
    LabelPlace place{};
    const char* under = "";  // a second caption, on the next label at the same place
    const char* name = "";   // what a sort by it is called, when not its captions
};

// A list's columns, and where the labels that head none of them stand
// (captionless, each where the label before it stands unless named here).
struct ListForm {
    std::vector<ListColumn> columns;
    std::vector<std::pair<int, LabelPlace>> idleLabels;
    // The lines end at the list width even after a cell ran over its column
    // (else the blanks after the last column run over as far).
    bool endsAtWidth = false;
};

// The nine labels a list's columns put over the pane.
ListHeader HeaderOf(const ListForm& form);

// What a cell sorts by: a figure, its text (ignoring case and leading
// blanks), or nothing ("-" and blanks, last either way).
enum class KeyKind : uint8_t { None, Figure, Text };

// How a figure is written where it goes as a number (a spreadsheet's cell):
// with the digits the list shows it with.
enum class Digits : uint8_t {
    Shortest,       // as few as give the value back
    TwoDecimals,    // two after the point
    Significant15,  // 15 significant, as the lists' general form
};

// A cell is made from what it shows; its text is formatted once from that
// value, and it sorts by the value itself.
struct Cell {
    std::string text;  // as shown
    KeyKind key = KeyKind::None;
    double figure = 0;
    // The text shows the figure itself, so a spreadsheet may take the figure
    // (weapon dice do not).
    bool figureShown = false;
    Digits digits = Digits::Shortest;

    // A text; "-" and blanks sort as no value.
    static Cell Text(std::string text);
    // A whole number.
    static Cell Int(int64_t value);
    // A number in the lists' general form: up to 15 significant digits.
    static Cell General(double value);
    // A number with two decimals, at least minWidth characters wide.
    static Cell Fixed(double value, int minWidth);
    // A figure in a form of its list's own ("4.8" weeks, "$ 4" pay), with
    // the value it shows.
    static Cell Figure(std::string text, double value);
    // Weapon dice ("2+1"): they sort by their mean roll and copy as shown.
    static Cell Dice(std::string text, double meanRoll);
};

// What a pick on a row means.
enum class PickKind : uint8_t { Nothing, MagicItem, BaseItem, HoardItem, MadeItem, KeptPlan };

// The catalogs' ways of becoming a base item (catalog/base_item_sources.h).
enum class BaseSource : uint8_t {
    Weapon,
    WeaponVariant,
    Equipment,
    Potion,
    Gem,
    TreasureGem,
    Jewelry,
    Carpet,
    Creature,
    CreatureBySize,
    Job,
    Scroll,
    SpellBook,
    Component,
};

struct RowPick {
    PickKind kind = PickKind::Nothing;
    BaseSource source = BaseSource::Weapon;  // for a base item
    int32_t index = 0;    // the magic item's catalog index, the record's number, the item's place
    int32_t variant = 0;  // a weapon's or creature's variant (1..); 0 the record itself
};

enum class RowKind : uint8_t {
    Entry,
    Note,   // a note or continuation of the entry above
    Title,  // a kind's title over the variants below it (the creatures)
    Sum,    // sums the list up; stays last
    // Names the list the rows under it come from, in a list of rows from
    // several lists; its line shows the list's captions too.
    Heading,
};

struct ListRow {
    std::vector<Cell> cells;  // by column; fewer: the rest blank
    RowKind kind = RowKind::Entry;
    RowPick pick;
    size_t entry = 0;  // a note's entry row
    // The columns the row stands under when they are not its listing's (rows
    // gathered from several lists).
    const ListForm* form = nullptr;
};

// Everything a list command puts on the screen: the rows under the list's
// columns, their lines, and whether the view then returns to the top.
struct Listing {
    const ListForm* form = nullptr;
    std::vector<ListRow> rows;
    std::vector<std::string> lines;  // the rows as the pane shows them
    bool returnToTop = true;
    ShownList shown = ShownList::None;

    explicit Listing(const ListForm* f = nullptr) : form(f) {}
    ListRow& Add(std::vector<Cell> cells, RowKind kind = RowKind::Entry);
    // An entry row of the cells given, moved in (a braced list would copy
    // every text).
    template <class... More>
    ListRow& Add(Cell first, More... more) {
        static_assert((std::is_same_v<More, Cell> && ...), "a row is made of cells");
        std::vector<Cell> cells;
        cells.reserve(1 + sizeof...(more));
        cells.push_back(std::move(first));
        (cells.push_back(std::move(more)), ...);
        return Add(std::move(cells));
    }
    // A note line with one cell in column `column` (its first column when 0).
    ListRow& AddNote(size_t column, std::string text);
    // Makes every row's line.
    void Format();
    ListHeader Header() const;
    const ListForm& FormOf(const ListRow& row) const {
        return row.form != nullptr ? *row.form : *form;
    }
};

// A column's caption; two stacked captions joined with a blank ("Stat
// Total"), or directly after a slash ("cost/week").
std::string CaptionOf(const ListColumn& column);

// The line of a row under the columns: each cell in its column, the line
// blank-padded to the list width; a cell too long for its column pushes
// the rest of the line right. A heading row's line is its one cell followed
// by the captions of the columns after the first where their labels stand.
std::string FormatRow(const ListForm& form, const ListRow& row);
