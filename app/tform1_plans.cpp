// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping plans: Ctrl+V puts a copied item sheet back on the bench, Ctrl+H
// lists the items made this run, and a pick on one of them puts its plan
// back. The program keeps no files: a plan outlives the run as a copied sheet.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QShortcut>

#include <string_view>
#include <utility>

#include "app/tform1.h"
#include "ui/accessible_controls.h"
#include "ui/latin1.h"
#include "ui/pane_message.h"
#include "ui/pane_strip.h"
#include "workshop/sheet_reading.h"

namespace {

// Why no plan goes on the bench from Make until the name is stored.
const char* const kBenchTaken = "the bench belongs to the item being made until its name is stored";

}  // namespace

void TForm1::WirePlans() {
    // The name box and the find field take Ctrl+V first: there it pastes text.
    auto* paste = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_V), this);
    paste->setObjectName(QStringLiteral("PastePlanShortcut"));
    connect(paste, &QShortcut::activated, this, &TForm1::PastePlan);

    auto* made = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this);
    made->setObjectName(QStringLiteral("ItemsMadeShortcut"));
    connect(made, &QShortcut::activated, this, &TForm1::ListMadeItems);
}

void TForm1::PastePlan() {
    if (Moment() != WindowMoment::Planning) {
        ShowPlanMessage(std::string("No plan pasted: ") + kBenchTaken);
        return;
    }
    // An image or nothing on the clipboard reads as no text.
    const QByteArray text = QGuiApplication::clipboard()->text().toUtf8();
    const WorkbenchSnapshot before = CaptureWorkbench(catalogs_, workshop_);
    const SheetReading reading =
        ReadItemSheet(catalogs_, before, std::string_view(text.constData(), size_t(text.size())));
    if (!reading.plan) {
        ShowPlanMessage("No plan pasted: " + reading.error);
        return;
    }
    PutPlanOnBench(before, *reading.plan);
}

void TForm1::ListMadeItems() { ShowListing(madeItems_.List(), "Items made"); }

void TForm1::PickMadeItem() {
    // The items made are picked by their place in the list, not by a name.
    const MadeItem* item =
        madeItems_.AtLine(static_cast<int32_t>(CatalogLineOf(size_t(RichEdit1->CaretLine()))));
    if (item == nullptr) return;
    if (Moment() != WindowMoment::Planning) {
        ShowPlanMessage(std::string("No plan put back: ") + kBenchTaken);
        return;
    }
    PutPlanOnBench(CaptureWorkbench(catalogs_, workshop_), item->plan);
}

void TForm1::PutPlanOnBench(const WorkbenchSnapshot& before, const WorkbenchSnapshot& plan) {
    history_.Record(before, plan);
    RestoreWorkbench(plan, catalogs_, workshop_);
    Print_OutPut();
}

void TForm1::ShowPlanMessage(const std::string& message) {
    if (planMessage_ == nullptr) planMessage_ = new PaneMessage(strip_);
    if (!strip_->Shows(planMessage_)) paneDescription_ = RichEdit1->accessibleDescription();
    planMessage_->SetMessage(ToQt(message));
    strip_->Show(planMessage_, false);
    AnnounceDescription(RichEdit1, ToQt(message));
}

void TForm1::BeginMadeItem() {
    // The plan as Make finds it, before the making sets the base item's weeks.
    inMaking_ = ItemInMaking{};
    inMaking_->item.plan = CaptureWorkbench(catalogs_, workshop_);
}

void TForm1::MadeItemNamed() {
    if (!inMaking_) return;
    inMaking_->item.name = workshop_.MadeItemName;
    inMaking_->named = true;
    if (!inMaking_->made) return;
    madeItems_.Add(std::move(inMaking_->item));
    inMaking_.reset();
}

void TForm1::MadeItemEnded() {
    if (!inMaking_) return;
    // What the report's total line ends on.
    const MakingTotals totals = MakingTotalsOf(workshop_);
    inMaking_->item.money = totals.money;
    inMaking_->item.weeks = totals.weeks;
    inMaking_->made = true;
    if (!inMaking_->named) return;
    madeItems_.Add(std::move(inMaking_->item));
    inMaking_.reset();
}
