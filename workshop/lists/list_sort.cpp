// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/lists/list_sort.h"

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
};

// A kind's title with its variants; the whole list is one group without a title.
struct Group {
    std::optional<RowRun> title;
    std::vector<RowRun> entries;
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

// The runs of rows first..end; a heading and the sum rows are no runs.
std::vector<RowRun> SplitRuns(const Listing& listing, size_t column, size_t first, size_t end) {
    std::vector<RowRun> runs;
    runs.reserve(end - first);
    for (size_t i = first; i < end; ++i) {
        const ListRow& row = listing.rows[i];
        if (row.kind == RowKind::Sum || row.kind == RowKind::Heading) continue;
        if (row.kind == RowKind::Note && !runs.empty()) {
            runs.back().end = i + 1;
            continue;
        }
        const Cell& value = column < row.cells.size() ? row.cells[column] : kBlank;
        runs.push_back({i, i + 1, row.kind == RowKind::Title, &value, value.key});
    }
    return runs;
}

std::string_view Trimmed(std::string_view text) {
    const size_t from = text.find_first_not_of(' ');
    if (from == std::string_view::npos) return {};
    return text.substr(from, text.find_last_not_of(' ') + 1 - from);
}

// The lists' letters are ASCII; other Latin-1 bytes compare as they are.
unsigned char Lower(char c) {
    return static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
}

// Texts compared ignoring case and the blanks around them, as strcmp.
int CompareText(const std::string& x, const std::string& y) {
    const std::string_view a = Trimmed(x), b = Trimmed(y);
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
            const int c = CompareText(a.value->text, b.value->text);
            return how.textsUp ? c < 0 : c > 0;
        }
        case KeyKind::None:
            break;
    }
    return false;
}

std::vector<Group> GroupRuns(std::vector<RowRun> runs) {
    std::vector<Group> groups(1);
    for (RowRun& run : runs) {
        if (run.title) {
            if (groups.back().title || !groups.back().entries.empty()) groups.emplace_back();
            groups.back().title = run;
        } else {
            groups.back().entries.push_back(run);
        }
    }
    return groups;
}

// A kind sorts by its title's own value (its name), else by its first variant.
const RowRun& GroupKey(const Group& group) {
    static const RowRun kNoValue{0, 0, false, &kBlank, KeyKind::None};
    if (group.title && group.title->key != KeyKind::None) return *group.title;
    return group.entries.empty() ? kNoValue : group.entries.front();
}

std::string ColumnName(const ListColumn& column) {
    return column.name[0] != '\0' ? column.name : CaptionOf(column);
}

// Rows gathered from several lists, each list's under its heading: a column
// key sorts each list by its own column at that place from the left.
bool Gathered(const Listing& listing) { return listing.shown == ShownList::EveryList; }

// The column of a list's form at a place from the left (0..8), and its index.
const ListColumn* ColumnAtPlace(const ListForm& form, int place, size_t& index) {
    const Listing heads(&form);
    const std::vector<int> labels = ColumnHeaders(heads);
    if (place < 0 || static_cast<size_t>(place) >= labels.size()) return nullptr;
    return ColumnOf(heads, labels[static_cast<size_t>(place)], index);
}

// Rows that sort among themselves: the whole list, or in gathered rows each
// list's rows under its heading, by the column at the header's place in it.
struct Section {
    size_t first = 0;
    size_t end = 0;
    const ListColumn* column = nullptr;  // none: the rows stay in their order
    std::vector<RowRun> runs;
};

std::vector<Section> SectionsOf(const Listing& listing, int header) {
    std::vector<Section> sections;
    const size_t rowCount = listing.rows.size();
    for (size_t from = 0; from < rowCount;) {
        size_t end = from + 1;
        while (end < rowCount && listing.rows[end].kind != RowKind::Heading) ++end;
        Section section{from, end, nullptr, {}};
        size_t index = 0;
        if (!Gathered(listing)) {
            section.column = ColumnOf(listing, header, index);
        } else if (listing.rows[from].kind == RowKind::Heading) {
            section.column = ColumnAtPlace(listing.FormOf(listing.rows[from]), header, index);
        }
        if (section.column != nullptr) section.runs = SplitRuns(listing, index, from, end);
        sections.push_back(std::move(section));
        from = end;
    }
    return sections;
}

// Whether the column sorted by holds figures (over rows gathered from several
// lists, for most of the entries), and whether any section has the column.
bool SortsFigures(const std::vector<Section>& sections, bool& any) {
    size_t figures = 0, texts = 0;
    const ListColumn* first = nullptr;
    for (const Section& section : sections) {
        if (section.column == nullptr) continue;
        if (first == nullptr) first = section.column;
        (section.column->holds == Holds::Figures ? figures : texts) += section.runs.size();
    }
    any = first != nullptr;
    if (figures == texts) return any && first->holds == Holds::Figures;
    return figures > texts;
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

int SortedLabelOf(const Listing& listing, int header) {
    return Gathered(listing) ? 0 : ColumnLabelOf(listing, header);
}

std::vector<int> ColumnHeaders(const Listing& listing) {
    if (Gathered(listing)) {
        // As many places as the widest of the lists has columns.
        size_t places = 1;
        for (const ListRow& row : listing.rows) {
            if (row.kind != RowKind::Heading) continue;
            places = std::max(places, ColumnHeaders(Listing(&listing.FormOf(row))).size());
        }
        std::vector<int> labels(places);
        for (size_t k = 0; k < places; ++k) labels[k] = static_cast<int>(k);
        return labels;
    }
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
    bool any = false;
    const bool figures = SortsFigures(SectionsOf(listing, header), any);
    if (!any) return current;
    // Both of two stacked labels stand for the column's top one.
    const int column = Gathered(listing) ? header : ColumnLabelOf(listing, header);
    const SortOrder first = figures ? SortOrder::Descending : SortOrder::Ascending;
    if (current.header != column || current.order == SortOrder::Catalog) return {column, first};
    if (current.order == first) {
        return {column,
                first == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending};
    }
    return {};
}

SortedListing SortListing(const Listing& listing, int header, SortOrder order) {
    std::vector<Section> sections = SectionsOf(listing, header);
    bool any = false;
    const bool figures = SortsFigures(sections, any);
    if (!any || order == SortOrder::Catalog) return InCatalogOrder(listing);

    // Texts go A to Z on a column's first press, the reverse on the second.
    const SortOrder first = figures ? SortOrder::Descending : SortOrder::Ascending;
    const Sorting how{order, order == first};
    const auto before = [&how](const RowRun& a, const RowRun& b) { return Before(a, b, how); };

    const bool ascending = order == SortOrder::Ascending;
    SortedListing sorted;
    std::string name = "column " + std::to_string(header + 1);
    if (!Gathered(listing)) {
        name = ColumnName(*sections.front().column);
    } else if (header == 0) {
        name = ColumnName(listing.form->columns.front());
    } else {
        name = "each list's column " + std::to_string(header + 1);
    }
    sorted.state = "sorted by " + name + ", " +
                   (figures ? (ascending ? "smallest first" : "largest first")
                            : (ascending ? "A to Z" : "Z to A"));
    sorted.lines.reserve(listing.lines.size());
    sorted.catalogLine.reserve(listing.lines.size());
    const auto emit = [&](size_t from, size_t end) {
        for (size_t i = from; i < end; ++i) {
            sorted.lines.push_back(listing.lines[i]);
            sorted.catalogLine.push_back(i);
        }
    };
    // Rows gathered from several lists sort within their own list, under its
    // heading; the lists stay in their order.
    for (Section& section : sections) {
        if (listing.rows[section.first].kind == RowKind::Heading) {
            emit(section.first, section.first + 1);
        }
        if (section.column == nullptr) {
            for (size_t i = section.first; i < section.end; ++i) {
                const RowKind kind = listing.rows[i].kind;
                if (kind != RowKind::Heading && kind != RowKind::Sum) emit(i, i + 1);
            }
            continue;
        }
        // In a text column every value is a text.
        if (section.column->holds == Holds::Texts) {
            for (RowRun& run : section.runs) {
                if (run.key == KeyKind::Figure) run.key = KeyKind::Text;
            }
        }
        std::vector<Group> groups = GroupRuns(std::move(section.runs));
        for (Group& group : groups)
            std::stable_sort(group.entries.begin(), group.entries.end(), before);
        std::stable_sort(groups.begin(), groups.end(), [&how](const Group& a, const Group& b) {
            return Before(GroupKey(a), GroupKey(b), how);
        });
        for (const Group& group : groups) {
            if (group.title) emit(group.title->first, group.title->end);
            for (const RowRun& run : group.entries) emit(run.first, run.end);
        }
    }
    // The sum stays under the list.
    for (size_t i = 0; i < listing.rows.size(); ++i) {
        if (listing.rows[i].kind == RowKind::Sum) emit(i, i + 1);
    }
    return sorted;
}
