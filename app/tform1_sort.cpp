// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting the list on show by a column: a left press on its header label, or
// Ctrl+1 to Ctrl+9 in the pane. The pane shows the sorted lines; picks, the
// caret, typing, finding and copying work on them, a pick picking the
// row shown on it. The workbench is never touched.
#include "app/tform1.h"

void TForm1::WireSort() {
    const std::array<ColumnHeader*, 9> headers = Headers();
    for (size_t k = 0; k < headers.size(); ++k) {
        // A label without a caption heads no column.
        connect(headers[k], &ColumnHeader::pressed, this, [this, k] {
            if (!Headers()[k]->text().isEmpty()) ColumnHeaderPress(static_cast<int>(k));
        });
    }
    connect(RichEdit1, &OutputPane::columnKey, this, &TForm1::SortByColumnKey);
}

std::array<ColumnHeader*, 9> TForm1::Headers() const {
    return {Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9};
}

void TForm1::ColumnHeaderPress(int header) {
    // The making report is no list: nothing to sort.
    if (listed_.lines.empty()) return;
    const ListSort pressed = PressHeader(listed_, sort_, header);
    if (pressed == sort_) return;  // a header without a caption
    sort_ = pressed;
    ShowSorted();
}

void TForm1::SortByColumnKey(int column) {
    const std::vector<int> headers = ColumnHeaders(listed_);
    if (column >= 0 && static_cast<size_t>(column) < headers.size()) {
        ColumnHeaderPress(headers[static_cast<size_t>(column)]);
    }
}

void TForm1::ShowSorted() {
    SortedListing sorted = SortListing(listed_, sort_.header, sort_.order);
    catalogLineOf_.clear();
    if (sort_.order != SortOrder::Catalog) catalogLineOf_ = std::move(sorted.catalogLine);
    typeAhead_.End();  // the lines moved: a new search
    RichEdit1->SetLines(sorted.lines);
    // The view at the top of the sorted list, where its first entries are.
    RichEdit1->SetSelLength(0);
    RichEdit1->SetSelStart(0);
    // The places found are where the text now stands.
    found_.clear();
    if (FindOpen()) {
        RefreshFound(false);
    } else {
        RichEdit1->MarkFound({}, -1);
    }
    ShowSortState(sorted.state);
}

void TForm1::ShowSortState(const std::string& state) {
    const std::array<ColumnHeader*, 9> headers = Headers();
    const bool sorted = sort_.order != SortOrder::Catalog;
    const ColumnHeader::Arrow arrow =
        sort_.order == SortOrder::Ascending ? ColumnHeader::Arrow::Up : ColumnHeader::Arrow::Down;
    const int sortedLabel = sorted ? SortedLabelOf(listed_, sort_.header) : -1;
    for (size_t k = 0; k < headers.size(); ++k) {
        // Both of two stacked labels head the column and say so; the arrow
        // goes beside the top one.
        const int column = ColumnLabelOf(listed_, static_cast<int>(k));
        const bool sortedBy = column >= 0 && column == sortedLabel;
        headers[k]->ShowSort(
            sortedBy && column == static_cast<int>(k) ? arrow : ColumnHeader::Arrow::None,
            sortedBy ? ToQt(state) : QString());
    }
}

void TForm1::EndSort() {
    if (sort_ == ListSort{}) return;
    sort_ = {};
    catalogLineOf_.clear();
    ShowSortState({});
}

size_t TForm1::CatalogLineOf(size_t shownLine) const {
    return shownLine < catalogLineOf_.size() ? catalogLineOf_[shownLine] : shownLine;
}
