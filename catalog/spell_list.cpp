// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>
#include <string>

#include "catalog/spell.h"
#include "catalog/text_format.h"

namespace {

// How one of the two lists shows the spells: its header labels, what picking
// from it picks, its column widths (the name field, then the right-aligned
// cost, weight and IQ), and whether a spell stands in it as a scroll or as a
// book.
struct SpellListForm {
    std::array<HeaderLabel, 9> labels;
    ShownList shown;
    int nameWidth, costWidth, weightWidth, iqWidth;
    bool scrolls;
};

// clang-format off
const SpellListForm kScrollList = {
    {{{8, "Magic Scroll"}, {278, "Cost"}, {340, "WT"}, {390, "IQ"}, {390, ""},
      {440, ""}, {440, ""}, {580, ""}, {580, ""}}},
    ShownList::Scrolls, 30, 6, 7, 7, true};
const SpellListForm kBookList = {
    {{{8, "Spell Book"}, {262, "Cost"}, {324, "WT"}, {384, "IQ"}, {384, ""},
      {424, ""}, {424, ""}, {580, ""}, {580, ""}}},
    ShownList::SpellBooks, 28, 6, 7, 7, false};
// clang-format on

// A scroll's line starts with the spell's name marked ",S", so that a click on it
// can be told from a click on the book of the same spell.
const char* const kScrollMark = ",S";

Listing ListSpells(const CatalogTable& table, const SpellListForm& form) {
    Listing listing;
    listing.labels = form.labels;
    listing.shown = form.shown;
    listing.returnToTop = true;
    listing.lines.reserve(kSpellCount);
    for (int n = 1; n <= kSpellCount; ++n) {
        const TSpellsKest& spell = SpellAt(table, n);
        listing.lines.push_back(
            textfmt::LineBuilder()
                .Left(form.nameWidth, form.scrolls ? spell.Name + kScrollMark : spell.Name)
                .Right(form.costWidth,
                       textfmt::General(form.scrolls ? spell.ScrollPrice : spell.BookPrice))
                .Right(form.weightWidth,
                       textfmt::Fixed2(form.scrolls ? kScrollWeight : spell.BookWeight, 4))
                .Right(form.iqWidth, textfmt::Int(spell.IQ))
                .PadTo(textfmt::kListLineWidth)
                .Take());
    }
    return listing;
}

}  // namespace

Listing ListScrolls(const CatalogTable& table) { return ListSpells(table, kScrollList); }

Listing ListSpellBooks(const CatalogTable& table) { return ListSpells(table, kBookList); }
