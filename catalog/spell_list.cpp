// SPDX-License-Identifier: GPL-3.0-or-later
#include <string>

#include "catalog/base_item_sources.h"
#include "catalog/spell.h"
#include "catalog/text_format.h"

namespace {

// The two lists of the spells: the name field, then the right-aligned cost,
// weight and IQ; a scroll's line starts with the spell's name marked ",S",
// so that a click on it can be told from a click on the book of that spell.
// clang-format off
const ListForm kScrollForm = {{
    {"Magic Scroll", 0,  30, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Cost",         30, 6,  Align::Right, Holds::Figures, 1, {34, 1}},
    {"WT",           36, 7,  Align::Right, Holds::Figures, 2, {42, -1}},
    {"IQ",           43, 7,  Align::Right, Holds::Figures, 3, {48, 1}},
}, {{5, {54, 3}}, {7, {72, -1}}}, true};
const ListForm kBookForm = {{
    {"Spell Book", 0,  28, Align::Left,  Holds::Texts,   0, {0, 3}},
    {"Cost",       28, 6,  Align::Right, Holds::Figures, 1, {32, 1}},
    {"WT",         34, 7,  Align::Right, Holds::Figures, 2, {40, -1}},
    {"IQ",         41, 7,  Align::Right, Holds::Figures, 3, {47, 3}},
}, {{5, {52, 3}}, {7, {72, -1}}}, true};
// clang-format on

Listing ListSpells(const CatalogTable& table, bool scrolls) {
    Listing listing(scrolls ? &kScrollForm : &kBookForm);
    listing.shown = scrolls ? ShownList::Scrolls : ShownList::SpellBooks;
    listing.returnToTop = true;
    listing.rows.reserve(kSpellCount);
    for (int n = 1; n <= kSpellCount; ++n) {
        const TSpellsKest& spell = SpellAt(table, n);
        listing.Add(Cell::Text(scrolls ? spell.Name + ",S" : spell.Name),
                    Cell::General(scrolls ? spell.ScrollPrice : spell.BookPrice),
                    Cell::Fixed(scrolls ? kScrollWeight : spell.BookWeight, 4),
                    Cell::Int(spell.IQ));
    }
    FinishCatalogList(table, listing);
    return listing;
}

}  // namespace

Listing ListScrolls(const CatalogTable& table) { return ListSpells(table, true); }

Listing ListSpellBooks(const CatalogTable& table) { return ListSpells(table, false); }
