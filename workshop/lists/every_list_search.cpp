// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/every_list_search.h"

#include <algorithm>
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
    {"Found in every list", 0, textfmt::kListLineWidth, Align::Left, 0, {0, 3}, "", "name"},
}, {}};
// clang-format on

constexpr size_t kNotFound = std::numeric_limits<size_t>::max();

bool HoldsText(const ListRow& row, const std::string& folded) {
    return std::any_of(row.cells.begin(), row.cells.end(),
                       [&](const Cell& cell) { return ContainsFolded(cell.text, folded); });
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
    std::vector<size_t> foundAt;  // for each row of a list, its row in the found list
    for (const NamedListing& list : lists) {
        if (folded.empty()) break;
        const Listing& listing = list.listing;
        foundAt.assign(listing.rows.size(), kNotFound);
        bool headed = false;
        for (size_t i = 0; i < listing.rows.size(); ++i) {
            const ListRow& row = listing.rows[i];
            if (!HoldsText(row, folded)) continue;
            if (!headed) {
                headed = true;
                found.rows.push_back(HeadingOf(list.name, *listing.form));
                found.lines.push_back(FormatRow(*listing.form, found.rows.back()));
            }
            foundAt[i] = found.rows.size();
            found.rows.push_back(row);
            ListRow& copy = found.rows.back();
            copy.form = &listing.FormOf(row);
            if (row.kind == RowKind::Note) {
                if (foundAt[row.entry] == kNotFound) {
                    copy.kind = RowKind::Entry;
                } else {
                    copy.entry = foundAt[row.entry];
                }
            }
            found.lines.push_back(listing.lines[i]);
            ++count;
        }
    }
    const ListRow& sum =
        found.Add(std::vector<Cell>{Cell::Text(CountCaption(count))}, RowKind::Sum);
    found.lines.push_back(FormatRow(kFoundForm, sum));
    return found;
}
