// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/listing.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

#include "catalog/text_format.h"

namespace {

bool IsNoValue(std::string_view text) {
    const size_t from = text.find_first_not_of(' ');
    return from == std::string_view::npos ||
           text.substr(from, text.find_last_not_of(' ') + 1 - from) == "-";
}

}  // namespace

Cell Cell::Text(std::string text) {
    const KeyKind key = IsNoValue(text) ? KeyKind::None : KeyKind::Text;
    return {std::move(text), key, 0};
}

Cell Cell::Int(int64_t value) {
    return {textfmt::Int(value), KeyKind::Figure, static_cast<double>(value), true};
}

namespace {

// A value that is no number ("NAN", "INF") shows and sorts as a text.
Cell Number(std::string text, double value, Digits digits) {
    if (!std::isfinite(value)) return Cell::Text(std::move(text));
    return {std::move(text), KeyKind::Figure, value, true, digits};
}

}  // namespace

Cell Cell::General(double value) {
    return Number(textfmt::General(value), value, Digits::Significant15);
}

Cell Cell::Fixed(double value, int minWidth) {
    return Number(textfmt::Fixed2(value, minWidth), value, Digits::TwoDecimals);
}

Cell Cell::Figure(std::string text, double value) {
    return {std::move(text), KeyKind::Figure, value, true};
}

Cell Cell::Dice(std::string text, double meanRoll) {
    const KeyKind key = IsNoValue(text) ? KeyKind::None : KeyKind::Figure;
    return {std::move(text), key, meanRoll};
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
    // The line starts as blanks the list's width; each cell is copied in at
    // the end of the text so far, after the blanks that bring it to its place.
    std::string line(textfmt::kListLineWidth, ' ');
    size_t length = 0;  // of the text so far
    const auto padTo = [&length](int column) { length = std::max(length, size_t(column)); };
    const auto append = [&line, &length](const std::string& text) {
        if (length + text.size() > line.size()) line.resize(length + text.size(), ' ');
        std::memcpy(&line[length], text.data(), text.size());
        length += text.size();
    };
    int over = 0;  // how far the cells so far ran past their columns
    for (size_t c = 0; c < row.cells.size() && c < form.columns.size(); ++c) {
        const ListColumn& column = form.columns[c];
        const std::string& text = row.cells[c].text;
        const int width = static_cast<int>(text.size());
        const int end = column.first + column.width;
        if (column.align == Align::Flush) {
            padTo(end - width);
        } else {
            padTo(column.first + over);
        }
        if (column.align == Align::Left) {
            append(text);
            if (width > column.width) over += width - column.width;
            continue;
        }
        if (column.align == Align::Right) padTo(end + over - width);
        append(text);
        over = std::max(0, static_cast<int>(length) - end);
    }
    padTo(textfmt::kListLineWidth + (form.endsAtWidth ? 0 : over));
    line.resize(length, ' ');
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
