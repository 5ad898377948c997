// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "catalog/spell.h"
#include "catalog/text_format.h"

namespace {

// Column widths of one list: the name field, then the right-aligned cost, weight and IQ.
struct SpellColumns {
    int name;
    int cost;
    int weight;
    int iq;
};

constexpr SpellColumns kScrollColumns = {30, 6, 7, 7};
constexpr SpellColumns kBookColumns = {28, 6, 7, 7};

// A scroll's line starts with the spell's name marked ",S", so that a click on it
// can be told from a click on the book of the same spell.
const char* const kScrollMark = ",S";

std::string SpellLine(const SpellColumns& columns, const std::string& name, int32_t cost,
                      double weight, int32_t iq) {
    return textfmt::LineBuilder()
        .Left(columns.name, name)
        .Right(columns.cost, textfmt::General(cost))
        .Right(columns.weight, textfmt::Fixed2(weight, 4))
        .Right(columns.iq, textfmt::Int(iq))
        .PadTo(textfmt::kListLineWidth)
        .Take();
}

}  // namespace

Listing ListScrolls(const CatalogTable& table) {
    Listing listing;
    listing.labels = {{{8, "Magic Scroll"},
                       {278, "Cost"},
                       {340, "WT"},
                       {390, "IQ"},
                       {390, ""},
                       {440, ""},
                       {440, ""},
                       {580, ""},
                       {580, ""}}};
    listing.shown = ShownList::Scrolls;
    listing.returnToTop = true;
    listing.lines.reserve(kSpellCount);
    for (int n = 1; n <= kSpellCount; ++n) {
        const TSpellsKest& spell = SpellAt(table, n);
        listing.lines.push_back(SpellLine(kScrollColumns, spell.Name + kScrollMark,
                                          spell.ScrollPrice, kScrollWeight, spell.IQ));
    }
    return listing;
}

Listing ListSpellBooks(const CatalogTable& table) {
    Listing listing;
    listing.labels = {{{8, "Spell Book"},
                       {262, "Cost"},
                       {324, "WT"},
                       {384, "IQ"},
                       {384, ""},
                       {424, ""},
                       {424, ""},
                       {580, ""},
                       {580, ""}}};
    listing.shown = ShownList::SpellBooks;
    listing.returnToTop = true;
    listing.lines.reserve(kSpellCount);
    for (int n = 1; n <= kSpellCount; ++n) {
        const TSpellsKest& spell = SpellAt(table, n);
        listing.lines.push_back(
            SpellLine(kBookColumns, spell.Name, spell.BookPrice, spell.BookWeight, spell.IQ));
    }
    return listing;
}
