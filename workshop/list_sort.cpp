// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/list_sort.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "workshop/list_columns.h"
#include "workshop/picking.h"
#include "workshop/sort_value.h"

namespace {

// How a list's lines make up its entries.
struct ListShape {
    bool noteLines = true;    // a line with a blank pick text belongs to the entry above
    bool kindTitles = false;  // a line not starting with a blank heads the variants below it
};

ListShape ShapeOf(ShownList list) {
    switch (list) {
        case ShownList::Jewelry:
            return {false, false};
        case ShownList::Fauna:
            return {false, true};
        default:
            return {};
    }
}

enum class Rank { Figure, Text, NoValue };  // the order of the ranks in either direction

struct SortKey {
    Rank rank = Rank::NoValue;
    double figure = 0;
    std::string_view text;
};

// Lines that move as one: an entry's line with its note lines, or a kind's title.
struct LineRun {
    size_t first = 0;
    size_t end = 0;
    bool title = false;
    std::string_view value;  // what the run's first line shows in the column
    SortKey key;
};

// A kind's title with its variants; the whole list is one group without a title.
struct Group {
    std::optional<LineRun> title;
    std::vector<LineRun> entries;
};

bool IsNoteLine(const std::string& line) {
    const size_t pickText = std::min(line.size(), static_cast<size_t>(kPickTextLength));
    return line.find_first_not_of(' ', 0) >= pickText;
}

std::vector<LineRun> SplitRuns(const Listing& listing, const ColumnSpan& column) {
    const ListShape shape = ShapeOf(listing.shown);
    std::vector<LineRun> runs;
    runs.reserve(listing.lines.size());
    const size_t entries = listing.lines.size() - std::min(listing.sumLines, listing.lines.size());
    for (size_t i = 0; i < entries; ++i) {
        const std::string& line = listing.lines[i];
        if (shape.noteLines && !runs.empty() && IsNoteLine(line)) {
            runs.back().end = i + 1;
            continue;
        }
        LineRun run;
        run.first = i;
        run.end = i + 1;
        run.title = shape.kindTitles && !line.empty() && line[0] != ' ';
        run.value = ColumnText(line, column);
        runs.push_back(run);
    }
    return runs;
}

// A column of figures: most of its values read as figures.
bool HoldsFigures(const std::vector<LineRun>& runs, const ColumnSpan& column) {
    int figures = 0;
    int texts = 0;
    for (const LineRun& run : runs) {
        if (IsNoValue(run.value)) continue;
        ++(ReadFigure(run.value, column.reading) ? figures : texts);
    }
    return figures > texts;
}

SortKey KeyOf(std::string_view value, const ColumnSpan& column, bool figures) {
    SortKey key;
    if (IsNoValue(value)) return key;
    if (figures) {
        if (const auto figure = ReadFigure(value, column.reading)) {
            key.rank = Rank::Figure;
            key.figure = *figure;
            return key;
        }
    }
    key.rank = Rank::Text;
    key.text = value;
    return key;
}

// The lists' letters are ASCII; other Latin-1 bytes compare as they are.
char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Texts compared ignoring case: below 0, 0 or above 0 as strcmp.
int CompareText(std::string_view a, std::string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(Lower(a[i]));
        const auto y = static_cast<unsigned char>(Lower(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The order the figures go in, and the texts: in a figure column the texts
// go A to Z when the figures go largest first (the first press), as in a
// text column, and Z to A on the second press.
struct Orders {
    SortOrder figures;
    SortOrder texts;
};

Orders OrdersOf(SortOrder order, bool figures) {
    if (!figures) return {order, order};
    return {order, order == SortOrder::Descending ? SortOrder::Ascending : SortOrder::Descending};
}

bool Before(const SortKey& a, const SortKey& b, Orders orders) {
    if (a.rank != b.rank) return a.rank < b.rank;
    switch (a.rank) {
        case Rank::Figure:
            return orders.figures == SortOrder::Descending ? a.figure > b.figure
                                                           : a.figure < b.figure;
        case Rank::Text: {
            const int c = CompareText(a.text, b.text);
            return orders.texts == SortOrder::Descending ? c > 0 : c < 0;
        }
        case Rank::NoValue:
            break;
    }
    return false;
}

std::vector<Group> GroupRuns(std::vector<LineRun> runs) {
    std::vector<Group> groups(1);
    for (LineRun& run : runs) {
        if (run.title) {
            if (groups.back().title || !groups.back().entries.empty()) groups.emplace_back();
            groups.back().title = std::move(run);
        } else {
            groups.back().entries.push_back(std::move(run));
        }
    }
    return groups;
}

// A kind sorts by its title's own value (its name), else by its first variant.
const SortKey& GroupKey(const Group& group) {
    static const SortKey kNoValue;
    if (group.title && group.title->key.rank != Rank::NoValue) return group.title->key;
    return group.entries.empty() ? kNoValue : group.entries.front().key;
}

std::string StateText(const ColumnSpan& column, bool figures, SortOrder order) {
    const bool ascending = order == SortOrder::Ascending;
    const char* how = figures ? (ascending ? "smallest first" : "largest first")
                              : (ascending ? "A to Z" : "Z to A");
    return "sorted by " + column.name + ", " + how;
}

SortedListing InCatalogOrder(const Listing& listing) {
    SortedListing sorted{listing, std::vector<size_t>(listing.lines.size()), {}};
    for (size_t i = 0; i < sorted.catalogLine.size(); ++i) sorted.catalogLine[i] = i;
    return sorted;
}

}  // namespace

ListSort PressHeader(const Listing& listing, const ListSort& current, int header) {
    const std::optional<ColumnSpan> column = HeaderColumn(listing, header);
    if (!column) return current;
    const SortOrder first = HoldsFigures(SplitRuns(listing, *column), *column)
                                ? SortOrder::Descending
                                : SortOrder::Ascending;
    if (current.header != column->header || current.order == SortOrder::Catalog) {
        return {column->header, first};
    }
    if (current.order == first) {
        return {column->header,
                first == SortOrder::Ascending ? SortOrder::Descending : SortOrder::Ascending};
    }
    return {};
}

SortedListing SortListing(const Listing& listing, int header, SortOrder order) {
    const std::optional<ColumnSpan> column = HeaderColumn(listing, header);
    if (!column || order == SortOrder::Catalog) return InCatalogOrder(listing);

    std::vector<LineRun> runs = SplitRuns(listing, *column);
    const bool figures = HoldsFigures(runs, *column);
    for (LineRun& run : runs) run.key = KeyOf(run.value, *column, figures);
    std::vector<Group> groups = GroupRuns(std::move(runs));

    const Orders orders = OrdersOf(order, figures);
    const auto before = [orders](const LineRun& a, const LineRun& b) {
        return Before(a.key, b.key, orders);
    };
    for (Group& group : groups)
        std::stable_sort(group.entries.begin(), group.entries.end(), before);
    std::stable_sort(groups.begin(), groups.end(), [orders](const Group& a, const Group& b) {
        return Before(GroupKey(a), GroupKey(b), orders);
    });

    SortedListing sorted;
    sorted.listing.labels = listing.labels;
    sorted.listing.returnToTop = listing.returnToTop;
    sorted.listing.shown = listing.shown;
    sorted.listing.sumLines = listing.sumLines;
    sorted.listing.lines.reserve(listing.lines.size());
    sorted.state = StateText(*column, figures, order);
    sorted.catalogLine.reserve(listing.lines.size());
    const auto emit = [&](const LineRun& run) {
        for (size_t i = run.first; i < run.end; ++i) {
            sorted.listing.lines.push_back(listing.lines[i]);
            sorted.catalogLine.push_back(i);
        }
    };
    for (const Group& group : groups) {
        if (group.title) emit(*group.title);
        for (const LineRun& run : group.entries) emit(run);
    }
    // The sum stays under the list.
    LineRun sum;
    sum.first = listing.lines.size() - std::min(listing.sumLines, listing.lines.size());
    sum.end = listing.lines.size();
    emit(sum);
    return sorted;
}
