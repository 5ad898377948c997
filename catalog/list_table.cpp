// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/list_table.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <string_view>

namespace {

std::string_view Trimmed(std::string_view text) {
    const size_t from = text.find_first_not_of(' ');
    if (from == std::string_view::npos) return {};
    return text.substr(from, text.find_last_not_of(' ') + 1 - from);
}

void AppendEscaped(std::string& html, std::string_view text) {
    for (const char c : text) {
        switch (c) {
            case '&':
                html += "&amp;";
                break;
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '"':
                html += "&quot;";
                break;
            default:
                html += c;
        }
    }
}

// A figure in the form every spreadsheet reads, whatever its locale's
// separator: "." as the decimal point, no exponent, the digits the list
// shows it with.
bool AppendNumber(std::string& html, const Cell& cell) {
    char buffer[400];  // the longest double written out in full fits
    char* const end = buffer + sizeof buffer;
    const double value = cell.figure;
    std::to_chars_result result{};
    switch (cell.digits) {
        case Digits::TwoDecimals:
            // "1.50" goes as 1.5 and "1.00" as 1, as a spreadsheet keeps them.
            result = std::to_chars(buffer, end, value, std::chars_format::fixed, 2);
            if (result.ec == std::errc()) {
                while (result.ptr[-1] == '0') --result.ptr;
                if (result.ptr[-1] == '.') --result.ptr;
            }
            break;
        case Digits::Significant15:
            result = std::to_chars(buffer, end, value, std::chars_format::general, 15);
            // Beyond what fixed digits show well: every digit instead.
            if (result.ec != std::errc() || std::find(buffer, result.ptr, 'e') != result.ptr) {
                result = std::to_chars(buffer, end, value, std::chars_format::fixed);
            }
            break;
        case Digits::Shortest:
            result = std::to_chars(buffer, end, value, std::chars_format::fixed);
            break;
    }
    if (result.ec != std::errc()) return false;
    html.append(buffer, result.ptr);
    return true;
}

struct TableCell {
    std::string text;
    const Cell* figure = nullptr;  // a figure the cell goes as
};

class TableWriter {
public:
    explicit TableWriter(const Listing& listing) : listing_(listing), done_(listing.rows.size()) {}

    void Row(size_t index) {
        if (index >= listing_.rows.size()) return;
        const ListRow& picked = listing_.rows[index];
        const size_t entry = picked.kind == RowKind::Note ? picked.entry : index;
        if (entry >= done_.size() || done_[entry]) return;
        done_[entry] = true;
        const ListRow& row = listing_.rows[entry];
        const ListForm& form = listing_.FormOf(row);
        if (row.kind == RowKind::Heading) {
            html_ += "<tr><th>";
            AppendEscaped(html_, Trimmed(row.cells.empty() ? "" : row.cells[0].text));
            html_ += "</th></tr>\n";
            Captions(form);
            return;
        }
        if (row.kind != RowKind::Sum && &form != captioned_) Captions(form);
        Cells(entry, form);
    }

    std::string Finish() { return std::move(html_) + "</table>\n"; }

private:
    void Captions(const ListForm& form) {
        captioned_ = &form;
        html_ += "<tr>";
        for (const ListColumn& column : form.columns) {
            html_ += "<th>";
            // A column no label heads has no caption here either.
            if (column.label >= 0) AppendEscaped(html_, CaptionOf(column));
            html_ += "</th>";
        }
        html_ += "</tr>\n";
    }

    void Cells(size_t entry, const ListForm& form) {
        const std::vector<ListRow>& rows = listing_.rows;
        std::vector<TableCell> cells(form.columns.size());
        const auto join = [&cells](const ListRow& row) {
            for (size_t c = 0; c < row.cells.size() && c < cells.size(); ++c) {
                const std::string_view text = Trimmed(row.cells[c].text);
                if (text.empty()) continue;
                TableCell& cell = cells[c];
                if (!cell.text.empty()) {
                    cell.text += ' ';
                    cell.figure = nullptr;
                } else if (row.cells[c].key == KeyKind::Figure && row.cells[c].figureShown) {
                    cell.figure = &row.cells[c];
                }
                cell.text += text;
            }
        };
        join(rows[entry]);
        for (size_t n = entry + 1; n < rows.size() && rows[n].kind == RowKind::Note; ++n) {
            if (rows[n].entry == entry) join(rows[n]);
        }
        html_ += "<tr>";
        std::string number;
        for (const TableCell& cell : cells) {
            number.clear();
            if (cell.figure == nullptr || !AppendNumber(number, *cell.figure)) {
                html_ += "<td>";
                AppendEscaped(html_, cell.text);
            } else {
                // LibreOffice takes the value from sdval, read in the locale
                // sdnum names (1033, US English), so that a spreadsheet in a
                // locale with a decimal comma reads the point right too.
                html_ += "<td sdval=\"" + number + "\" sdnum=\"1033;\">" + number;
            }
            html_ += "</td>";
        }
        html_ += "</tr>\n";
    }

    const Listing& listing_;
    std::vector<bool> done_;               // the entries written
    const ListForm* captioned_ = nullptr;  // the columns the last header row captioned
    std::string html_ = "<table>\n";
};

}  // namespace

std::string ListTableHtml(const Listing& listing, const std::vector<size_t>& rows) {
    TableWriter writer(listing);
    for (const size_t row : rows) writer.Row(row);
    return writer.Finish();
}

std::string ListTableHtml(const Listing& listing) {
    std::vector<size_t> rows(listing.rows.size());
    std::iota(rows.begin(), rows.end(), size_t{0});
    return ListTableHtml(listing, rows);
}
