#pragma once

#include <QListWidget>
#include <string>
#include <vector>

// The list box that shows the item sheet: one text line per item, fixed
// item height.
class SheetList : public QListWidget {
    Q_OBJECT

public:
    explicit SheetList(QWidget* parent = nullptr);

    void SetItemHeight(int pixels);
    void Clear();
    void AddLine(const std::string& line);
    std::vector<std::string> Lines() const;

private:
    int itemHeight_ = 14;
};
