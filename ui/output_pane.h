#pragma once

#include <QPlainTextEdit>
#include <string>
#include <vector>

// The output pane: a read-only, unwrapped plain-text pane the lists and the
// making report are written into, and clicked to pick entries.
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
    std::vector<std::string> Lines() const;
    int LineCount() const { return lineCount_; }

    // The caret (the start of the selection), line breaks counting two.
    int SelStart() const;
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

    // Conversions between the program's positions and Qt's.
    int ToProgramPosition(int qtPosition) const;
    int ToQtPosition(int programPosition) const;

signals:
    // A mouse button went down in the pane; the caret is already on the
    // pressed character, whichever the button.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Press(QMouseEvent* event);
    void ReplaceChangedLines(const std::vector<std::string>& lines);

    int lineCount_ = 0;
};
