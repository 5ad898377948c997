// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/base_item_sources.h"
#include "catalog/job.h"
#include "catalog/text_format.h"

namespace {

// The job list's columns; unlike the other lists they are all left-aligned.
// The pay is a sum ("$ 4") or a text ("IQ X 4", "none").
// clang-format off
const ListForm kJobForm = {{
    {"Job",          0,  28, Align::Left, 0, {0, 3}},
    {"Prerequisite", 28, 22, Align::Left, 1, {28, -3}},
    {"Pay",          50, 16, Align::Left, 5, {49, 3}},
    {"risk",         66, 57, Align::Left, 7, {66, -3}},
}, {{2, {47, -1}}, {3, {49, 1}}}};
// clang-format on
constexpr size_t kPrerequisite = 1;

}  // namespace

Listing ListJobs(const CatalogTable& table) {
    Listing listing(&kJobForm);
    for (int n = 1; n <= kJobCount; ++n) {
        const TJobKest& job = JobAt(table, n);
        listing.Add(Cell::Text(job.Name), Cell::Text(job.Prerequisite1), Cell::Figure(job.Pay),
                    Cell::Text(textfmt::Int(job.Risk1) + "/" + textfmt::Int(job.Risk2)));
        // Every further requirement goes on a line of its own under the first.
        const auto prerequisites = JobPrerequisites(job);
        for (size_t i = 1; i < prerequisites.size(); ++i) {
            if (!prerequisites[i]->empty()) listing.AddNote(kPrerequisite, *prerequisites[i]);
        }
    }
    // The job list leaves the view where it is instead of returning to the top.
    listing.returnToTop = false;
    listing.shown = ShownList::Jobs;
    FinishCatalogList(table, listing);
    return listing;
}
