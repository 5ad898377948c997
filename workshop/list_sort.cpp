// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/list_sort.h"

#include <algorithm>
#include <optional>
#include <string_view>

namespace {

// Rows that move as one: an entry with its notes, or a kind's title.
struct RowRun {
    size_t first = 0;
    size_t end = 0;
    bool title = false;
    const Cell* value = nullptr;  // what the run's first row shows in the column
    KeyKind key = KeyKind::None;
    std::string_view text;  // the value's text without the blanks around it
};

// A kind's title with its variants, the entries [first, end); the whole
// list is one group without a title.
struct Group {
    std::optional<RowRun> title;
    size_t first = 0;
    size_t end = 0;
};

struct Sorting {
    SortOrder order;
    bool textsUp;  // texts A to Z
};

const Cell kBlank;

// The column whose caption stands on label `header`, or on the label above
// as its second caption.
const ListColumn* ColumnOf(const Listing& listing, int header, size_t& index) {
    if (listing.form == nullptr) return nullptr;
    const std::vector<ListColumn>& columns = listing.form->columns;
    for (index = 0; index < columns.size(); ++index) {
        const ListColumn& c = columns[index];
        if (c.label < 0 || c.caption[0] == '\0') continue;
        if (c.label == header || (c.label + 1 == header && c.under[0] != '\0')) return &c;
    }
    return nullptr;
}

std::string_view Trimmed(std::string_view text) {
    const size_t from = text.find_first_not_of(' ');
    if (from == std::string_view::npos) return {};
    return text.substr(from, text.find_last_not_of(' ') + 1 - from);
}

std::vector<RowRun> SplitRuns(const Listing& listing, size_t column) {
    std::vector<RowRun> runs;
    runs.reserve(listing.rows.size());
    for (size_t i = 0; i < listing.rows.size(); ++i) {
        const ListRow& row = listing.rows[i];
        if (row.kind == RowKind::Sum) continue;
        if (row.kind == RowKind::Note && !runs.empty()) {
            runs.back().end = i + 1;
            continue;
        }
        const Cell& value = column < row.cells.size() ? row.cells[column] : kBlank;
        runs.push_back(
            {i, i + 1, row.kind == RowKind::Title, &value, value.key, Trimmed(value.text)});
    }
    return runs;
}

// A column of figures: most of its values are figures.
bool HoldsFigures(const std::vector<RowRun>& runs) {
    int figures = 0;
    int texts = 0;
    for (const RowRun& run : runs) {
        if (run.key != KeyKind::None) ++(run.key == KeyKind::Figure ? figures : texts);
    }
    return figures > texts;
}

// The lists' letters are ASCII; other Latin-1 bytes compare as they are.
unsigned char Lower(char c) {
    return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

// Texts compared ignoring case, as strcmp.
int CompareText(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        if (Lower(a[i]) != Lower(b[i])) return Lower(a[i]) < Lower(b[i]) ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// Figures, then texts, then no values, in either order.
bool Before(const RowRun& a, const RowRun& b, const Sorting& how) {
    if (a.key != b.key) {
        if (a.key == KeyKind::None || b.key == KeyKind::None) return b.key == KeyKind::None;
        return a.key == KeyKind::Figure;
    }
    switch (a.key) {
        case KeyKind::Figure:
            return how.order == SortOrder::Descending ? a.value->figure > b.value->figure
                                                      : a.value->figure < b.value->figure;
        case KeyKind::Text: {
            const int c = CompareText(a.text, b.text);
            return how.textsUp ? c < 0 : c > 0;
        }
        case KeyKind::None:
            break;
    }
    return false;
}

// Takes the titles out of the runs, which keeps the entries in order: each
// group's entries are one stretch of them.
std::vector<Group> GroupRuns(std::vector<RowRun>& runs) {
    std::vector<Group> groups(1);
    size_t entries = 0;
    for (const RowRun& run : runs) {
        if (run.title) {
            if (groups.back().title || groups.back().end > groups.back().first)
                groups.push_back({std::nullopt, entries, entries});
            groups.back().title = run;
        } else {
            runs[entries++] = run;
            groups.back().end = entries;
        }
    }
    runs.resize(entries);
    return groups;
}

// A kind sorts by its title's own value (its name), else by its first variant.
const RowRun& GroupKey(const Group& group, const std::vector<RowRun>& entries) {
    static const RowRun kNoValue{0, 0, false, &kBlank, KeyKind::None, {}};
    if (group.title && group.title->key != KeyKind::None) return *group.title;
    return group.end > group.first ? entries[group.first] : kNoValue;
}

std::string ColumnName(const ListColumn& column) {
    if (column.name[0] != '\0') return column.name;
    std::string name = column.caption;
    if (column.under[0] != '\0') {
        if (name.back() != '/') name += ' ';
        name += column.under;
    }
    return name;
}

SortedListing InCatalogOrder(const Listing& listing) {
    SortedListing sorted{listing.lines, std::vector<size_t>(listing.lines.size()), {}};
    for (size_t i = 0; i < sorted.catalogLine.size(); ++i) sorted.catalogLine[i] = i;
    return sorted;
}

}  // namespace

int ColumnLabelOf(const Listing& listing, int header) {
    size_t index = 0;
    const ListColumn* column = ColumnOf(listing, header, index);
    return column != nullptr ? column->label : -1;
}

std::vector<int> ColumnHeaders(const Listing& listing) {
    const ListHeader header = listing.Header();
    std::vector<int> labels;
    for (int k = 0; k < static_cast<int>(header.size()); ++k) {
        if (ColumnLabelOf(listing, k) == k) labels.push_back(k);
    }
    const auto left = [&header](int k) {
        const LabelPlace& place = header[static_cast<size_t>(k)].place;
        return place.column * 8 + place.nudge;
    };
    std::stable_sort(labels.begin(), labels.end(),
                     [&left](int a, int b) { return left(a) < left(b); });
    return labels;
}

ListSort PressHeader(const Listing& listing, const ListSort& current, int header) {
    size_t index = 0;
    const ListColumn* column = ColumnOf(listing, header, index);
    if (column == nullptr) return current;
    const SortOrder first =
        HoldsFigures(SplitRuns(listing, index)) ? SortOrder::Descending : SortOrder::Ascending;
    if (current.header != column->label || current.order == SortOrder::Catalog) {
        return {column->label, first};
    }
    if (current.order == first) {
        return {column->label,
                first == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending};
    }
    return {};
}

SortedListing SortListing(const Listing& listing, int header, SortOrder order) {
    size_t index = 0;
    const ListColumn* column = ColumnOf(listing, header, index);
    if (column == nullptr || order == SortOrder::Catalog) return InCatalogOrder(listing);

    std::vector<RowRun> runs = SplitRuns(listing, index);
    const bool figures = HoldsFigures(runs);
    // In a text column every value is a text.
    if (!figures) {
        for (RowRun& run : runs) {
            if (run.key == KeyKind::Figure) run.key = KeyKind::Text;
        }
    }
    // Texts go A to Z on a column's first press, the reverse on the second.
    const SortOrder first = figures ? SortOrder::Descending : SortOrder::Ascending;
    const Sorting how{order, order == first};
    std::vector<Group> groups = GroupRuns(runs);
    const auto before = [&how](const RowRun& a, const RowRun& b) { return Before(a, b, how); };
    for (const Group& group : groups) {
        const auto first = runs.begin() + static_cast<std::ptrdiff_t>(group.first);
        std::stable_sort(first, first + static_cast<std::ptrdiff_t>(group.end - group.first),
                         before);
    }
    std::stable_sort(groups.begin(), groups.end(), [&](const Group& a, const Group& b) {
        return Before(GroupKey(a, runs), GroupKey(b, runs), how);
    });

    const bool ascending = order == SortOrder::Ascending;
    SortedListing sorted;
    sorted.state = "sorted by " + ColumnName(*column) + ", " +
                   (figures ? (ascending ? "smallest first" : "largest first")
                            : (ascending ? "A to Z" : "Z to A"));
    sorted.lines.reserve(listing.lines.size());
    sorted.catalogLine.reserve(listing.lines.size());
    const auto emit = [&](size_t first, size_t end) {
        for (size_t i = first; i < end; ++i) {
            sorted.lines.push_back(listing.lines[i]);
            sorted.catalogLine.push_back(i);
        }
    };
    for (const Group& group : groups) {
        if (group.title) emit(group.title->first, group.title->end);
        for (size_t k = group.first; k < group.end; ++k) emit(runs[k].first, runs[k].end);
    }
    // The sum stays under the list.
    for (size_t i = 0; i < listing.rows.size(); ++i) {
        if (listing.rows[i].kind == RowKind::Sum) emit(i, i + 1);
    }
    return sorted;
}
