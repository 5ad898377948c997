// SPDX-License-Identifier: GPL-3.0-or-later
#include "journal/workshop_journal.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <utility>

#include "journal/sqlite_store.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/plans/made_items.h"
#include "workshop/plans/sheet_text.h"

namespace {

int64_t SystemClock() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// Problems where what the file holds is sound and can still be read.
bool Salvageable(JournalProblem problem) {
    return problem == JournalProblem::ReadOnlyFile || problem == JournalProblem::ReadOnlyFolder ||
           problem == JournalProblem::Full || problem == JournalProblem::Unwritable;
}

}  // namespace

WorkshopJournal::WorkshopJournal(Settings settings) : settings_(std::move(settings)) {
    if (!settings_.clock) settings_.clock = [] { return SystemClock(); };
}

WorkshopJournal::~WorkshopJournal() = default;

void WorkshopJournal::UseFile(std::string file) {
    settings_.file = std::move(file);
    store_.reset();
    problem_ = JournalProblem::None;
    problemTold_ = false;
}

void WorkshopJournal::Open() {
    if (store_ != nullptr) return;
    if (settings_.file.empty()) {
        store_ = std::make_unique<MemoryStore>();
        return;
    }
    auto file = std::make_unique<SqliteStore>(settings_.file, settings_.busyTimeoutMs);
    try {
        file->Connect();
        store_ = std::move(file);
    } catch (const JournalFailure& failure) {
        FallBack(failure.problem, file.get());
    }
}

void WorkshopJournal::FallBack(JournalProblem problem, JournalStore* salvage) {
    std::unique_ptr<MemoryStore> memory;
    if (salvage != nullptr && Salvageable(problem)) {
        try {
            memory = std::make_unique<MemoryStore>(salvage->Items(), salvage->Plans());
        } catch (const JournalFailure&) {
        }
    }
    store_ = memory != nullptr ? std::move(memory) : std::make_unique<MemoryStore>();
    problem_ = problem;
}

template <class Operation>
auto WorkshopJournal::Run(Operation operation) {
    Open();
    try {
        return operation(*store_);
    } catch (const JournalFailure& failure) {
        // Only a store on a file fails; the one in memory never does.
        std::unique_ptr<JournalStore> file = std::move(store_);
        FallBack(failure.problem, file.get());
        return operation(*store_);
    }
}

JournalProblem WorkshopJournal::TakeProblem() {
    if (problemTold_) return JournalProblem::None;
    problemTold_ = problem_ != JournalProblem::None;
    return problem_;
}

std::vector<KeptItem> WorkshopJournal::Items() {
    return Run([](JournalStore& store) { return store.Items(); });
}

void WorkshopJournal::KeepItem(const MadeItem& item) {
    KeptItem kept;
    kept.name = item.name;
    kept.baseItem = item.plan.BaseItemName;
    kept.plan = CopiedSheetText(BuildPlanSheet(item.plan));
    kept.money = item.money;
    kept.weeks = item.weeks;
    kept.dx = item.dx;
    kept.made = settings_.clock();
    Run([&](JournalStore& store) { store.AddItem(kept); });
}

std::vector<KeptPlan> WorkshopJournal::Plans() {
    return Run([](JournalStore& store) { return store.Plans(); });
}

bool WorkshopJournal::KeepPlan(const std::string& name, const WorkbenchSnapshot& plan,
                               bool replace) {
    KeptPlan kept;
    kept.name = name;
    kept.baseItem = plan.BaseItemName;
    for (const TMagicItemKest& slot : plan.Slots) {
        if (!slot.Name.empty()) kept.enchantments.push_back(SheetSlotLabel(slot));
    }
    const PlanTotals totals = TotalsOfPlan(plan);
    kept.price = totals.price;
    kept.weeks = totals.weeks;
    kept.plan = CopiedSheetText(BuildPlanSheet(plan));
    kept.kept = settings_.clock();
    return Run([&](JournalStore& store) { return store.PutPlan(kept, replace); });
}

std::optional<KeptPlan> WorkshopJournal::RemovePlan(int64_t id) {
    return Run([&](JournalStore& store) { return store.RemovePlan(id); });
}

bool WorkshopJournal::RestorePlan(const KeptPlan& plan) {
    return Run([&](JournalStore& store) { return store.RestorePlan(plan); });
}

std::string DateText(int64_t secondsSince1970) {
    const auto time = static_cast<std::time_t>(secondsSince1970);
    std::tm local{};
    localtime_r(&time, &local);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday);
    return text;
}
