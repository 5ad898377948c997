// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/output_pane.h"

#include <algorithm>
#include <cmath>

#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

#include "ui/latin1.h"

OutputPane::OutputPane(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setWordWrapMode(QTextOption::NoWrap);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setContextMenuPolicy(Qt::NoContextMenu);
    setUndoRedoEnabled(false);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &OutputPane::HighlightCaretLine);
    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        // The first line stands lower at the top of the text (the document's
        // margin) than scrolled down.
        FitBottomStrip();
        if (!found_.empty()) HighlightCaretLine();
    });
    HighlightCaretLine();
}

void OutputPane::Clear() {
    found_.clear();
    clear();
    lines_.clear();
}

void OutputPane::AddLine(const std::string& line) {
    appendPlainText(ToQt(line));
    lines_.push_back(line);
}

void OutputPane::SetLines(const std::vector<std::string>& lines) {
    if (lines.size() == lines_.size() && !lines_.empty()) {
        ReplaceChangedLines(lines);
        lines_ = lines;
        return;
    }
    size_t total = 0;
    for (const std::string& line : lines) total += line.size() + 1;
    std::string text;
    text.reserve(total);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    // The caret's band goes with the old text: left in, it would be pushed
    // to the end of the new text, and taking it off there would have Qt lay
    // out every line above it. It is set once, after the fill.
    filling_ = true;
    found_.clear();
    setExtraSelections({});
    // While the text goes in, Qt works out the scroll range more than once,
    // and each time lays out the last page of lines to do so (the range ends
    // where the last line is at the bottom of the view). Centring on scroll
    // skips that; the range is worked out once, the usual way, when it ends.
    // The view in between is the same either way: at the top, on the caret.
    setCenterOnScroll(true);
    setPlainText(ToQt(text));
    setCenterOnScroll(false);
    filling_ = false;
    lines_ = lines;
    HighlightCaretLine();
}

// A text of the same number of lines (the making report, redrawn every
// week) changes only in a few lines: rewrite just those, so the pane
// repaints only them.
void OutputPane::ReplaceChangedLines(const std::vector<std::string>& lines) {
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    QTextBlock block = document()->firstBlock();
    for (const std::string& line : lines) {
        const QString text = ToQt(line);
        if (block.text() != text) {
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
            cursor.insertText(text);
        }
        block = block.next();
    }
    cursor.endEditBlock();
    // As after a fresh fill, the caret starts at the top.
    QTextCursor top(document());
    setTextCursor(top);
}

int OutputPane::ToProgramPosition(int qtPosition) const {
    // Each line break before the position adds one character.
    return qtPosition + document()->findBlock(qtPosition).blockNumber();
}

int OutputPane::ToQtPosition(int programPosition) const {
    if (programPosition <= 0) return 0;
    int programStart = 0;
    for (QTextBlock block = document()->firstBlock(); block.isValid(); block = block.next()) {
        const int length = block.length() - 1;  // without the line break
        if (programPosition <= programStart + length) {
            return block.position() + (programPosition - programStart);
        }
        if (!block.next().isValid() || programPosition < programStart + length + 2) {
            return block.position() + length;  // end of text, or inside the break
        }
        programStart += length + 2;
    }
    return 0;
}

int OutputPane::SelStart() const { return ToProgramPosition(textCursor().selectionStart()); }

void OutputPane::SetSelStart(int position) {
    QTextCursor cursor = textCursor();
    cursor.setPosition(ToQtPosition(position));
    setTextCursor(cursor);
}

int OutputPane::SelLength() const {
    const QTextCursor cursor = textCursor();
    return ToProgramPosition(cursor.selectionEnd()) - ToProgramPosition(cursor.selectionStart());
}

void OutputPane::SetSelLength(int length) {
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    cursor.setPosition(start);
    if (length > 0) {
        const int end = ToQtPosition(ToProgramPosition(start) + length);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
    }
    setTextCursor(cursor);
}

void OutputPane::MoveCaretToEnd() {
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
}

std::string OutputPane::SelText() const {
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return FromQt(text);
}

void OutputPane::Press(QMouseEvent* event, bool doubleClick) {
    emit typingEnded();
    // A press inside a selection starts afresh where it lands, rather than
    // dragging the selected text away or leaving the caret at the
    // selection's start. Shift extends the selection it has, so it keeps it.
    if (!(event->modifiers() & Qt::ShiftModifier)) DropSelectionInPlace();
    // With Shift or Ctrl held a press only selects, as in any text box.
    if (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) {
        if (doubleClick) {
            QPlainTextEdit::mouseDoubleClickEvent(event);
        } else {
            QPlainTextEdit::mousePressEvent(event);
        }
        return;
    }
    const QPoint point = event->position().toPoint();
    const bool onLine = OnLine(point);
    const int across = horizontalScrollBar()->value();
    const int down = verticalScrollBar()->value();
    if (event->button() == Qt::LeftButton) {
        QPlainTextEdit::mousePressEvent(event);
    } else {
        // Qt moves the caret only for the left button; put it on the pressed
        // character for every button, so a right click acts on that line.
        setTextCursor(cursorForPosition(point));
    }
    // Below the last line Qt puts the caret on that line, but nobody aimed
    // at it: such a press picks nothing, and the view stays where it was
    // (a caret at the end of the line would scroll it sideways).
    if (!onLine) {
        horizontalScrollBar()->setValue(across);
        verticalScrollBar()->setValue(down);
        return;
    }
    emit mouseDown(event->button(), event->modifiers(), point);
}

bool OutputPane::OnLine(QPoint point) const {
    if (lines_.empty()) return false;
    const QRectF last = blockBoundingGeometry(document()->lastBlock()).translated(contentOffset());
    return point.y() < last.bottom();
}

// The view stays where it is, so the press lands where it was aimed.
void OutputPane::DropSelectionInPlace() {
    const QTextCursor current = textCursor();
    if (!current.hasSelection()) return;
    const int across = horizontalScrollBar()->value();
    const int down = verticalScrollBar()->value();
    QTextCursor cursor = current;
    cursor.clearSelection();
    setTextCursor(cursor);
    horizontalScrollBar()->setValue(across);
    verticalScrollBar()->setValue(down);
}

void OutputPane::mousePressEvent(QMouseEvent* event) { Press(event, false); }

// The second press of a double click is a press like any other: it picks
// again, and no word gets selected.
void OutputPane::mouseDoubleClickEvent(QMouseEvent* event) { Press(event, true); }

void OutputPane::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) &&
        (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        emit keyPick(modifiers == Qt::ShiftModifier ? Qt::RightButton : Qt::LeftButton);
        event->accept();
        return;
    }
    if (modifiers == Qt::ControlModifier && key >= Qt::Key_1 && key <= Qt::Key_9) {
        emit columnKey(key - Qt::Key_1);
        event->accept();
        return;
    }
    const bool plain = (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier;
    if (plain && key == Qt::Key_Backspace) {
        emit typedBackspace(event->timestamp());
        event->accept();
        return;
    }
    const QString text = event->text();
    if (plain && !text.isEmpty() && text.at(0).isPrint()) {
        emit typed(text, event->timestamp());
        event->accept();
        return;
    }
    // Ctrl+Home and Ctrl+End go to the first and the last line at its
    // start, as Home does, so the names stay in view however wide the lines.
    const bool toStart = event->matches(QKeySequence::MoveToStartOfDocument);
    if (toStart || event->matches(QKeySequence::MoveToEndOfDocument)) {
        emit typingEnded();
        QTextCursor cursor = textCursor();
        cursor.movePosition(toStart ? QTextCursor::Start : QTextCursor::End);
        cursor.movePosition(QTextCursor::StartOfBlock);
        setTextCursor(cursor);
        ensureCursorVisible();
        event->accept();
        return;
    }
    // A key that moves the caret ends what was typed: the next letter
    // starts afresh from where the caret now is.
    switch (key) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_Home:
        case Qt::Key_End:
            emit typingEnded();
            break;
        default:
            break;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void OutputPane::focusOutEvent(QFocusEvent* event) {
    emit typingEnded();
    QPlainTextEdit::focusOutEvent(event);
}

void OutputPane::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    FitBottomStrip();
}

void OutputPane::SetBottomStrip(int height) {
    bottomStrip_ = std::max(0, height);
    FitBottomStrip();
}

void OutputPane::FitBottomStrip() {
    int margin = 0;
    if (bottomStrip_ > 0) {
        // The height the text area has with no strip, the first line's top
        // in it and the lines' height: as many whole lines as fit above the
        // strip, and the strip takes the rest.
        const int whole = viewport()->height() + viewportMargins().bottom();
        const QTextBlock block =
            firstVisibleBlock().isValid() ? firstVisibleBlock() : document()->firstBlock();
        const QRectF first = blockBoundingGeometry(block);
        const double top = std::max(0.0, first.translated(contentOffset()).top());
        // The last block's height holds the document's bottom margin too.
        const double below = block.next().isValid() ? 0.0 : document()->documentMargin();
        const double line = std::max(1.0, first.height() - below);
        const int lines = static_cast<int>((whole - bottomStrip_ - top) / line);
        margin = lines > 0 ? whole - static_cast<int>(std::ceil(top + lines * line)) : bottomStrip_;
    }
    if (margin != viewportMargins().bottom()) setViewportMargins(0, 0, 0, margin);
}

QRect OutputPane::BottomStripRect() const {
    const QRect text = viewport()->geometry();
    return {text.left(), text.bottom() + 1, text.width(), viewportMargins().bottom()};
}

void OutputPane::PutCaret(int line, int column) {
    const QTextBlock block = document()->findBlockByNumber(line);
    if (!block.isValid()) return;
    QTextCursor cursor(document());
    cursor.setPosition(block.position() + std::clamp(column, 0, block.length() - 1));
    setTextCursor(cursor);
    ensureCursorVisible();
}

void OutputPane::MarkFound(const std::vector<Found>& found, int current) {
    found_ = found;
    currentFound_ = current;
    HighlightCaretLine();
}

// Only the places on screen are marked, and marked anew as the view scrolls:
// a text found on every line must not lay out the whole list.
QList<QTextEdit::ExtraSelection> OutputPane::VisibleFoundMarks() const {
    QList<QTextEdit::ExtraSelection> marks;
    if (found_.empty()) return marks;
    const QTextBlock top = firstVisibleBlock();
    const int first = top.blockNumber();
    const int last = first + viewport()->height() / std::max(1, fontMetrics().lineSpacing()) + 1;
    QColor each = palette().color(QPalette::Highlight);
    each.setAlpha(96);
    QColor now = each;
    now.setAlpha(192);
    QTextBlock block = top;
    for (size_t k = 0; k < found_.size(); ++k) {
        const Found& place = found_[k];
        if (place.line < first || place.line > last) continue;
        while (block.isValid() && block.blockNumber() < place.line) block = block.next();
        if (!block.isValid()) break;
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(document());
        mark.cursor.setPosition(block.position() + place.column);
        mark.cursor.setPosition(block.position() + place.column + place.length,
                                QTextCursor::KeepAnchor);
        mark.format.setBackground(static_cast<int>(k) == currentFound_ ? now : each);
        marks.append(mark);
    }
    return marks;
}

QMimeData* OutputPane::createMimeDataFromSelection() const {
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    auto* data = new QMimeData;
    data->setText(text);
    const QTextCursor cursor = textCursor();
    if (htmlOfLines_ && cursor.hasSelection()) {
        const QTextBlock first = document()->findBlock(cursor.selectionStart());
        const QTextBlock last = document()->findBlock(cursor.selectionEnd());
        // A selection that ends at the start of a line takes none of it.
        const bool lastTaken = cursor.selectionEnd() > last.position();
        const QString html =
            htmlOfLines_(first.blockNumber(), last.blockNumber() - (lastTaken ? 0 : 1));
        if (!html.isEmpty()) data->setHtml(html);
    }
    return data;
}

// A band across the whole width of the pane behind the caret's line; it
// changes neither the text nor the selection.
void OutputPane::HighlightCaretLine() {
    if (filling_) return;
    QTextEdit::ExtraSelection line;
    QColor band = palette().color(QPalette::Highlight);
    band.setAlpha(48);
    line.format.setBackground(band);
    line.format.setProperty(QTextFormat::FullWidthSelection, true);
    line.cursor = textCursor();
    line.cursor.clearSelection();
    QList<QTextEdit::ExtraSelection> marks;
    if (!linePicks_ || linePicks_(line.cursor.blockNumber())) marks.append(line);
    marks.append(VisibleFoundMarks());
    setExtraSelections(marks);
}

QPoint OutputPane::RevealCharacter(int line, int column) {
    const QTextBlock block = document()->findBlockByNumber(line);
    QTextCursor cursor(document());
    cursor.setPosition(block.position() + std::clamp(column, 0, block.length() - 1));

    QRect place = cursorRect(cursor);
    const QRect view = viewport()->rect();
    if (place.top() < 0 || place.bottom() > view.bottom()) {
        verticalScrollBar()->setValue(line);
        place = cursorRect(cursor);
    }
    const int charWidth = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    if (place.left() < 0 || place.left() + charWidth > view.right()) {
        QScrollBar* bar = horizontalScrollBar();
        bar->setValue(bar->value() + place.left() - view.width() / 2);
        place = cursorRect(cursor);
    }
    // A little inside the character, so the press is on it and not on the
    // boundary with the one before.
    return QPoint(place.left() + std::max(1, charWidth / 4), place.center().y());
}
