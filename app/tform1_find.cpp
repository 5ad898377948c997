// SPDX-License-Identifier: GPL-3.0-or-later
// Finding in the output pane: type to jump to a list line, and the find
// field with its marks, in the pane or in every list. None of it picks
// anything or adds an undo step.
#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <algorithm>

#include "app/tform1.h"
#include "ui/pane_strip.h"

namespace {

// The pane's name while it shows the lines found in every list.
const char* const kFoundInEveryList = "Found in every list";

}  // namespace

void TForm1::WireFind() {
    connect(RichEdit1, &OutputPane::typed, this, &TForm1::TypeToJump);
    connect(RichEdit1, &OutputPane::typedBackspace, this, [this](quint64 timestampMs) {
        if (const auto search = typeAhead_.TakeBack(timestampMs)) JumpTo(*search);
    });
    connect(RichEdit1, &OutputPane::typingEnded, this, [this] { typeAhead_.End(); });
    auto* find = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_F), this);
    connect(find, &QShortcut::activated, this, &TForm1::OpenFind);
    auto* findEverywhere = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F), this);
    connect(findEverywhere, &QShortcut::activated, this, &TForm1::OpenFindInEveryList);
    auto* next = new QShortcut(QKeySequence(Qt::Key_F3), this);
    connect(next, &QShortcut::activated, this, [this] { FindNext(true); });
    auto* previous = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F3), this);
    connect(previous, &QShortcut::activated, this, [this] { FindNext(false); });
}

void TForm1::TypeToJump(const QString& text, quint64 timestampMs) {
    // The making report is no list: nothing in it to jump to.
    if (workshop_.shown == ShownList::None) return;
    for (const char c : FromQt(text)) {
        JumpTo(typeAhead_.Type(c, timestampMs, QApplication::keyboardInputInterval()));
    }
}

void TForm1::JumpTo(const TypeAhead::Search& search) {
    if (search.text.empty()) return;
    const std::vector<std::string>& lines = RichEdit1->Lines();
    if (lines.empty()) return;
    const size_t from = (RichEdit1->CaretLine() + (search.fromNext ? 1 : 0)) % lines.size();
    if (const auto line = LineStartingWith(lines, search.text, from)) {
        RichEdit1->PutCaret(static_cast<int>(*line), 0);
    }
}

bool TForm1::FindOpen() const { return strip_->Shows(findField_); }

bool TForm1::FindsEveryList() const { return FindOpen() && findField_->EveryList(); }

void TForm1::OpenFind() { ShowFindField(false); }

void TForm1::OpenFindInEveryList() {
    ShowFindField(true);
    if (!findText_.empty()) ListFoundInEveryList();
}

void TForm1::ShowFindField(bool everyList) {
    if (findField_ == nullptr) {
        findField_ = new FindField(strip_);
        connect(findField_, &QLineEdit::textEdited, this, [this](const QString& text) {
            findText_ = FromQt(text);
            if (FindsEveryList()) {
                ListFoundInEveryList();
            } else {
                RefreshFound(true);
            }
        });
        connect(findField_, &FindField::next, this, [this] { FindNext(true); });
        connect(findField_, &FindField::previous, this, [this] { FindNext(false); });
        // Esc gives the focus back to where it was (the name box while naming).
        connect(findField_, &FindField::closed, this, [this] { strip_->Close(true); });
    }
    findField_->SetEveryList(everyList);
    findsOnFoundLines_ = everyList;
    // The lists as they read now (a random treasure may have cut a gem
    // anew), kept while the field finds in them.
    everyList_ = everyList ? EveryCatalogList(catalogs_) : std::vector<NamedListing>();
    strip_->Show(findField_, true);
    findField_->selectAll();
    RefreshFound(false);
}

void TForm1::ListFoundInEveryList() {
    Listing found = FindInEveryList(everyList_, findText_);
    // A screen reader hears of the list when it comes, not at every letter.
    if (RichEdit1->accessibleName() == QLatin1String(kFoundInEveryList)) {
        ShowListing(std::move(found));
    } else {
        ShowListing(std::move(found), kFoundInEveryList);
    }
    RefreshFound(false);
}

bool TForm1::HeadsOrCounts(size_t shownLine) const {
    const size_t row = CatalogLineOf(shownLine);
    return row < listed_.rows.size() &&
           (listed_.rows[row].kind == RowKind::Heading || listed_.rows[row].kind == RowKind::Sum);
}

std::vector<TextMatch> TForm1::PlacesOfText() const {
    std::vector<TextMatch> places = FindInLines(RichEdit1->Lines(), findText_);
    // The field in every list finds on the lines found, open or closed
    // (F3); Ctrl+F's finds in the whole pane, headings too.
    if (!findsOnFoundLines_ || listed_.shown != ShownList::EveryList) return places;
    const auto onHeading = [this](const TextMatch& place) { return HeadsOrCounts(place.line); };
    places.erase(std::remove_if(places.begin(), places.end(), onHeading), places.end());
    return places;
}

std::optional<size_t> TForm1::FoundAtCaret() const {
    if (findText_.empty()) return std::nullopt;
    const TextMatch caret = CaretPlace();
    for (size_t k = 0; k < found_.size(); ++k) {
        if (found_[k] == caret) return k;
    }
    return std::nullopt;
}

void TForm1::FindAgainAfterRedraw(std::optional<size_t> place) {
    if (!FindOpen() && !place) return;
    found_ = PlacesOfText();
    GoToFound(place && *place < found_.size() ? *place : found_.size());
}

void TForm1::FindNext(bool forward) {
    if (findText_.empty()) {
        OpenFind();
        return;
    }
    RefreshFound(false);
    const TextMatch caret = CaretPlace();
    const auto index = forward ? MatchAtOrAfter(found_, {caret.line, caret.column + 1})
                               : MatchBefore(found_, caret);
    if (!index) return;
    GoToFound(*index);
}

void TForm1::RefreshFound(bool moveCaret) {
    found_ = PlacesOfText();
    const auto first = MatchAtOrAfter(found_, CaretPlace());
    if (moveCaret && first) {
        GoToFound(*first);
        return;
    }
    // Marks them all; the caret stays, and the place it is on, if any, is
    // the current one.
    GoToFound(FoundAtCaret().value_or(found_.size()));
}

void TForm1::GoToFound(size_t index) {
    const bool open = FindOpen();
    // With the field open every place is marked; closed, F3 marks the one.
    std::vector<OutputPane::Found> marks;
    const int length = static_cast<int>(findText_.size());
    for (size_t k = 0; k < found_.size(); ++k) {
        if (open || k == index) {
            marks.push_back(
                {static_cast<int>(found_[k].line), static_cast<int>(found_[k].column), length});
        }
    }
    RichEdit1->MarkFound(marks, open ? static_cast<int>(index) : 0);
    if (index < found_.size()) {
        RichEdit1->PutCaret(static_cast<int>(found_[index].line),
                            static_cast<int>(found_[index].column));
    }
    if (!open) return;
    if (findText_.empty()) {
        findField_->ShowNothing();
    } else {
        findField_->ShowFound(index < found_.size() ? static_cast<int>(index) + 1 : 0,
                              static_cast<int>(found_.size()));
    }
}

TForm1::FindStatus TForm1::FindState() const {
    FindStatus state;
    state.shown = FindOpen();
    state.text = findField_ != nullptr ? FromQt(findField_->text()) : std::string();
    if (state.shown) {
        // What the field says, "n of m" or "not found", as a person reads it.
        state.current = findField_->Current();
        state.count = findField_->Count();
        return state;
    }
    const std::vector<TextMatch> found = PlacesOfText();
    state.count = static_cast<int>(found.size());
    for (size_t k = 0; k < found.size(); ++k) {
        if (found[k] == CaretPlace()) state.current = static_cast<int>(k) + 1;
    }
    return state;
}

TextMatch TForm1::CaretPlace() const {
    return {static_cast<size_t>(RichEdit1->CaretLine()),
            static_cast<size_t>(RichEdit1->CaretColumn())};
}
