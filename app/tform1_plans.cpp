// SPDX-License-Identifier: GPL-3.0-or-later
// Keeping plans: Ctrl+V puts a copied item sheet back on the bench, Ctrl+H
// lists the items made, as the journal keeps them, and a pick on one of them
// (or on a plan kept by name) puts its plan back, read from its sheet as
// Ctrl+V reads one.
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QShortcutEvent>

#include <string_view>

#include "app/tform1.h"
#include "journal/kept_lists.h"
#include "ui/accessible_controls.h"
#include "ui/latin1.h"
#include "ui/pane_message.h"
#include "ui/pane_strip.h"
#include "workshop/plans/sheet_reading.h"

namespace {

// Ctrl+V, Ctrl+H, Ctrl+S and Ctrl+O, anywhere in the window.
struct PlanKey {
    QKeyCombination key;
    void (TForm1::*press)();
};
const std::array<PlanKey, 4> kPlanKeys = {{
    {Qt::CTRL | Qt::Key_V, &TForm1::PastePlan},
    {Qt::CTRL | Qt::Key_H, &TForm1::ListMadeItems},
    {Qt::CTRL | Qt::Key_S, &TForm1::OpenKeepPlan},
    {Qt::CTRL | Qt::Key_O, &TForm1::ShowKeptPlans},
}};

// Why no plan goes on the bench from Make until the name is stored.
const char* const kBenchTaken = "the bench belongs to the item being made until its name is stored";
// Why nothing changes the bench while a making runs.
const char* const kBenchBeingMade =
    "The bench is being made: it is free again when the making ends";

}  // namespace

void TForm1::WirePlans() {
    // The window grabs the plans' keys itself (event() below): a QShortcut
    // object for each would cost start-up some ten thousand instructions
    // apiece. The name box and the find field take Ctrl+V first: there it
    // pastes text.
    for (size_t k = 0; k < kPlanKeys.size(); ++k) {
        planKeys_[k] = grabShortcut(QKeySequence(kPlanKeys[k].key));
    }
    WireJournal();
}

bool TForm1::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        const int id = static_cast<QShortcutEvent*>(event)->shortcutId();
        for (size_t k = 0; k < kPlanKeys.size(); ++k) {
            if (planKeys_[k] != id) continue;
            (this->*kPlanKeys[k].press)();
            return true;
        }
    }
    return QWidget::event(event);
}

void TForm1::PastePlan() {
    if (!BenchFreeFor(BenchInput::Paste, "No plan pasted: ")) return;
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

void TForm1::ListMadeItems() {
    keptItems_ = journal_.Items();
    ShowListing(ListKeptItems(keptItems_), "Items made");
    TellJournalProblem();
}

void TForm1::PickKept(const RowPick& pick) {
    // Picked by their place in the list, not by a name.
    const auto at = static_cast<size_t>(pick.index);
    const std::string* sheet = nullptr;
    if (pick.kind == PickKind::MadeItem && at < keptItems_.size()) sheet = &keptItems_[at].plan;
    if (pick.kind == PickKind::KeptPlan && at < keptPlans_.size()) sheet = &keptPlans_[at].plan;
    if (sheet == nullptr) return;
    if (!BenchFreeFor(BenchInput::Paste, "No plan put back: ")) return;
    // A sheet that no longer reads (a catalog entry renamed since) is refused
    // as a paste of it would be.
    const WorkbenchSnapshot before = CaptureWorkbench(catalogs_, workshop_);
    const SheetReading reading = ReadItemSheet(catalogs_, before, *sheet);
    if (!reading.plan) {
        ShowPlanMessage("No plan put back: " + reading.error);
        return;
    }
    PutPlanOnBench(before, *reading.plan);
}

void TForm1::PutPlanOnBench(const WorkbenchSnapshot& before, const WorkbenchSnapshot& plan) {
    history_.Record(before, plan);
    RestoreWorkbench(plan, catalogs_, workshop_);
    Print_OutPut();
}

bool TForm1::BenchFreeFor(BenchInput input, const char* refusal) {
    switch (AnswerTo(input, workshop_)) {
        case BenchAnswer::Change:
            return true;
        case BenchAnswer::BeingMade:
            ShowPlanMessage(kBenchBeingMade);
            return false;
        case BenchAnswer::UntilNamed:
            ShowPlanMessage(refusal + std::string(kBenchTaken));
            return false;
        case BenchAnswer::Nothing:
            return false;
    }
    return false;
}

void TForm1::ShowPlanMessage(const std::string& message) { ShowPaneMessage(ToQt(message)); }

void TForm1::ShowPaneMessage(const QString& message) {
    // What Delete asked, or Ctrl+Z would bring back, is asked no more.
    deleting_ = 0;
    removed_.reset();
    if (planMessage_ == nullptr) planMessage_ = new PaneMessage(strip_);
    if (!strip_->Shows(planMessage_)) paneDescription_ = RichEdit1->accessibleDescription();
    planMessage_->SetMessage(message);
    strip_->Show(planMessage_, false);
    AnnounceDescription(RichEdit1, message);
}
