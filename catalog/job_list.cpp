// SPDX-License-Identifier: GPL-3.0-or-later
#include <charconv>

#include "catalog/base_item_sources.h"
#include "catalog/job.h"
#include "catalog/text_format.h"

namespace {

// The job list's columns; unlike the other lists they are all left-aligned.
// The pay is a sum ("$ 4") or a text ("IQ X 4", "none").
// clang-format off
const ListForm kJobForm = {{
    {"Job",          0,  28, Align::Left, Holds::Texts,   0, {0, 3}},
    {"Prerequisite", 28, 22, Align::Left, Holds::Texts,   1, {28, -3}},
    {"Pay",          50, 16, Align::Left, Holds::Figures, 5, {49, 3}},
    {"risk",         66, 57, Align::Left, Holds::Texts,   7, {66, -3}},
}, {{2, {47, -1}}, {3, {49, 1}}}};
// clang-format on
constexpr size_t kPrerequisite = 1;

// The pay as the book writes it: a sum of dollars ("$ 4", "$250") is a
// figure, anything else ("IQ X 4", "none") a text.
Cell PayCell(const std::string& pay) {
    const size_t digits = pay.find_first_not_of(' ', 1);
    if (pay.rfind('$', 0) == 0 && digits != std::string::npos) {
        int32_t dollars = 0;
        const char* const end = pay.data() + pay.size();
        const auto read = std::from_chars(pay.data() + digits, end, dollars);
        if (read.ec == std::errc() && read.ptr == end) return Cell::Figure(pay, dollars);
    }
    return Cell::Text(pay);
}

}  // namespace

Listing ListJobs(const CatalogTable& table) {
    Listing listing(&kJobForm);
    for (int n = 1; n <= kJobCount; ++n) {
        const TJobKest& job = JobAt(table, n);
        listing.Add(Cell::Text(job.Name), Cell::Text(job.Prerequisite1), PayCell(job.Pay),
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
