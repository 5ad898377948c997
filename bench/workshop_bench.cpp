// SPDX-License-Identifier: GPL-3.0-or-later
// The workshop's operations without the window: a pick, a random item, one
// simulated week, a forecast of a making, an undo step, sorting the creatures
// by a column, in microseconds; and a whole hoard of random treasure, rolled
// and listed.
#include <benchmark/benchmark.h>

#include "catalog/catalog_table.h"
#include "catalog/fauna.h"
#include "catalog/magic_item.h"
#include "dice/random_source.h"
#include "random/hoard.h"
#include "random/hoard_list.h"
#include "random/random_item.h"
#include "workshop/bench/combination_rules.h"
#include "workshop/bench/item_sheet.h"
#include "workshop/bench/picking.h"
#include "workshop/bench/workbench_history.h"
#include "workshop/lists/enchantment_list.h"
#include "workshop/lists/list_sort.h"
#include "workshop/making/forecast.h"
#include "workshop/making/making.h"

namespace {

CatalogTable& Table() {
    static CatalogTable* table = [] {
        auto* built = new CatalogTable;
        built->Build();
        return built;
    }();
    return *table;
}

void EmptyBench(CatalogTable& table) {
    for (int k = 1; k <= entries::kSlotCount; ++k) table.EditSlot(k).Assign(table.BlankItem());
}

// A click on "Blur" in the enchantment list, then the sheet rebuilt: puts it
// on and takes it off in turn.
// The pick of the list row named `name`, as a click on its line picks it.
RowPick PickOf(const Listing& listing, const std::string& name) {
    for (const ListRow& row : listing.rows) {
        if (!row.cells.empty() && row.cells[0].text == name) return row.pick;
    }
    return {};
}

void BM_PickEnchantment(benchmark::State& state) {
    CatalogTable& table = Table();
    EmptyBench(table);
    WorkshopState workshop;
    const RowPick blur = PickOf(ListEnchantments(table), "Blur");
    for (auto _ : state) {
        PickFromPane(table, workshop, blur, false);
        benchmark::DoNotOptimize(BuildItemSheet(table, workshop));
    }
}
BENCHMARK(BM_PickEnchantment)->Unit(benchmark::kMicrosecond);

// A click on a creature line of the fauna list: the longest scan.
void BM_PickCreature(benchmark::State& state) {
    CatalogTable& table = Table();
    WorkshopState workshop;
    const RowPick unicorn = PickOf(ListFauna(table), " unicorn horse");
    for (auto _ : state) {
        PickFromPane(table, workshop, unicorn, false);
        benchmark::DoNotOptimize(BuildItemSheet(table, workshop));
    }
}
BENCHMARK(BM_PickCreature)->Unit(benchmark::kMicrosecond);

void BM_RandomItem(benchmark::State& state) {
    CatalogTable& table = Table();
    WorkshopState workshop;
    ClockRandom random;
    for (auto _ : state) {
        MakeRandomItem(table, workshop, random);
        benchmark::DoNotOptimize(BuildItemSheet(table, workshop));
    }
}
BENCHMARK(BM_RandomItem)->Unit(benchmark::kMicrosecond);

// The largest hoard the game master can ask for, 1,000 items, rolled from the
// program's own source and listed: it must stay under 100 ms.
void BM_RollAndListHoard(benchmark::State& state) {
    CatalogTable& table = Table();
    EmptyBench(table);
    WorkshopState workshop;
    ClockRandom random;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ListHoard(RollHoard(table, workshop, random, kHoardMaxItems)));
    }
}
BENCHMARK(BM_RollAndListHoard)->Unit(benchmark::kMillisecond);

// One week of making five slots that never finish, with the report redrawn.
void BM_SimulatedWeek(benchmark::State& state) {
    CatalogTable& table = Table();
    EmptyBench(table);
    WorkshopState workshop;
    for (int index : {101, 98, 100, 108, 125}) Rectify_Magic_Item_list(table, workshop, index);
    SeededRandom random(1);
    StartMaking(table, workshop);
    for (auto _ : state) {
        if (!workshop.Making) StartMaking(table, workshop);
        MakingWeek(table, workshop, random);
        benchmark::DoNotOptimize(BuildMakingReport(table, workshop));
    }
    EmptyBench(table);
}
BENCHMARK(BM_SimulatedWeek)->Unit(benchmark::kMicrosecond);

// The forecast the Make button shows, of the longest making there is: the
// five longest items (40, 25, 25, 25 and 20 weeks) at the lowest DX, 5, where
// 206 weeks in 216 are lost. It runs on every pick and spinner click, so it
// must stay well under a millisecond.
void BM_ForecastLongestBench(benchmark::State& state) {
    CatalogTable& table = Table();
    EmptyBench(table);
    WorkshopState workshop;
    for (int index : {101, 98, 100, 108, 125}) Rectify_Magic_Item_list(table, workshop, index);
    for (auto _ : state) benchmark::DoNotOptimize(ForecastMaking(table, workshop, 5));
    EmptyBench(table);
}
BENCHMARK(BM_ForecastLongestBench)->Unit(benchmark::kMicrosecond);

// Five one-week items of five different weekly costs at DX 5: each slot's
// weeks spread from 1 to hundreds, the hardest money to lay on a grid.
void BM_ForecastShortSpreadBench(benchmark::State& state) {
    CatalogTable& table = Table();
    EmptyBench(table);
    WorkshopState workshop;
    for (int index : {7, 8, 9, 3, 19}) Rectify_Magic_Item_list(table, workshop, index);
    for (auto _ : state) benchmark::DoNotOptimize(ForecastMaking(table, workshop, 5));
    EmptyBench(table);
}
BENCHMARK(BM_ForecastShortSpreadBench)->Unit(benchmark::kMicrosecond);

// What the window adds to every pick for undo: the bench captured before and
// after, compared, and kept as a step; the history full.
void BM_PickWithUndoStep(benchmark::State& state) {
    CatalogTable& table = Table();
    EmptyBench(table);
    WorkshopState workshop;
    for (int index : {101, 98, 100, 108}) Rectify_Magic_Item_list(table, workshop, index);
    WorkbenchHistory history;
    const RowPick blur = PickOf(ListEnchantments(table), "Blur");
    for (auto _ : state) {
        const WorkbenchSnapshot before = CaptureWorkbench(table, workshop);
        PickFromPane(table, workshop, blur, false);
        history.Record(before, CaptureWorkbench(table, workshop));
    }
    EmptyBench(table);
}
BENCHMARK(BM_PickWithUndoStep)->Unit(benchmark::kMicrosecond);

// One undo and one redo of a full bench, each put back into the table.
void BM_UndoRedo(benchmark::State& state) {
    CatalogTable& table = Table();
    EmptyBench(table);
    WorkshopState workshop;
    WorkbenchHistory history;
    const WorkbenchSnapshot empty = CaptureWorkbench(table, workshop);
    for (int index : {101, 98, 100, 108, 125}) Rectify_Magic_Item_list(table, workshop, index);
    history.Record(empty, CaptureWorkbench(table, workshop));
    for (auto _ : state) {
        RestoreWorkbench(*history.Undo(CaptureWorkbench(table, workshop)), table, workshop);
        RestoreWorkbench(*history.Redo(CaptureWorkbench(table, workshop)), table, workshop);
    }
    EmptyBench(table);
}
BENCHMARK(BM_UndoRedo)->Unit(benchmark::kMicrosecond);

// A press on a header of the creature list, the longest list: the press's
// new order, then the list sorted by it. Header 0 sorts the names (text),
// header 5 the stat totals (figures).
void BM_SortCreatures(benchmark::State& state) {
    const Listing fauna = ListFauna(Table());
    const int header = static_cast<int>(state.range(0));
    for (auto _ : state) {
        const ListSort sort = PressHeader(fauna, ListSort{}, header);
        benchmark::DoNotOptimize(SortListing(fauna, sort.header, sort.order));
    }
}
BENCHMARK(BM_SortCreatures)->Arg(0)->Arg(5)->Unit(benchmark::kMicrosecond);

}  // namespace
