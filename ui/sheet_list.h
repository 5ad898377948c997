// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

// The list box that shows the item sheet: one text line per item, fixed
// item height. Ctrl+C with the focus on it copies the whole sheet.
//
// Qt tells assistive technology that a list's current row has the focus
// whether or not the list has it; so the list keeps no current row while it
// lacks the focus, and takes the row back with the focus.
class SheetList : public QListWidget {
    Q_OBJECT

public:
    explicit SheetList(QWidget* parent = nullptr);

    void SetItemHeight(int pixels);
    void Clear();
    void AddLine(const std::string& line);
    std::vector<std::string> Lines() const;
    // Puts every line on the clipboard as plain text, exactly as shown, each
    // line ended by a line break.
    void CopyLines() const;
    // Tells assistive technology that the sheet changed: its accessible
    // description becomes its last line (the totals), and a screen reader
    // hears of the change.
    void AnnounceTotals();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int itemHeight_ = 14;
    // The current row while the focus is elsewhere, or -1.
    int keptRow_ = -1;
};
