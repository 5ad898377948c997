// SPDX-License-Identifier: GPL-3.0-or-later
// Rolling a hoard: the hoard field below the pane, the hoard listed in the
// pane, and its lines picked by their place. Rolling leaves the bench alone;
// a pick puts its item on the bench as one undo step.
#include <QKeySequence>
#include <QShortcut>

#include "app/tform1.h"
#include "random/hoard_worth.h"
#include "ui/count_field.h"
#include "ui/pane_strip.h"

namespace {

// clang-format off
const CountFieldDesign kHoardField = {
    "HoardField", "HoardCount", "Roll", "items", "Items to roll",
    kHoardMinItems, kHoardMaxItems,
    12,   // room for the largest worth, "$10,000,000"
    400,
};
// clang-format on

}  // namespace

void TForm1::WireHoard() {
    // Shift with a press of Random opens the field too (Button_RandomClick).
    auto* open = new QShortcut(QKeySequence(Qt::SHIFT | Qt::ALT | Qt::Key_R), this);
    open->setObjectName(QStringLiteral("HoardShortcut"));
    connect(open, &QShortcut::activated, this, &TForm1::OpenHoard);
}

bool TForm1::HoardOpen() const { return strip_->Shows(hoardField_); }

void TForm1::OpenHoard() {
    if (hoardField_ == nullptr) {
        hoardField_ = new CountField(strip_, kHoardField);
        hoardField_->setToolTip(
            QStringLiteral("A count of items, 1 to 1,000, or a worth, $1 to $10,000,000\n"
                           "(\"$5000\", \"$5,000.00\"); Enter rolls, Esc closes.\n"
                           "Shift+Alt+S shares the hoard among the party."));
        connect(hoardField_, &CountField::entered, this, &TForm1::RollHoardFromField);
        connect(hoardField_, &CountField::closed, this, [this] { strip_->Close(true); });
    }
    hoardField_->SetText(hoardWorth_.isEmpty() ? QString::number(hoardCount_) : hoardWorth_);
    strip_->Show(hoardField_, true);
}

void TForm1::RollHoardFromField() {
    const QString asked = hoardField_->Text();
    if (AsksForWorth(FromQt(asked))) {
        const std::optional<int64_t> worth = ReadWorth(FromQt(asked));
        if (!worth) {
            hoardField_->Refuse(QStringLiteral("only $1 to $10,000,000"));
            return;
        }
        hoard_ = RollHoardToWorth(catalogs_, workshop_, random_, *worth);
        ShowListing(ListHoard(hoard_, worth), "Treasure hoard");
        hoardWorth_ = asked.trimmed();
    } else {
        const std::optional<int> count = hoardField_->Count();
        if (!count) {
            hoardField_->Refuse();
            return;
        }
        hoard_ = RollHoard(catalogs_, workshop_, random_, *count);
        ShowListing(ListHoard(hoard_), "Treasure hoard");
        hoardCount_ = *count;
        hoardWorth_.clear();
    }
    // The field stays open, what it asked for ready for another roll.
    hoardField_->SetText(hoardWorth_.isEmpty() ? QString::number(hoardCount_) : hoardWorth_);
}
