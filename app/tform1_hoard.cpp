// SPDX-License-Identifier: GPL-3.0-or-later
// Rolling a hoard: the hoard field below the pane, the hoard listed in the
// pane, and its lines picked by their place. Rolling leaves the bench alone;
// a pick puts its item on the bench as one undo step.
#include <QKeySequence>
#include <QShortcut>

#include "app/tform1.h"
#include "ui/hoard_field.h"
#include "ui/pane_strip.h"

void TForm1::WireHoard() {
    // Shift with a press of Random opens the field too (Button_RandomClick).
    auto* open = new QShortcut(QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_R), this);
    open->setObjectName(QStringLiteral("HoardShortcut"));
    connect(open, &QShortcut::activated, this, &TForm1::OpenHoard);
}

bool TForm1::HoardOpen() const { return strip_->Shows(hoardField_); }

void TForm1::OpenHoard() {
    if (hoardField_ == nullptr) {
        hoardField_ = new HoardField(strip_, kHoardMinItems, kHoardMaxItems);
        connect(hoardField_, &HoardField::roll, this, &TForm1::RollHoardFromField);
        connect(hoardField_, &HoardField::closed, this, [this] { strip_->Close(true); });
    }
    hoardField_->SetCount(hoardCount_);
    strip_->Show(hoardField_, true);
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
