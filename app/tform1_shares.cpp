// SPDX-License-Identifier: GPL-3.0-or-later
// Sharing a hoard among the party: the share field below the pane and the
// hoard's items listed again as shares. Sharing leaves the bench alone; a
// pick in a share puts its item on the bench as a pick in the hoard does.
#include <QKeySequence>
#include <QShortcut>

#include "app/tform1.h"
#include "random/hoard_shares.h"
#include "random/share_list.h"
#include "ui/count_field.h"
#include "ui/pane_strip.h"

namespace {

// clang-format off
const CountFieldDesign kShareField = {
    "ShareField", "ShareCount", "Share among", "", "Number of shares",
    kMinShares, kMaxShares,
    3,
    320,
};
// clang-format on

}  // namespace

void TForm1::WireShares() {
    auto* open = new QShortcut(QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_S), this);
    open->setObjectName(QStringLiteral("ShareShortcut"));
    connect(open, &QShortcut::activated, this, &TForm1::OpenShares);
}

bool TForm1::SharesOpen() const { return strip_->Shows(shareField_); }

void TForm1::OpenShares() {
    // A hoard is shared while it is on show, or its shares are.
    if (workshop_.shown != ShownList::Hoard && workshop_.shown != ShownList::Shares) {
        ShowPlanMessage("No hoard to share: roll one first (Shift+Alt+R)");
        return;
    }
    if (shareField_ == nullptr) {
        shareField_ = new CountField(strip_, kShareField);
        shareField_->setToolTip(
            QStringLiteral("The number of shares, 2 to 12; Enter shares the hoard, Esc closes."));
        connect(shareField_, &CountField::entered, this, &TForm1::ShareHoardFromField);
        connect(shareField_, &CountField::closed, this, [this] { strip_->Close(true); });
    }
    shareField_->SetCount(shareCount_);
    strip_->Show(shareField_, true);
}

void TForm1::ShareHoardFromField() {
    const std::optional<int> count = shareField_->Count();
    if (!count) {
        shareField_->Refuse();
        return;
    }
    shareCount_ = *count;
    std::vector<int64_t> worths;
    worths.reserve(hoard_.size());
    for (const HoardItem& item : hoard_) worths.push_back(ValueCents(item));
    ShowListing(ListShares(hoard_, ShareHoard(worths, *count)), "Shares of the hoard");
    // The field stays open, its count ready for sharing again.
    shareField_->SetCount(*count);
}
