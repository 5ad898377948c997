// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop journal in the window: each item made kept as it joins the
// items made; Ctrl+S keeping the bench's plan by name from the field below
// the pane; Ctrl+O listing the plans kept; Delete removing one, and Ctrl+Z
// right after bringing it back; and what keeps the journal's file from being
// used, said once below the pane.
#include "app/tform1.h"
#include "journal/kept_lists.h"
#include "ui/keep_plan_field.h"
#include "ui/pane_message.h"
#include "ui/pane_strip.h"
#include "workshop/bench/item_sheet.h"

namespace {

// The name Ctrl+S offers: the base item and the first enchantment.
std::string ProposedName(const WorkbenchSnapshot& bench) {
    std::string name = bench.BaseItemName;
    for (const TMagicItemKest& slot : bench.Slots) {
        if (slot.Name.empty()) continue;
        name += (name.empty() ? "" : " with ") + SheetSlotLabel(slot);
        break;
    }
    return name;
}

}  // namespace

void TForm1::WireJournal() {
    // Ctrl+S and Ctrl+O are the plans' keys (WirePlans).
    makingLog_.OnMade([this](const MadeItem& item) { KeepMadeItem(item); });
    // Delete in the pane; in a text box it deletes text.
    connect(RichEdit1, &OutputPane::deleteKey, this, &TForm1::DeleteKeptPlan);
}

void TForm1::SetJournalFile(const std::string& file) { journal_.UseFile(file); }

void TForm1::KeepMadeItem(const MadeItem& item) {
    journal_.KeepItem(item);
    TellJournalProblem();
}

void TForm1::OpenKeepPlan() {
    journal_.Open();
    // A journal that cannot be used says so first; the next Ctrl+S keeps the
    // plan for this run.
    if (TellJournalProblem()) return;
    // Open already: what was typed stays.
    if (strip_->Shows(keepPlanField_)) {
        keepPlanField_->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    if (keepPlanField_ == nullptr) {
        keepPlanField_ = new KeepPlanField(strip_);
        connect(keepPlanField_, &KeepPlanField::keep, this, &TForm1::KeepPlanFromField);
        connect(keepPlanField_, &KeepPlanField::closed, this, [this] { strip_->Close(true); });
    }
    keepPlanField_->Propose(ProposedName(CaptureWorkbench(catalogs_, workshop_)));
    strip_->Show(keepPlanField_, true);
}

void TForm1::KeepPlanFromField() {
    const std::string name = keepPlanField_->Name();
    const WorkbenchSnapshot plan = CaptureWorkbench(catalogs_, workshop_);
    if (name.empty() || !journal_.KeepPlan(name, plan, keepPlanField_->ReplaceConfirmed())) {
        if (name.empty()) {
            keepPlanField_->Refuse(QStringLiteral("a plan needs a name"));
        } else {
            keepPlanField_->AskToReplace();
        }
        // The strip makes room for a question that takes two lines.
        strip_->Show(keepPlanField_, false);
        return;
    }
    strip_->Close(true);
    if (listed_.shown == ShownList::KeptPlans) ShowKeptPlans();
    if (!TellJournalProblem()) ShowPlanMessage("Plan kept as '" + name + "'");
}

void TForm1::ShowKeptPlans() {
    keptPlans_ = journal_.Plans();
    ShowListing(ListKeptPlans(keptPlans_), "Plans kept");
    TellJournalProblem();
}

void TForm1::ShowKeptPlansAt(int64_t id) {
    ShowKeptPlans();
    int line = 0;
    for (size_t row = 0; row < listed_.rows.size(); ++row) {
        const RowPick& pick = listed_.rows[row].pick;
        if (pick.kind != PickKind::KeptPlan || listed_.rows[row].kind != RowKind::Entry) continue;
        line = static_cast<int>(row);
        if (keptPlans_[static_cast<size_t>(pick.index)].id >= id) break;
    }
    RichEdit1->PutCaret(line, 0);
}

void TForm1::DeleteKeptPlan() {
    if (listed_.shown != ShownList::KeptPlans) return;
    const size_t row = CatalogLineOf(static_cast<size_t>(RichEdit1->CaretLine()));
    const RowPick pick = row < listed_.rows.size() ? listed_.rows[row].pick : RowPick{};
    if (pick.kind != PickKind::KeptPlan) return;
    const KeptPlan plan = keptPlans_.at(static_cast<size_t>(pick.index));
    if (deleting_ != plan.id || !strip_->Shows(planMessage_)) {
        ShowPlanMessage("Delete again to remove '" + plan.name + "'");
        deleting_ = plan.id;
        return;
    }
    std::optional<KeptPlan> removed = journal_.RemovePlan(plan.id);
    // The caret goes on to the plan after it.
    ShowKeptPlansAt(plan.id);
    // None when another window removed it first: the list shows it gone.
    if (!removed) return;
    ShowPlanMessage("Removed '" + plan.name + "': Ctrl+Z brings it back");
    removed_ = std::move(removed);
}

bool TForm1::BringBackRemovedPlan() {
    if (!removed_ || !strip_->Shows(planMessage_)) return false;
    const KeptPlan plan = std::move(*removed_);
    removed_.reset();
    const bool back = journal_.RestorePlan(plan);
    ShowKeptPlansAt(plan.id);
    if (!back)
        ShowPlanMessage("'" + plan.name + "' is not brought back: a plan of that name is kept");
    return true;
}

bool TForm1::TellJournalProblem() {
    const JournalProblem problem = journal_.TakeProblem();
    if (problem == JournalProblem::None) return false;
    const QString message = QStringLiteral("Nothing will be kept this run: the journal '") +
                            QString::fromUtf8(journal_.File().c_str()) + QStringLiteral("' ") +
                            QString::fromLatin1(ProblemText(problem));
    // Said once the input is done with the pane and the strip (a making's
    // last week, for one, closes a message as it ends).
    QMetaObject::invokeMethod(
        this, [this, message] { ShowPaneMessage(message); }, Qt::QueuedConnection);
    return true;
}
