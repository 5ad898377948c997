// SPDX-License-Identifier: GPL-3.0-or-later
#include "random/share_list.h"

#include <algorithm>
#include <cstdint>
#include <iterator>
#include <utility>

#include "catalog/list_table.h"
#include "catalog/text_format.h"
#include "random/hoard_list.h"

namespace {

// A heading line is its words alone, across the line.
const ListForm kHeadingForm = {{{"", 0, textfmt::kListLineWidth, Align::Left}}, {}, true};

// "Share 2: $1,240 (3 items)"; an item worth more than a fair share adds so.
std::string Heading(size_t number, const HoardShare& share, int64_t fairCents) {
    std::string heading = "Share " + textfmt::Int(static_cast<int64_t>(number)) + ": " +
                          textfmt::Dollars(share.cents) + " (" + ItemCount(share.items.size());
    if (share.standsAlone)
        heading += ", worth more than a fair share of " + textfmt::Dollars(fairCents);
    return heading + ")";
}

// The hoard's columns with the share's column before them, for a table.
ListForm TableForm() {
    ListForm form = HoardForm();
    form.columns.insert(form.columns.begin(), {"Share", 0, 0, Align::Left, Holds::Figures, 0});
    return form;
}

}  // namespace

Listing ListShares(const std::vector<HoardItem>& hoard, const std::vector<HoardShare>& shares) {
    Listing listing(&HoardForm());
    listing.rows.reserve(hoard.size() * 2 + shares.size() + 1);
    int64_t total = 0;
    for (const HoardShare& share : shares) total += share.cents;
    // A fair share, to the nearest cent.
    const auto count = static_cast<int64_t>(std::max<size_t>(shares.size(), 1));
    const int64_t fair = (total + count / 2) / count;
    for (size_t s = 0; s < shares.size(); ++s) {
        ListRow& heading = listing.Add(
            std::vector<Cell>{Cell::Text(Heading(s + 1, shares[s], fair))}, RowKind::Heading);
        heading.form = &kHeadingForm;
        for (const size_t item : shares[s].items) AddHoardItem(listing, hoard.at(item), item);
    }
    if (!shares.empty()) {
        const auto [poorest, richest] = std::minmax_element(
            shares.begin(), shares.end(),
            [](const HoardShare& a, const HoardShare& b) { return a.cents < b.cents; });
        listing.Add(
            std::vector<Cell>{Cell::Text("Richest share " + textfmt::Dollars(richest->cents) +
                                         ", poorest " + textfmt::Dollars(poorest->cents))},
            RowKind::Sum);
    }
    listing.Format();
    listing.returnToTop = true;
    listing.shown = ShownList::Shares;
    return listing;
}

std::string SharesTableHtml(const Listing& shares, const std::vector<size_t>& rows) {
    static const ListForm kTableForm = TableForm();
    Listing table(&kTableForm);
    table.rows.reserve(shares.rows.size());
    int64_t share = 0;
    for (const ListRow& row : shares.rows) {
        if (row.kind == RowKind::Heading) ++share;
        ListRow& copy = table.Add(std::vector<Cell>(), row.kind);
        copy.entry = row.entry;
        copy.cells.reserve(row.cells.size() + 1);
        // An item's own line holds its share; its notes, the sum and the
        // headings none.
        copy.cells.push_back(row.kind == RowKind::Entry ? Cell::Int(share) : Cell::Text(""));
        copy.cells.insert(copy.cells.end(), row.cells.begin(), row.cells.end());
    }
    std::vector<size_t> items;
    items.reserve(rows.size());
    std::copy_if(rows.begin(), rows.end(), std::back_inserter(items), [&](size_t row) {
        return row < shares.rows.size() && shares.rows[row].kind != RowKind::Heading;
    });
    // Headings alone copy as text only.
    return items.empty() ? std::string() : ListTableHtml(table, items);
}
