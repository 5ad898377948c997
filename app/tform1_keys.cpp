// SPDX-License-Identifier: GPL-3.0-or-later
// The keyboard around the window: picking with Enter, undo and redo of the
// workbench, copying a list as a table, and copying the item sheet.
#include <QKeySequence>
#include <QShortcut>

#include "app/tform1.h"
#include "catalog/list_table.h"
#include "random/share_list.h"

void TForm1::WireKeys() {
    connect(RichEdit1, &OutputPane::keyPick, this,
            [this](Qt::MouseButton button) { RichEdit1KeyPick(button); });

    // Window-wide keys; the name box with the focus keeps its own meaning of
    // them (Ctrl+Z there undoes the typing). From Make until the name is
    // stored they leave the bench alone (BenchFreeFor).
    auto* undo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    undo->setObjectName(QStringLiteral("UndoShortcut"));
    connect(undo, &QShortcut::activated, this, &TForm1::UndoWorkbench);

    auto* redo = new QShortcut(this);
    redo->setObjectName(QStringLiteral("RedoShortcut"));
    redo->setKeys(
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redo, &QShortcut::activated, this, &TForm1::RedoWorkbench);

    auto* copySheet = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), this);
    copySheet->setObjectName(QStringLiteral("CopySheetShortcut"));
    connect(copySheet, &QShortcut::activated, this, &TForm1::CopySheet);

    RichEdit1->SetHtmlOfLines([this](int first, int last) { return ListTable(first, last); });
    RichEdit1->SetLinePicks([this](int line) { return !HeadsOrCounts(static_cast<size_t>(line)); });
}

QString TForm1::ListTable(int first, int last) const {
    // The making report is no list.
    if (listed_.rows.empty()) return {};
    std::vector<size_t> rows;
    for (int line = std::max(0, first); line <= last; ++line) {
        rows.push_back(CatalogLineOf(static_cast<size_t>(line)));
    }
    // Shares copy with a column for each item's share.
    const std::string table = listed_.shown == ShownList::Shares ? SharesTableHtml(listed_, rows)
                                                                 : ListTableHtml(listed_, rows);
    // Spreadsheets read the clipboard's HTML by the character set it names.
    return QStringLiteral("<html><head><meta charset=\"utf-8\"></head><body>\n") + ToQt(table) +
           QStringLiteral("</body></html>\n");
}

void TForm1::RichEdit1KeyPick(Qt::MouseButton button) {
    // As a press on the character at the caret: the caret stays, nothing
    // is selected, and the press's handler picks the caret's line.
    RichEdit1->SetSelStart(RichEdit1->CaretPosition());
    RichEdit1MouseDown(button);
}

void TForm1::RecordWorkbenchChange(const WorkbenchSnapshot& before) {
    history_.Record(before, CaptureWorkbench(catalogs_, workshop_));
}

void TForm1::UndoWorkbench() {
    if (BringBackRemovedPlan()) return;
    if (!BenchFreeFor(BenchInput::Undo)) return;
    const auto previous = history_.Undo(CaptureWorkbench(catalogs_, workshop_));
    if (!previous) return;
    RestoreWorkbench(*previous, catalogs_, workshop_);
    Print_OutPut();
}

void TForm1::RedoWorkbench() {
    if (!BenchFreeFor(BenchInput::Undo)) return;
    const auto next = history_.Redo(CaptureWorkbench(catalogs_, workshop_));
    if (!next) return;
    RestoreWorkbench(*next, catalogs_, workshop_);
    Print_OutPut();
}

void TForm1::CopySheet() { ListBox1->CopyLines(); }
