// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLineEdit>

class QLabel;

// The find field, shown in the strip below the pane it searches. What it
// found stands at its right end, "2 of 7" or "not found", in the field's own
// colours. Enter goes to the next place, Shift+Enter to the one before, and
// Esc closes the field. Text pasted into it is one line (see OneLineText).
class FindField : public QLineEdit {
    Q_OBJECT

public:
    explicit FindField(QWidget* parent);

    // What was found: "2 of 7" (the place the caret is on, from 1; 0 when
    // on none, "0 of 7"), or "not found" for no place.
    void ShowFound(int current, int count);
    // Nothing to find: the field says nothing.
    void ShowNothing();
    // The numbers the field says: the current place and the places, 0 and 0
    // for "not found" or nothing.
    int Current() const { return current_; }
    int Count() const { return count_; }
    // Finding in every list: "in every list" stands at the field's left and
    // a screen reader hears it in the field's name. Off, it finds in the pane.
    void SetEveryList(bool everyList);
    bool EveryList() const;

signals:
    void next();
    void previous();
    void closed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The text between the mark at the left and the status at the right.
    void FitMargins();

    void SetStatus(const QString& status);

    QLabel* status_;
    QLabel* mark_;
    int current_ = 0;
    int count_ = 0;
};
