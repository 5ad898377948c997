// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "catalog/catalog_table.h"
#include "catalog/listing.h"
#include "dice/random_source.h"
#include "journal/workshop_journal.h"
#include "random/hoard_list.h"
#include "ui/column_header.h"
#include "ui/controls.h"
#include "ui/find_field.h"
#include "ui/output_pane.h"
#include "ui/sheet_list.h"
#include "ui/up_down.h"
#include "workshop/bench/window_moment.h"
#include "workshop/bench/workbench_history.h"
#include "workshop/bench/workshop_state.h"
#include "workshop/lists/every_list_search.h"
#include "workshop/lists/line_search.h"
#include "workshop/lists/list_sort.h"
#include "workshop/plans/making_log.h"

class CountField;
class KeepPlanField;
class PaneMessage;
class PaneStrip;

// The program's one window. It owns the controls, made from one table of
// them, and the catalog table, and wires every event to its handler; the
// handlers are thin and leave the lists, the rules and the simulation to the
// core.
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    std::string GetDiceText(int32_t dice, int32_t adds) const;
    int32_t GetEnchant(bool enabled);
    void UnRectify_Magic_Item_list(int32_t index);
    void Rectify_Magic_Item_list(int32_t index);
    void Print_OutPut();
    void Update_OutPut();
    void FormCreate();
    void RichEdit1MouseDown(Qt::MouseButton button);
    void FormDestroy();
    void Button_WeaponClick();
    void Button_EquipmentClick();
    void Button_ScrollClick();
    void Button_Spell_BookClick();
    void Button_GemClick();
    void Button_JewelryClick();
    void Button_CarpetClick();
    void Button_FaunaClick();
    void Button9_EnchantClick();
    void FormMouseMove(Qt::KeyboardModifiers shift, int x, int y);
    void Button_PotionClick();
    void Button_JobClick();
    void Button_RandomClick();
    void FormResize();
    void Button_AnalyzeClick();
    void Button_MakeClick();
    void Timer1Timer();
    void UpDown1Click(UpDown::Arrow button);

    // While held (by the scripted driver), the making timer never runs by
    // itself; weeks then pass only when the driver ticks.
    void SetTimerHeld(bool held);
    bool TimerHeld() const { return timerHeld_; }
    // Whether the window runs its making timer (when no driver holds it):
    // exactly while a making runs.
    bool TimerWanted() const { return workshop_.Making; }

    // Planning, making or naming: what the Make button, the undo keys and
    // the tooltips do depends on it, and every one of them asks here.
    WindowMoment Moment() const { return MomentOf(workshop_); }

    // Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y: the workbench back to before the last
    // pick that changed it or the last random item, and forward again. The
    // sheet is rebuilt as after a pick; the pane and the catalogs stay.
    // While planning only: while a making runs they say why not, and while
    // the name waits they do nothing.
    void UndoWorkbench();
    void RedoWorkbench();
    // Ctrl+Shift+C: every line of the item sheet to the clipboard.
    void CopySheet();

    // Finding text in the pane (tform1_find.cpp). Ctrl+F opens the find
    // field over the pane's bottom edge; F3 and Shift+F3 (Enter and
    // Shift+Enter in the field) go to the next and the previous place, also
    // with the field closed; Esc closes it and leaves the caret on the place
    // found, for Enter to pick. None of it picks or changes the workbench.
    void OpenFind();
    void FindNext(bool forward);
    // Ctrl+Shift+F: the find field marked "in every list". What is typed
    // lists in the pane every line of every catalog list that holds it, each
    // list's under its heading, the places marked; Enter goes to the first
    // place, on the first line found. The lines pick, sort, copy and find as
    // any list; Ctrl+F finds within them, and whatever closes the field ends
    // the finding in every list (the lines found stay on show).
    void OpenFindInEveryList();
    // What the find field shows: whether it is open, its text, the number
    // of the place the caret is on (from 1; 0 when on none) and the places.
    struct FindStatus {
        bool shown = false;
        std::string text;
        int current = 0;
        int count = 0;
    };
    FindStatus FindState() const;

    // A left press on header label `header` (0..8): sorts the list on show
    // by that label's column, reverses the sort, or goes back to catalog
    // order (tform1_sort.cpp). The workbench stays as it is.
    void ColumnHeaderPress(int header);
    // The line's place in the list as it was listed; a sorted list maps it back.
    size_t CatalogLineOf(size_t shownLine) const;
    // Rolling a hoard (tform1_hoard.cpp). Shift with a press of Random, or
    // Shift+Alt+R, opens the hoard field where the find field opens: "Roll
    // [10] items". Enter rolls that many items, each as Random rolls one, and
    // lists them in the pane; the bench stays as it was. A pick on an item's
    // line (or its note lines) puts the item on the bench as it was rolled.
    // Esc closes the field, and the focus goes back as from the find field.
    // The field also takes a worth ("$5,000"): items are rolled as for a
    // count and kept while their total stays within it (tform1_hoard.cpp).
    void OpenHoard();
    // Sharing a hoard among the party (tform1_shares.cpp). With a hoard on
    // show, Shift+Alt+S opens the share field in the strip below the pane:
    // "Share among [4]". Enter lists the hoard's items again as that many
    // shares, each under its heading, for picks, sorting and copying as in
    // the hoard; the bench stays as it was. Esc closes the field and leaves
    // the shares on show; a list command ends them.
    void OpenShares();
    // Keeping plans (tform1_plans.cpp). Ctrl+V puts the plan of an item
    // sheet copied to the clipboard on the bench, as one undo step; from
    // Make until the name is stored (and while a making runs), or for
    // anything but a sheet, it is refused with a message below the pane, and
    // nothing changes. Ctrl+H
    // lists the items made and named, as the journal keeps them; a pick on
    // one of them puts its plan back on the bench, as Ctrl+V would.
    void PastePlan();
    void ListMadeItems();
    // The workshop journal (tform1_journal.cpp), which keeps the items made
    // and the plans kept between runs: in memory unless a file is set before
    // its first use (the program's data folder or --journal; the driver's
    // `journal FILE`). Ctrl+S opens the field "Keep plan as [name]" below the
    // pane, whose Enter keeps the bench's plan under the name; Ctrl+O lists
    // the plans kept, whose pick puts a plan on the bench as Ctrl+V would;
    // Delete on a plan's line, pressed twice, removes it, and Ctrl+Z right
    // after brings it back. A journal that cannot be used is said once below
    // the pane; the window then keeps this run's entries in memory.
    void SetJournalFile(const std::string& file);
    void OpenKeepPlan();
    void ShowKeptPlans();
    // Shift with a press of Analyze, or Shift+Alt+A: the analysis at the DX
    // the making uses (tform1_analysis.cpp). While it is on show, a step of
    // the spinner lists it again at the new DX, keeping its sort and the
    // caret's item.
    void ShowAnalysisAtDX();

    const CatalogTable& Catalogs() const { return catalogs_; }
    const WorkshopState& Workshop() const { return workshop_; }
    DrawSource& Random() { return random_; }

protected:
    // The plans' keys, which the window grabs itself (tform1_plans.cpp).
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // One row of the table of controls (tform1_controls.cpp).
    struct ControlDesign;
    // Every control of the window, described once: the window builds, wires
    // and tips each from its row.
    static const ControlDesign kControls[];

    void BuildControls();
    // Makes one control as its row describes it, keeps it in its member and
    // wires its event to its handler; a control that takes the focus joins
    // the tab order.
    template <class Control>
    void BuildControl(const ControlDesign& design, Control*& control,
                      std::vector<QWidget*>& focusable);
    // The look of the window in its moment: the Make button's caption and
    // tooltip, the name box or the spinner, the DX label, the forecast
    // tooltips and the making timer. Called after every change of the
    // moment, the bench or the DX; the handlers change only the state.
    void ApplyMoment();
    void WireKeys();
    // A copy of the pane's lines first..last as an HTML table (none for the
    // making report).
    QString ListTable(int first, int last) const;
    // Enter and Shift+Enter in the pane: a left or right press on the
    // character at the caret.
    void RichEdit1KeyPick(Qt::MouseButton button);
    // Keeps the workbench as it was before a change as an undo step, when
    // the change changed anything.
    void RecordWorkbenchChange(const WorkbenchSnapshot& before);
    // Puts a making report in the pane in place of a list.
    void ShowMakingReport(const std::vector<std::string>& report);
    // Shows a list: header labels, the lines in one batch, and the view back
    // at the top where the list asks for it.
    void ShowListing(Listing listing);
    // The same, and the pane takes the list's name for assistive technology,
    // which hears of the new list (tform1_accessibility.cpp).
    void ShowListing(Listing listing, const char* paneName);
    // A catalog list, as its button shows it.
    void ShowCatalogList(ShownList shown);
    // Installs the accessible interfaces of the window's own controls; must
    // run before any control exists.
    static void InstallAccessibility();
    // The header labels above the pane take a list's (or the report's)
    // places and captions.
    void ShowHeaders(const ListHeader& headers);
    // Runs the making timer exactly while a making runs.
    void UpdateTimer();
    // Tells a screen reader of the making report as it reads now.
    void AnnounceReport();
    void WireFind();
    bool FindOpen() const;
    bool FindsEveryList() const;
    // Opens the find field, finding in the pane or in every list.
    void ShowFindField(bool everyList);
    // The field's text found in every list, in the pane.
    void ListFoundInEveryList();
    // The places of the field's text in the pane; finding in every list
    // leaves out the headings and the count.
    std::vector<TextMatch> PlacesOfText() const;
    // Whether a line on show is a heading or a count, which pick nothing.
    bool HeadsOrCounts(size_t shownLine) const;
    // What closing a part of the strip below the pane ends: the find field's
    // marks, the message's description of the pane.
    void StripPartClosed(QWidget* part);
    // Finds the field's text anew and marks it; moves the caret to the
    // first place at or after it when asked.
    void RefreshFound(bool moveCaret);
    void GoToFound(size_t index);
    // The number of the found place the caret is on, from 0.
    std::optional<size_t> FoundAtCaret() const;
    // After the making report is redrawn: the places found anew, and the
    // caret back on the place it was on where that still exists.
    void FindAgainAfterRedraw(std::optional<size_t> place);
    void WireHoard();
    bool HoardOpen() const;
    // Enter in the hoard field: a hoard of the count typed, or the count
    // refused when it is none the field takes.
    void RollHoardFromField();
    void WireShares();
    bool SharesOpen() const;
    // Enter in the share field: the hoard on show as that many shares, or
    // the count refused.
    void ShareHoardFromField();
    // Where the caret is, as a place in the pane's lines.
    TextMatch CaretPlace() const;
    // Type to jump: the caret to a line of the list starting with the typed
    // characters.
    void TypeToJump(const QString& text, quint64 timestampMs);
    void JumpTo(const TypeAhead::Search& search);
    // Sorting the list on show by a column (tform1_sort.cpp).
    void WireSort();
    // Ctrl+1 to Ctrl+9 in the pane: a press on the header of the list's
    // first to ninth column, counted from the left.
    void SortByColumnKey(int column);
    // The list on show in the order sort_ asks, the view at its top.
    void ShowSorted();
    // The headers' arrows, tooltips and descriptions for sort_.
    void ShowSortState(const std::string& state);
    // Back to no sort, when the pane shows something else.
    void EndSort();
    std::array<ColumnHeader*, 9> Headers() const;
    void WirePlans();
    void WireAnalysisAtDX();
    // The analysis at the DX on show lists itself again at the DX now kept.
    void AnalysisFollowsDX();
    // A press on a line of the items made or the plans kept: its plan onto
    // the bench, read from its sheet.
    void PickKept(const RowPick& pick);
    void WireJournal();
    void KeepMadeItem(const MadeItem& item);
    void KeepPlanFromField();
    void DeleteKeptPlan();
    // Ctrl+Z while the message of a plan just removed shows: the plan back.
    bool BringBackRemovedPlan();
    // The plans kept in the pane, the caret on the line of the plan numbered id.
    void ShowKeptPlansAt(int64_t id);
    // What keeps the journal's file from being used, below the pane, once.
    bool TellJournalProblem();
    // The plan on the bench in place of before, as one undo step.
    void PutPlanOnBench(const WorkbenchSnapshot& before, const WorkbenchSnapshot& plan);
    // Why a plan was not put on the bench, or a pick changed nothing, below
    // the pane and told to a screen reader as the pane's description; closed
    // by the next change of the bench, the moment or the list, or by the
    // find field.
    void ShowPlanMessage(const std::string& message);
    // The same for a text that is no Latin-1 (a file's name).
    void ShowPaneMessage(const QString& message);
    // Whether the input may change the bench now; when it may not, says why
    // as a refused paste does (undo while the name waits does nothing).
    // refusal starts the message of a plan refused while the name waits.
    bool BenchFreeFor(BenchInput input, const char* refusal = "");

    // The controls, named as on the form. Tests and scripts find them by
    // these names (ui/control_names.h).
    std::array<Label*, 13> Labels() const;
    ColumnHeader* Label1 = nullptr;
    ColumnHeader* Label2 = nullptr;
    ColumnHeader* Label3 = nullptr;
    ColumnHeader* Label4 = nullptr;
    ColumnHeader* Label5 = nullptr;
    ColumnHeader* Label6 = nullptr;
    ColumnHeader* Label7 = nullptr;
    ColumnHeader* Label8 = nullptr;
    ColumnHeader* Label9 = nullptr;
    Label* Label10 = nullptr;
    Label* Label11 = nullptr;
    Label* Label12 = nullptr;
    Label* Label13 = nullptr;
    OutputPane* RichEdit1 = nullptr;
    SheetList* ListBox1 = nullptr;
    CommandButton* Button_Weapon = nullptr;
    CommandButton* Button_Equipment = nullptr;
    CommandButton* Button_Scroll = nullptr;
    CommandButton* Button_Spell_Book = nullptr;
    CommandButton* Button_Gem = nullptr;
    CommandButton* Button_Jewelry = nullptr;
    CommandButton* Button_Carpet = nullptr;
    CommandButton* Button_Fauna = nullptr;
    CommandButton* Button9_Enchant = nullptr;
    CommandButton* Button_Potion = nullptr;
    CommandButton* Button_Job = nullptr;
    CommandButton* Button_Random = nullptr;
    CommandButton* Button_Analyze = nullptr;
    CommandButton* Button_Make = nullptr;
    UpDown* UpDown1 = nullptr;
    NameBox* Edit1 = nullptr;
    QTimer* Timer1 = nullptr;

    CatalogTable catalogs_;
    WorkshopState workshop_;
    DrawSource random_;
    WorkbenchHistory history_;
    bool timerHeld_ = false;
    // While a making runs, the report's news waits for this, so that a screen
    // reader hears of it a few times a second, not every week.
    QTimer* reportNews_ = nullptr;
    PaneStrip* strip_ = nullptr;      // below the pane: a field or a message at a time
    FindField* findField_ = nullptr;  // made at the first Ctrl+F
    std::string findText_;            // the last text searched for
    std::vector<TextMatch> found_;
    // The last find field opened was the one in every list: its places are
    // on the lines found only, with the field open or closed.
    bool findsOnFoundLines_ = false;
    std::vector<NamedListing> everyList_;  // the lists finding in every list reads while it runs
    TypeAhead typeAhead_;
    Listing listed_;  // the list on show as it was listed; no lines while the report shows
    ListSort sort_;
    std::vector<size_t> catalogLineOf_;  // a sorted list's shown lines: their lines as listed
    CountField* hoardField_ = nullptr;   // made at the first Shift+Random
    int32_t hoardCount_ = 10;            // the count last rolled, offered again
    QString hoardWorth_;                 // the worth, when one was rolled last
    std::vector<HoardItem> hoard_;       // the hoard on show or last shown, for picks
    CountField* shareField_ = nullptr;   // made at the first Shift+Alt+S
    int32_t shareCount_ = 4;             // the shares last asked for, offered again
    MakingLog makingLog_;                // the item being made and the items made this run
    // The DX of the analysis at a DX on show; none while the pane shows
    // anything else.
    std::optional<int32_t> analysisDX_;
    PaneMessage* planMessage_ = nullptr;  // made at the first refusal
    QString paneDescription_;             // the pane's, for when the message closes

    // The workshop journal, opened at its first use, and what its lists show.
    WorkshopJournal journal_{{}};
    std::vector<KeptItem> keptItems_;         // the items made on show or last shown, for picks
    std::vector<KeptPlan> keptPlans_;         // the plans kept on show or last shown
    KeepPlanField* keepPlanField_ = nullptr;  // made at the first Ctrl+S
    int64_t deleting_ = 0;                    // the plan Delete asked about, while it asks
    std::optional<KeptPlan> removed_;         // the plan just removed, while Ctrl+Z brings it back
    std::array<int, 4> planKeys_{};           // the ids of the keys WirePlans grabbed
};
