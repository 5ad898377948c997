// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/listing.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "catalog/text_format.h"

namespace {

bool IsNoValue(std::string_view text) {
    const size_t from = text.find_first_not_of(' ');
    return from == std::string_view::npos ||
           text.substr(from, text.find_last_not_of(' ') + 1 - from) == "-";
}

// The figure a number shows, in the lists' own form; none for a text.
bool ReadShown(std::string_view text, double& value) {
    if (!text.empty() && text[0] == '$')
        text.remove_prefix(std::min(text.size(), text.find_first_not_of(" $")));
    // A number starts with a digit, or a minus and a digit.
    const size_t digit = text.size() > 1 && text[0] == '-' ? 1 : 0;
    if (text.size() <= digit || text[digit] < '0' || text[digit] > '9') return false;
    std::string number(text);
    for (char& c : number) {
        if (c == textfmt::DecimalSeparator()) c = '.';
    }
    const char* end = number.data() + number.size();
    const auto result = std::from_chars(number.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

}  // namespace

Cell Cell::Text(std::string text) {
    const KeyKind key = IsNoValue(text) ? KeyKind::None : KeyKind::Text;
    return {std::move(text), key, 0};
}

Cell Cell::Figure(std::string text) {
    double value = 0;
    if (IsNoValue(text) || !ReadShown(text, value)) return Text(std::move(text));
    return {std::move(text), KeyKind::Figure, value, true};
}

Cell Cell::Figure(std::string text, double value) {
    const KeyKind key = IsNoValue(text) ? KeyKind::None : KeyKind::Figure;
    return {std::move(text), key, value};
}

Cell Cell::Int(int64_t value) {
    return {textfmt::Int(value), KeyKind::Figure, static_cast<double>(value), true};
}

ListHeader HeaderOf(const ListForm& form) {
    ListHeader header;
    std::array<bool, 9> placed{};
    const auto put = [&](int label, LabelPlace place, const char* caption) {
        if (label < 0 || label >= 9) return;
        header[static_cast<size_t>(label)] = {place, caption};
        placed[static_cast<size_t>(label)] = true;
    };
    for (const ListColumn& column : form.columns) {
        put(column.label, column.place, column.caption);
        if (column.label >= 0 && column.under[0] != '\0')
            put(column.label + 1, column.place, column.under);
    }
    for (const auto& [label, place] : form.idleLabels) put(label, place, "");
    for (size_t k = 1; k < header.size(); ++k) {
        if (!placed[k]) header[k].place = header[k - 1].place;
    }
    return header;
}

std::string CaptionOf(const ListColumn& column) {
    std::string caption = column.caption;
    if (column.under[0] == '\0') return caption;
    if (!caption.empty() && caption.back() != '/') caption += ' ';
    return caption + column.under;
}

namespace {

// A heading's line: its name, then the captions where the list's header
// labels stand over the columns, at least a blank apart.
std::string HeadingLine(const ListForm& form, const ListRow& row) {
    std::string line = row.cells.empty() ? std::string() : row.cells[0].text;
    for (size_t c = 1; c < form.columns.size(); ++c) {
        const ListColumn& column = form.columns[c];
        if (column.label < 0 || column.caption[0] == '\0') continue;
        const auto at = static_cast<size_t>(column.place.column);
        line.append(line.size() < at ? at - line.size() : 1, ' ');
        line += column.caption;
    }
    if (line.size() < size_t{textfmt::kListLineWidth})
        line.append(size_t{textfmt::kListLineWidth} - line.size(), ' ');
    return line;
}

}  // namespace

std::string FormatRow(const ListForm& form, const ListRow& row) {
    if (row.kind == RowKind::Heading) return HeadingLine(form, row);
    std::string line;
    line.reserve(textfmt::kListLineWidth);
    const auto padTo = [&line](int column) {
        if (static_cast<int>(line.size()) < column) line.append(size_t(column) - line.size(), ' ');
    };
    int over = 0;  // how far the cells so far ran past their columns
    for (size_t c = 0; c < row.cells.size() && c < form.columns.size(); ++c) {
        const ListColumn& column = form.columns[c];
        const std::string& text = row.cells[c].text;
        const int length = static_cast<int>(text.size());
        const int end = column.first + column.width;
        if (column.align == Align::Flush) {
            padTo(end - length);
        } else {
            padTo(column.first + over);
        }
        if (column.align == Align::Left) {
            line += text;
            if (length > column.width) over += length - column.width;
            continue;
        }
        if (column.align == Align::Right) padTo(end + over - length);
        line += text;
        over = std::max(0, static_cast<int>(line.size()) - end);
    }
    padTo(textfmt::kListLineWidth + (form.endsAtWidth ? 0 : over));
    return line;
}

ListRow& Listing::Add(std::vector<Cell> cells, RowKind kind) {
    ListRow row;
    row.cells = std::move(cells);
    row.kind = kind;
    rows.push_back(std::move(row));
    return rows.back();
}

ListRow& Listing::AddNote(size_t column, std::string text) {
    size_t entry = rows.size();
    while (entry > 0 && rows[entry - 1].kind == RowKind::Note) --entry;
    ListRow& note = Add(std::vector<Cell>(column + 1), RowKind::Note);
    note.cells[column] = Cell::Text(std::move(text));
    note.entry = entry > 0 ? entry - 1 : 0;
    return note;
}

void Listing::Format() {
    lines.clear();
    lines.reserve(rows.size());
    for (const ListRow& row : rows) lines.push_back(FormatRow(FormOf(row), row));
}

ListHeader Listing::Header() const { return form != nullptr ? HeaderOf(*form) : ListHeader{}; }
