// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

class OutputPane;

// The strip below the output pane's text, across it above the horizontal
// scroll bar, so that no other control moves: it shows one part at a time
// (the find field, the hoard or the share field, or a message). While a part
// shows, the pane's visible text ends above the strip on a whole line, and
// the part follows the pane's resizes and scrolling.
//
// Showing a part closes the one shown before. The focus follows one rule: a
// part that takes the focus keeps where it was; closed with Esc it gives the
// focus back there (a button gives way to the pane, so that Enter then picks
// a line); closed by anything else it leaves the focus to the pane, if the
// part had it.
class PaneStrip : public QWidget {
    Q_OBJECT

public:
    explicit PaneStrip(OutputPane* pane);

    // Shows a part (a child of the strip) in place of the one before, with
    // the keyboard focus when takeFocus.
    void Show(QWidget* part, bool takeFocus);
    // Closes the part shown; giveBack for Esc (see above).
    void Close(bool giveBack);
    // Closes the part only if it is the one shown.
    void CloseIfShown(const QWidget* part, bool giveBack);
    bool Shows(const QWidget* part) const;

signals:
    // A part was closed, by Close or by showing another.
    void closed(QWidget* part);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The height the part asks for at the strip's width.
    int PartHeight(const QWidget* part) const;
    // The strip in the room the pane leaves below its text, the part at its left.
    void Place();

    OutputPane* pane_;
    QObject* textArea_;  // the pane's viewport, whose resizes move the strip
    QPointer<QWidget> part_;
    QPointer<QWidget> focusBefore_;
};
