// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet_list.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "ui/latin1.h"

SheetList::SheetList(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void SheetList::SetItemHeight(int pixels) { itemHeight_ = pixels; }

void SheetList::Clear() { clear(); }

void SheetList::AddLine(const std::string& line) {
    auto* item = new QListWidgetItem(ToQt(line), this);
    item->setSizeHint(QSize(0, itemHeight_));
}

std::vector<std::string> SheetList::Lines() const {
    std::vector<std::string> lines;
    lines.reserve(static_cast<size_t>(count()));
    for (int row = 0; row < count(); ++row) lines.push_back(FromQt(item(row)->text()));
    return lines;
}

void SheetList::CopyLines() const {
    QString text;
    for (int row = 0; row < count(); ++row) text += item(row)->text() + QLatin1Char('\n');
    QGuiApplication::clipboard()->setText(text);
}

// A copy takes the whole sheet rather than the one current row.
void SheetList::keyPressEvent(QKeyEvent* event) {
    if (event == QKeySequence::Copy) {
        CopyLines();
        event->accept();
        return;
    }
    QListWidget::keyPressEvent(event);
}
