// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop's handlers: picking from the pane, the item sheet, making an
// item week by week, and random treasure.
#include "app/tform1.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include "random/random_item.h"
#include "ui/accessible_controls.h"
#include "ui/pane_message.h"
#include "ui/pane_strip.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/bench/picking.h"
#include "workshop/lists/enchantment_list.h"
#include "workshop/making/making.h"
#include "workshop/plans/making_log.h"

namespace {

// The least time between two news of a running making's report.
constexpr int kReportNewsMs = 400;

}  // namespace

int32_t TForm1::GetEnchant(bool enabled) { return ::GetEnchant(random_, enabled); }

void TForm1::UnRectify_Magic_Item_list(int32_t index) {
    ::UnRectify_Magic_Item_list(catalogs_, workshop_, index);
}

void TForm1::Rectify_Magic_Item_list(int32_t index) {
    ::Rectify_Magic_Item_list(catalogs_, workshop_, index);
}

void TForm1::Print_OutPut() {
    const std::vector<std::string> before = ListBox1->Lines();
    ListBox1->Clear();
    for (const std::string& line : BuildItemSheet(catalogs_, workshop_)) ListBox1->AddLine(line);
    ApplyMoment();
    // A screen reader reads the new totals of a sheet that changed.
    if (ListBox1->Lines() != before) ListBox1->AnnounceTotals();
}

void TForm1::Update_OutPut() { ShowMakingReport(BuildMakingReport(catalogs_, workshop_)); }

void TForm1::ShowMakingReport(const std::vector<std::string>& lines) {
    // The place found that the caret is on keeps its number across the redraw.
    const std::optional<size_t> place = FoundAtCaret();
    // The report's own headers, in place of those of the list it replaces
    // (also a list shown between two weeks of a making).
    if (!listed_.lines.empty()) ShowHeaders(MakingReportHeader());
    RichEdit1->SetLines(lines);
    // A screen reader hears of the report when it takes the place of a list;
    // a week's update of the report is no news.
    const QString report = QStringLiteral("Making report");
    if (RichEdit1->accessibleName() != report) AnnounceName(RichEdit1, report);
    // The report's lines go in without a reset of the view: the caret is left
    // after the last one, as with the lists that keep no reset.
    RichEdit1->MoveCaretToEnd();
    // The making report is no list: nothing in it can be picked or sorted.
    workshop_.shown = ShownList::None;
    EndSort();
    listed_ = Listing{};
    analysisDX_.reset();
    // An open find field marks the places in the report as it now reads,
    // and the caret goes back to the place it was on where that still exists.
    FindAgainAfterRedraw(place);
}

void TForm1::RichEdit1MouseDown(Qt::MouseButton button) {
    // A pick ends what was typed to find its line.
    typeAhead_.End();
    // Select the first 28 characters of the clicked line and leave them
    // selected; the row shown on the line they start on is picked.
    RichEdit1->SetSelStart(PickLineStart(RichEdit1->SelStart()));
    RichEdit1->SetSelLength(kPickTextLength);
    const int line =
        RichEdit1->document()->findBlock(RichEdit1->textCursor().selectionStart()).blockNumber();
    const size_t row = CatalogLineOf(static_cast<size_t>(std::max(0, line)));
    const RowPick pick = row < listed_.rows.size() ? listed_.rows[row].pick : RowPick{};
    if (workshop_.shown == ShownList::MadeItems || workshop_.shown == ShownList::KeptPlans) {
        PickKept(pick);
        return;
    }
    const WorkbenchSnapshot before = CaptureWorkbench(catalogs_, workshop_);
    PickOutcome outcome = PickOutcome::Picked;
    if (pick.kind == PickKind::HoardItem) {
        if (!BenchFreeFor(BenchInput::Plan)) return;
        PutHoardItem(hoard_.at(static_cast<size_t>(pick.index)), catalogs_, workshop_);
    } else {
        outcome = PickFromPane(catalogs_, workshop_, pick, button == Qt::RightButton);
        // A pick that would change the bench it may not change is taken back
        // whole; one that changes nothing is no news.
        if (CaptureWorkbench(catalogs_, workshop_) != before && !BenchFreeFor(BenchInput::Plan)) {
            RestoreWorkbench(before, catalogs_, workshop_);
            return;
        }
    }
    RecordWorkbenchChange(before);
    Print_OutPut();
    // The rules are right to refuse a sixth enchantment; the user is told.
    if (outcome == PickOutcome::SlotsFull && BenchFreeFor(BenchInput::Plan)) {
        ShowPlanMessage("All five slots are taken: take one off first");
    }
}

void TForm1::Button_RandomClick() {
    // Shift held with the mouse's click asks for a hoard instead.
    if (Button_Random->ClickModifiers() & Qt::ShiftModifier) {
        OpenHoard();
        return;
    }
    if (!BenchFreeFor(BenchInput::Plan)) return;
    strip_->Close(false);
    const WorkbenchSnapshot before = CaptureWorkbench(catalogs_, workshop_);
    MakeRandomItem(catalogs_, workshop_, random_);
    RecordWorkbenchChange(before);
    Print_OutPut();
}

void TForm1::Button_MakeClick() {
    strip_->Close(false);
    if (Moment() == WindowMoment::Planning) {
        MakeItem(catalogs_, workshop_, makingLog_);
        Update_OutPut();
    } else {
        ShowMakingReport(NameItem(catalogs_, workshop_, makingLog_, Edit1->Text()));
    }
    ApplyMoment();
}

void TForm1::Timer1Timer() {
    const WindowMoment before = Moment();
    const bool wasMaking = workshop_.Making;
    if (LoggedMakingWeek(catalogs_, workshop_, random_, makingLog_)) {
        // A week's redraw is no news by itself: a screen reader hears of the
        // report a few times a second at most, and once when it is done.
        const MutedAccessibleEvents muted(RichEdit1);
        Update_OutPut();
        if (reportNews_ == nullptr) {
            // Made at the first week, so that starting the program costs nothing.
            reportNews_ = new QTimer(this);
            reportNews_->setSingleShot(true);
            reportNews_->setInterval(kReportNewsMs);
            connect(reportNews_, &QTimer::timeout, this, &TForm1::AnnounceReport);
        }
        if (!reportNews_->isActive()) reportNews_->start();
    }
    if (wasMaking && !workshop_.Making) {
        AnnounceReport();
        // The bench is free again: a refusal below the pane is old news.
        if (planMessage_ != nullptr) strip_->CloseIfShown(planMessage_, false);
    }
    // The last week ends the making: from making to naming, or, for an item
    // named before its end, with no other change than the timer's stop.
    if (Moment() != before) {
        ApplyMoment();
    } else {
        UpdateTimer();
    }
}

void TForm1::AnnounceReport() {
    if (reportNews_ != nullptr) reportNews_->stop();
    // The report as it reads now, by its total line, as the sheet tells its own.
    const std::vector<std::string>& report = RichEdit1->Lines();
    AnnounceDescription(RichEdit1, report.empty() ? QString() : ToQt(report.back()));
}
