// SPDX-License-Identifier: GPL-3.0-or-later
// How long the catalogs take to build and each list takes to write.
#include <benchmark/benchmark.h>

#include "catalog/carpet.h"
#include "catalog/catalog_table.h"
#include "catalog/equipment.h"
#include "catalog/fauna.h"
#include "catalog/gem.h"
#include "catalog/jewelry.h"
#include "catalog/job.h"
#include "catalog/potion.h"
#include "catalog/spell.h"
#include "catalog/weapon_list.h"

namespace {

void BM_BuildCatalogTable(benchmark::State& state) {
    for (auto _ : state) {
        CatalogTable table;
        table.Build();
        benchmark::DoNotOptimize(&table);
    }
}
BENCHMARK(BM_BuildCatalogTable)->Unit(benchmark::kMicrosecond);

const CatalogTable& Table() {
    static CatalogTable* table = [] {
        auto* built = new CatalogTable;
        built->Build();
        return built;
    }();
    return *table;
}

template <Listing (*List)(const CatalogTable&)>
void BM_List(benchmark::State& state) {
    size_t lines = 0;
    for (auto _ : state) {
        Listing listing = List(Table());
        lines = listing.lines.size();
        benchmark::DoNotOptimize(listing);
    }
    state.counters["lines"] = static_cast<double>(lines);
}
BENCHMARK_TEMPLATE(BM_List, ListWeapons)->Name("List/weapons")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_List, ListEquipment)->Name("List/equipment")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_List, ListScrolls)->Name("List/scrolls")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_List, ListSpellBooks)
    ->Name("List/spell books")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_List, ListPotions)->Name("List/potions")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_List, ListGems)->Name("List/gems")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_List, ListJewelry)->Name("List/jewelry")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_List, ListCarpets)->Name("List/carpets")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_List, ListFauna)->Name("List/fauna")->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(BM_List, ListJobs)->Name("List/jobs")->Unit(benchmark::kMicrosecond);

}  // namespace
