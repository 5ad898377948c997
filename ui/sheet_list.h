// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <string>
#include <vector>

// The list box that shows the item sheet: one text line per item, fixed
// item height. Ctrl+C with the focus on it copies the whole sheet.
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

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int itemHeight_ = 14;
};
