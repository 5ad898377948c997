// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalog/job.h"

#include <string>

#include "catalog/text_format.h"

namespace {

// The job list's columns; unlike the other lists they are all left-aligned.
constexpr int kNameWidth = 28;
constexpr int kPrerequisiteWidth = 22;
constexpr int kPayWidth = 16;
constexpr int kRiskWidth = 57;

std::string JobLine(const TJobKest& job) {
    const std::string risk = textfmt::Int(job.Risk1) + "/" + textfmt::Int(job.Risk2);
    return textfmt::LineBuilder()
        .Left(kNameWidth, job.Name)
        .Left(kPrerequisiteWidth, job.Prerequisite1)
        .Left(kPayWidth, job.Pay)
        .Left(kRiskWidth, risk)
        .Take();
}

}  // namespace

Listing ListJobs(const CatalogTable& table) {
    Listing listing;
    listing.labels = {{{8, "Job"},
                       {226, "Prerequisite"},
                       {380, ""},
                       {398, ""},
                       {398, ""},
                       {400, "Pay"},
                       {400, ""},
                       {530, "risk"},
                       {530, ""}}};
    for (int n = 1; n <= kJobCount; ++n) {
        const TJobKest& job = JobAt(table, n);
        listing.lines.push_back(JobLine(job));
        // Every further requirement goes on a line of its own under the first.
        const auto prerequisites = JobPrerequisites(job);
        for (size_t i = 1; i < prerequisites.size(); ++i) {
            if (!prerequisites[i]->empty()) {
                listing.lines.push_back(textfmt::NoteLine(kNameWidth, *prerequisites[i]));
            }
        }
    }
    // The job list leaves the view where it is instead of returning to the top.
    listing.returnToTop = false;
    listing.shown = ShownList::Jobs;
    return listing;
}
