// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/every_list_search.h"

#include <limits>

#include "catalog/carpet.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/text_format.h"
#include "catalog/weapon_list.h"
#include "workshop/lists/enchantment_list.h"
#include "workshop/lists/line_search.h"

namespace {

// The found list's own column, which its labels head and sorting reads: the
// first cell of every list's row is the entry's name.
// clang-format off
const ListForm kFoundForm = {{
    {"Found in every list", 0, textfmt::kListLineWidth, Align::Left, Holds::Texts, 0, {0, 3}, "", "name"},
}, {}};
// clang-format on

constexpr size_t kNotFound = std::numeric_limits<size_t>::max();

// The row of the entry a row belongs to: a note's entry, else the row itself.
size_t EntryRowOf(const Listing& listing, size_t row) {
    const ListRow& r = listing.rows[row];
    return r.kind == RowKind::Note ? r.entry : row;
}

ListRow HeadingOf(const char* name, const ListForm& form) {
    ListRow heading;
    heading.cells.push_back(Cell::Text(name));
    heading.kind = RowKind::Heading;
    heading.form = &form;
    return heading;
}

std::string CountCaption(size_t count) {
    return textfmt::Int(static_cast<int64_t>(count)) +
           (count == 1 ? " line found" : " lines found");
}

}  // namespace

std::vector<NamedListing> EveryCatalogList(const CatalogTable& table) {
    std::vector<NamedListing> lists;
    lists.reserve(11);
    lists.push_back({"Weapon list", ListWeapons(table)});
    lists.push_back({"Equipment list", ListEquipment(table)});
    lists.push_back({"Scroll list", ListScrolls(table)});
    lists.push_back({"Spell book list", ListSpellBooks(table)});
    lists.push_back({"Potion list", ListPotions(table)});
    lists.push_back({"Gem list", ListGems(table)});
    lists.push_back({"Jewelry list", ListJewelry(table)});
    lists.push_back({"Carpet list", ListCarpets(table)});
    lists.push_back({"Fauna list", ListFauna(table)});
    lists.push_back({"Job list", ListJobs(table)});
    lists.push_back({"Enchantment list", ListEnchantments(table)});
    return lists;
}

Listing FindInEveryList(const std::vector<NamedListing>& lists, const std::string& text) {
    Listing found(&kFoundForm);
    found.shown = ShownList::EveryList;
    found.returnToTop = true;
    const std::string folded = FoldCase(text);
    size_t count = 0;
    std::vector<bool> whole;      // for each entry row of a list, whether it is found
    std::vector<size_t> foundAt;  // for each row of a list, its row in the found list
    for (const NamedListing& list : lists) {
        if (folded.empty()) break;
        const Listing& listing = list.listing;
        // An entry is found whole, its notes with it, when any of its lines
        // holds the text.
        whole.assign(listing.rows.size(), false);
        for (size_t i = 0; i < listing.rows.size(); ++i) {
            if (ContainsFolded(listing.lines[i], folded)) whole[EntryRowOf(listing, i)] = true;
        }
        foundAt.assign(listing.rows.size(), kNotFound);
        bool headed = false;
        for (size_t i = 0; i < listing.rows.size(); ++i) {
            if (!whole[EntryRowOf(listing, i)]) continue;
            if (!headed) {
                headed = true;
                found.rows.push_back(HeadingOf(list.name, *listing.form));
                found.lines.push_back(FormatRow(*listing.form, found.rows.back()));
            }
            const ListRow& row = listing.rows[i];
            foundAt[i] = found.rows.size();
            found.rows.push_back(row);
            ListRow& copy = found.rows.back();
            copy.form = &listing.FormOf(row);
            if (row.kind == RowKind::Note) copy.entry = foundAt[row.entry];
            found.lines.push_back(listing.lines[i]);
            ++count;
        }
    }
    const ListRow& sum =
        found.Add(std::vector<Cell>{Cell::Text(CountCaption(count))}, RowKind::Sum);
    found.lines.push_back(FormatRow(kFoundForm, sum));
    return found;
}
