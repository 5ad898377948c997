// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <string>
#include <vector>

#include "ui/latin1.h"

// A caption label. Plain text: an '&' is shown as it is.
class Label : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;
    // An auto-sized label takes the width of its caption whenever it changes.
    void SetAutoSize(bool autoSize) { autoSize_ = autoSize; }
    // A growing label keeps its left and top and widens whenever a caption
    // would not fit; it never narrows.
    void SetGrowToFit(bool grow) { growToFit_ = grow; }
    // Widens the label now, so that each of the captions fits whole.
    void FitCaptions(const std::vector<std::string>& captions);
    // The width the label needs to show a caption whole in its font.
    int CaptionWidth(const std::string& caption) const;
    void SetCaption(const std::string& caption);
    std::string Caption() const { return FromQt(text()); }

private:
    bool autoSize_ = false;
    bool growToFit_ = false;
};

// A command button; an '&' in its caption marks the keyboard accelerator.
// With the focus on it, Enter clicks it as Space does.
class CommandButton : public QPushButton {
    Q_OBJECT

public:
    using QPushButton::QPushButton;
    void SetCaption(const std::string& caption) { setText(ToQt(caption)); }
    // Ctrl+A and Ctrl+C with the button focused go to the target, which
    // takes the focus with them: every button hands them to the pane, whose
    // list they select and copy. With `typing`, so do the characters typed
    // (but the blank, which clicks it): a list button hands them to the pane,
    // to jump to a line of its list.
    void PassKeysTo(QWidget* target, bool typing) {
        keysTarget_ = target;
        passesTyping_ = typing;
    }
    std::string Caption() const { return FromQt(text()); }
    // While a click of the mouse is handled: the keys held with it (Shift,
    // Ctrl). A click by a key or an accelerator has none.
    Qt::KeyboardModifiers ClickModifiers() const { return clickModifiers_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::KeyboardModifiers clickModifiers_ = Qt::NoModifier;
    QWidget* keysTarget_ = nullptr;
    bool passesTyping_ = false;
};

// The single-line name box. It takes any text a person can type or paste;
// the program keeps it as Latin-1, with '?' for a character outside it.
//
// Ctrl+Z undoes its typing and Ctrl+Shift+Z or Ctrl+Y redoes it, whatever
// the desktop's key scheme (X11's own has no Ctrl+Y): these keys never reach
// the window's undo of the workbench while the box has the focus.
class NameBox : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;
    // Empties the box and forgets its typing, so nothing is left to undo.
    void Reset() { setText(QString()); }
    // A name is one line of the making report: a control character pasted
    // into the box (a line break, a tab) becomes the blank the box shows for it.
    std::string Text() const {
        std::string name = FromQt(text());
        for (char& c : name) {
            if (static_cast<unsigned char>(c) < 0x20) c = ' ';
        }
        return name;
    }

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Whether the key is one of the box's undo (-1) or redo (+1) keys; 0 if not.
    static int UndoDirection(const QKeyEvent* event);
};
