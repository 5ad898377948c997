// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <functional>
#include <string>
#include <vector>

// The output pane: a read-only, unwrapped plain-text pane the lists and the
// making report are written into, and clicked to pick entries.
//
// A plain press of any mouse button picks; a press with Shift or Ctrl held,
// and the drag after it, only selects text. Enter picks the caret's line as
// a left press would, Shift+Enter as a right press. The caret's line is
// highlighted across the pane, so the line Enter picks is always in sight.
//
// Positions are counted the way the picking arithmetic expects: every line
// break is two characters, so with 123-character lines line k starts at
// 125 * k. Qt counts a line break as one; this class converts both ways.
class OutputPane : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit OutputPane(QWidget* parent = nullptr);

    void Clear();
    void AddLine(const std::string& line);
    // Replaces the whole text in one go, so no list is ever seen building up.
    // The caret is then at the top; the caller puts it where it belongs.
    void SetLines(const std::vector<std::string>& lines);
    // The lines the pane shows, as they were given.
    const std::vector<std::string>& Lines() const { return lines_; }
    int LineCount() const { return static_cast<int>(lines_.size()); }

    // The caret (the start of the selection), line breaks counting two.
    int SelStart() const;
    // The caret itself, the moving end of a selection, line breaks counting
    // two.
    int CaretPosition() const { return ToProgramPosition(textCursor().position()); }
    // Puts the caret at a position with nothing selected; a position inside
    // a line break lands at the end of that line.
    void SetSelStart(int position);
    int SelLength() const;
    // Selects length characters from the current selection start.
    void SetSelLength(int length);
    // Puts the caret after the last character and scrolls it into view.
    void MoveCaretToEnd();
    // The selected text, each line break as CR LF.
    std::string SelText() const;

    // Scrolls the character at line, column (counted from 0; a column past
    // the line's end means its end) into view, as a user would scroll, and
    // gives the point of the viewport where a press lands on it. The caret
    // stays where it is. The line must exist.
    QPoint RevealCharacter(int line, int column);

    // The caret's line and column, counted from 0.
    int CaretLine() const { return textCursor().blockNumber(); }
    int CaretColumn() const { return textCursor().positionInBlock(); }
    // Puts the caret on a character with nothing selected and scrolls it
    // into view; a column past the line's end means its end.
    void PutCaret(int line, int column);

    // Room of at least that height below the text for a strip over the pane
    // (0: none). The text then ends on a whole line above the room, at the
    // top of the list and scrolled down alike, so that no line shows cut.
    void SetBottomStrip(int height);
    // The room below the text, in the pane's coordinates: from the text
    // area's left edge and bottom to the horizontal scroll bar.
    QRect BottomStripRect() const;

    // Places of found text, marked across the pane, the current one more
    // strongly; they change neither the text nor the selection.
    struct Found {
        int line = 0;
        int column = 0;
        int length = 0;
    };
    void MarkFound(const std::vector<Found>& found, int current);

    // A copy puts beside the selected text what this gives for the lines
    // the selection covers (the first and the last, from 0) as HTML, unless
    // it gives nothing (the making report).
    using HtmlOfLines = std::function<QString(int first, int last)>;
    void SetHtmlOfLines(HtmlOfLines html) { htmlOfLines_ = std::move(html); }
    // Whether a line (from 0) picks anything: the caret's band goes only
    // behind lines that do, never behind a heading or a count.
    using LinePicks = std::function<bool(int line)>;
    void SetLinePicks(LinePicks picks) { linePicks_ = std::move(picks); }

    // Conversions between the program's positions and Qt's.
    int ToProgramPosition(int qtPosition) const;
    int ToQtPosition(int programPosition) const;

signals:
    // A mouse button went down in the pane without Shift or Ctrl; the caret
    // is already on the pressed character, whichever the button.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    // Enter (the left button) or Shift+Enter (the right button) was pressed
    // to pick the line that holds the caret.
    void keyPick(Qt::MouseButton button);
    // Printable characters were typed in the pane, at the key press's time
    // stamp (milliseconds of the window system's clock), or Backspace.
    void typed(const QString& text, quint64 timestampMs);
    void typedBackspace(quint64 timestampMs);
    // Ctrl+1 to Ctrl+9: sort the list by its first to ninth column (0..8).
    void columnKey(int column);
    // What was typed ends: a press, a key that is no typing, or the focus
    // going elsewhere.
    void typingEnded();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // What a copy puts on the clipboard: the selection as plain text, and
    // the HTML of its lines.
    QMimeData* createMimeDataFromSelection() const override;

private:
    void Press(QMouseEvent* event, bool doubleClick);
    // Whether a point of the viewport lies on a line of the text, not in
    // the empty room below the last one.
    bool OnLine(QPoint point) const;
    // Ends a selection at the caret without scrolling the view.
    void DropSelectionInPlace();
    void ReplaceChangedLines(const std::vector<std::string>& lines);
    // The caret's line band and the found places, as extra selections.
    void HighlightCaretLine();
    // The text area's bottom margin for the strip: its height and the part
    // of a line that would show cut above it.
    void FitBottomStrip();

    std::vector<std::string> lines_;
    QList<QTextEdit::ExtraSelection> VisibleFoundMarks() const;
    std::vector<Found> found_;
    int currentFound_ = -1;
    // True while SetLines puts a new text in: the caret's band waits for it.
    bool filling_ = false;
    int bottomStrip_ = 0;
    HtmlOfLines htmlOfLines_;
    LinePicks linePicks_;
};
