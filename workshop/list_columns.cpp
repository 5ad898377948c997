// SPDX-License-Identifier: GPL-3.0-or-later
#include "workshop/list_columns.h"

#include <algorithm>
#include <climits>

#include "workshop/enchantment_columns.h"

namespace {

constexpr int kLabelCount = 9;
constexpr size_t kNextHeader = 0;  // the column ends where the next one begins

// The headers whose column is not simply the text up to the next header.
struct ColumnOverride {
    ShownList list;
    const char* caption;  // the column's top caption
    ColumnReading reading;
    size_t end;
    const char* name;
};

// clang-format off
constexpr ColumnOverride kOverrides[] = {
    // The damage is dice and adds: "2-1" does more than "1+2".
    {ShownList::Weapons,    "damage",    ColumnReading::Dice,     kNextHeader, "damage"},
    {ShownList::MagicItems, "ST",        ColumnReading::Plain,    kNextHeader, "ST per day"},
    // The enchantment list's notes have no header: the last header heads
    // only the weekly ingredients before them.
    {ShownList::MagicItems, "cost/week", ColumnReading::Plain,
     kEnchantmentColumnsWidth, "ingredients per week"},
    // The analysis's last header stands over the ingredients, the ST units
    // and the profit per week; it sorts by the profit, the line's last figure.
    {ShownList::MagicItems, "cost/",     ColumnReading::LastWord, std::string_view::npos,
     "profit per week"},
};
// clang-format on

bool IsBlank(char c) { return c == ' '; }

// Where the cut between two columns falls on a line: at column, unless a word
// runs across it; then just before that word.
size_t CutAt(std::string_view line, size_t column) {
    size_t cut = std::min(column, line.size());
    while (cut > 0 && cut < line.size() && !IsBlank(line[cut - 1]) && !IsBlank(line[cut])) --cut;
    return cut;
}

std::string_view Trimmed(std::string_view text) {
    const size_t from = text.find_first_not_of(' ');
    if (from == std::string_view::npos) return {};
    return text.substr(from, text.find_last_not_of(' ') + 1 - from);
}

}  // namespace

int LabelTextColumn(int labelLeft) {
    return std::max(0, (labelLeft - kPaneTextLeft) / kPaneCharWidth);
}

std::optional<ColumnSpan> HeaderColumn(const Listing& listing, int header) {
    if (header < 0 || header >= kLabelCount) return std::nullopt;
    const auto& labels = listing.labels;
    const int left = labels[static_cast<size_t>(header)].left;
    if (labels[static_cast<size_t>(header)].caption.empty()) return std::nullopt;

    ColumnSpan column;
    column.header = -1;
    int nextLeft = INT_MAX;
    for (int k = 0; k < kLabelCount; ++k) {
        const HeaderLabel& label = labels[static_cast<size_t>(k)];
        if (label.caption.empty()) continue;
        if (label.left == left) {
            if (column.header < 0) column.header = k;
            // Stacked captions read as one: "Stat Total", "cost/week".
            if (!column.name.empty() && column.name.back() != '/') column.name += ' ';
            column.name += label.caption;
        } else if (label.left > left) {
            nextLeft = std::min(nextLeft, label.left);
        }
    }
    column.first = static_cast<size_t>(LabelTextColumn(left));
    if (nextLeft != INT_MAX) column.end = static_cast<size_t>(LabelTextColumn(nextLeft));

    const std::string& top = labels[static_cast<size_t>(column.header)].caption;
    for (const ColumnOverride& change : kOverrides) {
        if (change.list != listing.shown || top != change.caption) continue;
        column.reading = change.reading;
        if (change.end != kNextHeader) column.end = change.end;
        column.name = change.name;
    }
    return column;
}

std::vector<int> ColumnHeaders(const Listing& listing) {
    std::vector<int> headers;
    for (int k = 0; k < kLabelCount; ++k) {
        const std::optional<ColumnSpan> column = HeaderColumn(listing, k);
        if (column && column->header == k) headers.push_back(k);
    }
    std::stable_sort(headers.begin(), headers.end(), [&listing](int a, int b) {
        return listing.labels[static_cast<size_t>(a)].left <
               listing.labels[static_cast<size_t>(b)].left;
    });
    return headers;
}

std::string_view ColumnText(std::string_view line, const ColumnSpan& column) {
    const size_t first = CutAt(line, column.first);
    const size_t end = std::max(first, CutAt(line, column.end));
    std::string_view text = Trimmed(line.substr(first, end - first));
    if (column.reading == ColumnReading::LastWord) {
        const size_t blank = text.find_last_of(' ');
        if (blank != std::string_view::npos) text.remove_prefix(blank + 1);
    }
    return text;
}
