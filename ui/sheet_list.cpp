// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/sheet_list.h"

#include <QAccessible>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

#include "ui/accessible_controls.h"
#include "ui/latin1.h"

SheetList::SheetList(QWidget* parent) : QListWidget(parent) {
    setUniformItemSizes(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void SheetList::SetItemHeight(int pixels) { itemHeight_ = pixels; }

void SheetList::Clear() {
    clear();
    keptRow_ = -1;
}

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

void SheetList::AnnounceTotals() {
    setAccessibleDescription(count() > 0 ? item(count() - 1)->text() : QString());
    QAccessibleEvent event(this, QAccessible::DescriptionChanged);
    SendAccessibleEvent(&event);
}

void SheetList::focusInEvent(QFocusEvent* event) {
    if (keptRow_ >= 0 && keptRow_ < count()) {
        // The row comes back where it is: the view does not scroll to it.
        const bool autoScroll = hasAutoScroll();
        setAutoScroll(false);
        selectionModel()->setCurrentIndex(model()->index(keptRow_, 0),
                                          QItemSelectionModel::NoUpdate);
        setAutoScroll(autoScroll);
    }
    keptRow_ = -1;
    QListWidget::focusInEvent(event);
}

void SheetList::focusOutEvent(QFocusEvent* event) {
    keptRow_ = currentRow();
    selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    QListWidget::focusOutEvent(event);
}
