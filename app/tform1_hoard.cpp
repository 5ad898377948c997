// SPDX-License-Identifier: GPL-3.0-or-later
// Rolling a hoard: the hoard field below the pane, the hoard listed in the
// pane, and its lines picked by their place. Rolling leaves the bench alone;
// a pick puts its item on the bench as one undo step.
#include <QAbstractButton>
#include <QApplication>
#include <QKeySequence>
#include <QShortcut>

#include "app/tform1.h"
#include "ui/hoard_field.h"

void TForm1::WireHoard() {
    // Shift with a press of Random opens the field too (Button_RandomClick).
    auto* open = new QShortcut(QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_R), this);
    open->setObjectName(QStringLiteral("HoardShortcut"));
    connect(open, &QShortcut::activated, this, &TForm1::OpenHoard);
}

bool TForm1::HoardOpen() const { return hoardField_ != nullptr && hoardField_->isVisible(); }

void TForm1::OpenHoard() {
    // One field at a time in the strip below the pane.
    CloseFind(false);
    ClosePlanMessage();
    if (hoardField_ == nullptr) {
        hoardField_ = new HoardField(RichEdit1, kHoardMinItems, kHoardMaxItems);
        connect(hoardField_, &HoardField::roll, this, &TForm1::RollHoardFromField);
        connect(hoardField_, &HoardField::closed, this, [this] { CloseHoard(true); });
    }
    if (QWidget* focus = QApplication::focusWidget();
        focus != nullptr && !hoardField_->isAncestorOf(focus)) {
        focusBeforeHoard_ = focus;
    }
    hoardField_->SetCount(hoardCount_);
    RichEdit1->SetBottomStrip(hoardField_->sizeHint().height());
    hoardField_->show();
    hoardField_->raise();
    hoardField_->setFocus(Qt::ShortcutFocusReason);
}

void TForm1::CloseHoard(bool restoreFocus) {
    if (!HoardOpen()) return;
    const bool hadFocus = hoardField_->hasFocus();
    hoardField_->hide();
    RichEdit1->SetBottomStrip(0);
    if (!restoreFocus && !hadFocus) return;
    // As after the find field: back where the focus was, but a button gives
    // way to the pane, so that Enter picks an item of the hoard.
    QWidget* back = focusBeforeHoard_;
    const bool usable = restoreFocus && back != nullptr && back->isVisible() && back->isEnabled() &&
                        qobject_cast<QAbstractButton*>(back) == nullptr;
    (usable ? back : static_cast<QWidget*>(RichEdit1))->setFocus(Qt::OtherFocusReason);
}

void TForm1::RollHoardFromField() {
    const std::optional<int> count = hoardField_->Count();
    if (!count) {
        hoardField_->Refuse();
        return;
    }
    hoardCount_ = *count;
    hoard_ = RollHoard(catalogs_, workshop_, random_, *count);
    ShowListing(ListHoard(hoard_), "Treasure hoard");
    // The field stays open, its count ready for another roll.
    hoardField_->SetCount(*count);
}
